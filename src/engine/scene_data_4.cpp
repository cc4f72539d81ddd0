// Scene 4: the pirates cross over and win the sword fight. One navy sailor
// goes overboard with a splash, the others fall one after another (the last
// on the final frame) while three pirates run off to the left.

#include "audio/cues.h"
#include "engine/scene_motions.h"
#include "engine/scenes.h"
#include "strip_frames.h"

namespace {

using namespace scenes;
using namespace tracks;
using namespace frames;

constexpr int kLength = 129;
// In the order the scene steps them; the blood spatter only with blood on.
enum Cast : int8_t {
    kUnionJack, kJollyRoger, kBlast, kSmokeA, kBall, kHole, kFencer, kSailorA, kSailorB,
    kSailorC, kRedCoat, kPirateA, kPirateB, kPirateC, kSailorD, kSplash, kPlank, kSpatter,
    kSmokeB, kCastCount
};


constexpr auto kUnionJackRuns = UnionJackOverDeck(kLength);
constexpr auto kJollyRogerRuns = JollyRogerOverDeck(kLength);
constexpr auto kHoleRuns = ShotHoleStays(kLength);
constexpr auto kPlankRuns = PlankStays(kLength);

// Sword play: each pair of fighters runs the same exchange of eight beats,
// a beat every two frames, started on the same frame: guard, a high cut
// parried, a low cut, the pirate's cut on a parry, a thrust parried, the
// pirate's thrust parried low, the navy man driven back. Pirates face left.
constexpr int32_t kNavyFence[] = {
    kSailorGuard, kSailorWindUp, kSailorCutLow, kSailorGuard, kSailorParryHigh, kSailorLunge, kSailorParryLow,
    kSailorRecoil,
};
constexpr int32_t kNavyFenceC[] = {
    kSailorGuard, kSailorWindUp, kSailorCutLow, kSailorGuard, kSailorParryLow, kSailorAdvance, kSailorParryLow,
    kSailorRecoil,
};
// The pirates press the attack: no flinching here (their high parry is a
// flinch from the kraken's arms).
constexpr int32_t kPirateFence[] = {
    kPirateGuard, kPirateWindUp, kPirateGuard, kPirateWindUp, kPirateCutLow, kPirateGuard, kPirateLunge,
    kPirateGuard,
};
// The fencer against the red coat, each in his own strip.
constexpr int32_t kFencerFence[] = {
    kOfficerGuard, kOfficerAdvance, kOfficerLunge, kOfficerRecoil, kOfficerParryHigh, kOfficerWindUp,
    kOfficerCutLow, kOfficerRecoil,
};
constexpr int32_t kRedCoatFence[] = {
    kRedCoatGuard, kRedCoatGuard, kRedCoatParryHigh, kRedCoatWindUp, kRedCoatLunge, kRedCoatParryHigh,
    kRedCoatGuard, kRedCoatLunge,
};
constexpr int32_t kPirateWalk[] = {kPirateWalkNearFoot, kPirateWalkPassing, kPirateWalkFarFoot, kPirateWalkPassing};
constexpr int32_t kRunOff[] = {kPirateWalkNearFoot, kPirateWalkPassing};
constexpr int32_t kStrideLeft[] = {kRedCoatReady, kRedCoatGuard};  // sword up
constexpr int32_t kCheer[] = {kRedCoatCheer, kRedCoatReady};
// Dealt and taken: a thrust (kPirateLunge, kRedCoatLunge) as the spatter
// flies, then the navy man reels back (kSailorRecoil) until he falls.

// The fencer holds on the left deck, steps down to the waist and from
// frame 72 fights the red coat until he is killed on the last frame.
constexpr int32_t kFencerWay[] = {
    72, 150, 365,  78, 135, 365,  84, 110, 365,  90, 125, 365,  96, 95, 365,  102, 105, 365,
    108, 75, 365,  114, 85, 365,  120, 60, 365,  123, 67, 365,  128, 40, 365,
};
constexpr TrackRun kFencerRuns[] = {
    Pose(1, 56, 276, 280, kOfficerGuard), F(5, 5, Hold(kOfficerLunge)),
    Pose(57, 64, 259, 310, kOfficerAdvance), Pose(65, 69, 259, 350, kOfficerGuard),
    Pose(70, 71, 264, 400, kOfficerAdvance),
    Route(72, 128, kFencerWay), F(72, 73, Hold(kOfficerGuard)), F(74, 122, Cycle(kFencerFence, 2)),
    F(123, 128, Hold(kOfficerRecoil)),
    Pose(129, 129, 60, 355, kOfficerDeadBleeding),
};

// Sailor A backs away and goes overboard at the left edge.
constexpr int32_t kSailorARows[] = {
    222, 355, kSailorReady,  200, 355, kSailorStep,  188, 352, kSailorReady,  176, 349, kSailorStep,
    164, 346, kSailorReady,  152, 343, kSailorStep,
    140, 340, kSailorReady,  35, 335, kSailorKnockedBack,  5, 325, kSailorReeling,
    -20, 305, kSailorKnockedBack,  10, 280, kSailorToppling,  0, 270, kSailorToppling,
    13, 208, kSailorTumbling,
};
constexpr TrackRun kSailorARuns[] = {Rows(1, kSailorARows)};

// Sailor B is driven back to the left edge by pirate A and dies there.
constexpr int32_t kSailorBWay[] = {
    33, 110, 380,  36, 50, 355,  39, -5, 334,  44, 10, 333,  48, -5, 332,  52, 10, 332,
    57, -5, 331,  61, 8, 331,  64, -2, 330,  67, 4, 330,  72, -5, 330,
};
constexpr TrackRun kSailorBRuns[] = {
    Pose(1, 32, 110, 380, kSailorReady),
    Route(33, 72, kSailorBWay), F(33, 66, Cycle(kNavyFence, 2)), F(67, 72, Hold(kSailorRecoil)),
    Pose(73, 92, -5, 330, kSailorDeadOnBackBleeding), Pose(93, kLength, -5, 330, kSailorDeadOnBackBled),
};

// Sailor C stands his ground against pirate B, then falls.
constexpr int32_t kSailorCWay[] = {
    28, 65, 400,  32, 100, 400,  36, 125, 400,  40, 130, 400,  44, 115, 400,  48, 130, 400,
    51, 120, 400,  53, 125, 400,  57, 105, 400,
};
constexpr TrackRun kSailorCRuns[] = {
    Pose(1, 13, 45, 412, kSailorStep), Pose(14, 27, 45, 400, kSailorStep),
    Route(28, 57, kSailorCWay), F(28, 28, Hold(kSailorGuard)), F(29, 52, Cycle(kNavyFenceC, 2)),
    F(53, 57, Hold(kSailorRecoil)),
    Pose(58, 77, 105, 400, kSailorDeadFaceDownBleeding), Pose(78, kLength, 105, 400, kSailorDeadFaceDownBled),
};

// Sailor D fights his way back to the left edge against pirate C and falls.
constexpr int32_t kSailorDWay[] = {
    15, 175, 425,  18, 165, 425,  20, 175, 425,  22, 155, 425,  26, 105, 425,  29, 80, 425,  32, 45, 425,
    35, 10, 425,  38, 8, 425,  40, 5, 425,
};
constexpr TrackRun kSailorDRuns[] = {
    Pose(1, 14, 242, 425, kSailorGuard),
    Route(15, 40, kSailorDWay), F(15, 34, Cycle(kNavyFence, 2)), F(35, 40, Hold(kSailorRecoil)),
    Pose(41, 60, 5, 425, kSailorDeadOnBackBleeding), Pose(61, kLength, 5, 435, kSailorDeadOnBackBled),
};

// The red coat urges his men on from his quarterdeck, comes down to his
// rail, leaps onto the plank and crosses on it, and takes on the fencer:
// from frame 74 he keeps to the waist where they fight, so he leaps
// straight up into it from the deck below.
constexpr int32_t kRedCoatWay[] = {
    50, 580, 260,  53, 575, 323,  56, 555, 385,  58, 525, 355,  60, 490, 384,  63, 450, 386,  67, 380, 386,
    73, 254, 400,  74, 240, 355,  76, 235, 352,  78, 225, 348,  84, 195, 345,  90, 210, 350,  96, 180, 345,
    102, 190, 350,  108, 160, 342,  114, 170, 345,  120, 140, 340,  123, 110, 340,  128, 130, 338,
};
constexpr TrackRun kRedCoatRuns[] = {
    Pose(1, 49, 585, 240, kRedCoatReady), F(14, 30, Hold(kRedCoatAtThem)), F(31, 49, Cycle(kCheer, 4)),
    Route(50, 128, kRedCoatWay), F(50, 73, Cycle(kStrideLeft, 2)),
    F(74, 122, Cycle(kRedCoatFence, 2)), F(123, 124, Hold(kRedCoatLunge)), F(125, 128, Hold(kRedCoatGuard)),
    Pose(129, 129, 160, 338, kRedCoatLunge),
};

// Pirate A crosses over, waits below the fencer while pirates B and C take
// on sailors C and D, rushes sailor B, drives him back and runs off the
// left edge, in full view until he is gone. The two pairs of
// fighters keep apart as two duels side by side: sailor B and pirate A at
// the left edge up the deck, sailor C and pirate B right of them and lower,
// each navy man left of his pirate.
constexpr int32_t kPirateAWay[] = {
    11, 550, 395,  22, 333, 400,  30, 320, 398,  32, 265, 392,  33, 180, 380,  36, 115, 350,  39, 70, 334,
    44, 85, 333,  48, 70, 332,  52, 85, 332,  57, 70, 331,  61, 82, 331,  64, 70, 330,
    67, 75, 330,  72, 70, 330,  73, 50, 340,  74, 10, 352,  75, -30, 364,  76, -65, 372,
    77, -115, 378,  78, -170, 380,
};
constexpr TrackRun kPirateARuns[] = {
    Pose(1, 10, 562, 315, kPirateWalkFarFoot),
    Route(11, 78, kPirateAWay), F(11, 32, Cycle(kPirateWalk, 2)),
    F(33, 66, Cycle(kPirateFence, 2)), F(67, 68, Hold(kPirateLunge)), F(69, 72, Hold(kPirateGuard)),
    F(73, 78, Cycle(kPirateWalk)),
};

// Pirate B crosses first and drives sailor A overboard with a lunge, and
// stands at the rail with his blade still out over the splash, then comes down
// the gap between sailor B and the fencer to turn on sailor C, and at last
// runs off the stage's left edge, past the fallen.
constexpr int32_t kPirateBWay[] = {
    1, 600, 385,  3, 520, 390,  5, 400, 396,  6, 320, 372,  7, 230, 330,  8, 140, 292,  9, 70, 262,
    10, 0, 250,  11, 40, 240,  20, 60, 235,  21, 100, 235,  22, 140, 238,  23, 172, 255,  24, 176, 285,
    25, 179, 315,  26, 186, 345,  27, 205, 378,  28, 225, 400,  29, 200, 400,  32, 190, 400,  36, 200, 400,
    40, 200, 400,  44, 185, 400,  48, 200, 400,  51, 190, 400,  53, 175, 400,  56, 150, 400,  57, 125, 420,
    58, 75, 424,  59, 25, 428,  60, -25, 434,  61, -85, 446,  62, -145, 468,  63, -200, 495,
};
constexpr TrackRun kPirateBRuns[] = {
    Route(1, 63, kPirateBWay), F(1, 6, Cycle(kPirateWalk, 2)), F(7, 19, Hold(kPirateLunge)),
    F(20, 20, Hold(kPirateGuard)), F(21, 28, Cycle(kPirateWalk, 2)),
    F(29, 52, Cycle(kPirateFence, 2)), F(53, 54, Hold(kPirateLunge)), F(55, 56, Hold(kPirateGuard)),
    F(57, 63, Cycle(kRunOff)),
};

// Pirate C crosses on the plank, fights his way left against sailor D and
// runs off, still in sight on the frame after he sets out.
constexpr int32_t kPirateCWay[] = {
    1, 520, 430,  4, 470, 402,  9, 350, 398,  12, 290, 415,  14, 240, 430,  18, 230, 428,  20, 240, 428,
    22, 220, 428,  26, 170, 427,  29, 145, 427,  32, 110, 426,  35, 75, 425,  38, 35, 425,  39, -10, 445,  40, -55, 466,  41, -110, 470,  42, -165, 476,
    47, -400, 525,
};
constexpr TrackRun kPirateCRuns[] = {
    Route(1, 47, kPirateCWay), F(1, 14, Cycle(kPirateWalk, 2)),
    F(15, 34, Cycle(kPirateFence, 2)), F(35, 36, Hold(kPirateLunge)), F(37, 38, Hold(kPirateGuard)),
    F(39, 47, Cycle(kRunOff)),
};

constexpr int32_t kSplashRows[] = {
    1, 305, kSplashColumn,  1, 305, kSplashColumn,  1, 305, kSplashFalling,  6, 315, kSplashFalling,
};
constexpr TrackRun kSplashRuns[] = {Rows(16, kSplashRows)};

// A spatter at each deadly blow: two frames of the fresh splash, then one of
// the drops, a little to the right.
constexpr int32_t kSpatter35[] = {50, 470, kSpatterSpurt,  50, 470, kSpatterSpurt,  55, 470, kSpatterDrops};
constexpr int32_t kSpatter53[] = {172, 453, kSpatterSpurt,  172, 453, kSpatterSpurt,  177, 453, kSpatterDrops};
constexpr int32_t kSpatter67[] = {71, 365, kSpatterSpurt,  71, 365, kSpatterSpurt,  76, 365, kSpatterDrops};
constexpr int32_t kSpatter123[] = {115, 402, kSpatterSpurt,  115, 402, kSpatterSpurt,  120, 402, kSpatterDrops};
constexpr TrackRun kSpatterRuns[] = {
    Rows(35, kSpatter35), Rows(53, kSpatter53), Rows(67, kSpatter67), Rows(123, kSpatter123),
};

constexpr CastMember kCast[kCastCount] = {
    {kSlotUnionJackLarge, Track(kUnionJackRuns), false},
    {kSlotJollyRogerLarge, Track(kJollyRogerRuns), false},
    {kSlotCannonBlast, {nullptr, 0}, false},
    {kSlotSmokeA, Track(kSmokeADriftsOff), false},
    {kSlotCannonball, {nullptr, 0}, false},
    {kSlotShotHole, Track(kHoleRuns), false},
    {kSlotFencer, Track(kFencerRuns), false},
    {kSlotSailorA, Track(kSailorARuns), false},
    {kSlotSailorB, Track(kSailorBRuns), false},
    {kSlotSailorC, Track(kSailorCRuns), false},
    {kSlotRedCoat, Track(kRedCoatRuns), false},
    {kSlotPirateA, Track(kPirateARuns), false},
    {kSlotPirateB, Track(kPirateBRuns), false},
    {kSlotPirateC, Track(kPirateCRuns), false},
    {kSlotSailorD, Track(kSailorDRuns), false},
    {kSlotSplash, Track(kSplashRuns), false},
    {kSlotPlank, Track(kPlankRuns), false},
    {kSlotSpatter, Track(kSpatterRuns), true},
    {kSlotSmokeB, Track(kSmokeBDriftsOff), false},
};

// A navy sailor is drawn in front of the pirates while he fights them:
// sailor C on frames 32-58, the fencer from frame 72.
constexpr int8_t kOpening[] = {
    kUnionJack, kJollyRoger, kHole, kSmokeA, kSmokeB, kBlast, kBall,
    kFencer, kSailorA, kSailorB, kSailorC, kSailorD, kPlank, kRedCoat, kPirateA,
    kPirateB, kPirateC, kSplash, kSpatter,
};
constexpr int8_t kSailorCInFront[] = {
    kUnionJack, kJollyRoger, kHole, kSmokeA, kSmokeB, kBlast, kBall,
    kFencer, kSailorA, kSailorB, kSailorD, kPlank, kRedCoat, kPirateA, kSailorC,
    kPirateB, kPirateC, kSplash, kSpatter,
};
constexpr int8_t kFencerInFront[] = {
    kUnionJack, kJollyRoger, kHole, kSmokeA, kSmokeB, kBlast, kBall,
    kSailorA, kSailorB, kSailorD, kPlank, kRedCoat, kPirateA, kFencer, kSailorC,
    kPirateB, kPirateC, kSplash, kSpatter,
};
constexpr DrawOrder kOrders[] = {
    Order(1, kOpening), Order(32, kSailorCInFront), Order(59, kOpening), Order(72, kFencerInFront),
};

constexpr int32_t kCueMarks[] = {
    kCueBattleCry, 5, 0,
    kCueScreamAndSplash, 14, 0,
    kCueCryOfPain, 35, 53, 67, 123, 0,
    kCueSwordClash,
       17, 18, 20, 21, 22, 24, 28, 29, 31, 32, 34, 36, 37, 38, 39, 40, 42, 43, 44, 46, 48,
       49, 50, 51, 57, 58, 60, 61, 64, 65, 70, 76, 79, 83, 84, 86, 87, 88, 94, 97, 99, 101,
       102, 103, 105, 107, 109, 110, 118, 120, 0,
};
constexpr auto kCues = CueTable<kLength + 1>(kCueMarks);

}  // namespace

const SceneScript Scene4Script = Script(
    kSceneSwordFight, kBackdropDecks, kLength, kCast, kOrders, kCleanFallen, kCues,
    StraightTo(kScenePlunder));
