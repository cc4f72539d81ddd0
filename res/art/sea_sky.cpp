// The clouds and swells of both backdrops.

#include "sea_sky.h"

#include <algorithm>
#include <cmath>

namespace sea {

namespace {

constexpr uint32_t kCloudRim = style::kSkyHigh;

void CloudPath(cairo_t* cr, const Pts& puffs, const std::vector<double>& radii, double yBase, double dGrow) {
    cairo_new_path(cr);
    for (size_t i = 0; i < puffs.size(); ++i) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, puffs[i].x, puffs[i].y, radii[i] + dGrow, 0, 2 * geo::kPi);
    }
    // Flat base between the outermost puffs.
    double x0 = puffs.front().x, x1 = puffs.back().x;
    double yTop = std::min(puffs.front().y, puffs.back().y);
    cairo_new_sub_path(cr);
    cairo_rectangle(cr, x0, yTop, x1 - x0, yBase - yTop + dGrow);
}

}  // namespace

// A cumulus: overlapping puffs under a domed outline on a flat base; lit
// from the upper left, shadowed underneath, with a soft rim.
void Cloud(cairo_t* cr, double cx, double yBase, double w, double h, uint32_t nSeed) {
    geo::Rng rng{nSeed};
    const int n = std::max(4, int(w / (h * 0.3)));
    Pts puffs;
    std::vector<double> radii;
    for (int i = 0; i < n; ++i) {
        double t = double(i) / (n - 1);
        double dome = std::pow(std::sin(t * geo::kPi), 0.6);
        double r = h * (0.2 + 0.32 * dome) * rng.Range(0.8, 1.2);
        double x = cx - w / 2 + r + (w - 2 * r) * t + rng.Range(-0.1, 0.1) * r;
        double top = yBase - h * (0.35 + 0.65 * dome) * rng.Range(0.85, 1.05);
        puffs.push_back({x, std::min(yBase - r, top + r)});
        radii.push_back(r);
    }
    // Rim: the union grown by the rim's width, then the body over it.
    CloudPath(cr, puffs, radii, yBase, 2);
    style::SetColour(cr, kCloudRim);
    cairo_fill(cr);
    CloudPath(cr, puffs, radii, yBase, 0);
    style::SetColour(cr, style::kCloudUnderside);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // The lit part: the same puffs nudged up-left and shrunk.
    Pts lit = puffs;
    std::vector<double> litR = radii;
    for (size_t i = 0; i < lit.size(); ++i) {
        lit[i].x -= radii[i] * 0.2;
        lit[i].y -= radii[i] * 0.25;
        litR[i] *= 0.9;
    }
    CloudPath(cr, lit, litR, yBase - h * 0.28, 0);
    style::SetColour(cr, style::kCloud);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Rows of swells between y0 and y1, small and close together near the
// horizon, larger and further apart near; each swell a lit crest over its
// shadow, the nearer ones capped with foam on their sunlit left. Rows
// above ySplit take the far tones, the others the near ones.
void Waves(cairo_t* cr, double x0, double x1, double y0, double y1, uint32_t nSeed, double ySplit,
           const SwellTones& far, const SwellTones& near) {
    geo::Rng rng{nSeed};
    auto lens = [&](double x, double y, double w, double h, double dLean) {
        cairo_new_path(cr);
        cairo_move_to(cr, x - w / 2, y);
        cairo_curve_to(cr, x - w * 0.25, y - h, x + w * (0.05 + dLean), y - h * 1.15, x + w / 2, y);
        cairo_curve_to(cr, x + w * 0.15, y - h * 0.25, x - w * 0.2, y - h * 0.25, x - w / 2, y);
    };
    double y = y0 + 2;
    while (y < y1 + 12) {
        const SwellTones& tones = y < ySplit ? far : near;
        double t = std::clamp((y - y0) / std::max(1.0, y1 - y0), 0.0, 1.0);
        double w = 12 + 90 * t, h = 1.5 + 7 * t;
        for (double x = x0 - rng.Range(0, w); x < x1 + w; x += w * rng.Range(1.3, 2.3)) {
            double ww = w * rng.Range(0.7, 1.2), hh = h * rng.Range(0.8, 1.2);
            double yy = y + rng.Range(-h * 0.5, h * 0.5), lean = rng.Range(0, 0.15);
            lens(x + ww * 0.05, yy + hh * 0.5, ww * 1.04, hh, lean);
            style::SetColour(cr, tones.rgbTrough);
            cairo_fill(cr);
            lens(x, yy, ww, hh, lean);
            style::SetColour(cr, tones.rgbCrest);
            cairo_fill(cr);
            if (t > 0.12 && rng.Next() < 0.7) {
                // Foam along the crest's lit shoulder.
                cairo_new_path(cr);
                cairo_move_to(cr, x - ww * 0.3, yy - hh * 0.55);
                cairo_curve_to(cr, x - ww * 0.15, yy - hh * 0.95, x + ww * 0.05, yy - hh * 1.0, x + ww * 0.15,
                               yy - hh * 0.8);
                style::SetColour(cr, tones.rgbFoam);
                cairo_set_line_width(cr, std::max(1.2, hh * 0.35));
                cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                cairo_stroke(cr);
            }
        }
        y += 3 + 20 * t * t + 5 * t;
    }
}

}  // namespace sea
