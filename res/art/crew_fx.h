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

}  // namespace crew
