// The scene functions by number: 0 the dissolve, 1..8 the scripted scenes.

#include "engine/dissolve.h"
#include "engine/sequencer.h"

SceneFn SceneTable[kSceneCount] = {Scene0};
