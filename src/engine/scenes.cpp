// The scripted scenes as the frame step sees them: each plays its script.

#include "engine/scenes.h"

const SceneScript* const SceneScripts[9] = {
    nullptr,       &Scene1Script, &Scene2Script, &Scene3Script, &Scene4Script,
    &Scene5Script, &Scene6Script, &Scene7Script, &Scene8Script,
};

int Scene1(HostWindow hWindow, int) { return PlayScene(hWindow, Scene1Script); }
int Scene2(HostWindow hWindow, int) { return PlayScene(hWindow, Scene2Script); }
int Scene3(HostWindow hWindow, int) { return PlayScene(hWindow, Scene3Script); }
int Scene4(HostWindow hWindow, int) { return PlayScene(hWindow, Scene4Script); }
int Scene5(HostWindow hWindow, int) { return PlayScene(hWindow, Scene5Script); }
int Scene6(HostWindow hWindow, int) { return PlayScene(hWindow, Scene6Script); }
int Scene7(HostWindow hWindow, int) { return PlayScene(hWindow, Scene7Script); }
int Scene8(HostWindow hWindow, int) { return PlayScene(hWindow, Scene8Script); }

void ExpandSceneTracks() {
    for (int n = 1; n <= 8; ++n) ExpandSceneScript(*SceneScripts[n]);
}
