// Rows of cartoon wave crests: rounded humps with foam on top, used where
// water must be drawn in front of something.
#pragma once

#include <cairo.h>

namespace kraken {

struct WaveRow {
    double dLeft, dRight;  // extent of the row
    double dCrestY;        // top of the humps
    double dHeight;        // hump height, crest to trough
    double dLength;        // hump width
    double dPhase;         // shift of the humps, in hump widths
    double dTaper = 0;     // over this width at each end the crest sinks away
    bool bFoamCaps = true; // white caps on the humps (false: a calm crest)
};

// Appends the row's crest line, left to right, to the current path (a
// line to its first point, so it can continue a path already begun).
void AddCrestLine(cairo_t* cr, const WaveRow& row);

// The water body's outline: the crest line, then down to dBottom.
void WaterBodyPath(cairo_t* cr, const WaveRow& row, double dBottom);

// What marks the water's top: a lighter band under the crest, foam caps and
// the dark outline along the crest. The body itself is the caller's.
void PaintCrest(cairo_t* cr, const WaveRow& row, double dBottom);

// A row of waves over a flat body of water.
void PaintWaveRow(cairo_t* cr, const WaveRow& row, double dBottom, unsigned rgbWater);

}  // namespace kraken
