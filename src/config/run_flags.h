// The run flags: the settings as one run of the show uses them. Start-up
// fills them (ReadRunFlags); the engine and the audio code read them, and
// the audio code turns sound and music off when they fail or when the
// first-time-only mode ends.
#pragma once

#include <cstdint>

struct RunFlagState {
    bool bSoundOn = false;
    bool bMusicOn = false;
    bool bMusicWanted = false;
    bool bShowBlood = false;
    int32_t nSoundMode = 0;      // a SoundMode (config/settings.h)
    int32_t nKrakenChance = 50;  // percent, 1..99
};
extern RunFlagState RunFlags;

// Fills the run flags from the stored settings, each brought into the
// range the show uses; music is not yet wanted.
void ReadRunFlags();
