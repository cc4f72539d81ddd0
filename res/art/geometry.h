// The painters' shared geometry: the point type, pi, smooth curves through
// points (Catmull-Rom) and the repeatable random numbers that scatter waves,
// clouds, planks and ragged edges. Every painter draws with these, so a
// picture made twice comes out the same, bit for bit.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace geo {

constexpr double kPi = 3.14159265358979323846;

inline double Radians(double dDegrees) { return dDegrees * kPi / 180.0; }
inline double Degrees(double dRadians) { return dRadians * 180.0 / kPi; }

struct Pt {
    double x, y;
};
using Pts = std::vector<Pt>;

inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double d) { return {a.x * d, a.y * d}; }

Pt Lerp(Pt a, Pt b, double t);
double Length(Pt v);
// Unit vector at an angle in degrees, 0 = +x, growing clockwise (y down).
Pt Heading(double dDegrees);

// The point at t (0..1) of the Catmull-Rom segment from p1 to p2.
Pt CatmullRom(Pt p0, Pt p1, Pt p2, Pt p3, double t);
// Appends a smooth curve through the points to the current path: a move to
// the first, the Catmull-Rom segments as cubic Beziers, and when bClosed
// the segment back to the first and a close. An open curve's ends repeat
// their end points as neighbours.
void AddCurveThrough(cairo_t* cr, const Pt* pts, size_t nCount, bool bClosed);
// Starts a new path: an ellipse centred at (x, y), rx across and ry down
// from its centre.
void PathEllipse(cairo_t* cr, double x, double y, double rx, double ry);

// A sequence of repeatable random numbers from a seed.
struct Rng {
    uint32_t nState;
    double Next();  // 0..1
    double Range(double a, double b);
};

// A repeatable random number in 0..1 for each n, for scattering without a
// sequence to carry along.
double Hash01(int n);

}  // namespace geo
