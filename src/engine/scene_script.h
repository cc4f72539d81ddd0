// A scripted scene as data: its backdrop and length, its cast with compact
// tracks, its drawing orders and the frames at which they switch, its blood
// rule, its cue table and what it does at its last frame. PlayScene plays
// one frame of any such scene; the scene modules only name their script.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/actors.h"
#include "engine/track.h"
#include "host/host.h"

struct CastMember {
    int nSlot;
    TrackRules track;
    bool bBloodOnly;  // stepped, drawn and erased only when blood is shown
};

// A drawing order (cast indices, back to front) that holds from nFromFrame
// until the next entry's nFromFrame.
struct DrawOrder {
    int nFromFrame;
    const int8_t* pCast;
    int nCount;
};

// With blood off, the frame index nBloody1 or nBloody2 of a cast member's
// track becomes nClean, entry by entry as the scene reaches it.
struct BloodSwap {
    int nCast;
    int nBloody1;
    int nBloody2;
    int nClean;
};

enum SceneEnd : uint8_t {
    kEndDissolve,      // write nNextScene, hand over to the dissolve
    kEndDirect,        // hand over to nFollower at once, nNextScene untouched
    kEndOutcome,       // hand over to the outcome current when the frame began
};

struct SceneScript {
    int nScene;
    int nBackdrop;
    int nLength;
    const CastMember* pCast;
    int nCast;
    Keyframe* pTracks;  // nCast rows of nLength + 1 keyframes, filled by ExpandSceneScript
    const DrawOrder* pOrders;
    int nOrders;
    const BloodSwap* pBlood;
    int nBlood;
    const int32_t* pCues;  // indexed by scene frame, at least nLength + 1 entries
    int nCues;
    SceneEnd nEnd;
    int nFollower;      // the scene that comes next (through the dissolve for kEndDissolve)
    bool bEndsCycle;    // the first-time-only sound switch-off runs at its end
};

// The track of cast member nCast, indexed by scene frame.
inline const Keyframe* CastTrack(const SceneScript& script, int nCast) {
    return script.pTracks + nCast * (script.nLength + 1);
}

// Fills the script's per-frame tracks from its compact tracks.
void ExpandSceneScript(const SceneScript& script);

// Plays the frame Sequencer.nSceneFrame of the scene; returns the scene for
// the next tick.
int PlayScene(HostWindow hWindow, const SceneScript& script);

// A cue table of N entries (one per scene frame, entry 0 unused) built at
// compile time from marks written as: cue, its frames..., 0, next cue, ...
template <size_t N, size_t M>
constexpr std::array<int32_t, N> CueTable(const int32_t (&marks)[M]) {
    std::array<int32_t, N> cues{};
    int32_t nCue = 0;
    bool bCueNext = true;
    for (size_t i = 0; i < M; ++i) {
        if (bCueNext) {
            nCue = marks[i];
            bCueNext = false;
        } else if (marks[i] == 0) {
            bCueNext = true;
        } else {
            cues[static_cast<size_t>(marks[i])] = nCue;
        }
    }
    return cues;
}
