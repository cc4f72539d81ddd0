// The run flags from the settings.

#include "config/run_flags.h"

#include <algorithm>

#include "config/settings.h"

RunFlagState RunFlags;

// Settings are limited here, where they are used, never when stored.
void ReadRunFlags() {
    RunFlags.bMusicWanted = false;
    RunFlags.bMusicOn = ReadSetting(kSettingMusic) != 0;
    RunFlags.bShowBlood = ReadSetting(kSettingBlood) != 0;
    RunFlags.nKrakenChance = int32_t(std::clamp<int64_t>(100 - int64_t{ReadSetting(kSettingKraken)}, 1, 99));
    RunFlags.nSoundMode = SoundModeOf(ReadSetting(kSettingSound));
    RunFlags.bSoundOn = RunFlags.nSoundMode != kSoundOff;
}
