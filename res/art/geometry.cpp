// The painters' shared geometry: curves through points and repeatable
// random numbers.

#include "geometry.h"

#include <algorithm>
#include <cmath>

namespace geo {

Pt Lerp(Pt a, Pt b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

double Length(Pt v) { return std::hypot(v.x, v.y); }

Pt Heading(double dDegrees) {
    const double d = Radians(dDegrees);
    return {std::cos(d), std::sin(d)};
}

Pt CatmullRom(Pt p0, Pt p1, Pt p2, Pt p3, double t) {
    double t2 = t * t, t3 = t2 * t;
    auto f = [&](double a, double b, double c, double d) {
        return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3);
    };
    return {f(p0.x, p1.x, p2.x, p3.x), f(p0.y, p1.y, p2.y, p3.y)};
}

void AddCurveThrough(cairo_t* cr, const Pt* pts, size_t nCount, bool bClosed) {
    const long n = long(nCount);
    auto at = [&](long i) -> Pt {
        if (bClosed) return pts[size_t((i % n + n) % n)];
        return pts[size_t(std::clamp(i, 0L, n - 1))];
    };
    cairo_move_to(cr, pts[0].x, pts[0].y);
    const long nSegs = bClosed ? n : n - 1;
    for (long i = 0; i < nSegs; ++i) {
        const Pt p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        const Pt c1 = p1 + (p2 - p0) * (1.0 / 6);
        const Pt c2 = p2 - (p3 - p1) * (1.0 / 6);
        cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, p2.x, p2.y);
    }
    if (bClosed) cairo_close_path(cr);
}

void PathEllipse(cairo_t* cr, double x, double y, double rx, double ry) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1.0, 0, 2 * kPi);
    cairo_restore(cr);
}

double Rng::Next() {
    nState = nState * 1664525u + 1013904223u;
    return (nState >> 8) / 16777216.0;
}

double Rng::Range(double a, double b) { return a + (b - a) * Next(); }

double Hash01(int n) {
    uint32_t x = static_cast<uint32_t>(n) * 0x9E3779B1u + 0x7F4A7C15u;
    x ^= x >> 15;
    x *= 0x85EBCA77u;
    x ^= x >> 13;
    x *= 0xC2B2AE3Du;
    x ^= x >> 16;
    return (x & 0xFFFFFF) / 16777216.0;
}

}  // namespace geo
