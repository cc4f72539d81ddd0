// The open sea under a cloudy sky (backdrop 0).

#include "sea_art.h"
#include "sea_scenery.h"
#include "sea_sky.h"

namespace sea {

namespace {

void OpenSeaSky(cairo_t* cr, int w) {
    DitherBands(cr, 0, 0, w, int(kSeaHorizonY),
                {{0, style::kSkyZenith}, {30, style::kSkyZenith}, {110, style::kSkyHigh}, {170, style::kSkyHigh},
                 {270, style::kSkyMid}, {330, style::kSkyMid}, {410, style::kSkyLow}});
    Cloud(cr, 150, 130, 230, 90, 11);
    Cloud(cr, 470, 78, 170, 60, 23);
    Cloud(cr, 690, 170, 210, 80, 37);
    Cloud(cr, 330, 248, 120, 40, 41);
    Cloud(cr, 60, 330, 110, 34, 53);
    Cloud(cr, 540, 290, 90, 26, 61);
    Cloud(cr, 250, 392, 140, 22, 71);
    Cloud(cr, 700, 400, 120, 20, 83);
}

}  // namespace

void PaintOpenSea(cairo_t* cr, int, int nWidth, int nHeight) {
    OpenSeaSky(cr, nWidth);
    const int yH = int(kSeaHorizonY);
    DitherBands(cr, 0, yH, nWidth, nHeight - yH,
                {{kSeaHorizonY, style::kSeaLight}, {kSeaHorizonY + 3, style::kSeaLight},
                 {kSeaHorizonY + 14, style::kSeaMid}, {470, style::kSeaMid}, {520, style::kSea}, {560, style::kSea},
                 {600, style::kSeaDeep}});
    Waves(cr, 0, nWidth, kSeaHorizonY + 3, nHeight, 7, 510, kFarSwell, kNearSwell);
}

}  // namespace sea
