// Keyframe tracks written compactly: a track is a list of runs, each setting
// one channel (x, y, strip frame) or the whole keyframe over a span of scene
// frames by a rule (hold, linear run, repeating cycle or swell, waypoint
// route, offset from another actor, cannon shot, literal rows). ExpandTrack turns the runs into the
// per-frame keyframe array that StepActor reads, once at start-up.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/actors.h"

enum TrackChannel : uint8_t {
    kChannelX,
    kChannelY,
    kChannelFrame,
    kChannelPosition,  // x and y together (offsets from a leader)
    kChannelAll,       // x, y and frame together (poses, literal rows)
};

enum TrackRule : uint8_t {
    kRuleLine,    // nA + nB * (t / nC), plus pData[(t / nD) % nData] when there is a table
    kRulePath,    // position along (frame, x, y) waypoints: linear in between,
                  // held before the first and after the last
    kRuleFollow,  // the leader's x and y on the same frame, plus (nA, nB)
    kRulePose,    // x nA, y nB, frame nC
    kRuleShot,    // a cannon shot from muzzle point (nA, nB): flash nC for two
                  // frames there, then puff nD flying 10 left and 10 up a frame
    kRuleRows,    // pData holds one (x, y, frame) triple per frame from nFrom on
};

// One run over scene frames nFrom..nTo (inclusive). Later runs of a track
// override earlier ones where they overlap, so "here, except on frame 5"
// is two runs. Frames that no run covers are hidden at (0, 0).
struct TrackRun {
    int16_t nFrom;
    int16_t nTo;
    TrackChannel nChannel;
    TrackRule nRule;
    int32_t nA;
    int32_t nB;
    int32_t nC;
    int32_t nD;
    const int32_t* pData;
    int32_t nData;
    int32_t nLeader;  // cast index of the leader (kRuleFollow), earlier in the cast
};

// A compact track: its runs, applied in order.
struct TrackRules {
    const TrackRun* pRuns;
    int nRuns;
};

// Authoring helpers for the scene data modules: a rule without its span,
// then a span for a channel.
namespace tracks {

struct Rule {
    TrackRule nRule;
    int32_t nA, nB, nC, nD;
    const int32_t* pData;
    int32_t nData;
};

constexpr Rule Hold(int32_t nValue) { return {kRuleLine, nValue, 0, 1, 1, nullptr, 0}; }
// nStart on the run's first frame, then nStep more every nEvery frames.
constexpr Rule Line(int32_t nStart, int32_t nStep, int32_t nEvery = 1) {
    return {kRuleLine, nStart, nStep, nEvery, 1, nullptr, 0};
}
// The table repeated from the run's first frame, each entry shown nEvery
// frames, plus nBase.
template <int N>
constexpr Rule Cycle(const int32_t (&table)[N], int32_t nEvery = 1, int32_t nBase = 0) {
    return {kRuleLine, nBase, 0, 1, nEvery, table, N};
}
// A line with a repeating swell added, one table entry per frame.
template <int N>
constexpr Rule Swell(int32_t nStart, int32_t nStep, int32_t nEvery, const int32_t (&table)[N]) {
    return {kRuleLine, nStart, nStep, nEvery, 1, table, N};
}
constexpr TrackRun On(TrackChannel nChannel, int nFrom, int nTo, Rule r) {
    return {int16_t(nFrom), int16_t(nTo), nChannel, r.nRule, r.nA, r.nB, r.nC, r.nD, r.pData, r.nData, -1};
}
constexpr TrackRun X(int nFrom, int nTo, Rule r) { return On(kChannelX, nFrom, nTo, r); }
constexpr TrackRun Y(int nFrom, int nTo, Rule r) { return On(kChannelY, nFrom, nTo, r); }
constexpr TrackRun F(int nFrom, int nTo, Rule r) { return On(kChannelFrame, nFrom, nTo, r); }
// x, y and strip frame held over the span.
constexpr TrackRun Pose(int nFrom, int nTo, int32_t x, int32_t y, int32_t nFrame) {
    return {int16_t(nFrom), int16_t(nTo), kChannelAll, kRulePose, x, y, nFrame, 0, nullptr, 0, -1};
}
// Position = the leader's position on the same frame + (dx, dy).
constexpr TrackRun Follow(int nFrom, int nTo, int nLeaderCast, int32_t dx, int32_t dy) {
    return {int16_t(nFrom), int16_t(nTo), kChannelPosition, kRuleFollow, dx, dy, 0, 0, nullptr, 0, nLeaderCast};
}
// Position along waypoints (frame, x, y), triples in rising frame order.
template <int N>
constexpr TrackRun Route(int nFrom, int nTo, const int32_t (&triples)[N]) {
    static_assert(N % 3 == 0, "a route is made of (frame, x, y) triples");
    return {int16_t(nFrom), int16_t(nTo), kChannelPosition, kRulePath, 0, 0, 0, 0, triples, N, -1};
}
// Literal keyframes, one (x, y, frame) triple per frame from nFrom on.
template <int N>
constexpr TrackRun Rows(int nFrom, const int32_t (&triples)[N]) {
    static_assert(N % 3 == 0, "rows are (x, y, frame) triples");
    return {int16_t(nFrom), int16_t(nFrom + N / 3 - 1), kChannelAll, kRuleRows, 0, 0, 0, 0, triples, N, -1};
}
// One cannon shot of 12 frames from nFrom, fired at muzzle point (x, y).
constexpr TrackRun Shot(int nFrom, int32_t x, int32_t y, int32_t nFlash, int32_t nPuff) {
    return {int16_t(nFrom), int16_t(nFrom + 11), kChannelAll, kRuleShot, x, y, nFlash, nPuff, nullptr, 0, -1};
}

template <int N>
constexpr TrackRules Track(const TrackRun (&runs)[N]) {
    return {runs, N};
}
template <size_t N>
constexpr TrackRules Track(const std::array<TrackRun, N>& runs) {
    return {runs.data(), int(N)};
}

}  // namespace tracks

// Expands a track for a scene of nLength frames into pOut[0..nLength]; entry 0
// stays all zeros. pCastTracks gives the already expanded tracks of the
// scene's cast (rows of nLength + 1), which kRuleFollow reads.
void ExpandTrack(const TrackRules& rules, int nLength, Keyframe* pOut, const Keyframe* pCastTracks);
