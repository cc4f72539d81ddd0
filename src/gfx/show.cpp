// Show start-up and shut-down. Start-up runs once, inside the first frame
// tick; its message boxes are modal and let later ticks through, which
// must find the show not ready rather than half loaded.

#include "gfx/show.h"

#include <algorithm>

#include "audio/music.h"
#include "audio/sound.h"
#include "config/settings.h"
#include "engine/scenes.h"
#include "engine/sequencer.h"
#include "catalogue.h"
#include "gfx/frame_buffer.h"
#include "gfx/sprite_store.h"

ShowState Show;
RunFlagState RunFlags;

namespace {

void ShowStartupError(HostWindow hWindow, const char* szText) {
    HostBeep();
    HostMessageBox(hWindow, szText, kStartupCaption, kHostIconError);
    HostRequestQuit(0);
}

// Settings are limited here, where they are used, never when stored.
void ReadRunFlags() {
    RunFlags.bMusicWanted = false;
    RunFlags.bMusicOn = ReadSetting(kSettingMusic) != 0;
    RunFlags.bShowBlood = ReadSetting(kSettingBlood) != 0;
    RunFlags.nKrakenChance = int32_t(std::clamp<int64_t>(100 - int64_t{ReadSetting(kSettingKraken)}, 1, 99));
    RunFlags.nSoundMode = SoundModeOf(ReadSetting(kSettingSound));
    RunFlags.bSoundOn = RunFlags.nSoundMode != kSoundOff;
}

}  // namespace

void StartShow(HostWindow hWindow) {
    if (!Show.bStartGuard) return;
    Show.bStartGuard = false;
    Show.bStartingUp = true;

    if (!HostStretchPicture(hWindow, kTitlePictureId, Show.nClientWidth, Show.nClientHeight))
        HostRequestQuit(0);

    if (!Show.bPreviewShow) {
        ReadRunFlags();
        if (RunFlags.bSoundOn) HostPlayWave(kOpeningSoundId);
        if (RunFlags.bMusicOn) WriteTuneFiles();
        DeleteFrameBuffer();
        if (!LoadBitmaps(hWindow))
            ShowStartupError(hWindow, "Unable to Load Bitmap Resources.\r\nMay be insufficient memory.");
        ExpandSceneTracks(RunFlags.bShowBlood);
        if (!CreateFrameBuffer(hWindow, Show.nClientWidth, Show.nClientHeight))
            ShowStartupError(hWindow, "Unable to Create DIBSection.\r\nMay be insufficient memory.");
    }
    Show.bStartingUp = false;
}

void StopShow(HostWindow /*hWindow*/) {
    if (Show.bPreviewShow) return;
    ReleaseMusic();
    HostReleaseSound();
    ReleaseSpriteStore();
    ReleaseSceneTracks();
    HostDeleteShowPalette();
    DeleteFrameBuffer();
    FrameBuffer.bHeaderReady = false;
}

bool ShowReady() {
    return !Show.bStartGuard && !Show.bStartingUp && !Show.bPreviewShow && FrameBuffer.pPixels != nullptr;
}
