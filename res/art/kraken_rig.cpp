// The kraken's rig drawn: tentacles sampled along a Catmull-Rom spine and
// banded with suckers, the head's dome, brows and eyes in their sockets.

#include "kraken_rig.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "style.h"

namespace kraken {

namespace {

// A sample of the tentacle's centre line: position, unit normal, width.
struct Sample {
    double x, y, nx, ny, w;
};

// Evenly spaced samples (about one pixel apart) along the smooth spine.
std::vector<Sample> SampleSpine(const Tentacle& t) {
    const std::vector<Pt>& p = t.spine;
    std::vector<Pt> dense;
    const int n = int(p.size());
    for (int i = 0; i + 1 < n; ++i) {
        const Pt& a = p[std::max(i - 1, 0)];
        const Pt& d = p[std::min(i + 2, n - 1)];
        for (int k = 0; k < 24; ++k) dense.push_back(geo::CatmullRom(a, p[i], p[i + 1], d, k / 24.0));
    }
    dense.push_back(p[n - 1]);

    std::vector<double> len(dense.size(), 0.0);
    for (size_t i = 1; i < dense.size(); ++i)
        len[i] = len[i - 1] + std::hypot(dense[i].x - dense[i - 1].x, dense[i].y - dense[i - 1].y);
    const double dTotal = len.back();
    const int nSamples = std::max(2, int(dTotal));

    std::vector<Sample> s(nSamples + 1);
    size_t j = 0;
    for (int i = 0; i <= nSamples; ++i) {
        double d = dTotal * i / nSamples;
        while (j + 2 < dense.size() && len[j + 1] < d) ++j;
        double seg = std::max(len[j + 1] - len[j], 1e-9);
        double u = std::clamp((d - len[j]) / seg, 0.0, 1.0);
        s[i].x = dense[j].x + (dense[j + 1].x - dense[j].x) * u;
        s[i].y = dense[j].y + (dense[j + 1].y - dense[j].y) * u;
        double v = double(i) / nSamples;
        s[i].w = t.dTipWidth + (t.dRootWidth - t.dTipWidth) * std::pow(1.0 - v, 1.1);
    }
    for (int i = 0; i <= nSamples; ++i) {
        const Sample& a = s[std::max(i - 2, 0)];
        const Sample& b = s[std::min(i + 2, nSamples)];
        double dx = b.x - a.x, dy = b.y - a.y, l = std::max(std::hypot(dx, dy), 1e-9);
        s[i].nx = -dy / l;
        s[i].ny = dx / l;
    }
    return s;
}

// One edge of the body, at a signed fraction of the half-width
// (+1 the belly edge, -1 the back edge), over samples [i0, i1].
void EdgeTo(cairo_t* cr, const std::vector<Sample>& s, int nSide, double dFrac, int i0, int i1, bool bMoveFirst) {
    int nStep = i0 <= i1 ? 1 : -1;
    for (int i = i0;; i += nStep) {
        double h = s[i].w * 0.5 * dFrac * nSide;
        double x = s[i].x + s[i].nx * h, y = s[i].y + s[i].ny * h;
        if (bMoveFirst && i == i0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
        if (i == i1) break;
    }
}

// A band between two fractions of the half-width, over samples [i0, i1].
void BandPath(cairo_t* cr, const std::vector<Sample>& s, int nSide, double dFrom, double dTo, int i0, int i1) {
    cairo_new_path(cr);
    EdgeTo(cr, s, nSide, dFrom, i0, i1, true);
    EdgeTo(cr, s, nSide, dTo, i1, i0, false);
    cairo_close_path(cr);
}

// The silhouette: belly edge out to the tip, round tip, back edge home.
void BodyPath(cairo_t* cr, const std::vector<Sample>& s, int nSide, bool bClose) {
    const int n = int(s.size()) - 1;
    const Sample& tip = s[n];
    cairo_new_path(cr);
    EdgeTo(cr, s, nSide, 1.0, 0, n, true);
    double a = std::atan2(tip.ny * nSide, tip.nx * nSide);
    // The cap turns from the belly side over the tip's far end to the back.
    double dx = tip.x - s[std::max(n - 2, 0)].x, dy = tip.y - s[std::max(n - 2, 0)].y;
    bool bClockwise = (std::cos(a) * dy - std::sin(a) * dx) > 0;
    if (bClockwise)
        cairo_arc(cr, tip.x, tip.y, tip.w * 0.5, a, a + geo::kPi);
    else
        cairo_arc_negative(cr, tip.x, tip.y, tip.w * 0.5, a, a - geo::kPi);
    EdgeTo(cr, s, nSide, -1.0, n, 0, false);
    if (bClose) cairo_close_path(cr);
}

void PaintSucker(cairo_t* cr, const Sample& c, double dHalf) {
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_rotate(cr, std::atan2(c.ny, c.nx));
    cairo_scale(cr, 0.8, 1.0);  // flattened across the arm
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, dHalf * 0.42, 0, 2 * geo::kPi);
    cairo_restore(cr);
    style::FillAndOutline(cr, style::kSucker, std::min(style::kOutlineWidth, dHalf * 0.2 + 0.6));
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_rotate(cr, std::atan2(c.ny, c.nx));
    cairo_scale(cr, 0.8, 1.0);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, dHalf * 0.18, 0, 2 * geo::kPi);
    cairo_restore(cr);
    style::SetColour(cr, style::kSuckerShade);
    cairo_fill(cr);
}

// A bulb from (cx, top): widest a little above half its height, then
// tucking in to a rounded underside that the arms emerge from.
void DomePath(cairo_t* cr, const Dome& d) {
    const double cx = d.dCentreX, t = d.dTop, hw = d.dHalfWidth, h = d.dHeight;
    // Bezier segments of the right half, top to bottom (two controls and an
    // end each): the mantle's bulb, a narrow neck above the eyes, the eyes'
    // bulging sockets, the underside. The left half mirrors them.
    static const double half[][2] = {{0.6, 0.0},  {1.0, 0.1},   {1.0, 0.3},  {1.0, 0.47}, {0.7, 0.52},  {0.68, 0.62},
                                     {0.66, 0.7}, {0.96, 0.72}, {0.9, 0.86}, {0.86, 0.98}, {0.4, 1.0}, {0.0, 1.0}};
    constexpr int kPoints = 12;
    auto at = [&](int i, double s) { return std::make_pair(cx + s * half[i][0] * hw, t + half[i][1] * h); };
    cairo_new_path(cr);
    cairo_move_to(cr, cx, t);
    for (int i = 0; i < kPoints; i += 3) {
        auto [x1, y1] = at(i, 1);
        auto [x2, y2] = at(i + 1, 1);
        auto [x3, y3] = at(i + 2, 1);
        cairo_curve_to(cr, x1, y1, x2, y2, x3, y3);
    }
    for (int i = kPoints - 2; i > 0; i -= 3) {
        auto [x1, y1] = at(i, -1);
        auto [x2, y2] = at(i - 1, -1);
        auto [x3, y3] = i >= 3 ? at(i - 2, -1) : std::make_pair(cx, t);
        cairo_curve_to(cr, x1, y1, x2, y2, x3, y3);
    }
    cairo_close_path(cr);
}

// One eye; nNoseSide is +1 when the nose lies to the eye's right.
void PaintEye(cairo_t* cr, double x, double y, double rx, double ry, int nNoseSide, const EyeLook& look) {
    cairo_save(cr);
    geo::PathEllipse(cr, x, y, rx, ry);
    cairo_clip_preserve(cr);
    style::SetColour(cr, style::kEyeWhite);
    cairo_fill(cr);

    // Pupil with a glint, kept inside the socket.
    double px = x + look.dPupilX * rx * 0.45, py = y + look.dPupilY * ry * 0.4 + ry * 0.1;
    double pr = std::min(rx, ry) * 0.5;
    cairo_new_path(cr);
    cairo_arc(cr, px, py, pr, 0, 2 * geo::kPi);
    style::SetColour(cr, style::kPupil);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, px - pr * 0.35, py - pr * 0.4, pr * 0.3, 0, 2 * geo::kPi);
    style::SetColour(cr, style::kEyeWhite);
    cairo_fill(cr);

