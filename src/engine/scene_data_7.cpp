// Scene 7: while the smoke drifts away the kraken's head rises between the
// hulls, first behind the ships' sides and then in front of them; its eyes
// blink, tentacles come over the pirate ship's rail and around its mast,
// and both crews fall back.

#include "audio/cues.h"
#include "engine/scene_motions.h"
#include "engine/scenes.h"
#include "stage_marks.h"
#include "strip_frames.h"

namespace {

using namespace scenes;
using namespace tracks;
using namespace frames;

constexpr int kLength = 85;
enum Cast : int8_t {
    kUnionJack, kJollyRoger, kHead, kSmokeA, kSmokeB, kHole, kNavySide, kPirateSide, kPlank,
    kWater, kFencer, kSailorA, kSailorB, kSailorC, kSailorD, kEyes, kTip, kCurl, kWound,
    kWrithe, kMastCurl, kRedCoat, kPirateA, kPirateB, kPirateC, kCastCount
};


constexpr auto kUnionJackRuns = UnionJackOverDeck(kLength);
constexpr auto kJollyRogerRuns = JollyRogerOverDeck(kLength);
constexpr TrackRun kHeadRuns[] = {
    Pose(1, 1, 380, 480, 0), Pose(2, 2, 380, 420, 0), Pose(3, 3, 380, 360, 0),
    Pose(4, 13, 380, 300, 0), Pose(14, 21, 370, 240, 0),
    Pose(22, kLength, marks::kKrakenRisen.x, marks::kKrakenRisen.y, 0),
};
constexpr auto kHoleRuns = ShotHoleStays(kLength);
constexpr TrackRun kNavySideRuns[] = {Pose(1, kLength, marks::kNavySide.x, marks::kNavySide.y, 0)};
constexpr TrackRun kPirateSideRuns[] = {Pose(1, 41, marks::kPirateSide.x, marks::kPirateSide.y, 0)};
constexpr auto kPlankRuns = PlankStays(kLength);
constexpr TrackRun kWaterRuns[] = {Pose(1, kLength, marks::kWaterBetweenHulls.x, marks::kWaterBetweenHulls.y, 0)};

// The navy crew falls back to the left.
constexpr TrackRun kFencerRuns[] = {
    Pose(1, 37, 276, 280, kOfficerGuard), F(16, 16, Hold(kOfficerLunge)),
    Pose(38, 38, 250, 290, kOfficerRecoil), Pose(39, 71, 246, 320, kOfficerRecoil),
    Pose(72, kLength, 200, 340, kOfficerRecoil),
};
constexpr TrackRun kSailorARuns[] = {
    Pose(1, 20, 222, 355, kSailorReady), Pose(21, 21, 190, 355, kSailorRecoil), Pose(22, 39, 180, 345, kSailorRecoil),
    Pose(40, 68, 150, 345, kSailorRecoil), Pose(69, kLength, 90, 310, kSailorStep),
};
constexpr TrackRun kSailorBRuns[] = {
    Pose(1, kLength, 110, 380, kSailorGuard), F(1, 19, Hold(kSailorReady)), X(24, 69, Hold(150)),
    Pose(70, kLength, 90, 390, kSailorGuard),
};
constexpr TrackRun kSailorCRuns[] = {
    Pose(1, kLength, 45, 412, kSailorGuard), F(1, 17, Hold(kSailorStep)), X(19, 22, Hold(70)), X(23, 68, Hold(100)),
    X(69, kLength, Hold(40)),
};
constexpr TrackRun kSailorDRuns[] = {
    Pose(1, kLength, 242, 425, kSailorGuard), X(17, 36, Hold(262)), X(37, 70, Hold(222)),
    Pose(71, kLength, 150, 435, kSailorGuard),
};

// The eyes overlay sits on the head; it blinks, and is hidden while the
// head's own painted eyes show.
constexpr TrackRun kEyesRuns[] = {
    Follow(15, kLength, kHead, marks::kRisingEyesOffset.x, marks::kRisingEyesOffset.y),
    F(15, 25, Hold(kEyesOpen)), F(26, 27, Hold(kEyesShut)), F(28, 29, Hold(kEyesOpen)),
    F(63, 64, Hold(kEyesShut)), F(67, 74, Hold(kEyesOpen)),
};
constexpr TrackRun kCurlRuns[] = {Pose(42, 58, 565, 349, 0), Pose(76, kLength, 565, 349, 0)};
constexpr TrackRun kWoundRuns[] = {Pose(35, kLength, 696, 121, 0)};
// The writhing tentacle swaps its two poses every two to four frames and
// twice lunges out. Each pose has its own place: the pose's frame index is
// also its row below kWritheA's.
constexpr int32_t kWa = kWritheA, kWb = kWritheB;
static_assert(marks::kWritheB.x == marks::kWritheA.x && marks::kWritheB.y - marks::kWritheA.y == kWb - kWa &&
              kWa == 0, "the writhing poses' places step with their frame index");
constexpr int32_t kWrithePoses[] = {
    kWa, kWa, kWb, kWb, kWb, kWa, kWa, kWa, kWa, kWb, kWb, kWa, kWa, kWa, kWb, kWb, kWb, kWb, kWa, kWa,
    kWb, kWb, kWb, kWa, kWa, kWa, kWa, kWb, kWb, kWa, kWa, kWb, kWb, kWb, kWb, kWa,
};
constexpr TrackRun kWritheRuns[] = {
    X(42, kLength, Hold(marks::kWritheA.x)), Y(42, kLength, Cycle(kWrithePoses, 1, marks::kWritheA.y)),
    F(42, kLength, Cycle(kWrithePoses)),
    Pose(77, 79, marks::kWritheLunge.x, marks::kWritheLunge.y, kWritheLunge),
    Pose(83, kLength, marks::kWritheLunge.x, marks::kWritheLunge.y, kWritheLunge),
};
constexpr TrackRun kMastCurlRuns[] = {Pose(34, kLength, 623, 220, 0)};

// The pirates flinch from the head as it comes up and shield themselves
// from the arms that come over their rail, giving way towards their stern;
// only now and then does one of them strike back.
constexpr int32_t kRedCoatWay[] = {
    1, 585, 240,  14, 585, 240,  21, 590, 246,  33, 580, 256,  41, 588, 262,  60, 592, 272,
    85, 594, 283,
};
constexpr int32_t kRedCoatWary[] = {kRedCoatParryHigh, kRedCoatGuard};
constexpr int32_t kRedCoatShield[] = {kRedCoatParryHigh, kRedCoatParryHigh, kRedCoatGuard, kRedCoatParryHigh,
                                      kRedCoatLunge, kRedCoatParryHigh};
constexpr TrackRun kRedCoatRuns[] = {
    Route(1, kLength, kRedCoatWay),
    F(1, 4, Hold(kRedCoatReady)), F(5, 13, Hold(kRedCoatParryHigh)), F(14, 21, Hold(kRedCoatGuard)),
    F(22, 33, Cycle(kRedCoatWary, 4)), F(34, 60, Cycle(kRedCoatShield, 3)), F(61, kLength, Hold(kRedCoatParryHigh)),
};
constexpr int32_t kPirateAWay[] = {
    1, 562, 315,  12, 562, 315,  30, 575, 300,  45, 590, 290,  60, 605, 285,  75, 600, 310,
    85, 605, 325,
};
constexpr int32_t kPirateAFlinch[] = {kPirateParryHigh, kPirateGuard};
constexpr int32_t kPirateAShield[] = {
    kPirateParryHigh, kPirateParryHigh, kPirateGuard, kPirateWindUp, kPirateParryHigh, kPirateGuard,
};
constexpr int32_t kPirateABack[] = {kPirateWalkNearFoot, kPirateWalkFarFoot};
constexpr TrackRun kPirateARuns[] = {
    Route(1, kLength, kPirateAWay), F(1, 4, Hold(kPirateWalkFarFoot)), F(5, 12, Hold(kPirateParryHigh)),
    F(13, 33, Cycle(kPirateAFlinch, 4)), F(34, 70, Cycle(kPirateAShield, 3)), F(71, kLength, Cycle(kPirateABack, 3)),
};
constexpr int32_t kPirateBWay[] = {1, 600, 380,  20, 585, 380,  40, 595, 383,  60, 610, 385,  85, 605, 385};
constexpr int32_t kPirateBGuard[] = {kPirateParryHigh, kPirateParryHigh, kPirateGuard};
constexpr int32_t kPirateBBack[] = {kPirateWalkNearFoot, kPirateWalkFarFoot};
constexpr TrackRun kPirateBRuns[] = {
    Route(1, kLength, kPirateBWay), F(1, 4, Hold(kPirateWalkFarFoot)), F(5, 40, Cycle(kPirateBGuard, 3)),
    F(41, 60, Cycle(kPirateBBack, 3)), F(61, kLength, Cycle(kPirateBGuard, 3)),
};
constexpr int32_t kPirateCWay[] = {
    1, 550, 430,  10, 545, 440,  25, 560, 445,  40, 590, 420,  55, 635, 400,  70, 615, 410,
    85, 630, 405,
};
constexpr int32_t kPirateCFight[] = {
    kPirateParryHigh, kPirateGuard, kPirateParryHigh, kPirateParryHigh, kPirateCutLow, kPirateGuard,
};
constexpr TrackRun kPirateCRuns[] = {
    Route(1, kLength, kPirateCWay), F(1, 4, Hold(kPirateGuard)), F(5, kLength, Cycle(kPirateCFight, 3)),
    F(41, 46, Hold(kPirateWalkNearFoot)),
};

constexpr CastMember kCast[kCastCount] = {
    {kSlotUnionJackLarge, Track(kUnionJackRuns), false},
    {kSlotJollyRogerLarge, Track(kJollyRogerRuns), false},
    {kSlotKrakenRising, Track(kHeadRuns), false},
    {kSlotSmokeA, Track(kSmokeADriftsOff), false},
    {kSlotSmokeB, Track(kSmokeBDriftsOff), false},
    {kSlotShotHole, Track(kHoleRuns), false},
    {kSlotGunPorts, Track(kNavySideRuns), false},
    {kSlotGunPortsNarrow, Track(kPirateSideRuns), false},
    {kSlotPlank, Track(kPlankRuns), false},
    {kSlotWaterBetweenHulls, Track(kWaterRuns), false},
    {kSlotFencer, Track(kFencerRuns), false},
    {kSlotSailorA, Track(kSailorARuns), false},
    {kSlotSailorB, Track(kSailorBRuns), false},
    {kSlotSailorC, Track(kSailorCRuns), false},
    {kSlotSailorD, Track(kSailorDRuns), false},
    {kSlotKrakenEyes, Track(kEyesRuns), false},
    {kSlotTentacleTipA, {nullptr, 0}, false},  // this tip stays below for the whole scene
    {kSlotTentacle, Track(kCurlRuns), false},
    {kSlotTentacleTwoPoses, Track(kWoundRuns), false},
    {kSlotTentacleThreePoses, Track(kWritheRuns), false},
    {kSlotTentacleRoundMast, Track(kMastCurlRuns), false},
    {kSlotRedCoat, Track(kRedCoatRuns), false},
    {kSlotPirateA, Track(kPirateARuns), false},
    {kSlotPirateB, Track(kPirateBRuns), false},
    {kSlotPirateC, Track(kPirateCRuns), false},
};

// Up to frame 35 the head rises behind the smoke, the ships' sides, the
// water between the hulls and the plank; from frame 36 it is in front.
constexpr int8_t kBehind[] = {
    kUnionJack, kJollyRoger, kHead, kSmokeA, kSmokeB, kHole, kNavySide, kPirateSide, kWater,
    kPlank, kFencer, kSailorA, kSailorB, kSailorC, kSailorD, kEyes, kTip, kCurl, kWound,
    kMastCurl, kWrithe, kRedCoat, kPirateA, kPirateB, kPirateC,
};
constexpr int8_t kInFront[] = {
    kUnionJack, kJollyRoger, kSmokeA, kSmokeB, kHole, kNavySide, kPirateSide, kWater, kPlank,
    kHead, kFencer, kSailorA, kSailorB, kSailorC, kSailorD, kEyes, kTip, kCurl, kWound,
    kMastCurl, kWrithe, kRedCoat, kPirateA, kPirateB, kPirateC,
};
constexpr DrawOrder kOrders[] = {Order(1, kBehind), Order(36, kInFront)};

constexpr int32_t kCueMarks[] = {
    kCueKrakenRoar, 7, 0,
    kCueTentacleSlap, 44, 45, 47, 48, 50, 51, 54, 55, 56, 78, 79, 80, 81, 82, 83, 84, 0,
};
constexpr auto kCues = CueTable<kLength + 1>(kCueMarks);

}  // namespace

const SceneScript Scene7Script = Script(
    kSceneKrakenRises, kBackdropDecks, kLength, kCast, kOrders, kCues,
    DissolveTo(kSceneGalleonGoesDown));
