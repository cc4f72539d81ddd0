// The shared props, each painted in the style of the pictures that show it.

#include "props.h"

#include <algorithm>
#include <cmath>

#include "crew_ink.h"
#include "sea_draw.h"
#include "style.h"

namespace props {

using crew::AddBlob;
using crew::AddCircle;
using crew::AddEllipse;
using crew::AddPolygon;
using crew::DrawPatterned;
using crew::DrawShaded;
using crew::FillFlat;
using crew::Tones;

void DrawPlank(cairo_t* cr, Pt from, double dLength, double dWidth, double dEdge) {
    const Tones top = {style::kWood, style::kWoodLight, style::kWoodPale};
    const Tones edge = {style::kWoodDark, style::kWood, style::kWoodLight};
    const double x0 = from.x, y0 = from.y, x1 = from.x + dLength;
    const Pt face[] = {{x0 + 2.0, y0}, {x1, y0}, {x1 - 2.0, y0 + dWidth}, {x0, y0 + dWidth}};
    const Pt side[] = {{x0, y0 + dWidth}, {x1 - 2.0, y0 + dWidth}, {x1 - 2.0, y0 + dWidth + dEdge},
                        {x0, y0 + dWidth + dEdge}};
    const Pt end[] = {{x1 - 2.0, y0 + dWidth}, {x1, y0}, {x1, y0 + dEdge}, {x1 - 2.0, y0 + dWidth + dEdge}};
    DrawShaded(cr, [&](cairo_t* c) { AddPolygon(c, side, 4); AddPolygon(c, end, 4); }, edge, 2.0, 1.5, 1.0);
    DrawPatterned(cr, [&](cairo_t* c) { AddPolygon(c, face, 4); }, [&](cairo_t* c, int nLevel) {
        style::SetColour(c, nLevel == 0 ? top.shade : nLevel == 1 ? top.base : top.light);
        cairo_paint(c);
        // Grain: long wavy lines and a knot.
        cairo_new_path(c);
        for (int i = 0; i < 3; ++i) {
            const double y = y0 + dWidth * (0.28 + 0.24 * i);
            cairo_move_to(c, x0 + 6.0 + 9.0 * i, y);
            for (double x = x0 + 6.0 + 9.0 * i; x < x1 - 10.0; x += 12.0)
                cairo_curve_to(c, x + 4.0, y - 0.8, x + 8.0, y + 0.8, x + 12.0, y);
        }
        cairo_set_line_width(c, 1.0);
        style::SetColour(c, top.shade);
        cairo_stroke(c);
        AddEllipse(c, {x0 + dLength * 0.62, y0 + dWidth * 0.5}, 3.5, std::min(1.6, dWidth * 0.2), 0.0);
        style::SetColour(c, style::kWoodDark);
        cairo_fill(c);
    }, 2.0, 1.5, 1.0);
    for (double x : {x0 + 5.0, x1 - 6.0}) {
        FillFlat(cr, [&](cairo_t* c) {
            AddCircle(c, {x, y0 + dWidth * 0.3}, 0.9);
            AddCircle(c, {x - 0.5, y0 + dWidth * 0.72}, 0.9);
        }, style::kIron);
    }
}

void DrawLyingBarrel(cairo_t* cr, Pt c, double dLength, double dHeight) {
    const double l = dLength / 2.0, h = dHeight / 2.0;
    // Bellied staves between narrower ends.
    const Pt body[] = {{c.x - l, c.y - h * 0.64},        {c.x - l * 0.6, c.y - h * 0.94}, {c.x, c.y - h},
                        {c.x + l * 0.6, c.y - h * 0.94},  {c.x + l, c.y - h * 0.64},       {c.x + l, c.y + h * 0.64},
                        {c.x + l * 0.6, c.y + h * 0.94},  {c.x, c.y + h},                  {c.x - l * 0.6, c.y + h * 0.94},
                        {c.x - l, c.y + h * 0.64}};
    auto path = [&](cairo_t* cc) { AddBlob(cc, body, 10); };
    const Tones wood = {style::kWoodDark, style::kWood, style::kWoodLight};
    // The navy's stores: blue-painted hoops and a white band, like the
    // barrels stacked on the navy deck, so plunder shows whose it was.
    const Tones hoop = {style::kNavyJacketShade, style::kNavyJacket, style::kNavyJacketLight};
    const Tones band = {style::kWhiteClothShade, style::kTrousers, style::kTrousers};
    DrawPatterned(cr, path, [&](cairo_t* cc, int nLevel) {
        style::SetColour(cc, nLevel == 0 ? wood.shade : nLevel == 1 ? wood.base : wood.light);
        cairo_paint(cc);
        cairo_new_path(cc);
        // Staves run along the barrel, bowed with its belly; hoops round it.
        for (int i = -3; i <= 3; ++i) {
            const double f = i / 3.5;
            cairo_move_to(cc, c.x - l, c.y + f * h * 0.62);
            cairo_curve_to(cc, c.x - l * 0.35, c.y + f * h * 1.02, c.x + l * 0.35, c.y + f * h * 1.02, c.x + l,
                           c.y + f * h * 0.62);
        }
        cairo_set_line_width(cc, 1.0);
        style::SetColour(cc, wood.shade);
        cairo_stroke(cc);
        for (double f : {-0.8, -0.5, 0.5, 0.8}) {
            const double hh = h * (1.0 - 0.36 * std::fabs(f) * std::fabs(f)) + 1.0;
            const Pt b[] = {{c.x + l * f - 2.0, c.y - hh}, {c.x + l * f + 2.0, c.y - hh},
                             {c.x + l * f + 2.0, c.y + hh}, {c.x + l * f - 2.0, c.y + hh}};
            AddPolygon(cc, b, 4);
        }
        style::SetColour(cc, nLevel == 0 ? hoop.shade : nLevel == 1 ? hoop.base : hoop.light);
        cairo_fill(cc);
        const Pt b[] = {{c.x - 5.0, c.y - h - 1.0}, {c.x + 5.0, c.y - h - 1.0}, {c.x + 5.0, c.y + h + 1.0},
                         {c.x - 5.0, c.y + h + 1.0}};
        AddPolygon(cc, b, 4);
        style::SetColour(cc, nLevel == 0 ? band.shade : nLevel == 1 ? band.base : band.light);
        cairo_fill(cc);
    });
    // The near end turned a little towards us: the round head, its rim and
    // the boards across it.
    const Pt end = {c.x - l + 1.5, c.y};
    DrawPatterned(cr, [&](cairo_t* cc) { AddEllipse(cc, end, h * 0.3, h * 0.66, 0.0); },
                  [&](cairo_t* cc, int nLevel) {
                      style::SetColour(cc, nLevel == 0 ? wood.shade : wood.light);
                      cairo_paint(cc);
                      cairo_new_path(cc);
                      for (double f : {-0.3, 0.3}) {
                          cairo_move_to(cc, end.x - h * 0.3, end.y + f * h);
                          cairo_line_to(cc, end.x + h * 0.3, end.y + f * h);
                      }
                      cairo_set_line_width(cc, 1.0);
                      style::SetColour(cc, wood.base);
                      cairo_stroke(cc);
                  },
                  1.6, 1.5, 1.0);
}

void DrawStandingBarrel(cairo_t* cr, double cx, double yFoot, double w, double h, bool bNavy) {
    geo::Pts body = {{cx - w * 0.42, yFoot}, {cx - w * 0.5, yFoot - h * 0.5}, {cx - w * 0.42, yFoot - h},
                     {cx + w * 0.42, yFoot - h}, {cx + w * 0.5, yFoot - h * 0.5}, {cx + w * 0.42, yFoot}};
    sea::Shape(cr, body, style::kWood, 2, true);
    if (bNavy)
        sea::Line(cr, {cx - w * 0.5, yFoot - h * 0.5}, {cx + w * 0.5, yFoot - h * 0.5}, style::kTrousers, 7);
    for (double t : {0.2, 0.8}) {
        sea::Line(cr, {cx - w * 0.47, yFoot - h * t}, {cx + w * 0.47, yFoot - h * t},
                  bNavy ? style::kNavyJacket : style::kIron, 2.5);
    }
    cairo_save(cr);
    cairo_scale(cr, 1, 0.35);
    cairo_arc(cr, cx, (yFoot - h) / 0.35, w * 0.42, 0, 2 * geo::kPi);
    cairo_restore(cr);
    sea::FillKeep(cr, style::kWoodLight);
    sea::Outline(cr, 1.5);
}

}  // namespace props
