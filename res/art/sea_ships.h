// The two ships as drawings in their own coordinates, so that every pose of
// a ship (close, distant, rig alone, pitching, heeling, on the title) is the
// same ship under a different transform.
//
// Brig coordinates are those of the close-up picture (512 x 324): bow to the
// left, waterline at y 318, main masthead (where the ensign flies) at
// (322, 2). Galleon coordinates are those of its close-up pose (392 x 366):
// bow to the right, waterline at y 352, the top of the ensign staff at the
// raked stern at (66, 100).
#pragma once

#include <cairo.h>

#include <cstdint>

#include "sea_draw.h"
#include "style.h"

namespace sea {

// The ships' colours, for every picture that shows them: the navy brig's
// dark blue hull, ochre band and white sails; the pirate galleon's
// near-black brown hull, dull gold trim, red port lids and patched dirty
// sails.
constexpr uint32_t kNavyHull = 0x000066, kNavyHullLight = 0x003399, kNavyHullDark = 0x000033;
constexpr uint32_t kOchre = 0xCC9933, kOchreLight = 0xFFCC66, kOchreDark = 0x996600;
constexpr SailTones kWhiteSail = {style::kFlagWhite, style::kCloudShade, style::kCloudShade};
constexpr uint32_t kPirateHull = 0x330000, kPirateHullLight = 0x663300, kPirateBottom = 0x333300;
constexpr uint32_t kDullGold = 0x996600, kPirateRed = 0x990000, kSailGrime = 0x999966, kSailPatch = 0x999999;
constexpr SailTones kDirtySail = {style::kSailShade, kSailGrime, kSailGrime};

struct ShipLook {
    double dLineScale = 1.0;  // outlines and rigging grow by this against the picture's scale
    bool bHull = true;        // false: masts, sails and rigging only
    bool bRigging = true;     // false: no stays or shrouds (a silhouette of the solid parts)
    bool bDismasted = false;  // the brig's masts shot away low down, sails and stays and all
    bool bBowJack = false;    // the brig flies a jack at her bow (her colours once her masts are gone)
    double dHaze = 0;         // 0..1: how far the air between softens the ship towards the sky
    double dStaffRise = 0;    // the galleon's ensign staff (its mizzen) carried this much higher
};

constexpr double kBrigWaterline = 318;
constexpr double kBrigMastheadX = 322, kBrigMastheadY = 2;
constexpr double kGalleonWaterline = 352;
constexpr double kGalleonStaffX = 66, kGalleonStaffY = 100;
// The white water along each ship's waterline runs from x0 to x1.
constexpr double kBrigFoamX0 = 96, kBrigFoamX1 = 462;
constexpr double kGalleonFoamX0 = 188, kGalleonFoamX1 = 344;

// Close up the brig lies beyond the galleon that passes before her: the air
// between softens her this much towards the sky (ShipLook::dHaze).
constexpr double kBrigHaze = 0.2;
// Softens what the current group holds towards the pale sky at the horizon by dHaze (0..1),
// leaving its empty pixels empty.
void PaintHaze(cairo_t* cr, double dHaze);

// Both draw the whole ship, keel included, under the current transform of
// cr; a pose that floats clips it at the water itself.
void DrawBrig(cairo_t* cr, const ShipLook& look);
void DrawGalleon(cairo_t* cr, const ShipLook& look);

// White water at a ship's waterline (x0..x1 at y, in the current transform),
// and a bow wave leaning forward from xBow (nDir: +1 the bow faces right).
void DrawWaterlineFoam(cairo_t* cr, double x0, double x1, double y, double dScale);
void DrawBowWave(cairo_t* cr, double xBow, double y, int nDir, double dScale);

}  // namespace sea
