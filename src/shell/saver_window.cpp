// The saver window's show logic: two timers drive everything. The frame
// timer's first tick starts the show; frame ticks then idle until the
// start-up timer has fired once, so the title picture and the opening sound
// have the screen to themselves; every later frame tick is one frame.

#include "shell/saver_window.h"

#include "audio/music.h"
#include "config/settings.h"
#include "engine/sequencer.h"
#include "catalogue.h"
#include "shell/frame_period.h"
#include "show/show.h"

SaverWindowState SaverWindow;

bool IsPreviewWidth(int nClientWidth) { return nClientWidth < kPreviewWidthLimit; }

void OnSaverCreate(HostWindow hWindow) {
    SeedRandom(HostGetTickCount());
    SaverWindow.nScene = kSceneShipsAtSea;
    SaverWindow.nFramePeriod = FramePeriodFromSpeed(ReadSetting(kSettingSpeed));
    SaverWindow.bFrameTimerArmed = HostSetTimer(hWindow, kFrameTimerId, SaverWindow.nFramePeriod);
    SaverWindow.bStartupTimerArmed = HostSetTimer(hWindow, kStartupTimerId, kStartupDelayMs);
}

void OnSaverClientSize(int nWidth, int nHeight) {
    Show.nClientWidth = nWidth;
    Show.nClientHeight = nHeight;
}

void OnSaverTick(HostWindow hWindow, int nTimerId) {
    if (SaverWindow.bFirstTick || IsPreviewWidth(Show.nClientWidth)) {
        // In a preview every tick of either timer comes here; only the
        // first StartShow does anything.
        SaverWindow.bFirstTick = false;
        Show.bPreviewShow = IsPreviewWidth(Show.nClientWidth);
        StartShow(hWindow);
    } else if (nTimerId == kStartupTimerId) {
        SaverWindow.bStartupDelay = false;
        if (SaverWindow.bStartupTimerArmed) HostKillTimer(hWindow, kStartupTimerId);
        SaverWindow.bStartupTimerArmed = false;
    } else if (!SaverWindow.bStartupDelay) {
        SaverWindow.nScene = ShowFrameStep(hWindow, SaverWindow.nScene);
    }
}

void OnPreviewPaint(HostWindow hWindow) {
    HostStretchPicture(hWindow, kTitlePictureId, {0, 0, Show.nClientWidth, Show.nClientHeight});
}

void OnSaverDisplayChange(HostWindow hWindow, int nClientWidth, int nClientHeight) {
    OnSaverClientSize(nClientWidth, nClientHeight);
    FollowDisplayChange(hWindow, SaverWindow.bStartupDelay);
}

void OnSaverMusicNotify(HostWindow hWindow) { HandleMusicNotify(hWindow); }

void OnSaverDestroy(HostWindow hWindow) {
    if (SaverWindow.bFrameTimerArmed) HostKillTimer(hWindow, kFrameTimerId);
    if (SaverWindow.bStartupTimerArmed) HostKillTimer(hWindow, kStartupTimerId);
    SaverWindow.bFrameTimerArmed = SaverWindow.bStartupTimerArmed = false;
    StopShow(hWindow);
}
