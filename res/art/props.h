// Props that several pictures show: the plank and the barrels. The pirates
// carry the plank and a barrel lying on its side, inked like the figures
// (crew_ink.h); the galleon's deck stands barrels upright, in the sea
// painter's flat style (sea_draw.h).
#pragma once

#include <cairo.h>

#include "geometry.h"

namespace props {

using geo::Pt;

// The wooden plank, lying along +x from `from` (also carried by the pirates).
void DrawPlank(cairo_t* cr, Pt from, double dLength, double dWidth, double dEdge);
// A barrel lying on its side, centred at c.
void DrawLyingBarrel(cairo_t* cr, Pt c, double dLength, double dHeight);
// A barrel standing on deck, its foot centred at (cx, yFoot); the navy's
// own have blue hoops and a white band.
void DrawStandingBarrel(cairo_t* cr, double cx, double yFoot, double w, double h, bool bNavy = false);

}  // namespace props
