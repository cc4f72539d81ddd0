// A scripted scene as data: its backdrop and length, its cast with compact
// tracks, its drawing orders and the frames at which they switch, its blood
// rule, its cue table and what it does at its last frame. PlayScene plays
// one frame of any such scene; the scene modules hold only data.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/actors.h"
#include "engine/scene_ids.h"
#include "engine/track.h"
#include "host/host.h"

struct CastMember {
    int nSlot;  // an ActorSlot
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

// With blood off, the frame indices nBloody1 and nBloody2 in the track of
// the cast member in slot nSlot become nClean.
struct BloodSwap {
    int nSlot;
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

// The expanded tracks of every scripted scene, filled once at start-up and
// only read after it: per scene, nCast rows of nLength + 1 keyframes.
struct SceneTrackState {
    std::vector<Keyframe> keyframes[kSceneCount];
};
extern SceneTrackState SceneTracks;

// The track of cast member nCast, indexed by scene frame.
inline const Keyframe* CastTrack(const SceneScript& script, int nCast) {
    return SceneTracks.keyframes[script.nScene].data() + nCast * (script.nLength + 1);
}

// Fills the script's per-frame tracks from its compact tracks; with blood
// off, its blood swaps are applied to them.
void ExpandSceneScript(const SceneScript& script, bool bShowBlood);

// Plays the frame Sequencer.nSceneFrame of the scene; returns the scene for
// the next tick.
int PlayScene(HostWindow hWindow, const SceneScript& script);

// Authoring helpers for the scene data modules, which count the entries of
// the tables they are given.
namespace scenes {

template <size_t N>
constexpr DrawOrder Order(int nFromFrame, const int8_t (&cast)[N]) {
    return {nFromFrame, cast, int(N)};
}

// How a scene ends: its SceneEnd, the scene that follows and whether the
// cycle ends with it.
struct Ending {
    SceneEnd nEnd;
    int nFollower;
    bool bEndsCycle;
};
constexpr Ending DissolveTo(int nScene) { return {kEndDissolve, nScene, false}; }
constexpr Ending DissolveToNextCycle(int nScene) { return {kEndDissolve, nScene, true}; }
constexpr Ending StraightTo(int nScene) { return {kEndDirect, nScene, false}; }
constexpr Ending ToTheOutcome() { return {kEndOutcome, 0, false}; }

template <size_t C, size_t O, size_t B, size_t N>
constexpr SceneScript Script(int nScene, int nBackdrop, int nLength, const CastMember (&cast)[C],
                             const DrawOrder (&orders)[O], const BloodSwap (&blood)[B],
                             const std::array<int32_t, N>& cues, Ending end) {
    return {nScene, nBackdrop, nLength, cast, int(C), orders, int(O), blood, int(B),
            cues.data(), int(N), end.nEnd, end.nFollower, end.bEndsCycle};
}
// A scene without blood swaps.
template <size_t C, size_t O, size_t N>
constexpr SceneScript Script(int nScene, int nBackdrop, int nLength, const CastMember (&cast)[C],
                             const DrawOrder (&orders)[O], const std::array<int32_t, N>& cues, Ending end) {
    return {nScene, nBackdrop, nLength, cast, int(C), orders, int(O), nullptr, 0,
            cues.data(), int(N), end.nEnd, end.nFollower, end.bEndsCycle};
}

}  // namespace scenes

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
