// Scene 8: on the open sea the galleon, in the kraken's grip, heels over and
// sinks with the kraken, its flag and the tentacles behind a band of waves,
// slowly at first and then fast; then the brig sails off to the left.

#include "audio/cues.h"
#include "engine/scene_motions.h"
#include "engine/scenes.h"
#include "stage_marks.h"
#include "strip_frames.h"

namespace {

using namespace scenes;
using namespace tracks;
using namespace frames;

constexpr int kLength = 220;
enum Cast : int8_t {
    kBrig, kEnsign, kGalleon, kHeeling, kJollyRoger, kKraken, kEyes,
    kTipA, kTipB, kTipC, kWaves, kCastCount
};

constexpr int32_t kGalleonBob[] = {125, 125, 125, 126, 126, 126};
// The tips twitch by a pixel or two while they hold the galleon and swap
// their two poses in turns of two or three frames.
constexpr int32_t kTwitchX[] = {0, 1, 2, 1};
constexpr int32_t kTwitchWideX[] = {0, 2, 4, 3, 1};
constexpr int32_t kTwitchY[] = {0, 1, 2, 2, 1};
constexpr int32_t kLa = kTipHookLeftA, kLb = kTipHookLeftB, kRa = kTipCurlBackA, kRb = kTipCurlBackB;
constexpr int32_t kTipAPoses[] = {kLa, kLa, kLb, kLb, kLb, kLa, kLa, kLb, kLb, kLa, kLa, kLa};
constexpr int32_t kTipBPoses[] = {kLb, kLb, kLa, kLa, kLa, kLb, kLb, kLa, kLa, kLb, kLb, kLb, kLa, kLa};
constexpr int32_t kTipCPoses[] = {kRa, kRa, kRa, kRb, kRb, kRa, kRa, kRb, kRb, kRb, kRa, kRa, kRa};

constexpr TrackRun kBrigRuns[] = {
    X(1, 47, Cycle(kBrigRockX)), X(48, kLength, Line(177, -3)),
    Y(1, kLength, Cycle(kBrigRockY)), F(1, kLength, Hold(0)),
};
constexpr TrackRun kEnsignRuns[] = {Follow(1, kLength, kBrig, 320, 3), F(1, kLength, Cycle(kWave))};
constexpr TrackRun kGalleonRuns[] = {
    X(1, 10, Hold(315)), Y(1, 10, Cycle(kGalleonBob)), F(1, 10, Hold(kGalleonUpright)),
};
// Everything that sinks goes down 5 a frame from frame 16, then 20 a frame
// from frame 40, and is gone from frame 48.
constexpr TrackRun kHeelingRuns[] = {
    X(11, 47, Hold(318)),
    Y(11, 15, Hold(200)), Y(16, 39, Line(205, 5)), Y(40, 47, Line(340, 20)),
    F(11, 47, Hold(0)),
};
constexpr TrackRun kJollyRogerRuns[] = {
    Follow(1, 10, kGalleon, 6, 100),
    Follow(11, 47, kHeeling, -14, 0),
    F(1, 47, Cycle(kWave)),
};
constexpr TrackRun kKrakenRuns[] = {
    X(1, 47, Hold(370)),
    Y(1, 10, Hold(260)), Y(11, 15, Hold(270)), Y(16, 39, Line(275, 5)), Y(40, 47, Line(410, 20)),
    F(1, 47, Hold(0)),
};
constexpr TrackRun kEyesRuns[] = {
    Follow(7, 9, kKraken, marks::kGrippingEyesOffset.x, marks::kGrippingEyesOffset.y), F(7, 9, Hold(0)),
    Follow(15, 47, kKraken, marks::kGrippingEyesOffset.x, marks::kGrippingEyesOffset.y), F(15, 47, Hold(0)),
};
constexpr TrackRun kTipARuns[] = {
    X(1, 15, Cycle(kTwitchX, 1, 330)), X(16, 47, Hold(331)),
    Y(1, 10, Cycle(kTwitchY, 1, 351)), Y(11, 15, Cycle(kTwitchY, 1, 361)),
    Y(16, 39, Line(368, 5)), Y(40, 47, Line(503, 20)),
    F(1, 12, Cycle(kTipAPoses)), F(13, 47, Hold(kTipHookLeftA)),
};
constexpr TrackRun kTipBRuns[] = {
    X(1, 15, Cycle(kTwitchWideX, 1, 358)), X(16, 47, Hold(360)),
    Y(1, 10, Cycle(kTwitchY, 1, 267)), Y(11, 15, Cycle(kTwitchY, 1, 277)),
    Y(16, 39, Line(282, 5)), Y(40, 47, Line(417, 20)),
    F(1, 14, Cycle(kTipBPoses)), F(15, 47, Hold(kTipHookLeftB)),
};
constexpr TrackRun kTipCRuns[] = {
    X(1, 15, Cycle(kWave, 2, 586)), X(16, 47, Hold(586)),
    Y(1, 10, Cycle(kTwitchY, 1, 281)), Y(11, 15, Cycle(kTwitchY, 1, 291)),
    Y(16, 39, Line(296, 5)), Y(40, 47, Line(431, 20)),
    F(1, 13, Cycle(kTipCPoses)), F(14, 47, Hold(kTipCurlBackA)), F(35, 36, Hold(kTipCurlBackB)),
};
constexpr TrackRun kWavesRuns[] = {Pose(1, 47, marks::kWavesOverGalleon.x, marks::kWavesOverGalleon.y, 0)};

constexpr CastMember kCast[kCastCount] = {
    {kSlotBrig, Track(kBrigRuns), false},
    {kSlotEnsign, Track(kEnsignRuns), false},
    {kSlotGalleon, Track(kGalleonRuns), false},
    {kSlotGalleonHeeling, Track(kHeelingRuns), false},
    {kSlotJollyRoger, Track(kJollyRogerRuns), false},
    {kSlotKrakenHead, Track(kKrakenRuns), false},
    {kSlotKrakenEyesSmall, Track(kEyesRuns), false},
    {kSlotTentacleTipA, Track(kTipARuns), false},
    {kSlotTentacleTipB, Track(kTipBRuns), false},
    {kSlotTentacleTipC, Track(kTipCRuns), false},
    {kSlotWavesNarrow, Track(kWavesRuns), false},
};

// In cast order; the band of waves last, over whatever has sunk.
constexpr int8_t kOrder[] = {
    kBrig, kEnsign, kGalleon, kHeeling, kJollyRoger, kKraken, kEyes, kTipA, kTipB, kTipC, kWaves,
};
constexpr DrawOrder kOrders[] = {Order(1, kOrder)};

constexpr int32_t kCueMarks[] = {
    kCueKrakenRoar, 10, 0,
    kCueShipSinking, 25, 0,
    kCueSeaAmbience, 60, 125, 0,
};
// One spare entry after the last frame.
constexpr auto kCues = CueTable<kLength + 2>(kCueMarks);

}  // namespace

const SceneScript Scene8Script = Script(
    kSceneGalleonGoesDown, kBackdropOpenSea, kLength, kCast, kOrders, kCues,
    DissolveToNextCycle(kSceneShipsAtSea));
