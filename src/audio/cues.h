// The sound cues by name: what the scenes' cue tables hold and what the
// cue-to-sound table maps to a WAVE resource. Cue 0 is silence.
#pragma once

enum Cue : int {
    kCueNone,
    kCueOpeningFlourish,  // also played by id at start-up
    kCueCannonShot,
    kCueOrderToFire,
    kCueBallInRigging,
    kCueHullBreach,
    kCueSwordClash,
    kCueCryOfPain,
    kCuePirateLaughter,
    kCueBattleCry,
    kCueTentacleSlap,
    kCueBroadside,
    kCueScreamAndSplash,
    kCueSeaAmbience,
    kCueShantyCheer,
    kCueShipSinking,
    kCueKrakenRoar,
    kCueCount,
};