    // Upper lid: its edge slants down towards the nose for a scowl.
    if (look.dLid >= 1.0) {
        // Shut: lid over the whole socket, a lash line curving down.
        style::SetColour(cr, style::kKraken);
        cairo_paint(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, x - rx, y - ry * 0.05);
        cairo_curve_to(cr, x - rx * 0.4, y + ry * 0.6, x + rx * 0.4, y + ry * 0.6, x + rx, y - ry * 0.05);
        style::SetColour(cr, style::kOutline);
        cairo_set_line_width(cr, style::kOutlineWidth + 0.5);
        cairo_stroke(cr);
        for (double u : {-0.5, 0.0, 0.5}) {
            double lx = x + u * rx * 0.9, ly = y + ry * (0.42 - 0.25 * u * u);
            cairo_move_to(cr, lx, ly);
            cairo_line_to(cr, lx + u * rx * 0.25, ly + ry * 0.3);
        }
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    } else if (look.dLid > 0.0) {
        double dEdge = y - ry + 2 * ry * look.dLid;
        double dSlant = ry * 0.35;
        double xl = x - rx * 1.2, xr = x + rx * 1.2;
        double yl = dEdge - dSlant * nNoseSide, yr = dEdge + dSlant * nNoseSide;
        cairo_new_path(cr);
        cairo_move_to(cr, xl, y - ry - 2);
        cairo_line_to(cr, xr, y - ry - 2);
        cairo_line_to(cr, xr, yr);
        cairo_curve_to(cr, x + rx * 0.4, yr + ry * 0.25, x - rx * 0.4, yl + ry * 0.25, xl, yl);
        cairo_close_path(cr);
        style::SetColour(cr, style::kKraken);
        cairo_fill(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, xr, yr);
        cairo_curve_to(cr, x + rx * 0.4, yr + ry * 0.25, x - rx * 0.4, yl + ry * 0.25, xl, yl);
        style::SetColour(cr, style::kOutline);
        cairo_set_line_width(cr, style::kOutlineWidth + 0.5);
        cairo_stroke(cr);
        // A fold of shade above the lid edge.
        cairo_new_path(cr);
        cairo_move_to(cr, xr, yr - ry * 0.3);
        cairo_curve_to(cr, x + rx * 0.4, yr - ry * 0.05, x - rx * 0.4, yl - ry * 0.05, xl, yl - ry * 0.3);
        style::SetColour(cr, style::kKrakenShade);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    cairo_restore(cr);

    geo::PathEllipse(cr, x, y, rx, ry);
    style::SetColour(cr, style::kOutline);
    cairo_set_line_width(cr, style::kOutlineWidth);
    cairo_stroke(cr);
}

}  // namespace

