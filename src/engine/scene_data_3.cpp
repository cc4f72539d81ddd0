// Scene 3: the two decks side by side, the crews facing each other. Two
// shots are exchanged (blast, ball, drifting smoke, a hole torn high on the
// left) and a plank drops between the decks; then the outcome decides.

#include "audio/cues.h"
#include "engine/scene_motions.h"
#include "engine/scenes.h"

namespace {

using namespace scenes;
using namespace tracks;

constexpr int kLength = 32;
enum Cast : int8_t {
    kUnionJack, kJollyRoger, kBlast, kBall, kSmokeA, kSmokeB, kHole, kFencer,
    kSailorA, kSailorB, kSailorC, kSailorD, kRedCoat, kPirateA, kPirateB, kPirateC,
    kSplash, kPlank, kCastCount
};


constexpr auto kUnionJackRuns = UnionJackOverDeck(kLength);
constexpr auto kJollyRogerRuns = JollyRogerOverDeck(kLength);
constexpr TrackRun kBlastRuns[] = {Pose(11, 12, 422, 316, 1), Pose(19, 20, 500, 316, 0)};
// The ball shows for single frames far apart, so its flight reads as jumps.
constexpr TrackRun kBallRuns[] = {
    Pose(13, 13, 462, 332, 1), Pose(14, 14, 677, 160, 1),
    Pose(21, 21, 500, 316, 0), Pose(22, 22, 248, 157, 0), Pose(23, 23, 56, 50, 0),
};
constexpr TrackRun kSmokeARuns[] = {
    X(11, kLength, Line(422, -10)), Y(11, kLength, Line(316, -10)), F(11, kLength, Hold(1)),
};
constexpr TrackRun kSmokeBRuns[] = {
    X(19, kLength, Line(470, -10)), Y(19, kLength, Line(286, -10)), F(19, kLength, Hold(0)),
};
constexpr TrackRun kHoleRuns[] = {Pose(24, kLength, 15, 22, 0)};
constexpr TrackRun kFencerRuns[] = {Pose(1, kLength, 276, 280, 7), Pose(5, 5, 264, 280, 4)};
constexpr TrackRun kSailorARuns[] = {
    Pose(1, 8, 222, 355, 13), Pose(9, 10, 262, 348, 12), Pose(11, 31, 250, 355, 13),
    Pose(32, 32, 222, 355, 13),
};
constexpr TrackRun kSailorBRuns[] = {Pose(1, kLength, 110, 380, 13)};
constexpr TrackRun kSailorCRuns[] = {Pose(1, kLength, 45, 412, 12)};
constexpr TrackRun kSailorDRuns[] = {Pose(1, kLength, 242, 425, 9)};
constexpr TrackRun kRedCoatRuns[] = {
    Pose(1, kLength, 585, 240, 6), F(14, 14, Hold(5)), F(22, 22, Hold(5)),
};
constexpr TrackRun kPirateARuns[] = {Pose(1, kLength, 562, 315, 11), Pose(17, 18, 561, 315, 9)};
constexpr TrackRun kPirateBRuns[] = {
    Pose(1, 27, 610, 350, 10), Pose(28, 29, 610, 350, 11), Pose(30, 30, 610, 355, 11),
    Pose(31, 31, 610, 360, 11), Pose(32, 32, 620, 365, 9),
};
constexpr int32_t kPirateCRows[] = {
    590, 430, 12,  600, 430, 12,  620, 430, 12,  610, 430, 12,
    580, 430, 10,  570, 430, 11,  550, 430, 10,
};
constexpr TrackRun kPirateCRuns[] = {Pose(1, 25, 580, 430, 12), Rows(26, kPirateCRows)};
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
