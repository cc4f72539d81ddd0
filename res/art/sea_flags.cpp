// The Union Jack and the Jolly Roger, each waving in two frames (the ripple
// moves half a wave between them), with the bit of pole or halyard that
// joins them to the masthead, staff or mast they are drawn against.
#include <cmath>

#include "sea_art.h"
#include "sea_draw.h"
#include "strip_frames.h"
#include "style.h"

namespace sea {

namespace {

void Fill(cairo_t* cr, uint32_t rgb) {
    style::SetColour(cr, rgb);
    cairo_fill(cr);
}

void Band(cairo_t* cr, double x0, double y0, double x1, double y1, double dWidth, uint32_t rgb) {
    style::SetColour(cr, rgb);
    cairo_set_line_width(cr, dWidth);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
}


void Bone(cairo_t* cr, double x0, double y0, double x1, double y1, double r, uint32_t rgb) {
    Band(cr, x0, y0, x1, y1, r * 1.1, rgb);
    double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    double nx = -dy / len * r * 0.55, ny = dx / len * r * 0.55;
    for (Pt end : {Pt{x0, y0}, Pt{x1, y1}}) {
        for (double s : {-1.0, 1.0}) {
            cairo_arc(cr, end.x + s * nx, end.y + s * ny, r * 0.62, 0, 2 * geo::kPi);
            Fill(cr, rgb);
        }
    }
}

void JollyRogerDesign(cairo_t* cr, double w, double h, bool bShade) {
    const uint32_t rgbCloth = bShade ? style::kFlagBlack : style::kIron;
    const uint32_t rgbBone = bShade ? style::kCloudShade : style::kFlagWhite;
    cairo_rectangle(cr, 0, 0, w, h);
    Fill(cr, rgbCloth);
    const double cx = w * 0.5, cy = h * 0.4, r = h * 0.2;
    const double br = std::max(1.2, h * 0.06);
    Bone(cr, cx - r * 2.0, cy + r * 2.0, cx + r * 2.0, cy + r * 0.6, br, rgbBone);
    Bone(cr, cx - r * 2.0, cy + r * 0.6, cx + r * 2.0, cy + r * 2.0, br, rgbBone);
    // Skull: dome and jaw, dark eyes and nose.
    cairo_arc(cr, cx, cy, r, 0, 2 * geo::kPi);
    Fill(cr, rgbBone);
    cairo_rectangle(cr, cx - r * 0.6, cy + r * 0.3, r * 1.2, r * 0.95);
    Fill(cr, rgbBone);
    for (double s : {-1.0, 1.0}) {
        cairo_arc(cr, cx + s * r * 0.42, cy + r * 0.05, r * 0.3, 0, 2 * geo::kPi);
        Fill(cr, rgbCloth);
    }
    cairo_move_to(cr, cx, cy + r * 0.35);
    cairo_line_to(cr, cx - r * 0.16, cy + r * 0.62);
    cairo_line_to(cr, cx + r * 0.16, cy + r * 0.62);
    cairo_close_path(cr);
    Fill(cr, rgbCloth);
    if (h >= 30) {
        for (double s : {-0.3, 0.0, 0.3})
            Band(cr, cx + s * r, cy + r * 0.9, cx + s * r, cy + r * 1.25, 1.0, rgbCloth);
    }
}

// A length of pole with a round truck on top (its top at y0; the frame's
// top-left pixel stays clear, as the key is read there).
void Pole(cairo_t* cr, double x, double y0, double y1, double w, double dOutline) {
    Spar(cr, {x, y0 + w}, {x, y1}, w, w, style::kWood, style::kWoodLight, dOutline);
    cairo_arc(cr, x, y0 + w * 0.75, w * 0.75, 0, 2 * geo::kPi);
    FillKeep(cr, style::kWoodLight);
    Outline(cr, dOutline);
}

// Two lines from the hoist's corners to the mast beside the sprite.
void Halyard(cairo_t* cr, double xHoist, double yTop, double yBottom, double xMast) {
    Line(cr, {xHoist, yTop}, {xMast, yTop - 4}, style::kRope, 2);
    Line(cr, {xHoist, yBottom}, {xMast, yBottom + 5}, style::kRope, 2);
    for (double y : {yTop, yBottom}) {
        cairo_arc(cr, xHoist + 1.5, y, 2.2, 0, 2 * geo::kPi);
        FillKeep(cr, style::kWoodLight);
        Outline(cr, 1.2);
    }
}

double Phase(int nFrame) { return nFrame == frames::kRippleB ? geo::kPi : 0.0; }

}  // namespace

void UnionJackDesign(cairo_t* cr, double w, double h, bool bShade) {
    const uint32_t rgbBlue = bShade ? style::kFlagBlueShade : style::kFlagBlue;
    const uint32_t rgbWhite = bShade ? style::kCloudShade : style::kFlagWhite;
    const uint32_t rgbRed = bShade ? style::kFlagRedShade : style::kFlagRed;
    cairo_rectangle(cr, 0, 0, w, h);
    Fill(cr, rgbBlue);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    Band(cr, 0, 0, w, h, h * 0.2, rgbWhite);
    Band(cr, w, 0, 0, h, h * 0.2, rgbWhite);
    // The red saltire sits off-centre in each arm (counterchanged).
    double dRed = std::max(1.0, h * 0.066), dOff = h * 0.035;
    Band(cr, -dOff, dOff, w / 2 - dOff, h / 2 + dOff, dRed, rgbRed);
    Band(cr, w / 2 + dOff, h / 2 - dOff, w + dOff, h - dOff, dRed, rgbRed);
    Band(cr, w + dOff, dOff, w / 2 + dOff, h / 2 + dOff, dRed, rgbRed);
    Band(cr, w / 2 - dOff, h / 2 - dOff, -dOff, h - dOff, dRed, rgbRed);
    Band(cr, w / 2, 0, w / 2, h, h * 0.34, rgbWhite);
    Band(cr, 0, h / 2, w, h / 2, h * 0.34, rgbWhite);
    Band(cr, w / 2, 0, w / 2, h, std::max(1.5, h * 0.2), rgbRed);
    Band(cr, 0, h / 2, w, h / 2, std::max(1.5, h * 0.2), rgbRed);
    cairo_restore(cr);
}

// Brig's ensign at the main masthead; the pole is the topmast's tip.
void PaintSmallUnionJack(cairo_t* cr, int nFrame, int, int nFrameHeight) {
    Pole(cr, 2, 2, nFrameHeight, 4, 1.5);
    WavingFlag(cr, {4.5, 5, 46, 23, +1, 3.5, 1.3, Phase(nFrame), 1.6}, UnionJackDesign);
}

// The same ensign on the distant brig, at half size.
void PaintTinyUnionJack(cairo_t* cr, int nFrame, int, int nFrameHeight) {
    Pole(cr, 1.25, 1.5, nFrameHeight, 2.5, 1.0);
    WavingFlag(cr, {2.5, 2.5, 23, 11.5, +1, 1.8, 1.1, Phase(nFrame), 1.0}, UnionJackDesign);
}

// The galleon's flag: its staff is at the right, the top of the mizzen
// below it, and the cloth streams astern. Staff and cloth are ringed like
// the galleon itself (a dark contour in a pale rim), so that where the flag
// flies before the brig's sails it reads as part of the nearer ship.
void PaintSmallJollyRoger(cairo_t* cr, int nFrame, int, int nFrameHeight) {
    auto flag = [&](cairo_t* c) {
        Pole(c, 60.5, 0, nFrameHeight, 5, 1.5);
        WavingFlag(c, {58, 5, 50, 33, -1, 4, 1.2, Phase(nFrame), 1.8}, JollyRogerDesign);
    };
    style::DrawContour(cr, style::kSkyLow, 3, flag);
    style::DrawContour(cr, style::kOutline, 1.5, flag);
    flag(cr);
}

// Over the decks the flags fly from halyards on masts just right of them.
void PaintLargeUnionJack(cairo_t* cr, int nFrame, int nWidth, int) {
    WavingFlag(cr, {90, 8, 80, 40, -1, 6, 1.3, Phase(nFrame), 2}, UnionJackDesign);
    Halyard(cr, 90, 9, 47, nWidth);
}

void PaintLargeJollyRoger(cairo_t* cr, int nFrame, int nWidth, int) {
    WavingFlag(cr, {90, 7, 80, 52, -1, 6, 1.2, Phase(nFrame), 2}, JollyRogerDesign);
    Halyard(cr, 90, 8, 58, nWidth);
}

}  // namespace sea
