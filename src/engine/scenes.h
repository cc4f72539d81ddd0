// The eight scripted scenes: their scripts (data modules scene_data_N.cpp),
// the one player that runs any of them, and the expansion of their tracks.
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

// Plays one frame of scripted scene nScene, the script that the scene table
// holds for it.
int PlayScriptedScene(HostWindow hWindow, int nScene);

// Expands every scene's compact tracks into the arrays the frame step
// reads, with or without blood. Run once at start-up, after which the
// tracks are only read.
void ExpandSceneTracks(bool bShowBlood);
// Gives back the expanded tracks' memory (shut-down).
void ReleaseSceneTracks();
