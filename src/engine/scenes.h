// The eight scripted scenes: their scripts (data modules scene_data_N.cpp)
// and the scene functions that the frame step calls.
#pragma once

#include "engine/scene_script.h"
#include "host/host.h"

extern const SceneScript Scene1Script;
extern const SceneScript Scene2Script;
extern const SceneScript Scene3Script;
extern const SceneScript Scene4Script;
extern const SceneScript Scene5Script;
extern const SceneScript Scene6Script;
extern const SceneScript Scene7Script;
extern const SceneScript Scene8Script;

// Scripts of scenes 1..8 by scene number; entry 0 (the dissolve) is null.
extern const SceneScript* const SceneScripts[9];

int Scene1(HostWindow hWindow, int nScene);
int Scene2(HostWindow hWindow, int nScene);
int Scene3(HostWindow hWindow, int nScene);
int Scene4(HostWindow hWindow, int nScene);
int Scene5(HostWindow hWindow, int nScene);
int Scene6(HostWindow hWindow, int nScene);
int Scene7(HostWindow hWindow, int nScene);
int Scene8(HostWindow hWindow, int nScene);

// Expands every scene's compact tracks into the arrays the frame step
// reads. Run once at start-up; running it again restores the authored
// tracks (the blood rule's rewrites included).
void ExpandSceneTracks();
