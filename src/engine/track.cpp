// Expansion of compact keyframe tracks into per-frame arrays, done once at
// start-up so that a frame step only indexes an array.

#include "engine/track.h"

namespace {

struct Channels {
    bool bX, bY, bFrame;
};

Channels ChannelsOf(TrackChannel nChannel) {
    switch (nChannel) {
        case kChannelX: return {true, false, false};
        case kChannelY: return {false, true, false};
        case kChannelFrame: return {false, false, true};
        case kChannelPosition: return {true, true, false};
        case kChannelAll: return {true, true, true};
    }
    return {false, false, false};
}

// Linear between two waypoints, truncated towards the first one.
int32_t Between(int32_t f, int32_t f0, int32_t v0, int32_t f1, int32_t v1) {
    if (f <= f0 || f1 <= f0) return v0;
    if (f >= f1) return v1;
    return v0 + (v1 - v0) * (f - f0) / (f1 - f0);
}

// Component nPart (0 for x, 1 for y) of a route of (frame, x, y) waypoints
// at frame f.
int32_t AlongRoute(const TrackRun& run, int nPart, int32_t f) {
    const int nPoints = run.nData / 3;
    const int32_t* p = run.pData;
    if (f <= p[0]) return p[1 + nPart];
    for (int i = 1; i < nPoints; ++i) {
        const int32_t* q = p + 3 * i;
        if (f <= q[0]) return Between(f, q[-3], q[-3 + 1 + nPart], q[0], q[1 + nPart]);
    }
    return p[3 * (nPoints - 1) + 1 + nPart];
}

void SetChannels(Keyframe& k, const Channels& ch, int32_t v) {
    if (ch.bX) k.x = v;
    if (ch.bY) k.y = v;
    if (ch.bFrame) k.frame = v;
}

void ApplyRun(const TrackRun& run, int nLength, Keyframe* pOut, const Keyframe* pCastTracks) {
    const Channels ch = ChannelsOf(run.nChannel);
    const int nFrom = run.nFrom < 1 ? 1 : run.nFrom;
    const int nTo = run.nTo > nLength ? nLength : run.nTo;
    for (int f = nFrom; f <= nTo; ++f) {
        const int32_t t = f - run.nFrom;
        Keyframe& k = pOut[f];
        switch (run.nRule) {
            case kRuleLine: {
                int32_t v = run.nA + run.nB * (t / run.nC);
                if (run.pData) v += run.pData[(t / run.nD) % run.nData];
                SetChannels(k, ch, v);
                break;
            }
            case kRulePath:
                k.x = AlongRoute(run, 0, f);
                k.y = AlongRoute(run, 1, f);
                break;
            case kRuleFollow: {
                const Keyframe& lead = pCastTracks[run.nLeader * (nLength + 1) + f];
                k.x = lead.x + run.nA;
                k.y = lead.y + run.nB;
                break;
            }
            case kRulePose:
                k = {run.nA, run.nB, run.nC};
                break;
            case kRuleShot:
                if (t < 2) {
                    k = {run.nA, run.nB, run.nC};
                } else {
                    k = {run.nA - 10 * (t - 1), run.nB - 10 * (t - 1), run.nD};
                }
                break;
            case kRuleRows:
                k = {run.pData[3 * t], run.pData[3 * t + 1], run.pData[3 * t + 2]};
                break;
        }
    }
}

}  // namespace

void ExpandTrack(const TrackRules& rules, int nLength, Keyframe* pOut, const Keyframe* pCastTracks) {
    pOut[0] = {0, 0, 0};
    for (int f = 1; f <= nLength; ++f) pOut[f] = {0, 0, -1};
    for (int i = 0; i < rules.nRuns; ++i) ApplyRun(rules.pRuns[i], nLength, pOut, pCastTracks);
}
