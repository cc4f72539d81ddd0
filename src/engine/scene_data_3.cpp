// Scene 3: the two decks side by side, the crews facing each other. Two
// shots are exchanged (blast, ball, drifting smoke, a hole torn high on the
// left) and a plank drops between the decks; then the outcome decides.

#include "audio/cues.h"
#include "engine/scene_motions.h"
#include "engine/scenes.h"
#include "strip_frames.h"

namespace {

using namespace scenes;
using namespace tracks;
using namespace frames;

constexpr int kLength = 32;
enum Cast : int8_t {
    kUnionJack, kJollyRoger, kBlast, kBall, kSmokeA, kSmokeB, kHole, kFencer,
    kSailorA, kSailorB, kSailorC, kSailorD, kRedCoat, kPirateA, kPirateB, kPirateC,
    kSplash, kPlank, kCastCount
};


constexpr auto kUnionJackRuns = UnionJackOverDeck(kLength);
constexpr auto kJollyRogerRuns = JollyRogerOverDeck(kLength);
constexpr TrackRun kBlastRuns[] = {Pose(11, 12, 422, 316, kBlastRight), Pose(19, 20, 500, 316, kBlastLeft)};
// The ball shows for single frames far apart, so its flight reads as jumps.
constexpr TrackRun kBallRuns[] = {
    Pose(13, 13, 462, 332, kBallFlyingRight), Pose(14, 14, 677, 160, kBallFlyingRight),
    Pose(21, 21, 500, 316, kBallFlyingLeft), Pose(22, 22, 248, 157, kBallFlyingLeft),
    Pose(23, 23, 56, 50, kBallFlyingLeft),
};
constexpr TrackRun kSmokeARuns[] = {
    X(11, kLength, Line(422, -10)), Y(11, kLength, Line(316, -10)), F(11, kLength, Hold(kSmokeShapeB)),
};
constexpr TrackRun kSmokeBRuns[] = {
    X(19, kLength, Line(470, -10)), Y(19, kLength, Line(286, -10)), F(19, kLength, Hold(kSmokeShapeA)),
};
constexpr TrackRun kHoleRuns[] = {Pose(24, kLength, 15, 22, 0)};
constexpr TrackRun kFencerRuns[] = {Pose(1, kLength, 276, 280, kOfficerGuard), Pose(5, 5, 264, 280, kOfficerLunge)};
constexpr TrackRun kSailorARuns[] = {
    Pose(1, 8, 222, 355, kSailorReady), Pose(9, 10, 262, 348, kSailorStep), Pose(11, 31, 250, 355, kSailorReady),
    Pose(32, 32, 222, 355, kSailorReady),
};
constexpr TrackRun kSailorBRuns[] = {Pose(1, kLength, 110, 380, kSailorReady)};
constexpr TrackRun kSailorCRuns[] = {Pose(1, kLength, 45, 412, kSailorStep)};
constexpr TrackRun kSailorDRuns[] = {Pose(1, kLength, 242, 425, kSailorGuard)};
constexpr TrackRun kRedCoatRuns[] = {
    Pose(1, kLength, 585, 240, kRedCoatReady), F(14, 14, Hold(kRedCoatCheer)), F(22, 22, Hold(kRedCoatCheer)),
};
constexpr TrackRun kPirateARuns[] = {
    Pose(1, kLength, 562, 315, kPirateWalkFarFoot), Pose(17, 18, 561, 315, kPirateWalkNearFoot),
};
constexpr TrackRun kPirateBRuns[] = {
    Pose(1, 27, 610, 350, kPirateWalkPassing), Pose(28, 29, 610, 350, kPirateWalkFarFoot),
    Pose(30, 30, 610, 355, kPirateWalkFarFoot),
    Pose(31, 31, 610, 360, kPirateWalkFarFoot), Pose(32, 32, 620, 365, kPirateWalkNearFoot),
};
constexpr int32_t kPirateCRows[] = {
    590, 430, kPirateHoldPlank,  600, 430, kPirateHoldPlank,  620, 430, kPirateHoldPlank,  610, 430, kPirateHoldPlank,
    580, 430, kPirateWalkPassing,  570, 430, kPirateWalkFarFoot,  550, 430, kPirateWalkPassing,
};
constexpr TrackRun kPirateCRuns[] = {Pose(1, 25, 580, 430, kPirateHoldPlank), Rows(26, kPirateCRows)};
constexpr TrackRun kPlankRuns[] = {
    X(30, kLength, Line(455, -5)), Y(30, kLength, Line(495, 20)), F(30, kLength, Hold(0)),
};

constexpr CastMember kCast[kCastCount] = {
    {kSlotUnionJackLarge, Track(kUnionJackRuns), false},
    {kSlotJollyRogerLarge, Track(kJollyRogerRuns), false},
    {kSlotCannonBlast, Track(kBlastRuns), false},
    {kSlotCannonball, Track(kBallRuns), false},
    {kSlotSmokeA, Track(kSmokeARuns), false},
    {kSlotSmokeB, Track(kSmokeBRuns), false},
    {kSlotShotHole, Track(kHoleRuns), false},
    {kSlotFencer, Track(kFencerRuns), false},
    {kSlotSailorA, Track(kSailorARuns), false},
    {kSlotSailorB, Track(kSailorBRuns), false},
    {kSlotSailorC, Track(kSailorCRuns), false},
    {kSlotSailorD, Track(kSailorDRuns), false},
    {kSlotRedCoat, Track(kRedCoatRuns), false},
    {kSlotPirateA, Track(kPirateARuns), false},
    {kSlotPirateB, Track(kPirateBRuns), false},
    {kSlotPirateC, Track(kPirateCRuns), false},
    {kSlotSplash, {nullptr, 0}, false},  // the splash waits for the next scene
    {kSlotPlank, Track(kPlankRuns), false},
};

// Flags and smoke at the back, then blast, ball and hole, the navy crew,
// the plank, and the pirates in front.
constexpr int8_t kOrder[] = {
    kUnionJack, kJollyRoger, kSmokeA, kSmokeB, kBlast, kBall, kHole, kFencer, kSailorA,
    kSailorB, kSailorC, kSailorD, kPlank, kRedCoat, kPirateA, kPirateB, kPirateC, kSplash,
};
constexpr DrawOrder kOrders[] = {Order(1, kOrder)};

constexpr int32_t kCueMarks[] = {
    kCueOrderToFire, 5, 0,
    kCueCannonShot, 11, 19, 0,
    kCueBallInRigging, 14, 0,
    kCueHullBreach, 22, 0,
};
constexpr auto kCues = CueTable<kLength + 1>(kCueMarks);

}  // namespace

const SceneScript Scene3Script = Script(
    kSceneFaceOff, kBackdropDecks, kLength, kCast, kOrders, kCues,
    ToTheOutcome());
