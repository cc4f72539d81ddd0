// Drawing helpers for the sea painter: point lists as smooth or straight
// paths, flat fills with the house outline, tapered spars, billowing sails,
// rigging lines and the waving-flag warp shared by every flag.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

#include "geometry.h"

namespace sea {

using geo::Pt;
using geo::Pts;
using geo::Lerp;

// Current path: straight segments through the points.
void PathPoly(cairo_t* cr, const Pts& pts, bool bClosed = true);
// Current path: a smooth curve through the points (Catmull-Rom as Beziers).
void PathSmooth(cairo_t* cr, const Pts& pts, bool bClosed = true);

// Flat fill of the current path, keeping the path.
void FillKeep(cairo_t* cr, uint32_t rgb);
// Outline of the current path in the house outline tone, consuming it.
void Outline(cairo_t* cr, double dWidth);
// Fill and outline in one (dWidth 0: no outline).
void Shape(cairo_t* cr, const Pts& pts, uint32_t rgb, double dWidth, bool bSmooth = false);
void Line(cairo_t* cr, Pt a, Pt b, uint32_t rgb, double dWidth);

// A round spar (mast, yard, boom) from a to b, wide wa at a and wb at b,
// lit along the side that faces up-left.
void Spar(cairo_t* cr, Pt a, Pt b, double wa, double wb, uint32_t rgbBase, uint32_t rgbLight,
          double dOutline);

// A square sail hanging from a yard: top corners tl, tr, bottom corners bl,
// br; dBelly bows the foot and the leeches outwards.
struct SailTones {
    uint32_t rgbBase, rgbShade, rgbSeam;
};
struct SailPatch {
    double u, v, w, h;  // in sail units 0..1 from the top-left
    uint32_t rgb;
};
void SquareSail(cairo_t* cr, Pt tl, Pt tr, Pt br, Pt bl, double dBelly, const SailTones& tones,
                double dOutline, int nSeams, const std::vector<SailPatch>& patches = {});
// A three-cornered sail (jib, lateen, staysail); the edge a-b bellies outwards.
void TriSail(cairo_t* cr, Pt a, Pt b, Pt c, double dBelly, const SailTones& tones, double dOutline);

// Point on the bilinear patch of four corners at (u, v).
Pt Bilinear(Pt tl, Pt tr, Pt br, Pt bl, double u, double v);

// Horizontal bands between colour stops (exact table tones, ascending y):
// between two stops of different tones the rows mix them through an ordered
// 4x4 pattern, so the picture keeps to flat tones with stippled transitions.
struct Stop {
    double y;
    uint32_t rgb;
};
void DitherBands(cairo_t* cr, int x, int y, int w, int h, const std::vector<Stop>& stops);

// A flag's cloth painted flat into a w x h box at the origin; bShade asks
// for the tones of a fold turned away from the light.
using FlagDesignFn = void (*)(cairo_t* cr, double w, double h, bool bShade);

struct FlagCloth {
    double xHoist;   // x of the hoist edge (where the cloth meets the pole)
    double yTop;     // top of the hoist edge
    double w, h;     // cloth size when flat
    int nDir;        // +1: the cloth streams to the right of the hoist, -1 to the left
    double dAmp;     // ripple height at the fly
    double dWaves;   // ripples along the cloth
    double dPhase;   // ripple phase (frames alternate by half a wave)
    double dOutline;
};
// Paints the design warped into a ripple, folds turned from the light in the
// shade tones, and outlines the cloth.
void WavingFlag(cairo_t* cr, const FlagCloth& cloth, FlagDesignFn pfnDesign);

// The Union Jack's design (sea_flags.cpp), for the flags and for the jack
// the brig flies at its bow.
void UnionJackDesign(cairo_t* cr, double w, double h, bool bShade);

}  // namespace sea
