// Wave rows: the crest line of rounded humps, the water body below it and
// the foam on top.

#include "kraken_waves.h"

#include <algorithm>
#include <cmath>

#include "geometry.h"
#include "style.h"

namespace kraken {

namespace {


// Hump profile over one wave length, 0 at the troughs and 1 at the crest:
// a rounded top with sharp troughs between the humps.
double Hump(double u) { return std::pow(std::sin(geo::kPi * u), 0.6); }

double CrestY(const WaveRow& row, double x) {
    double u = (x - row.dLeft) / row.dLength + row.dPhase;
    u -= std::floor(u);
    double y = row.dCrestY + row.dHeight * (1.0 - Hump(u));
    if (row.dTaper > 0) {
        double e = std::min(x - row.dLeft, row.dRight - x) / row.dTaper;
        if (e < 1.0) y += row.dHeight * 3.0 * (1.0 - e) * (1.0 - e);
    }
    return y;
}

}  // namespace

void AddCrestLine(cairo_t* cr, const WaveRow& row) {
    for (double x = row.dLeft; x <= row.dRight + 0.01; x += 1.0) cairo_line_to(cr, x, CrestY(row, x));
}

void WaterBodyPath(cairo_t* cr, const WaveRow& row, double dBottom) {
    cairo_new_path(cr);
    cairo_move_to(cr, row.dLeft, dBottom);
    AddCrestLine(cr, row);
    cairo_line_to(cr, row.dRight, dBottom);
    cairo_close_path(cr);
}

void PaintCrest(cairo_t* cr, const WaveRow& row, double dBottom) {
    cairo_save(cr);
    WaterBodyPath(cr, row, dBottom);
    cairo_clip(cr);

    // A lighter band follows the crest a few pixels down.
    WaveRow band = row;
    band.dCrestY += row.dHeight * 0.45 + 2;
    cairo_new_path(cr);
    AddCrestLine(cr, row);
    for (double x = band.dRight; x >= band.dLeft - 0.01; x -= 1.0) cairo_line_to(cr, x, CrestY(band, x));
    cairo_close_path(cr);
    style::SetColour(cr, style::kSeaLight);
    cairo_fill(cr);

    // Foam caps on each hump, leaning back against the wind.
    double dFirst = row.dLeft - (row.dPhase - std::floor(row.dPhase)) * row.dLength;
    for (double x0 = dFirst; row.bFoamCaps && x0 < row.dRight; x0 += row.dLength) {
        double cx = x0 + row.dLength * 0.5;
        geo::PathEllipse(cr, cx - row.dLength * 0.06, CrestY(row, cx) + row.dHeight * 0.15, row.dLength * 0.26,
                         row.dHeight * 0.32 + 1);
        style::SetColour(cr, style::kFoam);
        cairo_fill(cr);
    }
    cairo_restore(cr);

    cairo_new_path(cr);
    AddCrestLine(cr, row);
    style::SetColour(cr, style::kOutline);
    cairo_set_line_width(cr, style::kOutlineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void PaintWaveRow(cairo_t* cr, const WaveRow& row, double dBottom, unsigned rgbWater) {
    WaterBodyPath(cr, row, dBottom);
    style::SetColour(cr, rgbWater);
    cairo_fill(cr);
    PaintCrest(cr, row, dBottom);
}

}  // namespace kraken
