// Scene 6: on the open sea the galleon fires two broadsides, the brig goes
// down (its hull vanishes, its rig and ensign sink behind a band of waves)
// and the galleon sails off to the right.

#include "audio/cues.h"
#include "engine/scene_motions.h"
#include "engine/scenes.h"
#include "stage_marks.h"
#include "strip_frames.h"

namespace {

using namespace scenes;
using namespace tracks;
using namespace frames;

constexpr int kLength = 155;
enum Cast : int8_t {
    kBrig, kRig, kEnsign, kWaves, kGalleon, kJollyRoger,
    kGun1, kGun2, kGun3, kGun4, kGun5, kGun6, kCastCount
};

// The galleon drifts up one pixel every 32 frames over a one-pixel swell.
constexpr int32_t kGalleonSwell[] = {0, 0, 0, 0, -1, -1, -1, -1};

constexpr TrackRun kBrigRuns[] = {
    X(1, 19, Cycle(kBrigRockX)), Y(1, 19, Cycle(kBrigRockY)), F(1, 19, Hold(0)),
};
constexpr TrackRun kRigRuns[] = {
    X(20, 40, Hold(235)), Y(20, 21, Hold(270)), Y(22, 40, Line(280, 10)), F(20, 40, Hold(0)),
};
constexpr TrackRun kEnsignRuns[] = {
    Follow(1, 19, kBrig, 320, 3),
    X(20, 40, Hold(595)), Y(20, 21, Hold(290)), Y(22, 40, Line(300, 10)),
    F(1, 40, Cycle(kWave)),
};
constexpr TrackRun kWavesRuns[] = {Pose(20, 40, marks::kWavesOverBrig.x, marks::kWavesOverBrig.y, 0)};
constexpr TrackRun kGalleonRuns[] = {
    X(1, 24, Hold(300)), X(25, kLength, Line(303, 3)),
    Y(1, kLength, Swell(130, -1, 32, kGalleonSwell)),
    F(1, kLength, Hold(kGalleonUpright)),
};
constexpr TrackRun kJollyRogerRuns[] = {
    Follow(1, kLength, kGalleon, 6, 100),
    F(1, kLength, Cycle(kWave)),
};

// One gun of both broadsides: the flash at (x, 429) on frames 5-6 and
// 17-18; then the puff starts 10 left and nLift higher and climbs nRise a
// frame for ten frames. The free guns (2, 3, 5, 6) keep their smoke low,
// so it rolls out from under the galleon's counter towards the brig.
constexpr std::array<TrackRun, 8> Broadsides(int32_t x, int32_t nLift, int32_t nRise) {
    return {{
        Pose(5, 6, x, 429, kFlash),
        X(7, 16, Line(x - 10, -10)), Y(7, 16, Line(429 - nLift, -nRise)), F(7, 16, Hold(kPuff)),
        Pose(17, 18, x, 429, kFlash),
        X(19, 28, Line(x - 10, -10)), Y(19, 28, Line(429 - nLift, -nRise)), F(19, 28, Hold(kPuff)),
    }};
}
constexpr auto kGun1Runs = Broadsides(410, 10, 10);
constexpr auto kGun2Runs = Broadsides(440, 4, 5);
constexpr auto kGun3Runs = Broadsides(470, 3, 5);
constexpr auto kGun4Runs = Broadsides(500, 11, 13);
constexpr auto kGun5Runs = Broadsides(530, 5, 6);
constexpr auto kGun6Runs = Broadsides(560, 3, 6);

constexpr CastMember kCast[kCastCount] = {
    {kSlotBrig, Track(kBrigRuns), false},
    {kSlotBrigRigging, Track(kRigRuns), false},
    {kSlotEnsign, Track(kEnsignRuns), false},
    {kSlotWavesWide, Track(kWavesRuns), false},
    {kSlotGalleon, Track(kGalleonRuns), false},
    {kSlotJollyRoger, Track(kJollyRogerRuns), false},
    {kSlotCannonFireA, Track(kGun1Runs), false},
    {kSlotCannonFireB, Track(kGun2Runs), false},
    {kSlotCannonFireC, Track(kGun3Runs), false},
    {kSlotCannonFireD, Track(kGun4Runs), false},
    {kSlotCannonFireE, Track(kGun5Runs), false},
    {kSlotCannonFireF, Track(kGun6Runs), false},
};

// The waves cover what has sunk; the galleon covers its own gunfire.
constexpr int8_t kOrder[] = {
    kBrig, kRig, kEnsign, kWaves, kGun1, kGun2, kGun3, kGun4, kGun5, kGun6, kGalleon, kJollyRoger,
};
constexpr DrawOrder kOrders[] = {Order(1, kOrder)};

constexpr int32_t kCueMarks[] = {
    kCueBroadside, 5, 17, 0,
    kCueShipSinking, 25, 0,
    kCueSeaAmbience, 50, 100, 0,
};
constexpr auto kCues = CueTable<kLength + 1>(kCueMarks);

}  // namespace

const SceneScript Scene6Script = Script(
    kSceneBrigSinks, kBackdropOpenSea, kLength, kCast, kOrders, kCues,
    DissolveToNextCycle(kSceneShipsAtSea));
