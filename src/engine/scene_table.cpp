// The scene table: every scene by number, the dissolve and the eight
// scripted scenes, with the function that plays a frame of each.

#include "engine/dissolve.h"
#include "engine/scene_script.h"
#include "engine/scenes.h"
#include "engine/sequencer.h"

SceneEntry SceneTable[kSceneCount] = {
    {Scene0, nullptr},
    {PlayScriptedScene, &Scene1Script},
    {PlayScriptedScene, &Scene2Script},
    {PlayScriptedScene, &Scene3Script},
    {PlayScriptedScene, &Scene4Script},
    {PlayScriptedScene, &Scene5Script},
    {PlayScriptedScene, &Scene6Script},
    {PlayScriptedScene, &Scene7Script},
    {PlayScriptedScene, &Scene8Script},
};

int PlayScriptedScene(HostWindow hWindow, int nScene) {
    return PlayScene(hWindow, *SceneTable[nScene].pScript);
}

void ExpandSceneTracks(bool bShowBlood) {
    for (const SceneEntry& scene : SceneTable)
        if (scene.pScript != nullptr) ExpandSceneScript(*scene.pScript, bShowBlood);
}

void ReleaseSceneTracks() {
    SceneTracks = {};  // empty vectors moved in: their memory goes
}
