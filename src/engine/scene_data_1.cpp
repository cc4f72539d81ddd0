// Scene 1: the brig, far off, drifts left under its ensign; from frame 150
// the galleon sails in from the left under the Jolly Roger.

#include "audio/cues.h"
#include "engine/scene_motions.h"
#include "engine/scenes.h"
#include "strip_frames.h"

namespace {

using namespace scenes;
using namespace tracks;
using namespace frames;

constexpr int kLength = 273;
enum Cast : int8_t { kBrig, kGalleon, kEnsign, kJollyRoger, kCastCount };

constexpr int32_t kSwell[] = {300, 300, 300, 300, 300, 299, 299, 298, 298, 299};

constexpr TrackRun kBrigRuns[] = {
    X(1, 30, Line(640, -1)),
    X(31, kLength, Line(610, -1, 2)),
    Y(1, kLength, Cycle(kSwell)),
    F(1, kLength, Hold(0)),
};
constexpr TrackRun kGalleonRuns[] = {
    F(1, 149, Hold(-2)),
    X(150, kLength, Line(-320, 3)),
    Y(150, 268, Line(148, -1, 8)),
    Y(269, 271, Hold(133)),
    Y(272, kLength, Hold(132)),
    F(150, kLength, Hold(kGalleonPitched)),
};
constexpr TrackRun kEnsignRuns[] = {
    Follow(1, kLength, kBrig, 160, 2),
    F(1, kLength, Cycle(kWave)),
};
constexpr TrackRun kJollyRogerRuns[] = {
    Follow(150, kLength, kGalleon, 25, 57),
    F(150, kLength, Cycle(kWave)),
};

constexpr CastMember kCast[kCastCount] = {
    {kSlotBrigDistant, Track(kBrigRuns), false},
    {kSlotGalleon, Track(kGalleonRuns), false},
    {kSlotEnsignTiny, Track(kEnsignRuns), false},
    {kSlotJollyRoger, Track(kJollyRogerRuns), false},
};

// The galleon over the brig, each flag over its ship.
constexpr int8_t kOrder[] = {kBrig, kGalleon, kEnsign, kJollyRoger};
constexpr DrawOrder kOrders[] = {Order(1, kOrder)};

constexpr int32_t kCueMarks[] = {
    kCueSeaAmbience, 1, 80, 140, 200, 0,
};
constexpr auto kCues = CueTable<kLength + 1>(kCueMarks);

}  // namespace

const SceneScript Scene1Script = Script(
    kSceneShipsAtSea, kBackdropOpenSea, kLength, kCast, kOrders, kCues,
    DissolveTo(kSceneBrigFires));
