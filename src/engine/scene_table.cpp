// The scene functions by number: 0 the dissolve, 1..8 the scripted scenes.

#include "engine/dissolve.h"
#include "engine/scenes.h"
#include "engine/sequencer.h"

SceneFn SceneTable[kSceneCount] = {Scene0, Scene1, Scene2, Scene3, Scene4, Scene5, Scene6, Scene7, Scene8};
