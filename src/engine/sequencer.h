// The frame step: the engine's only entry point, one call per frame tick.
// It owns the sequencing state shared by all scenes, draws each cycle's
// outcome and dispatches to the scene functions.
#pragma once

#include <cstdint>

#include "host/host.h"

struct SequencerState {
    int32_t nSceneFrame = 1;    // frame within the running scene, 1 on its first
    int32_t nNextScene = 0;     // where the dissolve hands over
    int32_t nLastScene = 0;     // the scene that ended most recently
    int32_t nOutcomeScene = 4;  // 4: pirates win, 7: the kraken wins
    bool bOutcomeDrawn = false;
    bool bShowStarting = true;
    uint32_t nRandomState = 0;  // the linear congruential generator
};
extern SequencerState Sequencer;

// The show's run flags: set by start-up from the settings, read by the
// engine and the audio code.
struct RunFlagState {
    bool bSoundOn = false;
    bool bMusicOn = false;
    bool bMusicWanted = false;
    bool bShowBlood = false;
    int32_t nSoundMode = 0;      // 0 on, 1 first time only, 2 off
    int32_t nKrakenChance = 50;  // percent, 1..99
};
extern RunFlagState RunFlags;

// A scene draws one frame per call and returns the scene for the next tick.
using SceneFn = int (*)(HostWindow hWindow, int nScene);
constexpr int kSceneCount = 9;
// Scene 0 is the dissolve, 1..8 the scripted scenes. Not const, so tests
// can run the machinery with scenes of their own.
extern SceneFn SceneTable[kSceneCount];

// Runs one frame of nScene and returns the scene for the next tick. Does
// nothing (and returns nScene) while the show is not ready to draw.
int ShowFrameStep(HostWindow hWindow, int nScene);

// The random generator: state x 214013 + 2531011, result bits 16..30.
void SeedRandom(uint32_t nSeed);
int NextRandom();
// The scene that a random value v (0..32767) decides for the next cycle.
int OutcomeForRandom(int v, int nKrakenChance);