void PaintTentacle(cairo_t* cr, const Tentacle& t) {
    const std::vector<Sample> s = SampleSpine(t);
    const int n = int(s.size()) - 1;
    const int side = t.nBellySide;
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

    BodyPath(cr, s, side, true);
    style::SetColour(cr, style::kKraken);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // Shade towards the belly, the pale underside, a highlight along the back.
    BandPath(cr, s, side, 0.2, 1.2, 0, n);
    style::SetColour(cr, style::kKrakenShade);
    cairo_fill(cr);
    BandPath(cr, s, side, 0.58, 1.2, 0, n);
    style::SetColour(cr, style::kKrakenBelly);
    cairo_fill(cr);
    int nLightEnd = int(n * 0.8);
    if (nLightEnd > 4) {
        BandPath(cr, s, side, -0.62, -0.36, 0, nLightEnd);
        style::SetColour(cr, style::kKrakenLight);
        cairo_fill(cr);
    }
    cairo_restore(cr);

    BodyPath(cr, s, side, !t.bOpenRoot);
    style::SetColour(cr, style::kOutline);
    cairo_set_line_width(cr, style::kOutlineWidth);
    cairo_stroke(cr);

    // Suckers ride on the belly edge, spaced by the local width.
    double dNext = s[0].w * 0.5;
    double dWalked = 0.0;
    for (int i = 1; i < n; ++i) {
        dWalked += std::hypot(s[i].x - s[i - 1].x, s[i].y - s[i - 1].y);
        if (dWalked < dNext) continue;
        double h = s[i].w * 0.5;
        if (h < 3.0) break;
        Sample c = s[i];
        c.x += c.nx * h * 0.82 * side;
        c.y += c.ny * h * 0.82 * side;
        PaintSucker(cr, c, h);
        dNext = dWalked + s[i].w * 0.85;
    }
    cairo_restore(cr);
}

void PaintWaterRunningOff(cairo_t* cr, const Dome& d) {
    cairo_save(cr);
    DomePath(cr, d);
    cairo_clip(cr);
    static const double streams[][2] = {{-0.62, 0.24}, {-0.2, 0.12}, {0.3, 0.16}, {0.74, 0.28}};
    int i = 0;
    for (const auto& st : streams) {
        const double x0 = d.dCentreX + st[0] * d.dHalfWidth, yEnd = d.dTop + st[1] * d.dHeight;
        cairo_new_path(cr);
        cairo_move_to(cr, x0, d.dTop - 4);
        for (double y = d.dTop + 8; y <= yEnd; y += 10)
            cairo_line_to(cr, x0 + 1.2 * std::sin(y * 0.12 + i) + st[0] * (y - d.dTop) * 0.12, y);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        for (auto [w, rgb] : {std::pair{8.0, style::kOutline}, std::pair{5.5, style::kSpray}, std::pair{2.0, style::kFoam}}) {
            style::SetColour(cr, rgb);
            cairo_set_line_width(cr, w);
            cairo_stroke_preserve(cr);
        }
        cairo_new_path(cr);
        // A drop gathering at the stream's foot.
        const double xFoot = x0 + st[0] * (yEnd - d.dTop) * 0.12;
        cairo_arc(cr, xFoot, yEnd + 5, 4.0, 0, 2 * geo::kPi);
        style::SetColour(cr, style::kSpray);
        cairo_fill_preserve(cr);
        style::SetColour(cr, style::kOutline);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        ++i;
    }
    cairo_restore(cr);
}

