// Inking helpers of the crew's pictures: outlines and offset-clip shading.

#include "crew_ink.h"

#include <cmath>
#include <vector>

#include "style.h"

namespace crew {

namespace {

// Line widths are meant in device pixels, whatever scale the figure uses.
void SetDeviceLineWidth(cairo_t* cr, double dWidth) {
    double dx = dWidth, dy = 0.0;
    cairo_device_to_user_distance(cr, &dx, &dy);
    cairo_set_line_width(cr, std::hypot(dx, dy));
}

// Builds the path shifted by (dx, dy) device pixels.
void BuildShifted(cairo_t* cr, const PathFn& path, double dx, double dy) {
    cairo_device_to_user_distance(cr, &dx, &dy);
    cairo_save(cr);
    cairo_translate(cr, dx, dy);
    path(cr);
    cairo_restore(cr);
}

// Signed area in user space; positive means clockwise on screen (y down).
double SignedArea(const Pt* pts, int nCount) {
    double dArea = 0.0;
    for (int i = 0; i < nCount; ++i) {
        const Pt& a = pts[i];
        const Pt& b = pts[(i + 1) % nCount];
        dArea += a.x * b.y - b.x * a.y;
    }
    return dArea;
}

// Clockwise copy of the points, so every subpath winds the same way.
std::vector<Pt> Clockwise(const Pt* pts, int nCount) {
    std::vector<Pt> v(pts, pts + nCount);
    if (SignedArea(pts, nCount) < 0.0) std::vector<Pt>(v.rbegin(), v.rend()).swap(v);
    return v;
}

}  // namespace

void DrawPatterned(cairo_t* cr, const PathFn& path, const LevelFn& paint, double dOutline,
                   double dShade, double dLight) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    if (dOutline > 0.0) {
        // Twice the width, half of it covered by the fill: no seams inside unions.
        path(cr);
        SetDeviceLineWidth(cr, 2.0 * dOutline);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        style::SetColour(cr, style::kOutline);
        cairo_stroke(cr);
    }
    path(cr);
    cairo_clip(cr);
    paint(cr, 0);
    BuildShifted(cr, path, -dShade, -dShade);
    cairo_clip(cr);
    paint(cr, 2);
    BuildShifted(cr, path, dLight, dLight);
    cairo_clip(cr);
    paint(cr, 1);
    cairo_restore(cr);
}

void DrawShaded(cairo_t* cr, const PathFn& path, const Tones& tones, double dOutline, double dShade,
                double dLight) {
    DrawPatterned(
        cr, path,
        [&tones](cairo_t* c, int nLevel) {
            style::SetColour(c, nLevel == 0 ? tones.shade : nLevel == 1 ? tones.base : tones.light);
            cairo_paint(c);
        },
        dOutline, dShade, dLight);
}

void FillFlat(cairo_t* cr, const PathFn& path, uint32_t rgb) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    path(cr);
    style::SetColour(cr, rgb);
    cairo_fill(cr);
    cairo_restore(cr);
}

void StrokeLine(cairo_t* cr, const PathFn& path, uint32_t rgb, double dWidth) {
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    SetDeviceLineWidth(cr, dWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    style::SetColour(cr, rgb);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void AddCircle(cairo_t* cr, Pt c, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.x, c.y, r, 0.0, 2.0 * geo::kPi);
    cairo_close_path(cr);
}

void AddEllipse(cairo_t* cr, Pt c, double rx, double ry, double dDegrees) {
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_rotate(cr, geo::Radians(dDegrees));
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, 2.0 * geo::kPi);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void AddCapsule(cairo_t* cr, Pt a, Pt b, double ra, double rb) {
    const Pt d = b - a;
    if (geo::Length(d) < 1e-6) {
        AddCircle(cr, a, std::fmax(ra, rb));
        return;
    }
    const double t = std::atan2(d.y, d.x);
    const double q = geo::kPi / 2.0;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, a.x + ra * std::cos(t - q), a.y + ra * std::sin(t - q));
    cairo_line_to(cr, b.x + rb * std::cos(t - q), b.y + rb * std::sin(t - q));
    cairo_arc(cr, b.x, b.y, rb, t - q, t + q);
    cairo_line_to(cr, a.x + ra * std::cos(t + q), a.y + ra * std::sin(t + q));
    cairo_arc(cr, a.x, a.y, ra, t + q, t + 3.0 * q);
    cairo_close_path(cr);
}

void AddPolygon(cairo_t* cr, const Pt* pts, int nCount) {
    const std::vector<Pt> v = Clockwise(pts, nCount);
    cairo_new_sub_path(cr);
    for (const Pt& p : v) cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
}

void AddBlob(cairo_t* cr, const Pt* pts, int nCount) {
    const std::vector<Pt> v = Clockwise(pts, nCount);
    cairo_new_sub_path(cr);
    geo::AddCurveThrough(cr, v.data(), v.size(), true);
}

}  // namespace crew
