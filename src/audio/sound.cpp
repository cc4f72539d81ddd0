// Sound cues and the sound modes. A sound that cannot play is skipped.

#include "audio/sound.h"

#include <array>
#include <cstddef>

#include "audio/music.h"
#include "config/run_flags.h"
#include "config/settings.h"
#include "resource_ids.h"

namespace {

// Each cue's sound, set by the cue's name.
constexpr std::array<int, kCueCount> SoundsOfCues() {
    std::array<int, kCueCount> ids{};
    ids[kCueNone] = 0;
    ids[kCueOpeningFlourish] = IDW_OPENING_FLOURISH;  // also played by id at start-up
    ids[kCueCannonShot] = IDW_CANNON_SHOT;
    ids[kCueOrderToFire] = IDW_ORDER_TO_FIRE;
    ids[kCueBallInRigging] = IDW_BALL_IN_RIGGING;
    ids[kCueHullBreach] = IDW_HULL_BREACH;
    ids[kCueSwordClash] = IDW_SWORD_CLASH;
    ids[kCueCryOfPain] = IDW_CRY_OF_PAIN;
    ids[kCuePirateLaughter] = IDW_PIRATE_LAUGHTER;
    ids[kCueBattleCry] = IDW_BATTLE_CRY;
    ids[kCueTentacleSlap] = IDW_TENTACLE_SLAP;
    ids[kCueBroadside] = IDW_BROADSIDE;
    ids[kCueScreamAndSplash] = IDW_SCREAM_AND_SPLASH;
    ids[kCueSeaAmbience] = IDW_SEA_AMBIENCE;
    ids[kCueShantyCheer] = IDW_SHANTY_CHEER;
    ids[kCueShipSinking] = IDW_SHIP_SINKING;
    ids[kCueKrakenRoar] = IDW_KRAKEN_ROAR;
    return ids;
}

constexpr bool EveryCueHasASound(const std::array<int, kCueCount>& ids) {
    for (int c = kCueNone + 1; c < kCueCount; ++c)
        if (ids[size_t(c)] == 0) return false;
    return true;
}
static_assert(EveryCueHasASound(SoundsOfCues()), "a cue without a sound: set it in SoundsOfCues");

}  // namespace

const std::array<int, kCueCount> SoundIdTable = SoundsOfCues();

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
