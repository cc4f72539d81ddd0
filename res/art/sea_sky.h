// Sky and sea shared by the backdrops: cumulus clouds and rows of swells.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "sea_draw.h"
#include "style.h"

namespace sea {

// The tones of one row of swells.
struct SwellTones {
    uint32_t rgbTrough, rgbCrest, rgbFoam;
};
constexpr SwellTones kFarSwell = {style::kSea, style::kSeaLight, style::kFoam};
constexpr SwellTones kNearSwell = {style::kSeaDeep, style::kSeaLight, style::kFoam};

// A cumulus: overlapping puffs under a domed outline on a flat base; lit
// from the upper left, shadowed underneath, with a soft rim.
void Cloud(cairo_t* cr, double cx, double yBase, double w, double h, uint32_t nSeed);

// Rows of swells between y0 and y1, small and close together near the
// horizon, larger and further apart near; each swell a lit crest over its
// shadow, the nearer ones capped with foam on their sunlit left. Rows
// above ySplit take the far tones, the others the near ones.
void Waves(cairo_t* cr, double x0, double x1, double y0, double y1, uint32_t nSeed, double ySplit,
           const SwellTones& far, const SwellTones& near);

}  // namespace sea
