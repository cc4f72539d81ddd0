// Scene 5: four navy sailors lie dead on the left deck, the pirate in the
// red coat stands among them, and three pirates carry barrels over to their
// own ship and walk back for more; at the end the red coat follows them.

#include "audio/cues.h"
#include "engine/scene_motions.h"
#include "engine/scenes.h"
#include "strip_frames.h"

namespace {

using namespace scenes;
using namespace tracks;
using namespace frames;

constexpr int kLength = 100;
enum Cast : int8_t {
    kUnionJack, kJollyRoger, kHole, kPlank, kFencer, kSailorA, kSailorB, kSailorC, kSailorD,
    kRedCoat, kPirateA, kPirateB, kPirateC, kCastCount
};


constexpr auto kUnionJackRuns = UnionJackOverDeck(kLength);
constexpr auto kJollyRogerRuns = JollyRogerOverDeck(kLength);
constexpr auto kHoleRuns = ShotHoleStays(kLength);
constexpr auto kPlankRuns = PlankStays(kLength);
// The bodies; the fencer's pool of blood spreads at frame 15.
constexpr TrackRun kFencerRuns[] = {
    Pose(1, kLength, 60, 355, kOfficerDeadBled), F(1, 14, Hold(kOfficerDeadBleeding)),
};
constexpr TrackRun kSailorBRuns[] = {Pose(1, kLength, -5, 330, kSailorDeadOnBackBled)};
constexpr TrackRun kSailorCRuns[] = {Pose(1, kLength, 110, 400, kSailorDeadFaceDownBled)};
constexpr TrackRun kSailorDRuns[] = {Pose(1, kLength, 5, 435, kSailorDeadOnBackBled)};

// The red coat shifts his weight among the bodies, then walks off to his ship.
constexpr int32_t kShift[] = {kRedCoatCheer, kRedCoatReady};
constexpr int32_t kRedCoatWalk[] = {
    210, 355, kRedCoatStanceRight,  230, 370, kRedCoatStrideRight,  250, 385, kRedCoatStanceRight,
    275, 398, kRedCoatStrideRight,  300, 410, kRedCoatStanceRight,
    390, 380, kRedCoatStrideRight,  455, 389, kRedCoatStanceRight,  520, 398, kRedCoatStanceRight,
    585, 414, kRedCoatStrideRight,  650, 430, kRedCoatStanceRight,
};
constexpr TrackRun kRedCoatRuns[] = {
    Pose(1, 1, 160, 338, kRedCoatReady),
    X(2, 20, Hold(170)), Y(2, 20, Hold(345)), F(2, 20, Cycle(kShift)),
    Pose(21, 33, 180, 325, kRedCoatReady),
    Pose(34, 35, 210, 335, kRedCoatStanceRight),
    Pose(36, 64, 240, 355, kRedCoatStanceRight), F(36, 36, Hold(kRedCoatStrideRight)),
    F(46, 46, Hold(kRedCoatStrideRight)),
    X(65, 90, Hold(190)), Y(65, 90, Hold(340)), F(65, 90, Cycle(kShift, 3)),
    Rows(91, kRedCoatWalk),
};

// Every trip follows the same way over the decks: up out of the navy's hold
// at the bottom left to the crossing near x 390, then down the pirate deck
// and into its hold at the bottom right. Loaded trips walk right with a
// barrel on the shoulder, empty ones back left, sword lowered.
constexpr int32_t kCarry[] = {
    kPirateCarryContact, kPirateCarryPassing, kPirateCarryContactOther, kPirateCarryPassingOther,
};
constexpr int32_t kCarryShort[] = {kPirateCarryPassingOther, kPirateCarryContactOther};
constexpr int32_t kReturn[] = {kPirateWalkNearFoot, kPirateWalkPassing, kPirateWalkFarFoot, kPirateWalkPassing};

constexpr int32_t kPirateALoaded1[] = {
    14, -60, 523,  15, -10, 507,  16, 40, 490,  20, 40, 490,  21, 100, 470,
    27, 390, 390,  31, 585, 385,  32, 640, 415,  33, 690, 455,  34, 730, 500,  35, 800, 540,
};
constexpr int32_t kPirateAEmpty[] = {
    43, 640, 399,  44, 585, 385,  48, 390, 390,  54, 100, 470,  55, 40, 490,  60, -200, 556,
};
constexpr int32_t kPirateALoaded2[] = {
    74, -40, 517,  75, 10, 500,  76, 55, 485,  77, 100, 470,  82, 390, 390,  86, 585, 385,
    87, 645, 420,  88, 700, 465,  89, 745, 510,  90, 820, 445,
};
constexpr TrackRun kPirateARuns[] = {
    Route(14, 35, kPirateALoaded1), F(14, 35, Cycle(kCarry)), F(16, 20, Hold(kPirateCarryContact)),
    Route(43, 60, kPirateAEmpty), F(43, 60, Cycle(kReturn)),
    Route(74, 90, kPirateALoaded2), F(74, 90, Cycle(kCarry)),
};

constexpr int32_t kPirateBLoaded1[] = {
    3, -20, 510,  4, 40, 490,  5, 100, 470,  11, 390, 390,  15, 585, 385,  16, 645, 420,
    17, 700, 465,  18, 745, 510,  19, 820, 445,
};
constexpr int32_t kPirateBEmpty[] = {
    48, 640, 399,  49, 585, 385,  53, 390, 390,  59, 100, 470,  60, 40, 490,  63, -150, 553,
};
constexpr int32_t kPirateBLoaded2[] = {
    72, 105, 469,  78, 390, 390,  82, 585, 385,  83, 640, 415,  84, 690, 460,  85, 730, 505,
    86, 760, 540,
};
constexpr TrackRun kPirateBRuns[] = {
    Route(3, 19, kPirateBLoaded1), F(3, 19, Cycle(kCarryShort)),
    Route(48, 63, kPirateBEmpty), F(48, 63, Cycle(kReturn)),
    Route(72, 86, kPirateBLoaded2), F(72, 86, Cycle(kCarry)),
};

constexpr int32_t kPirateCLoaded1[] = {
    9, 50, 487,  10, 100, 470,  15, 390, 390,  19, 585, 385,  20, 630, 405,  21, 675, 440,
    22, 715, 480,  23, 750, 520,  24, 790, 540,
};
constexpr int32_t kPirateCEmpty[] = {
    38, 640, 399,  39, 585, 385,  43, 390, 390,  50, 115, 465,
};
constexpr int32_t kPirateCLoaded2[] = {
    70, 170, 451,  74, 390, 390,  78, 585, 385,  79, 645, 420,  80, 700, 465,  81, 745, 510,
    82, 790, 540,
};
constexpr TrackRun kPirateCRuns[] = {
    Route(9, 24, kPirateCLoaded1), F(9, 24, Cycle(kCarry)),
    Route(38, 50, kPirateCEmpty), F(38, 50, Cycle(kReturn)),
    Route(70, 82, kPirateCLoaded2), F(70, 82, Cycle(kCarry)),
};

constexpr CastMember kCast[kCastCount] = {
    {kSlotUnionJackLarge, Track(kUnionJackRuns), false},
    {kSlotJollyRogerLarge, Track(kJollyRogerRuns), false},
    {kSlotShotHole, Track(kHoleRuns), false},
    {kSlotPlank, Track(kPlankRuns), false},
    {kSlotFencer, Track(kFencerRuns), false},
    {kSlotSailorA, {nullptr, 0}, false},  // went overboard in the fight
    {kSlotSailorB, Track(kSailorBRuns), false},
    {kSlotSailorC, Track(kSailorCRuns), false},
    {kSlotSailorD, Track(kSailorDRuns), false},
    {kSlotRedCoat, Track(kRedCoatRuns), false},
    {kSlotPirateA, Track(kPirateARuns), false},
    {kSlotPirateB, Track(kPirateBRuns), false},
    {kSlotPirateC, Track(kPirateCRuns), false},
};

// The fencer lies over two of the other bodies; the pirates walk over all.
constexpr int8_t kOrder[] = {
    kUnionJack, kJollyRoger, kHole, kPlank, kSailorA, kSailorB, kFencer, kSailorC, kSailorD,
    kRedCoat, kPirateA, kPirateB, kPirateC,
};
constexpr DrawOrder kOrders[] = {Order(1, kOrder)};

constexpr int32_t kCueMarks[] = {
    kCuePirateLaughter, 17, 0,
    kCueShantyCheer, 68, 0,
};
// One spare entry after the last frame.
constexpr auto kCues = CueTable<kLength + 2>(kCueMarks);

}  // namespace

const SceneScript Scene5Script = Script(
    kScenePlunder, kBackdropDecks, kLength, kCast, kOrders, kCleanFallen, kCues,
    DissolveTo(kSceneBrigSinks));
