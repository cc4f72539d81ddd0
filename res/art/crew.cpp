// The crews and their props and effects: navy sailors and their officer,
// the pirates and their captain, every frame a pose of the shared rig.
// Navy figures face right (their foes stand on the right-hand ship),
// pirates face left, except where a strip walks them home to the right.

#include <stdexcept>
#include <vector>

#include "art.h"
#include "crew_fx.h"
#include "crew_poses.h"
#include "crew_rig.h"
#include "style.h"
#include "resource_ids.h"
#include "strip_frames.h"

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

// A strip's shots, each named by the frame it paints; the names must come
// in frame order and cover the strip.
struct NamedShot {
    int nFrame;
    Shot shot;
};

std::vector<Shot> InFrameOrder(std::initializer_list<NamedShot> named, int nFrames) {
    std::vector<Shot> shots;
    for (const NamedShot& n : named) {
        if (n.nFrame != int(shots.size())) throw std::logic_error("a strip's shots out of frame order");
        shots.push_back(n.shot);
    }
    if (int(shots.size()) != nFrames) throw std::logic_error("a strip's shots do not cover its frames");
    return shots;
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
    static const std::vector<Shot> kShots = InFrameOrder({
        {frames::kOfficerDead, {poses::LyingOnBack(0), 1, 79}},
        {frames::kOfficerAdvance, Planted(poses::Advance(), 1, kScale, 50)},
        {frames::kOfficerWindUp, Planted(poses::SwingHigh(), 1, kScale, 50)},
        {frames::kOfficerCutLow, Planted(poses::SlashLow(), 1, kScale, 50)},
        {frames::kOfficerLunge, {poses::Lunge(), 1, 62}},
        {frames::kOfficerParryHigh, Planted(poses::ParryHigh(), 1, kScale, 50)},
        {frames::kOfficerRecoil, Planted(poses::Recoil(), 1, kScale, 50)},
        {frames::kOfficerGuard, Planted(poses::Guard(), 1, kScale, 50)},
        {frames::kOfficerDeadBleeding, {poses::LyingOnBack(1), 1, 79}},
        {frames::kOfficerDeadBled, {poses::LyingOnBack(2), 1, 79}},
    }, frames::kOfficerFrames);
    PaintShot(cr, o, kScale, kShots[nFrame], nFrameHeight);
}

// Navy sailors: fencing, the fall overboard, and the dead on either side.
void PaintSailor(cairo_t* cr, int nFrame, int, int nFrameHeight) {
    static const Outfit o = NavySailor();
    constexpr double kScale = 1.1;
    static const std::vector<Shot> kShots = InFrameOrder({
        {frames::kSailorDeadFaceDown, {poses::LyingOnFront(0), 1, 85}},
        {frames::kSailorAdvance, Planted(poses::Advance(), 1, kScale, 50)},
        {frames::kSailorDeadOnBack, {poses::LyingOnBack(0), 1, 79}},
        {frames::kSailorLunge, {poses::Lunge(), 1, 62}},
        {frames::kSailorParryHigh, Planted(poses::ParryHigh(), 1, kScale, 50)},
        {frames::kSailorWindUp, Planted(poses::SwingHigh(), 1, kScale, 50)},
        {frames::kSailorRecoil, Planted(poses::Recoil(), 1, kScale, 50)},
        {frames::kSailorCutLow, Planted(poses::SlashLow(), 1, kScale, 50)},
        {frames::kSailorParryLow, Planted(poses::ParryLow(), 1, kScale, 50)},
        {frames::kSailorGuard, Planted(poses::Guard(), 1, kScale, 50)},
        {frames::kSailorTumbling, {poses::Tumbling(), 1, 88}},
        {frames::kSailorToppling, {poses::Toppling(), 1, 96}},
        {frames::kSailorStep, {poses::Step(), 1, 80}},
        {frames::kSailorReady, {poses::Ready(), 1, 80}},
        {frames::kSailorKnockedBack, {poses::StaggerBack(), 1, 88}},
        {frames::kSailorReeling, {poses::Reeling(), 1, 92}},
        {frames::kSailorDeadFaceDownBleeding, {poses::LyingOnFront(1), 1, 85}},
        {frames::kSailorDeadFaceDownBled, {poses::LyingOnFront(2), 1, 85}},
        {frames::kSailorDeadOnBackBleeding, {poses::LyingOnBack(1), 1, 79}},
        {frames::kSailorDeadOnBackBled, {poses::LyingOnBack(2), 1, 79}},
    }, frames::kSailorFrames);
    PaintShot(cr, o, kScale, kShots[nFrame], nFrameHeight);
}

