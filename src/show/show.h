// The show: its start-up (the title picture, the run flags from the
// settings, the opening sound, the tune files, the sprites, the palette and
// the frame buffer) and shut-down, and the frame step while it is ready.
#pragma once

#include <cstdint>

#include "gfx/frame_buffer.h"
#include "host/host.h"

struct ShowState {
    bool bStartGuard = true;     // cleared by the first StartShow
    bool bStartingUp = false;    // true while StartShow runs (its boxes are modal)
    bool bPreviewShow = false;   // set by the window: client width 638 or less
    int32_t nClientWidth = 0;    // set by the window before StartShow
    int32_t nClientHeight = 0;
    // The outputs that the full-screen show plays on, as the host and the
    // two display settings give them; read by StartShow.
    OutputLayout layout = {};
};
extern ShowState Show;

constexpr char kStartupCaption[] = "Screen Saver Startup Error!";

// Runs its body once per process; every later call returns at once.
void StartShow(HostWindow hWindow);
// The display changed while the full-screen show runs: reads the outputs
// anew, places the stage on them, and paints the window again (black, and
// the title or the last frame on every output). Nothing for a preview or
// before start-up is over.
void FollowDisplayChange(HostWindow hWindow, bool bTitleShowing);
// Releases what StartShow made; does nothing for a preview.
void StopShow(HostWindow hWindow);
// True when frame steps may run: start-up is over and a frame buffer exists.
bool ShowReady();
// One frame tick of the show: the engine's frame step of nScene (see
// engine/sequencer.h), which returns the scene for the next tick. Does
// nothing (and returns nScene) while the show is not ready.
int ShowFrameStep(HostWindow hWindow, int nScene);
