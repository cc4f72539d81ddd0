// The saver window's show logic, whatever the platform: the frame period,
// the two timers, the tick dispatch (the first tick starts the show, the
// start-up delay, frame ticks, the preview), the preview's picture and the
// music restart. A platform's window procedure only turns its messages
// into these calls.
#pragma once

#include <cstdint>

#include "engine/scene_ids.h"
#include "host/host.h"

constexpr int kFrameTimerId = 0;
constexpr int kStartupTimerId = 1;
constexpr uint32_t kStartupDelayMs = 3500;  // the title picture and the opening sound
// A client narrower than this is a preview: the title picture only.
constexpr int kPreviewWidthLimit = 639;

struct SaverWindowState {
    bool bFrameTimerArmed = false;
    bool bStartupTimerArmed = false;
    uint32_t nFramePeriod = 0;
    bool bFirstTick = true;     // cleared by the first tick, which starts the show
    bool bStartupDelay = true;  // frame ticks idle until the start-up timer fires
    int nScene = kSceneShipsAtSea;  // the scene that the next frame tick runs
};
extern SaverWindowState SaverWindow;

bool IsPreviewWidth(int nClientWidth);

// The window was made: seeds the random generator, reads the speed and
// arms both timers.
void OnSaverCreate(HostWindow hWindow);
// The client size, as the window's last paint or erase found it.
void OnSaverClientSize(int nWidth, int nHeight);
// A tick of timer nTimerId.
void OnSaverTick(HostWindow hWindow, int nTimerId);
// A paint request of a preview (IsPreviewWidth of the client width):
// stretches the title picture over the window. A full-size window leaves
// its painting to the frames.
void OnPreviewPaint(HostWindow hWindow);
// The display changed (a monitor added or removed, a resolution changed)
// and the window now has this client size: the show follows the new
// outputs and goes on.
void OnSaverDisplayChange(HostWindow hWindow, int nClientWidth, int nClientHeight);
// The sequencer finished or cut short a play.
void OnSaverMusicNotify(HostWindow hWindow);
// The window is going: stops the timers and releases the show.
void OnSaverDestroy(HostWindow hWindow);
