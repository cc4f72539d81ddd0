// The sea painter's drawing helpers: paths through point lists, fills with
// the house outline, spars, sails, rigging, dithered bands and the
// painter's own repeatable random numbers.

#include "sea_draw.h"

#include <algorithm>
#include <cmath>

#include "style.h"

namespace sea {

namespace {

// The outward bow of an edge a-b at its middle, by dBow along its normal
// (the normal pointing to the right of the direction a->b).
Pt BowMid(Pt a, Pt b, double dBow) {
    Pt d = b - a;
    double len = std::hypot(d.x, d.y);
    if (len <= 0) return a;
    Pt n = {-d.y / len, d.x / len};
    return Lerp(a, b, 0.5) + n * -dBow;
}

// Sail outline: straight head, bellied leeches and foot.
// Adds the sail's outline to the current path as a closed sub-path.
void SailPath(cairo_t* cr, Pt tl, Pt tr, Pt br, Pt bl, double dBelly) {
    double w = std::hypot(tr.x - tl.x, tr.y - tl.y);
    double dSide = dBelly * 0.35 + w * 0.02;
    cairo_move_to(cr, tl.x, tl.y);
    cairo_line_to(cr, tr.x, tr.y);
    Pt m = BowMid(tr, br, -dSide);
    cairo_curve_to(cr, m.x, m.y, m.x, m.y, br.x, br.y);
    m = BowMid(br, bl, -dBelly * 2);
    cairo_curve_to(cr, m.x, m.y, m.x, m.y, bl.x, bl.y);
    m = BowMid(bl, tl, -dSide);
    cairo_curve_to(cr, m.x, m.y, m.x, m.y, tl.x, tl.y);
    cairo_close_path(cr);
}

}  // namespace

Pt Bilinear(Pt tl, Pt tr, Pt br, Pt bl, double u, double v) {
    return Lerp(Lerp(tl, tr, u), Lerp(bl, br, u), v);
}

void PathPoly(cairo_t* cr, const Pts& pts, bool bClosed) {
    cairo_new_path(cr);
    for (size_t i = 0; i < pts.size(); ++i)
        (i ? cairo_line_to : cairo_move_to)(cr, pts[i].x, pts[i].y);
    if (bClosed) cairo_close_path(cr);
}

void PathSmooth(cairo_t* cr, const Pts& pts, bool bClosed) {
    cairo_new_path(cr);
    if (pts.size() < 3)
        PathPoly(cr, pts, bClosed);
    else
        geo::AddCurveThrough(cr, pts.data(), pts.size(), bClosed);
}

void FillKeep(cairo_t* cr, uint32_t rgb) {
    style::SetColour(cr, rgb);
    cairo_fill_preserve(cr);
}

void Outline(cairo_t* cr, double dWidth) {
    style::SetColour(cr, style::kOutline);
    cairo_set_line_width(cr, dWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void Shape(cairo_t* cr, const Pts& pts, uint32_t rgb, double dWidth, bool bSmooth) {
    (bSmooth ? PathSmooth : PathPoly)(cr, pts, true);
    FillKeep(cr, rgb);
    if (dWidth > 0)
        Outline(cr, dWidth);
    else
        cairo_new_path(cr);
}

void Line(cairo_t* cr, Pt a, Pt b, uint32_t rgb, double dWidth) {
    style::SetColour(cr, rgb);
    cairo_set_line_width(cr, dWidth);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_new_path(cr);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    cairo_stroke(cr);
}

void Spar(cairo_t* cr, Pt a, Pt b, double wa, double wb, uint32_t rgbBase, uint32_t rgbLight,
          double dOutline) {
    Pt d = b - a;
    double len = std::hypot(d.x, d.y);
    if (len <= 0) return;
    Pt n = {-d.y / len, d.x / len};
    // The lit side is the one whose normal points up or left.
    if (n.x + n.y > 0) n = n * -1;
    Pts body = {a + n * (wa / 2), b + n * (wb / 2), b - n * (wb / 2), a - n * (wa / 2)};
    PathPoly(cr, body);
    FillKeep(cr, rgbBase);
    cairo_new_path(cr);
    if (wa >= 4) {
        Pts lit = {a + n * (wa / 2), b + n * (wb / 2), b + n * (wb / 8), a + n * (wa / 8)};
        Shape(cr, lit, rgbLight, 0);
    }
    if (dOutline > 0) {
        PathPoly(cr, body);
        Outline(cr, dOutline);
    }
}

void SquareSail(cairo_t* cr, Pt tl, Pt tr, Pt br, Pt bl, double dBelly, const SailTones& tones,
                double dOutline, int nSeams, const std::vector<SailPatch>& patches) {
    cairo_new_path(cr);
    SailPath(cr, tl, tr, br, bl, dBelly);
    FillKeep(cr, tones.rgbBase);
    cairo_save(cr);
    cairo_clip(cr);
    // Shade: the same sail shifted up-left leaves a crescent on the lee side.
    double w = std::hypot(tr.x - tl.x, tr.y - tl.y);
    double h = std::hypot(bl.x - tl.x, bl.y - tl.y);
    // Wide sails keep a narrower lee so they stay mostly sunlit.
    Pt shift = {std::min(w * 0.30, 16 + w * 0.08), std::min(h * 0.16, 10 + h * 0.05)};
    cairo_new_path(cr);
    cairo_rectangle(cr, -10000, -10000, 20000, 20000);
    SailPath(cr, tl - shift, tr - shift, br - shift, bl - shift, dBelly);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    style::SetColour(cr, tones.rgbShade);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    for (int i = 1; i <= nSeams; ++i) {
        double u = double(i) / (nSeams + 1);
        Pt a = Bilinear(tl, tr, br, bl, u, 0), m = Bilinear(tl, tr, br, bl, u, 0.55);
        Pt b = Bilinear(tl, tr, br, bl, u, 1.0);
        b.y += dBelly * 2 * (1 - std::pow(2 * u - 1, 2));
        m.y += dBelly * 0.9;
        m.x += (u - 0.5) * dBelly * 0.5;
        style::SetColour(cr, tones.rgbSeam);
        cairo_set_line_width(cr, std::max(1.0, dOutline * 0.5));
        cairo_new_path(cr);
        cairo_move_to(cr, a.x, a.y);
        cairo_curve_to(cr, m.x, m.y, m.x, m.y, b.x, b.y);
        cairo_stroke(cr);
    }
    for (const SailPatch& p : patches) {
        Pts q = {Bilinear(tl, tr, br, bl, p.u, p.v), Bilinear(tl, tr, br, bl, p.u + p.w, p.v),
                 Bilinear(tl, tr, br, bl, p.u + p.w, p.v + p.h),
                 Bilinear(tl, tr, br, bl, p.u, p.v + p.h)};
        for (Pt& pt : q) pt.y += dBelly * 0.8;
        Shape(cr, q, p.rgb, std::max(1.0, dOutline * 0.5));
    }
    cairo_restore(cr);
    cairo_new_path(cr);
    SailPath(cr, tl, tr, br, bl, dBelly);
    Outline(cr, dOutline);
}

void TriSail(cairo_t* cr, Pt a, Pt b, Pt c, double dBelly, const SailTones& tones, double dOutline) {
    auto path = [&](Pt pa, Pt pb, Pt pc) {
        cairo_new_path(cr);
        cairo_move_to(cr, pa.x, pa.y);
        Pt m = BowMid(pa, pb, -dBelly);
        cairo_curve_to(cr, m.x, m.y, m.x, m.y, pb.x, pb.y);
        cairo_line_to(cr, pc.x, pc.y);
        cairo_close_path(cr);
    };
    path(a, b, c);
    FillKeep(cr, tones.rgbBase);
    cairo_save(cr);
    cairo_clip(cr);
    // Lee side: a band along the bellied edge.
    Pt m = BowMid(a, b, -dBelly);
    Pt inward = (Lerp(Lerp(a, b, 0.5), c, 0.5) - m) * 0.45;
    cairo_new_path(cr);
    cairo_move_to(cr, a.x, a.y);
    cairo_curve_to(cr, m.x, m.y, m.x, m.y, b.x, b.y);
    Pt m2 = m + inward;
    cairo_curve_to(cr, m2.x, m2.y, m2.x, m2.y, a.x, a.y);
    style::SetColour(cr, tones.rgbShade);
    cairo_fill(cr);
    cairo_restore(cr);
    path(a, b, c);
    Outline(cr, dOutline);
}

void DitherBands(cairo_t* cr, int x, int y, int w, int h, const std::vector<Stop>& stops) {
    static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    uint32_t* pData = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s));
    const int nStride = cairo_image_surface_get_stride(s) / 4;
    for (int r = 0; r < h; ++r) {
        double yy = y + r + 0.5;
        uint32_t a = stops.front().rgb, b = a;
        double t = 0;
        for (size_t i = 1; i < stops.size(); ++i) {
            if (yy < stops[i].y || i + 1 == stops.size()) {
                a = stops[i - 1].rgb;
                b = stops[i].rgb;
                double span = stops[i].y - stops[i - 1].y;
                t = span > 0 ? std::clamp((yy - stops[i - 1].y) / span, 0.0, 1.0) : 1.0;
                if (yy < stops[i - 1].y) t = 0;
                break;
            }
        }
        for (int c = 0; c < w; ++c) {
            bool bB = (kBayer[(y + r) & 3][(x + c) & 3] + 0.5) / 16.0 < t;
            pData[size_t(r) * nStride + c] = 0xFF000000u | (bB ? b : a);
        }
    }
    cairo_surface_mark_dirty(s);
    cairo_set_source_surface(cr, s, x, y);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_surface_destroy(s);
}

void WavingFlag(cairo_t* cr, const FlagCloth& cloth, FlagDesignFn pfnDesign) {
    const int W = int(std::ceil(cloth.w)), H = int(std::ceil(cloth.h));
    // The design flat, lit and shaded; mirrored when seen from its back.
    cairo_surface_t* tones[2];
    for (int t = 0; t < 2; ++t) {
        tones[t] = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
        cairo_t* c = cairo_create(tones[t]);
        if (cloth.nDir < 0) {
            cairo_translate(c, W, 0);
            cairo_scale(c, -1, 1);
        }
        pfnDesign(c, cloth.w, cloth.h, t == 1);
        cairo_destroy(c);
    }
    auto ripple = [&](double u) {
        return cloth.dAmp * std::pow(u, 0.8) *
               std::sin(2 * geo::kPi * cloth.dWaves * u - cloth.dPhase);
    };
    auto facing = [&](double u) {
        return std::sqrt(u) * std::cos(2 * geo::kPi * cloth.dWaves * u - cloth.dPhase);
    };
    const double xLeft = cloth.nDir > 0 ? cloth.xHoist : cloth.xHoist - W;
    for (int j = 0; j < W; ++j) {
        double i = cloth.nDir > 0 ? j : W - 1 - j;  // distance from the hoist
        double u = (i + 0.5) / cloth.w;
        double dy = ripple(u);
        bool bShade = facing(u) * cloth.nDir > 0.42;
        cairo_save(cr);
        cairo_rectangle(cr, xLeft + j, cloth.yTop + dy - 2, 1, H + 4);
        cairo_clip(cr);
        cairo_set_source_surface(cr, tones[bShade ? 1 : 0], xLeft, cloth.yTop + dy);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    for (cairo_surface_t* s : tones) cairo_surface_destroy(s);

    // Outline along the rippled edges.
    cairo_new_path(cr);
    for (int i = 0; i <= W; ++i) {
        double x = cloth.xHoist + cloth.nDir * std::min<double>(i, cloth.w);
        double y = cloth.yTop + ripple(i / cloth.w);
        (i ? cairo_line_to : cairo_move_to)(cr, x, y);
    }
    for (int i = W; i >= 0; --i) {
        double x = cloth.xHoist + cloth.nDir * std::min<double>(i, cloth.w);
        cairo_line_to(cr, x, cloth.yTop + cloth.h + ripple(i / cloth.w));
    }
    cairo_close_path(cr);
    Outline(cr, cloth.dOutline);
}

}  // namespace sea
