// Sound effects: the cue-to-sound table, cue playing, and the end of the
// first-time-only sound mode.
// Sound failures are silent; the picture goes on.
#pragma once

#include <array>

#include "audio/cues.h"
#include "host/host.h"

// Cue -> WAVE resource id; kCueNone is no sound.
extern const std::array<int, kCueCount> SoundIdTable;

// Plays one cue while sound is on; kCueNone and unknown cues do nothing.
void PlayCue(int nCue);
// At the end of the first cycle (last frame of scenes 6 and 8): in the
// first-time-only mode, silences effects and music for the rest of the run.
void SwitchOffFirstTimeSound(HostWindow hWindow);
