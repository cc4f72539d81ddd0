// The frame order shared by every scripted scene: backdrop on the first
// frame, step, draw in the order of the frame, cue, present, then either
// the end actions or erasing the cast; and the expansion of the scenes'
// tracks at start-up.

#include "engine/scene_script.h"

#include "audio/sound.h"
#include "config/run_flags.h"
#include "engine/sequencer.h"

namespace {

bool TakesPart(const CastMember& member) { return !member.bBloodOnly || RunFlags.bShowBlood; }

const DrawOrder& OrderAt(const SceneScript& script, int f) {
    int n = 0;
    while (n + 1 < script.nOrders && script.pOrders[n + 1].nFromFrame <= f) ++n;
    return script.pOrders[n];
}

}  // namespace

SceneTrackState SceneTracks;

void ExpandSceneScript(const SceneScript& script, bool bShowBlood) {
    const int nRow = script.nLength + 1;
    std::vector<Keyframe>& keyframes = SceneTracks.keyframes[script.nScene];
    keyframes.assign(size_t(script.nCast) * nRow, Keyframe{});
    for (int i = 0; i < script.nCast; ++i)
        ExpandTrack(script.pCast[i].track, script.nLength, &keyframes[size_t(i) * nRow], keyframes.data());
    if (bShowBlood) return;
    // The blood setting holds for the whole run, so the clean frames are
    // written into the tracks once, here.
    for (int b = 0; b < script.nBlood; ++b) {
        const BloodSwap& swap = script.pBlood[b];
        for (int i = 0; i < script.nCast; ++i) {
            if (script.pCast[i].nSlot != swap.nSlot) continue;
            for (int f = 1; f <= script.nLength; ++f) {
                Keyframe& k = keyframes[size_t(i) * nRow + f];
                if (k.frame == swap.nBloody1 || k.frame == swap.nBloody2) k.frame = swap.nClean;
            }
        }
    }
}

int PlayScene(HostWindow hWindow, const SceneScript& script) {
    const int nOutcome = Sequencer.nOutcomeScene;
    const int f = Sequencer.nSceneFrame;
    if (f == 1) {
        DrawBackdrop(script.nBackdrop);
        HostFlush();
        HostInvalidateWindow(hWindow);
        HostFlush();
    }
    for (int i = 0; i < script.nCast; ++i) {
        if (TakesPart(script.pCast[i])) StepActor(script.pCast[i].nSlot, CastTrack(script, i));
    }
    const DrawOrder& order = OrderAt(script, f);
    for (int i = 0; i < order.nCount; ++i) {
        const CastMember& member = script.pCast[order.pCast[i]];
        if (TakesPart(member)) DrawActor(member.nSlot);
    }
    if (RunFlags.bSoundOn && f < script.nCues && script.pCues[f] != 0) PlayCue(script.pCues[f]);
    PresentStage();

    if (f >= script.nLength) {
        // The cast is not erased: the last picture stays for what follows.
        Sequencer.nSceneFrame = 0;
        Sequencer.nLastScene = script.nScene;
        switch (script.nEnd) {
            case kEndDissolve:
                Sequencer.nNextScene = script.nFollower;
                if (script.bEndsCycle) SwitchOffFirstTimeSound(hWindow);
                return 0;
            case kEndDirect:
                return script.nFollower;
            case kEndOutcome:
                Sequencer.bOutcomeDrawn = false;
                return nOutcome;
        }
    }
    for (int i = 0; i < script.nCast; ++i) {
        if (TakesPart(script.pCast[i])) EraseActor(script.pCast[i].nSlot, script.nBackdrop);
    }
    return script.nScene;
}
