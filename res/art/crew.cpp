// The crews and their props and effects: navy sailors and their officer,
// the pirates and their captain, every frame a pose of the shared rig.
// Navy figures face right (their foes stand on the right-hand ship),
// pirates face left, except where a strip walks them home to the right.

#include <vector>

#include "art.h"
#include "crew_fx.h"
#include "crew_poses.h"
#include "crew_rig.h"
#include "style.h"
#include "resource_ids.h"

namespace {

using crew::Outfit;
using crew::Pose;
using crew::Tones;
namespace poses = crew::poses;

constexpr Tones kSkin = {style::kSkinShade, style::kSkin, style::kSkin};
constexpr Tones kBrownHair = {style::kHair, style::kBrownHair, style::kBrownHairLight};
constexpr Tones kBlackHair = {style::kHairShade, style::kHair, style::kHairLight};
constexpr Tones kJacket = {style::kNavyJacketShade, style::kNavyJacket, style::kNavyJacketLight};
constexpr Tones kWhite = {style::kWhiteClothShade, style::kTrousers, style::kTrousers};
constexpr Tones kBlack = {style::kBlackClothShade, style::kBlackCloth, style::kBlackClothLight};
constexpr Tones kGoldTrim = {style::kGoldShade, style::kGold, style::kGoldLight};
constexpr Tones kRedStripe = {style::kRedClothShade, style::kStripeRed, style::kRedClothLight};
constexpr Tones kStripeWhite = {style::kStripeWhiteShade, style::kStripeWhite, style::kStripeWhite};
constexpr Tones kRedCoat = {style::kCaptainCoatShade, style::kCaptainCoat, style::kRedClothLight};
constexpr Tones kBreeches = {style::kBreechesShade, style::kBreeches, style::kBreechesLight};
constexpr Tones kPirateTrousers = {style::kWoodDark, style::kWood, style::kWoodLight};
constexpr Tones kSash = {style::kGoldShade, style::kGold, style::kSashLight};
constexpr Tones kBandana = {style::kRedClothShade, style::kBandana, style::kRedClothLight};

Outfit NavySailor() {
    Outfit o{};
    o.skin = kSkin;
    o.hair = kBrownHair;
    o.shirt = kJacket;
    o.cuff = kWhite;
    o.trousers = o.shins = kWhite;
    o.shoe = kBlack;
    o.belt = kBlack;
    o.trim = kGoldTrim;
    o.scarf = kBlack;
    o.bScarf = true;
    o.eHat = crew::Hat::kRound;
    o.hat = kBlack;
    o.hatTrim = kWhite;
    o.eBlade = crew::Blade::kStraight;
    return o;
}

Outfit NavyOfficer() {
    Outfit o = NavySailor();
    o.cuff = kGoldTrim;
    o.scarf = kWhite;
    o.bTails = true;
    o.eHat = crew::Hat::kBicorne;
    o.hatTrim = kGoldTrim;
    o.bEpaulettes = true;
    return o;
}

Outfit Pirate() {
    Outfit o{};
    o.skin = kSkin;
    o.hair = kBlackHair;
    o.shirt = kStripeWhite;
    o.bStripes = true;
    o.bVest = true;
    o.vest = kBlack;
    o.stripe = kRedStripe;
    o.bBareForearms = true;
    o.cuff = kStripeWhite;
    o.trousers = o.shins = kPirateTrousers;
    o.shoe = kBlack;
    o.belt = kSash;
    o.bSash = true;
    o.trim = kGoldTrim;
    o.eHat = crew::Hat::kBandana;
    o.hat = kBandana;
    o.hatTrim = kStripeWhite;
    o.bStubble = o.bEarring = true;
    o.eBlade = crew::Blade::kCutlass;
    return o;
}

Outfit PirateCaptain() {
    Outfit o{};
    o.skin = kSkin;
    o.hair = kBlackHair;
    o.shirt = kRedCoat;
    o.cuff = kGoldTrim;
    o.trousers = o.shins = kBreeches;
    o.shoe = kBlack;
    o.bTallBoots = true;
    o.belt = kBlack;
    o.bLongCoat = true;
    o.trim = kGoldTrim;
    o.scarf = kWhite;
    o.bScarf = true;
    o.eHat = crew::Hat::kTricorne;
    o.hat = kBlack;
    o.hatTrim = kGoldTrim;
    o.bBeard = o.bEarring = true;
    o.eBlade = crew::Blade::kCutlass;
    return o;
}

// One frame of a character strip: the pose, which way it faces, and where
// the rig's origin sits across the frame (the feet stand on the same line,
// a few pixels above the frame's bottom, in every standing frame).
struct Shot {
    Pose pose;
    int nDir;
    double dX;
};

constexpr double kSoleMargin = 4.0;

// A fencing frame placed so that its back foot stands at frame column dFootX:
// the guard, parries and cuts of one strip then keep that foot planted.
Shot Planted(const Pose& pose, int nDir, double dScale, double dFootX) {
    return {pose, nDir, dFootX - nDir * dScale * pose.footFar.x};
}

// Every figure is ringed by a dark contour, so that one standing before
// another in a crowd or a fight stays a figure of its own.
constexpr double kContour = 2.0;

void PaintShot(cairo_t* cr, const Outfit& o, double dScale, const Shot& s, int nFrameHeight) {
    style::WithContour(cr, style::kOutline, kContour, [&](cairo_t* c) {
        crew::DrawFigure(c, o, s.pose, {s.dX, nFrameHeight - kSoleMargin, dScale, s.nDir});
    });
}

// Navy officer: fencing poses facing right, and his fall on his back.
void PaintOfficer(cairo_t* cr, int nFrame, int, int nFrameHeight) {
    static const Outfit o = NavyOfficer();
    constexpr double kScale = 1.05;
    static const std::vector<Shot> kShots = {
        {poses::LyingOnBack(0), 1, 79},  // 0
        Planted(poses::Advance(), 1, kScale, 50),    // 1
        Planted(poses::SwingHigh(), 1, kScale, 50),  // 2
        Planted(poses::SlashLow(), 1, kScale, 50),   // 3
        {poses::Lunge(), 1, 62},                     // 4
        Planted(poses::ParryHigh(), 1, kScale, 50),  // 5
        Planted(poses::Recoil(), 1, kScale, 50),     // 6
        Planted(poses::Guard(), 1, kScale, 50),      // 7
        {poses::LyingOnBack(1), 1, 79},  // 8
        {poses::LyingOnBack(2), 1, 79},  // 9
    };
    PaintShot(cr, o, kScale, kShots[nFrame], nFrameHeight);
}

// Navy sailors: fencing, the fall overboard, and the dead on either side.
void PaintSailor(cairo_t* cr, int nFrame, int, int nFrameHeight) {
    static const Outfit o = NavySailor();
    constexpr double kScale = 1.1;
    static const std::vector<Shot> kShots = {
        {poses::LyingOnFront(0), 1, 85},  // 0
        Planted(poses::Advance(), 1, kScale, 50),    // 1
        {poses::LyingOnBack(0), 1, 79},              // 2
        {poses::Lunge(), 1, 62},                     // 3
        Planted(poses::ParryHigh(), 1, kScale, 50),  // 4
        Planted(poses::SwingHigh(), 1, kScale, 50),  // 5
        Planted(poses::Recoil(), 1, kScale, 50),     // 6
        Planted(poses::SlashLow(), 1, kScale, 50),   // 7
        Planted(poses::ParryLow(), 1, kScale, 50),   // 8
        Planted(poses::Guard(), 1, kScale, 50),      // 9
        {poses::Tumbling(), 1, 88},       // 10
        {poses::Toppling(), 1, 96},       // 11
        {poses::Step(), 1, 80},           // 12
        {poses::Ready(), 1, 80},          // 13
        {poses::StaggerBack(), 1, 88},    // 14
        {poses::Reeling(), 1, 92},        // 15
        {poses::LyingOnFront(1), 1, 85},  // 16
        {poses::LyingOnFront(2), 1, 85},  // 17
        {poses::LyingOnBack(1), 1, 79},   // 18
        {poses::LyingOnBack(2), 1, 79},   // 19
    };
    PaintShot(cr, o, kScale, kShots[nFrame], nFrameHeight);
}

// Pirate captain: fencing facing left, then the strut home to the right.
void PaintCaptain(cairo_t* cr, int nFrame, int, int nFrameHeight) {
    static const Outfit o = PirateCaptain();
    constexpr double kScale = 1.12;
    static const std::vector<Shot> kShots = {
        Planted(poses::Guard(), -1, kScale, 118),      // 0
        Planted(poses::SwingHigh(), -1, kScale, 118),  // 1
        {poses::Lunge(), -1, 110},                     // 2
        Planted(poses::ParryHigh(), -1, kScale, 118),  // 3
        Planted(poses::Point(), -1, kScale, 104),      // 4
        Planted(poses::Cheer(), -1, kScale, 104),      // 5
        Planted(poses::Ready(), -1, kScale, 104),      // 6
        {poses::Stroll(true), 1, 82},  // 7
        {poses::Stroll(false), 1, 82}, // 8
    };
    PaintShot(cr, o, kScale, kShots[nFrame], nFrameHeight);
}

// Pirates: the barrel carried home, fencing facing left, walking back.
void PaintPirate(cairo_t* cr, int nFrame, int, int nFrameHeight) {
    static const Outfit o = Pirate();
    constexpr double kScale = 1.08;
    static const std::vector<Shot> kShots = {
        {poses::WalkBarrel(0), 1, 92},    // 0
        {poses::WalkBarrel(1), 1, 92},    // 1
        {poses::WalkBarrel(2), 1, 92},    // 2
        {poses::WalkBarrel(3), 1, 92},    // 3
        Planted(poses::Guard(), -1, kScale, 142),      // 4
        Planted(poses::Lunge(), -1, kScale, 142),      // 5
        Planted(poses::SwingHigh(), -1, kScale, 142),  // 6
        Planted(poses::SlashLow(), -1, kScale, 142),   // 7
        Planted(poses::ParryHigh(), -1, kScale, 142),  // 8
        {poses::WalkLowered(0), -1, 104}, // 9
        {poses::WalkLowered(1), -1, 104}, // 10
        {poses::WalkLowered(2), -1, 104}, // 11
        {poses::HoldPlank(), -1, 114},    // 12
    };
    PaintShot(cr, o, kScale, kShots[nFrame], nFrameHeight);
}

}  // namespace

const std::vector<ArtPiece>& CrewArt() {
    static const std::vector<ArtPiece> pieces = {
        {IDB_CANNON_FIRE, crew::PaintCannonFire, false},
        {IDB_CANNON_BLAST, crew::PaintBlast, false},
        {IDB_CANNONBALL, crew::PaintCannonball, false},
        {IDB_SMOKE_CLOUD, crew::PaintSmokeCloud, false},
        {IDB_SHOT_HOLE, crew::PaintShotHole, false},
        {IDB_NAVY_SAILOR, PaintOfficer, false},
        {IDB_NAVY_FENCER, PaintSailor, false},
        {IDB_RED_COAT_PIRATE, PaintCaptain, false},
        {IDB_PIRATE, PaintPirate, false},
        {IDB_SPLASH, crew::PaintSplash, false},
        {IDB_PLANK, crew::PaintPlank, false},
        {IDB_BLOOD, crew::PaintSpatter, false},
    };
    return pieces;
}
