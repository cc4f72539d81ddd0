// Inking helpers of the crew's pictures: outlines and offset-clip shading.

#include "crew_ink.h"

#include <cmath>
#include <vector>

#include "style.h"

namespace crew {

namespace {

constexpr double kPi = 3.14159265358979323846;

double Radians(double dDegrees) { return dDegrees * kPi / 180.0; }

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
double SignedArea(const Vec* pts, int nCount) {
    double dArea = 0.0;
    for (int i = 0; i < nCount; ++i) {
        const Vec& a = pts[i];
        const Vec& b = pts[(i + 1) % nCount];
        dArea += a.x * b.y - b.x * a.y;
    }
    return dArea;
}

// Clockwise copy of the points, so every subpath winds the same way.
std::vector<Vec> Clockwise(const Vec* pts, int nCount) {
    std::vector<Vec> v(pts, pts + nCount);
    if (SignedArea(pts, nCount) < 0.0) std::vector<Vec>(v.rbegin(), v.rend()).swap(v);
    return v;
}

}  // namespace

Vec Heading(double dDegrees) {
    const double d = Radians(dDegrees);
    return {std::cos(d), std::sin(d)};
}

double Length(Vec v) { return std::hypot(v.x, v.y); }

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

void AddCircle(cairo_t* cr, Vec c, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.x, c.y, r, 0.0, 2.0 * kPi);
    cairo_close_path(cr);
}

void AddEllipse(cairo_t* cr, Vec c, double rx, double ry, double dDegrees) {
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_rotate(cr, Radians(dDegrees));
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, 2.0 * kPi);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void AddCapsule(cairo_t* cr, Vec a, Vec b, double ra, double rb) {
    const Vec d = b - a;
    if (Length(d) < 1e-6) {
        AddCircle(cr, a, std::fmax(ra, rb));
        return;
    }
    const double t = std::atan2(d.y, d.x);
    const double q = kPi / 2.0;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, a.x + ra * std::cos(t - q), a.y + ra * std::sin(t - q));
    cairo_line_to(cr, b.x + rb * std::cos(t - q), b.y + rb * std::sin(t - q));
    cairo_arc(cr, b.x, b.y, rb, t - q, t + q);
    cairo_line_to(cr, a.x + ra * std::cos(t + q), a.y + ra * std::sin(t + q));
    cairo_arc(cr, a.x, a.y, ra, t + q, t + 3.0 * q);
    cairo_close_path(cr);
}

void AddPolygon(cairo_t* cr, const Vec* pts, int nCount) {
    const std::vector<Vec> v = Clockwise(pts, nCount);
    cairo_new_sub_path(cr);
    for (const Vec& p : v) cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
}

void AddBlob(cairo_t* cr, const Vec* pts, int nCount) {
    const std::vector<Vec> v = Clockwise(pts, nCount);
    const int n = nCount;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, v[0].x, v[0].y);
    // Catmull-Rom through every point, as cubic Beziers.
    for (int i = 0; i < n; ++i) {
        const Vec& p0 = v[(i + n - 1) % n];
        const Vec& p1 = v[i];
        const Vec& p2 = v[(i + 1) % n];
        const Vec& p3 = v[(i + 2) % n];
        const Vec c1 = p1 + (p2 - p0) * (1.0 / 6.0);
        const Vec c2 = p2 - (p3 - p1) * (1.0 / 6.0);
        cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, p2.x, p2.y);
    }
    cairo_close_path(cr);
}

double Hash01(int n) {
    uint32_t x = static_cast<uint32_t>(n) * 0x9E3779B1u + 0x7F4A7C15u;
    x ^= x >> 15;
    x *= 0x85EBCA77u;
    x ^= x >> 13;
    x *= 0xC2B2AE3Du;
    x ^= x >> 16;
    return (x & 0xFFFFFF) / 16777216.0;
}

}  // namespace crew
