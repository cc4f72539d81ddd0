// Sound cues and the sound modes. A sound that cannot play is skipped.

#include "audio/sound.h"

#include "audio/music.h"
#include "gfx/show.h"
#include "resource_ids.h"

const int SoundIdTable[kCueCount] = {
    0,                     // cue 0: no sound
    IDW_OPENING_FLOURISH,  // also played by id at start-up
    IDW_CANNON_SHOT,
    IDW_ORDER_TO_FIRE,
    IDW_BALL_IN_RIGGING,
    IDW_HULL_BREACH,
    IDW_SWORD_CLASH,
    IDW_CRY_OF_PAIN,
    IDW_PIRATE_LAUGHTER,
    IDW_BATTLE_CRY,
    IDW_TENTACLE_SLAP,
    IDW_BROADSIDE,
    IDW_SCREAM_AND_SPLASH,
    IDW_SEA_AMBIENCE,
    IDW_SHANTY_CHEER,
    IDW_SHIP_SINKING,
    IDW_KRAKEN_ROAR,
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
