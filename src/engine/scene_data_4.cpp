// Scene 4: the pirates cross over and win the sword fight. One navy sailor
// goes overboard with a splash, the others fall one after another (the last
// on the final frame) while three pirates run off to the left.

#include "engine/scenes.h"

namespace {

using namespace tracks;

constexpr int kLength = 129;
// In the order the scene steps them; the blood spatter only with blood on.
enum Cast : int8_t {
    kUnionJack, kJollyRoger, kBlast, kSmokeA, kBall, kHole, kFencer, kSailorA, kSailorB,
    kSailorC, kRedCoat, kPirateA, kPirateB, kPirateC, kSailorD, kSplash, kPlank, kSpatter,
    kSmokeB, kCastCount
};

constexpr int32_t kWave[] = {0, 1};

constexpr TrackRun kUnionJackRuns[] = {Pose(1, kLength, 114, 172, 0), F(1, kLength, Cycle(kWave))};
constexpr TrackRun kJollyRogerRuns[] = {Pose(1, kLength, 598, 146, 0), F(1, kLength, Cycle(kWave))};
constexpr TrackRun kSmokeARuns[] = {X(1, 17, Line(202, -10)), Y(1, 17, Line(96, -10)), F(1, 17, Hold(1))};
constexpr TrackRun kSmokeBRuns[] = {X(1, 29, Line(330, -10)), Y(1, 29, Line(146, -10)), F(1, 29, Hold(0))};
constexpr TrackRun kHoleRuns[] = {Pose(1, kLength, 15, 22, 0)};
constexpr TrackRun kPlankRuns[] = {Pose(1, kLength, 445, 535, 0)};

// Sword play: each fighter sways along waypoints while cycling through his
// strip's fencing poses, a pose every two or three frames.
constexpr int32_t kNavyFence[] = {3, 4, 5, 6, 7, 8, 9, 8, 5, 4};      // strip 172
constexpr int32_t kNavyFenceC[] = {1, 5, 6, 7, 8, 9, 7, 6};           // strip 172
constexpr int32_t kFencerFence[] = {1, 2, 3, 4, 5, 6, 7, 6, 3, 2};    // strip 160
constexpr int32_t kPirateFence[] = {4, 5, 6, 7, 8, 7, 6, 5};          // strip 163
constexpr int32_t kRedCoatFence[] = {0, 1, 2, 3, 2, 1};               // strip 162
constexpr int32_t kPirateWalk[] = {9, 10, 11, 10};                    // strip 163, walking left
constexpr int32_t kRedCoatIdle[] = {6, 6, 5, 4, 4, 5};

// The fencer (strip 160) holds on the left deck, steps down to the waist
// and from frame 72 fights the red coat until he is killed on the last frame.
constexpr int32_t kFencerWay[] = {
    72, 150, 365,  80, 110, 365,  86, 130, 365,  94, 80, 365,  100, 100, 365,  108, 50, 365,
    114, 70, 365,  120, 25, 365,  123, 40, 365,  128, 30, 365,
};
constexpr TrackRun kFencerRuns[] = {
    Pose(1, 56, 276, 280, 7), F(5, 5, Hold(4)),
    Pose(57, 64, 259, 310, 7), Pose(65, 69, 259, 350, 6), Pose(70, 71, 264, 400, 7),
    Route(72, 128, kFencerWay), F(72, 128, Cycle(kFencerFence, 2)),
    Pose(129, 129, 60, 355, 8),
};

// Sailor A backs away and goes overboard at the left edge.
constexpr int32_t kSailorARows[] = {
    222, 355, 13,  200, 355, 12,  188, 352, 13,  176, 349, 12,  164, 346, 13,  152, 343, 12,
    140, 340, 13,  35, 335, 14,   5, 325, 15,    -20, 305, 14,  10, 280, 11,   0, 270, 11,
    13, 208, 10,
};
constexpr TrackRun kSailorARuns[] = {Rows(1, kSailorARows)};

// Sailor B is driven back to the left edge by pirate A and dies there.
constexpr int32_t kSailorBWay[] = {
    33, 110, 380,  37, 125, 380,  42, 95, 372,  46, 105, 372,  52, 70, 362,  56, 80, 360,
    61, 40, 350,  64, 50, 348,  68, 10, 338,  72, -5, 330,
};
constexpr TrackRun kSailorBRuns[] = {
    Pose(1, 32, 110, 380, 13),
    Route(33, 72, kSailorBWay), F(33, 72, Cycle(kNavyFence, 2)),
    Pose(73, 92, -5, 330, 18), Pose(93, kLength, -5, 330, 19),
};

// Sailor C stands his ground against pirate B, then falls.
constexpr int32_t kSailorCWay[] = {
    28, 65, 400,  34, 100, 400,  40, 85, 400,  46, 125, 400,  50, 110, 400,  53, 130, 400,
    57, 105, 400,
};
constexpr TrackRun kSailorCRuns[] = {
    Pose(1, 13, 45, 412, 12), Pose(14, 27, 45, 400, 12),
    Route(28, 57, kSailorCWay), F(28, 57, Cycle(kNavyFenceC, 2)),
    Pose(58, 77, 105, 400, 16), Pose(78, kLength, 105, 400, 17),
};

// Sailor D fights his way back to the left edge against pirate C and falls.
constexpr int32_t kSailorDWay[] = {
    15, 230, 425,  20, 185, 425,  23, 200, 425,  27, 150, 425,  31, 95, 425,  33, 110, 425,
    37, 40, 425,  40, 5, 425,
};
constexpr TrackRun kSailorDRuns[] = {
    Pose(1, 14, 242, 425, 9),
    Route(15, 40, kSailorDWay), F(15, 40, Cycle(kNavyFence, 2)),
    Pose(41, 60, 5, 425, 18), Pose(61, kLength, 5, 435, 19),
};

// The red coat watches from his quarterdeck, comes down and across, and
// takes on the fencer.
constexpr int32_t kRedCoatCross[] = {
    50, 580, 260,  53, 575, 323,  56, 555, 385,  59, 525, 355,  63, 450, 386,  67, 380, 386,
    73, 254, 400,  78, 240, 352,  80, 225, 345,  86, 240, 350,  94, 190, 345,  100, 210, 350,
    108, 150, 340,  114, 170, 345,  120, 110, 338,  123, 125, 340,  128, 140, 338,
};
constexpr int32_t kRedCoatWalk[] = {8, 7};
constexpr TrackRun kRedCoatRuns[] = {
    Pose(1, 49, 585, 240, 6), F(1, 49, Cycle(kRedCoatIdle, 4)),
    Route(50, 128, kRedCoatCross), F(50, 73, Cycle(kRedCoatWalk, 2)),
    F(74, 128, Cycle(kRedCoatFence, 2)),
    Pose(129, 129, 160, 338, 2),
};

// Pirate A crosses over, drives sailor B back and runs off to the left.
constexpr int32_t kPirateAWay[] = {
    11, 550, 395,  22, 333, 400,  32, 215, 385,  37, 230, 385,  42, 195, 378,  46, 210, 375,
    52, 160, 370,  56, 170, 368,  61, 140, 370,  64, 135, 350,  68, 100, 338,  72, 70, 330,
    73, 50, 340,  78, -170, 380,
};
constexpr TrackRun kPirateARuns[] = {
    Pose(1, 10, 562, 315, 11),
    Route(11, 78, kPirateAWay), F(11, 32, Cycle(kPirateWalk, 2)),
    F(33, 72, Cycle(kPirateFence, 2)), F(73, 78, Cycle(kPirateWalk)),
};

// Pirate B crosses, fights sailor C and runs off.
constexpr int32_t kPirateBWay[] = {
    1, 600, 385,  14, 420, 390,  28, 225, 400,  34, 200, 400,  40, 175, 400,  46, 200, 400,
    50, 185, 400,  53, 200, 400,  56, 150, 400,  57, 125, 420,  63, -200, 495,
};
constexpr int32_t kRunOff[] = {9, 10};
constexpr TrackRun kPirateBRuns[] = {
    Route(1, 63, kPirateBWay), F(1, 28, Cycle(kPirateWalk, 2)),
    F(29, 56, Cycle(kPirateFence, 2)), F(57, 63, Cycle(kRunOff)),
};

// Pirate C fights his way left against sailor D and runs off.
constexpr int32_t kPirateCWay[] = {
    1, 520, 430,  10, 330, 430,  15, 330, 430,  20, 290, 428,  23, 300, 428,  27, 250, 427,
    31, 195, 426,  33, 210, 426,  35, 120, 425,  38, 35, 425,  39, -10, 445,  47, -400, 525,
};
constexpr TrackRun kPirateCRuns[] = {
    Route(1, 47, kPirateCWay), F(1, 10, Cycle(kPirateWalk, 2)),
    F(11, 38, Cycle(kPirateFence, 2)), F(39, 47, Cycle(kRunOff)),
};

constexpr int32_t kSplashRows[] = {1, 305, 1,  1, 305, 1,  1, 305, 0,  6, 315, 0};
constexpr TrackRun kSplashRuns[] = {Rows(16, kSplashRows)};

// A spatter at each deadly blow: two frames of the fresh splash, then one of
// the drops, a little to the right.
constexpr int32_t kSpatter35[] = {50, 470, 1,  50, 470, 1,  55, 470, 0};
constexpr int32_t kSpatter53[] = {172, 453, 1,  172, 453, 1,  177, 453, 0};
constexpr int32_t kSpatter67[] = {71, 365, 1,  71, 365, 1,  76, 365, 0};
constexpr int32_t kSpatter123[] = {115, 402, 1,  115, 402, 1,  120, 402, 0};
constexpr TrackRun kSpatterRuns[] = {
    Rows(35, kSpatter35), Rows(53, kSpatter53), Rows(67, kSpatter67), Rows(123, kSpatter123),
};

constexpr CastMember kCast[kCastCount] = {
    {10, Track(kUnionJackRuns), false},
    {11, Track(kJollyRogerRuns), false},
    {12, {nullptr, 0}, false},
    {14, Track(kSmokeARuns), false},
    {13, {nullptr, 0}, false},
    {16, Track(kHoleRuns), false},
    {17, Track(kFencerRuns), false},
    {18, Track(kSailorARuns), false},
    {19, Track(kSailorBRuns), false},
    {20, Track(kSailorCRuns), false},
    {22, Track(kRedCoatRuns), false},
    {23, Track(kPirateARuns), false},
    {24, Track(kPirateBRuns), false},
    {25, Track(kPirateCRuns), false},
    {21, Track(kSailorDRuns), false},
    {26, Track(kSplashRuns), false},
    {27, Track(kPlankRuns), false},
    {28, Track(kSpatterRuns), true},
    {15, Track(kSmokeBRuns), false},
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
    {1, kOpening, 19}, {32, kSailorCInFront, 19}, {59, kOpening, 19}, {72, kFencerInFront, 19},
};

constexpr BloodSwap kBlood[] = {
    {kFencer, 8, 9, 0},
    {kSailorB, 18, 19, 2},
    {kSailorC, 16, 17, 0},
    {kSailorD, 18, 19, 2},
};

constexpr int32_t kCueMarks[] = {
    9, 5, 0,
    12, 14, 0,
    7, 35, 53, 67, 123, 0,
    6, 17, 18, 20, 21, 22, 24, 28, 29, 31, 32, 34, 36, 37, 38, 39, 40, 42, 43, 44, 46, 48,
       49, 50, 51, 57, 58, 60, 61, 64, 65, 70, 76, 79, 83, 84, 86, 87, 88, 94, 97, 99, 101,
       102, 103, 105, 107, 109, 110, 118, 120, 0,
};
constexpr auto kCues = CueTable<kLength + 1>(kCueMarks);

Keyframe Tracks[kCastCount][kLength + 1];

}  // namespace

const SceneScript Scene4Script = {
    4, 1, kLength, kCast, kCastCount, &Tracks[0][0], kOrders, 4, kBlood, 4,
    kCues.data(), int(kCues.size()), kEndDirect, 5, false,
};