// Pirate captain: fencing facing left, then the strut home to the right.
void PaintCaptain(cairo_t* cr, int nFrame, int, int nFrameHeight) {
    static const Outfit o = PirateCaptain();
    constexpr double kScale = 1.12;
    static const std::vector<Shot> kShots = InFrameOrder({
        {frames::kRedCoatGuard, Planted(poses::Guard(), -1, kScale, 118)},
        {frames::kRedCoatWindUp, Planted(poses::SwingHigh(), -1, kScale, 118)},
        {frames::kRedCoatLunge, {poses::Lunge(), -1, 110}},
        {frames::kRedCoatParryHigh, Planted(poses::ParryHigh(), -1, kScale, 118)},
        {frames::kRedCoatAtThem, Planted(poses::Point(), -1, kScale, 104)},
        {frames::kRedCoatCheer, Planted(poses::Cheer(), -1, kScale, 104)},
        {frames::kRedCoatReady, Planted(poses::Ready(), -1, kScale, 104)},
        {frames::kRedCoatStrideRight, {poses::Stroll(true), 1, 82}},
        {frames::kRedCoatStanceRight, {poses::Stroll(false), 1, 82}},
    }, frames::kRedCoatFrames);
    PaintShot(cr, o, kScale, kShots[nFrame], nFrameHeight);
}

// Pirates: the barrel carried home, fencing facing left, walking back.
void PaintPirate(cairo_t* cr, int nFrame, int, int nFrameHeight) {
    static const Outfit o = Pirate();
    constexpr double kScale = 1.08;
    static const std::vector<Shot> kShots = InFrameOrder({
        {frames::kPirateCarryContact, {poses::WalkBarrel(0), 1, 92}},
        {frames::kPirateCarryPassing, {poses::WalkBarrel(1), 1, 92}},
        {frames::kPirateCarryContactOther, {poses::WalkBarrel(2), 1, 92}},
        {frames::kPirateCarryPassingOther, {poses::WalkBarrel(3), 1, 92}},
        {frames::kPirateGuard, Planted(poses::Guard(), -1, kScale, 142)},
        {frames::kPirateLunge, Planted(poses::Lunge(), -1, kScale, 142)},
        {frames::kPirateWindUp, Planted(poses::SwingHigh(), -1, kScale, 142)},
        {frames::kPirateCutLow, Planted(poses::SlashLow(), -1, kScale, 142)},
        {frames::kPirateFlinch, Planted(poses::Flinch(), -1, kScale, 142)},
        {frames::kPirateWalkNearFoot, {poses::WalkLowered(0), -1, 104}},
        {frames::kPirateWalkPassing, {poses::WalkLowered(1), -1, 104}},
        {frames::kPirateWalkFarFoot, {poses::WalkLowered(2), -1, 104}},
        {frames::kPirateHoldPlank, {poses::HoldPlank(), -1, 114}},
    }, frames::kPirateFrames);
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
        {IDB_NAVY_OFFICER, PaintOfficer, false},
        {IDB_NAVY_SAILORS, PaintSailor, false},
        {IDB_RED_COAT_PIRATE, PaintCaptain, false},
        {IDB_PIRATE, PaintPirate, false},
        {IDB_SPLASH, crew::PaintSplash, false},
        {IDB_PLANK, crew::PaintPlank, false},
        {IDB_BLOOD, crew::PaintSpatter, false},
    };
    return pieces;
}