void PaintDome(cairo_t* cr, const Dome& d) {
    cairo_save(cr);
    DomePath(cr, d);
    style::SetColour(cr, style::kKrakenShade);
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    // Lit from the upper left: the base tone is the dome pushed up and left,
    // leaving a crescent of shade on the lower right.
    Dome lit = d;
    lit.dCentreX -= d.dHalfWidth * 0.16;
    lit.dTop -= d.dHeight * 0.08;
    DomePath(cr, lit);
    style::SetColour(cr, style::kKraken);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, d.dCentreX - d.dHalfWidth * 0.42, d.dTop + d.dHeight * 0.3);
    cairo_rotate(cr, -0.5);
    cairo_scale(cr, d.dHalfWidth * 0.16, d.dHeight * 0.2);
    cairo_arc(cr, 0, 0, 1.0, 0, 2 * geo::kPi);
    cairo_restore(cr);
    style::SetColour(cr, style::kKrakenLight);
    cairo_fill(cr);
    // Warts: a scatter of darker spots, fixed so every frame agrees.
    static const double spots[][3] = {{0.18, 0.14, 0.07}, {0.45, 0.3, 0.09}, {-0.1, 0.42, 0.06},
                                      {0.62, 0.55, 0.07}, {0.3, 0.62, 0.05}, {-0.52, 0.6, 0.05},
                                      {0.08, 0.25, 0.04}, {0.72, 0.36, 0.05}};
    for (const auto& sp : spots) {
        cairo_new_path(cr);
        cairo_arc(cr, d.dCentreX + sp[0] * d.dHalfWidth, d.dTop + sp[1] * d.dHeight, sp[2] * d.dHalfWidth, 0,
                  2 * geo::kPi);
        style::SetColour(cr, style::kKrakenShade);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    DomePath(cr, d);
    style::SetColour(cr, style::kOutline);
    cairo_set_line_width(cr, style::kOutlineWidth);
    cairo_stroke(cr);
}

void PaintBrows(cairo_t* cr, const EyePair& e) {
    for (int nSide : {-1, 1}) {
        double x = e.dCentreX + nSide * e.dSpacing * 0.5;
        double y = e.dCentreY - e.dRadiusY;
        // Thick at the nose, thin outwards: a scowl.
        cairo_new_path(cr);
        cairo_move_to(cr, x - nSide * e.dRadiusX * 0.9, y + e.dRadiusY * 0.25);
        cairo_curve_to(cr, x - nSide * e.dRadiusX * 0.3, y - e.dRadiusY * 0.05, x + nSide * e.dRadiusX * 0.5,
                       y - e.dRadiusY * 0.55, x + nSide * e.dRadiusX * 1.25, y - e.dRadiusY * 0.6);
        cairo_curve_to(cr, x + nSide * e.dRadiusX * 0.6, y - e.dRadiusY * 0.95, x - nSide * e.dRadiusX * 0.4,
                       y - e.dRadiusY * 0.7, x - nSide * e.dRadiusX * 1.0, y - e.dRadiusY * 0.1);
        cairo_close_path(cr);
        style::FillAndOutline(cr, style::kKrakenShade);
    }
}

void PaintEyes(cairo_t* cr, const EyePair& e, const EyeLook& look) {
    PaintEye(cr, e.dCentreX - e.dSpacing * 0.5, e.dCentreY, e.dRadiusX, e.dRadiusY, +1, look);
    PaintEye(cr, e.dCentreX + e.dSpacing * 0.5, e.dCentreY, e.dRadiusX, e.dRadiusY, -1, look);
}

void PaintMouth(cairo_t* cr, double x, double y, double dHalfWidth) {
    const double w = dHalfWidth;
    cairo_new_path(cr);
    cairo_move_to(cr, x - w, y - w * 0.12);
    cairo_curve_to(cr, x - w * 0.5, y + w * 0.1, x + w * 0.5, y + w * 0.1, x + w, y - w * 0.12);
    cairo_curve_to(cr, x + w * 0.5, y + w * 0.55, x - w * 0.5, y + w * 0.55, x - w, y - w * 0.12);
    cairo_close_path(cr);
    style::FillAndOutline(cr, style::kKrakenMouth);
    // Two fangs hanging from the upper lip.
    for (int nSide : {-1, 1}) {
        double fx = x + nSide * w * 0.45;
        double fy = y + w * 0.02;
        cairo_new_path(cr);
        cairo_move_to(cr, fx - w * 0.13, fy - w * 0.01);
        cairo_line_to(cr, fx + w * 0.13, fy - w * 0.01);
        cairo_line_to(cr, fx, fy + w * 0.3);
        cairo_close_path(cr);
        style::FillAndOutline(cr, style::kEyeWhite, 1.5);
    }
}

}  // namespace kraken
