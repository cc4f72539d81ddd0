// The frame step: the engine's only entry point, one call per frame tick.
// It owns the sequencing state shared by all scenes, draws each cycle's
// outcome and dispatches to the scene functions.
#pragma once

#include <cstdint>

#include "engine/scene_ids.h"
#include "host/host.h"

struct SequencerState {
    int32_t nSceneFrame = 1;    // frame within the running scene, 1 on its first
    int32_t nNextScene = 0;     // where the dissolve hands over
    int32_t nLastScene = 0;     // the scene that ended most recently
    int32_t nOutcomeScene = kScenePiratesWin;  // or kSceneKrakenWins
    bool bOutcomeDrawn = false;
    bool bShowStarting = true;
    uint32_t nRandomState = 0;  // the linear congruential generator
};
extern SequencerState Sequencer;

// A scene draws one frame per call and returns the scene for the next tick.
using SceneFn = int (*)(HostWindow hWindow, int nScene);
struct SceneScript;
// A scene as the frame step runs it: the function that plays its frames and,
// for a scripted scene, its script.
struct SceneEntry {
    SceneFn pfnPlay;
    const SceneScript* pScript;  // null for the dissolve
};
// Every scene by its SceneId. Not const, so tests can run the machinery
// with scenes of their own.
extern SceneEntry SceneTable[kSceneCount];

// Runs one frame of nScene and returns the scene for the next tick; a
// window that cannot be drawn on now skips the tick (and gets nScene back).
// The show calls it only once its start-up is over (show/show.h).
int StepFrame(HostWindow hWindow, int nScene);

// The random generator: state x 214013 + 2531011, result bits 16..30.
void SeedRandom(uint32_t nSeed);
int NextRandom();
// The scene that a random value v (0..32767) decides for the next cycle.
int OutcomeForRandom(int v, int nKrakenChance);
