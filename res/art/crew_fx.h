// Cannon fire, smoke, splashes and the crews' props: paint functions of the
// effect strips (frame order as the scenes use it, see FRAMES.md).
#pragma once

#include <cairo.h>

#include "geometry.h"

namespace crew {

void PaintCannonFire(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintBlast(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintCannonball(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintSmokeCloud(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintShotHole(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintSplash(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintPlank(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);
void PaintSpatter(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight);

// A pirate of the crew strip caught by the kraken, for the tentacle that
// holds him: hung upside down by his near ankle (at `ankle`, frame pixels),
// facing the navy ship, kicking in one of two phases, ringed like every figure.
void PaintSeizedPirate(cairo_t* cr, geo::Pt ankle, double dScale, int nPhase);

}  // namespace crew
