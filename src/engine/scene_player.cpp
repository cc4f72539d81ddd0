// The frame order shared by every scripted scene: backdrop on the first
// frame, blood rule, step, draw in the order of the frame, cue, present,
// then either the end actions or erasing the cast.

#include "engine/scene_script.h"

#include "audio/sound.h"
#include "engine/sequencer.h"

namespace {

bool TakesPart(const CastMember& member) { return !member.bBloodOnly || RunFlags.bShowBlood; }

// Rewrites the bloody frame indices of this frame's keyframes for good; the
// blood setting never changes during a run.
void ApplyBloodRule(const SceneScript& script, int f) {
    for (int i = 0; i < script.nBlood; ++i) {
        const BloodSwap& swap = script.pBlood[i];
        Keyframe& k = script.pTracks[swap.nCast * (script.nLength + 1) + f];
        if (k.frame == swap.nBloody1 || k.frame == swap.nBloody2) k.frame = swap.nClean;
    }
}

const DrawOrder& OrderAt(const SceneScript& script, int f) {
    int n = 0;
    while (n + 1 < script.nOrders && script.pOrders[n + 1].nFromFrame <= f) ++n;
    return script.pOrders[n];
}

}  // namespace

void ExpandSceneScript(const SceneScript& script) {
    for (int i = 0; i < script.nCast; ++i) {
        ExpandTrack(script.pCast[i].track, script.nLength,
                    script.pTracks + i * (script.nLength + 1), script.pTracks);
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
    if (!RunFlags.bShowBlood) ApplyBloodRule(script, f);
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
