// The saver's icon (a ship's wheel over the sea) and the pointing-hand
// cursor of the dialogs' links.
#include <cmath>

#include "art.h"
#include "geometry.h"
#include "style.h"

void PaintSaverIcon(cairo_t* cr, int nSize) {
    const double s = nSize / 32.0, c = nSize / 2.0;
    const bool bLarge = nSize >= 32;
    if (!bLarge) cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);  // too small for soft edges
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);

    // A round badge of sky over sea, with one crest of foam.
    cairo_arc(cr, c, c, 15.0 * s, 0, 2 * geo::kPi);
    style::SetColour(cr, style::kSkyMid);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, c + 2 * s);
    cairo_curve_to(cr, c - 8 * s, c - 2 * s, c - 4 * s, c + 5 * s, c, c + 2 * s);
    cairo_curve_to(cr, c + 4 * s, c - 1 * s, c + 8 * s, c + 4 * s, nSize, c + 1 * s);
    cairo_line_to(cr, nSize, nSize);
    cairo_line_to(cr, 0, nSize);
    cairo_close_path(cr);
    style::SetColour(cr, style::kSea);
    cairo_fill_preserve(cr);
    style::SetColour(cr, style::kFoam);
    cairo_set_line_width(cr, 1.6 * s);
    cairo_stroke(cr);
    cairo_restore(cr);
    style::SetColour(cr, style::kOutline);
    cairo_set_line_width(cr, bLarge ? 1.4 * s : 1.0);
    cairo_stroke(cr);

    // The wheel: spokes through the rim, each ending in a turned handle.
    const int nSpokes = 8;
    for (int i = 0; i < nSpokes; ++i) {
        double a = i * 2 * geo::kPi / nSpokes;
        cairo_move_to(cr, c, c);
        cairo_line_to(cr, c + std::cos(a) * 12.5 * s, c + std::sin(a) * 12.5 * s);
    }
    style::SetColour(cr, style::kWoodDark);
    cairo_set_line_width(cr, bLarge ? 2.2 * s : 1.2);
    cairo_stroke(cr);
    if (bLarge) {
        for (int i = 0; i < nSpokes; ++i) {
            double a = i * 2 * geo::kPi / nSpokes;
            cairo_new_path(cr);
            cairo_arc(cr, c + std::cos(a) * 12.5 * s, c + std::sin(a) * 12.5 * s, 1.7 * s, 0, 2 * geo::kPi);
            style::FillAndOutline(cr, style::kWood, 1.0 * s);
        }
    }
    const double dRim = bLarge ? 8.0 * s : 5.0;  // small: a wider rim leaves room for the spokes
    cairo_new_path(cr);
    cairo_arc(cr, c, c, dRim, 0, 2 * geo::kPi);
    style::SetColour(cr, style::kOutline);
    cairo_set_line_width(cr, bLarge ? 4.4 * s : 2.6);
    cairo_stroke_preserve(cr);
    style::SetColour(cr, style::kWood);
    cairo_set_line_width(cr, bLarge ? 2.4 * s : 1.4);
    cairo_stroke(cr);
    if (bLarge) {  // light from the upper left
        cairo_arc(cr, c, c, dRim, geo::kPi * 1.0, geo::kPi * 1.5);
        style::SetColour(cr, style::kWoodLight);
        cairo_set_line_width(cr, 1.0 * s);
        cairo_stroke(cr);
    }
    cairo_arc(cr, c, c, 3.0 * s, 0, 2 * geo::kPi);
    style::FillAndOutline(cr, style::kGold, bLarge ? 1.2 * s : 0.8);
}

void PaintHandCursor(cairo_t* cr) {
    // Drawn crisp: the cursor is monochrome, so no pixel may be half-covered,
    // and its two tones are pure black and white.
    constexpr uint32_t kCursorInk = 0x000000, kCursorPaper = 0xFFFFFF;
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr, 1.0);
    auto finger = [&](double x0, double x1, double yTop, double yBottom) {
        double r = (x1 - x0) / 2;
        cairo_new_path(cr);
        cairo_arc(cr, x0 + r, yTop + r, r, geo::kPi, 2 * geo::kPi);
        cairo_line_to(cr, x1, yBottom);
        cairo_line_to(cr, x0, yBottom);
        cairo_close_path(cr);
    };
    auto whiteWithOutline = [&] {
        style::SetColour(cr, kCursorInk);
        cairo_set_line_width(cr, 2.0);
        cairo_stroke_preserve(cr);
        style::SetColour(cr, kCursorPaper);
        cairo_fill(cr);
    };
    // Palm and wrist.
    cairo_new_path(cr);
    cairo_move_to(cr, 7, 14);
    cairo_line_to(cr, 24, 14);
    cairo_line_to(cr, 25, 22);
    cairo_line_to(cr, 22, 28);
    cairo_line_to(cr, 22, 31);
    cairo_line_to(cr, 9, 31);
    cairo_line_to(cr, 9, 28);
    cairo_line_to(cr, 3, 21);
    cairo_line_to(cr, 7, 18);
    cairo_close_path(cr);
    whiteWithOutline();
    // The curled fingers, each outlined against the next.
    finger(19, 24, 11, 18);
    whiteWithOutline();
    finger(15, 20, 10, 18);
    whiteWithOutline();
    finger(11, 16, 9, 18);
    whiteWithOutline();
    // The pointing index finger, its tip at the hotspot.
    finger(7, 12, 1, 19);
    whiteWithOutline();
    // The thumb, folded across the palm.
    cairo_new_path(cr);
    cairo_move_to(cr, 3, 21);
    cairo_line_to(cr, 2, 17);
    cairo_curve_to(cr, 2, 14, 5, 14, 6, 16);
    cairo_line_to(cr, 9, 21);
    whiteWithOutline();
}
