// The show's start-up and shut-down, and the gate on its frame step.
// Start-up runs once, inside the first frame tick; its message boxes are
// modal and let later ticks through, which must find the show not ready
// rather than half loaded.

#include "show/show.h"

#include "audio/music.h"
#include "catalogue.h"
#include "config/run_flags.h"
#include "config/settings.h"
#include "engine/actors.h"
#include "engine/scenes.h"
#include "engine/sequencer.h"
#include "gfx/frame_buffer.h"

ShowState Show;

namespace {

constexpr char kFrameBufferError[] = "Unable to Create DIBSection.\r\nMay be insufficient memory.";

void ShowStartupError(HostWindow hWindow, const char* szText) {
    HostBeep();
    HostMessageBox(hWindow, szText, kStartupCaption, kHostIconError);
    HostRequestQuit(0);
}

// The outputs from the host (the whole client when it names none), only
// the main one with "Main monitor only", and the picture size. Both
// settings are brought into their ranges.
void ReadOutputLayout(HostWindow hWindow) {
    OutputLayout& layout = Show.layout;
    layout.nOutputs = HostGetOutputs(hWindow, layout.outputs, kMaxOutputs);
    if (layout.nOutputs <= 0) layout = WholeClientLayout(Show.nClientWidth, Show.nClientHeight, 0);
    if (ReadLimitedSetting(kSettingMonitors) == kMonitorsMainOnly) layout.nOutputs = 1;
    layout.nPictureSize = ReadLimitedSetting(kSettingPictureSize);
}

// The title picture over every output; false when it could not be shown.
bool ShowTitle(HostWindow hWindow) {
    bool bShown = true;
    for (int i = 0; i < Show.layout.nOutputs; ++i)
        bShown = HostStretchPicture(hWindow, kTitlePictureId, Show.layout.outputs[i]) && bShown;
    return bShown;
}

}  // namespace

void StartShow(HostWindow hWindow) {
    if (!Show.bStartGuard) return;
    Show.bStartGuard = false;
    Show.bStartingUp = true;

    if (Show.bPreviewShow)
        Show.layout = WholeClientLayout(Show.nClientWidth, Show.nClientHeight, kPictureOriginal);
    else
        ReadOutputLayout(hWindow);
    if (!ShowTitle(hWindow)) HostRequestQuit(0);

    if (!Show.bPreviewShow) {
        ReadRunFlags();
        if (RunFlags.bSoundOn) HostPlayWave(kOpeningSoundId);
        if (RunFlags.bMusicOn) WriteTuneFiles();
        DeleteFrameBuffer();
        if (!LoadBitmaps(hWindow))
            ShowStartupError(hWindow, "Unable to Load Bitmap Resources.\r\nMay be insufficient memory.");
        ExpandSceneTracks(RunFlags.bShowBlood);
        if (!CreateFrameBuffer(hWindow, Show.layout))
            ShowStartupError(hWindow, kFrameBufferError);
    }
    Show.bStartingUp = false;
}

void FollowDisplayChange(HostWindow hWindow, bool bTitleShowing) {
    if (Show.bPreviewShow || Show.bStartGuard || Show.bStartingUp || FrameBuffer.pPixels == nullptr) return;
    ReadOutputLayout(hWindow);
    if (!PlaceOutputs(hWindow, Show.layout)) {
        ShowStartupError(hWindow, kFrameBufferError);
        return;
    }
    if (!HostBeginFrame(hWindow)) return;
    HostClearWindow(hWindow);
    if (bTitleShowing)
        ShowTitle(hWindow);
    else
        PresentStage();
    HostEndFrame(hWindow);
}

void StopShow(HostWindow /*hWindow*/) {
    if (Show.bPreviewShow) return;
    ReleaseMusic();
    HostReleaseSound();
    ReleaseActors();
    ReleaseSceneTracks();
    HostDeleteShowPalette();
    DeleteFrameBuffer();
    FrameBuffer.bHeaderReady = false;
}

bool ShowReady() {
    return !Show.bStartGuard && !Show.bStartingUp && !Show.bPreviewShow && FrameBuffer.pPixels != nullptr;
}

int ShowFrameStep(HostWindow hWindow, int nScene) { return ShowReady() ? StepFrame(hWindow, nScene) : nScene; }
