// The house style of every picture: one palette of flat cartoon tones (each
// an exact entry of the shared colour table, so flat fills never dither),
// dark outlines, light from the upper left.
#pragma once

#include <cairo.h>

#include <cmath>
#include <cstdint>

namespace style {

// Outline: dark brown-black, never pure key-like colours.
constexpr uint32_t kOutline = 0x111111;  // grey ramp entry
constexpr double kOutlineWidth = 2.0;    // at sprite scale; backdrops may use 3

// Sky and sea.
constexpr uint32_t kSkyZenith = 0x3366CC, kSkyHigh = 0x6699CC, kSkyMid = 0x99CCFF, kSkyLow = 0xCCFFFF;
constexpr uint32_t kCloud = 0xFFFFFF, kCloudShade = 0xCCCCCC, kCloudUnderside = 0xCCCCFF;
constexpr uint32_t kSeaDeep = 0x003366, kSea = 0x336699, kSeaMid = 0x3366CC, kSeaLight = 0x6699CC;
constexpr uint32_t kFoam = 0xFFFFFF, kSpray = 0x99CCFF;

// Timber.
constexpr uint32_t kWoodDark = 0x663300, kWood = 0x996633, kWoodLight = 0xCC9966, kWoodPale = 0xFFCC99;

// Sails, rope, metal.
constexpr uint32_t kSail = 0xFFFFCC, kSailShade = 0xCCCC99, kRope = 0x996633;
constexpr uint32_t kIronShade = 0x111111, kIron = 0x333333, kIronLight = 0x666666, kIronSheen = 0x999999;
constexpr uint32_t kSteelShade = 0x999999, kSteel = 0xCCCCCC, kSteelShine = 0xFFFFFF;

// People.
constexpr uint32_t kSkin = 0xFFCC99, kSkinShade = 0xCC9966;
constexpr uint32_t kNavyJacket = 0x003399, kNavyJacketShade = 0x000066, kNavyJacketLight = 0x3366CC;
constexpr uint32_t kTrousers = 0xFFFFFF, kWhiteClothShade = 0xCCCCFF;
constexpr uint32_t kBlackCloth = 0x333333, kBlackClothShade = 0x111111, kBlackClothLight = 0x666666;
constexpr uint32_t kBreeches = 0xFFFFCC, kBreechesShade = 0xCCCC99, kBreechesLight = 0xFFFFFF;
constexpr uint32_t kStripeRed = 0xCC0000, kStripeWhite = 0xFFFFFF, kStripeWhiteShade = 0xCCCCCC;
constexpr uint32_t kBandana = 0xCC0000, kRedClothShade = 0x990000, kRedClothLight = 0xFF3333;
constexpr uint32_t kCaptainCoat = 0xCC0000, kCaptainCoatShade = 0x990000;
constexpr uint32_t kGold = 0xFFCC00, kGoldShade = 0xCC9900, kGoldLight = 0xFFFF99, kSashLight = 0xFFFF66;
constexpr uint32_t kHair = 0x330000, kHairShade = 0x111111, kHairLight = 0x663300;
constexpr uint32_t kBrownHair = 0x663300, kBrownHairLight = 0x996633;
constexpr uint32_t kLeather = 0x996633, kLeatherShade = 0x663300, kLeatherLight = 0xCC9966, kSwordGrip = 0x663333;
constexpr uint32_t kMouth = 0x660000, kMouthLight = 0x990000, kTeeth = 0xFFFFFF, kTeethShade = 0xCCCCCC;
constexpr uint32_t kBoot = 0x111111;

// Effects.
constexpr uint32_t kFlashCore = 0xFFFF99, kFlash = 0xFFCC00, kFlashEdge = 0xFF6600;
constexpr uint32_t kSmoke = 0x999999, kSmokeLight = 0xCCCCCC, kSmokeDark = 0x666666;
constexpr uint32_t kFlameShade = 0xCC3300, kFlameLight = 0xFF9900, kCharred = 0x330000;
constexpr uint32_t kBlood = 0xCC0000, kBloodDark = 0x880000, kBloodLight = 0xFF3333;

// The kraken.
constexpr uint32_t kKraken = 0x669933, kKrakenShade = 0x336600, kKrakenBelly = 0xCCCC66;
constexpr uint32_t kSucker = 0xFFCCCC, kEyeWhite = 0xFFFFCC, kPupil = 0x111111;
constexpr uint32_t kKrakenLight = 0x99CC66, kSuckerShade = 0xCC9999, kKrakenMouth = 0x660000;

// Flags.
constexpr uint32_t kFlagRed = 0xCC0000, kFlagBlue = 0x003399, kFlagWhite = 0xFFFFFF, kFlagBlack = 0x111111;
constexpr uint32_t kFlagRedShade = 0x990000, kFlagBlueShade = 0x000066;

// The title's lettering: gold (above) over a dark drop shadow.
constexpr uint32_t kTitleShadow = 0x000033;

inline void SetColour(cairo_t* cr, uint32_t rgb, double dAlpha = 1.0) {
    cairo_set_source_rgba(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                           (rgb & 0xFF) / 255.0, dAlpha);
}

// Fills the current path with a flat tone and strokes it with the outline.
inline void FillAndOutline(cairo_t* cr, uint32_t rgbFill, double dWidth = kOutlineWidth) {
    SetColour(cr, rgbFill);
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, dWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// Paints a band of rgb, dWidth wide, round the whole silhouette of what
// `shape` paints (which itself is not painted): a thing drawn over it then
// stands clear of whatever lies behind it, even where both share colours (a
// figure in a crowd, a ship before a ship).
template <class Shape>
inline void DrawContour(cairo_t* cr, uint32_t rgb, double dWidth, Shape shape) {
    cairo_push_group(cr);
    shape(cr);
    cairo_pattern_t* pShape = cairo_pop_group(cr);
    SetColour(cr, rgb);
    constexpr int kDirections = 16;
    for (double r = 1.0; r <= dWidth + 0.01; r += 1.0) {
        for (int i = 0; i < kDirections; ++i) {
            const double a = 6.283185307179586 * i / kDirections;
            cairo_save(cr);
            cairo_translate(cr, r * std::cos(a), r * std::sin(a));
            cairo_mask(cr, pShape);
            cairo_restore(cr);
        }
    }
    cairo_pattern_destroy(pShape);
}

// Paints what `draw` paints, ringed by such a contour.
template <class Draw>
inline void WithContour(cairo_t* cr, uint32_t rgb, double dWidth, Draw draw) {
    DrawContour(cr, rgb, dWidth, draw);
    draw(cr);
}

}  // namespace style
