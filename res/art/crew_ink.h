// Inking helpers shared by the crew's figures, props and effects: a shape is
// any union of closed subpaths; it gets a dark outline and up to three flat
// tones, shaded by offset clipping in device space so that the light always
// falls from the upper left, even on mirrored or rotated figures.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>

#include "geometry.h"
#include "style.h"

namespace crew {

using geo::Pt;

// Base tone with its shadow (lower right rim) and highlight (upper left rim).
struct Tones {
    uint32_t shade, base, light;
};

// Thrown-up sea water and the foam where it falls back (splashes, boils).
constexpr Tones kWater = {style::kSeaLight, style::kSpray, style::kFoam};
constexpr Tones kFoamTones = {style::kSpray, style::kFoam, style::kFoam};

// Builds the shape's path in the current user space.
using PathFn = std::function<void(cairo_t*)>;
// Paints one tone level of a patterned surface: 0 shade, 1 base, 2 light.
using LevelFn = std::function<void(cairo_t*, int nLevel)>;

// Outline, then shade / light / base regions. dShade and dLight are the rim
// widths in device pixels; dOutline the outline width outside the shape.
void DrawShaded(cairo_t* cr, const PathFn& path, const Tones& tones, double dOutline = 2.0,
                double dShade = 3.0, double dLight = 2.0);
void DrawPatterned(cairo_t* cr, const PathFn& path, const LevelFn& paint, double dOutline = 2.0,
                   double dShade = 3.0, double dLight = 2.0);

// Fills with one flat tone and no outline (details painted inside a shape).
void FillFlat(cairo_t* cr, const PathFn& path, uint32_t rgb);
// A stroke whose width is given in device pixels.
void StrokeLine(cairo_t* cr, const PathFn& path, uint32_t rgb, double dWidth);

// Closed subpaths for the path builders (all wound the same way, so that a
// nonzero fill of several of them is their union).
void AddCircle(cairo_t* cr, Pt c, double r);
void AddEllipse(cairo_t* cr, Pt c, double rx, double ry, double dDegrees = 0.0);
// A round-ended bar from a to b, radius ra at a and rb at b.
void AddCapsule(cairo_t* cr, Pt a, Pt b, double ra, double rb);
// A closed polygon through the points, corners rounded by a smooth curve.
void AddBlob(cairo_t* cr, const Pt* pts, int nCount);
void AddPolygon(cairo_t* cr, const Pt* pts, int nCount);

}  // namespace crew
