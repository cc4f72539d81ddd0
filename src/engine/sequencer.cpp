// The frame step: surfaces around the scene call, the show's first frame,
// the outcome draw and the scene dispatch.

#include "engine/sequencer.h"

#include "audio/music.h"
#include "config/run_flags.h"

SequencerState Sequencer;

void SeedRandom(uint32_t nSeed) { Sequencer.nRandomState = nSeed; }

int NextRandom() {
    Sequencer.nRandomState = Sequencer.nRandomState * 214013u + 2531011u;
    return int((Sequencer.nRandomState >> 16) & 0x7FFF);
}

int OutcomeForRandom(int v, int nKrakenChance) {
    // Double precision and truncation, so r reaches 100 only for v = 32767.
    const int r = int(v * (1.0 / 32767) * 100);
    return r > 99 - nKrakenChance ? kSceneKrakenWins : kScenePiratesWin;
}

int StepFrame(HostWindow hWindow, int nScene) {
    if (!HostBeginFrame(hWindow)) return nScene;
    if (Sequencer.bShowStarting) {
        Sequencer.bShowStarting = false;
        RunFlags.bMusicWanted = true;
        if (RunFlags.bSoundOn && RunFlags.bMusicOn) PlayTune(hWindow, Music.szTune1Path);
        Sequencer.nSceneFrame = 1;
        HostClearWindow(hWindow);
    }
    if (!Sequencer.bOutcomeDrawn) {
        Sequencer.bOutcomeDrawn = true;
        SeedRandom(HostGetTickCount());
        Sequencer.nOutcomeScene = OutcomeForRandom(NextRandom(), RunFlags.nKrakenChance);
    }
    const SceneFn pfnScene = nScene >= 0 && nScene < kSceneCount ? SceneTable[nScene].pfnPlay : nullptr;
    const int nNext = pfnScene != nullptr ? pfnScene(hWindow, nScene) : nScene;
    ++Sequencer.nSceneFrame;
    HostEndFrame(hWindow);
    return nNext;
}
