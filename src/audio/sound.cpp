// Sound cues and the sound modes. A sound that cannot play is skipped.

#include "audio/sound.h"

#include "audio/music.h"
#include "gfx/show.h"

const int SoundIdTable[kCueCount] = {
    0,    // no sound
    149,  // opening fanfare (also played by id)
    148, 190, 191, 192, 193, 194, 195, 196, 235, 227, 228, 233, 230, 231, 232,
};

void PlayCue(int nCue) {
    if (!RunFlags.bSoundOn || nCue <= 0 || nCue >= kCueCount) return;
    HostPlayWave(SoundIdTable[nCue]);
}

void SwitchOffFirstTimeSound(HostWindow hWindow) {
    if (RunFlags.nSoundMode != kSoundFirstTimeOnly) return;
    RunFlags.bSoundOn = false;
    RunFlags.bMusicWanted = false;
    // No close here: the stop's notification finds sound off and closes.
    StopMusic(hWindow);
}
