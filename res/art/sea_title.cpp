// The title card: the two ships meeting at sea under the show's name.

#include <cmath>
#include <vector>

#include "sea_art.h"
#include "sea_ships.h"
#include "style.h"

namespace sea {

namespace {

// A puff of gun smoke: grey balls, lit from the upper left.
void SmokePuff(cairo_t* cr, double cx, double cy, double r, uint32_t nSeed) {
    geo::Rng rng{nSeed};
    Pts balls;
    std::vector<double> radii;
    for (int i = 0; i < 6; ++i) {
        double a = rng.Range(0, 2 * geo::kPi), d = rng.Range(0, r * 0.6);
        balls.push_back({cx + std::cos(a) * d * 1.4, cy + std::sin(a) * d * 0.8});
        radii.push_back(r * rng.Range(0.45, 0.7));
    }
    for (int pass = 0; pass < 3; ++pass) {
        for (size_t i = 0; i < balls.size(); ++i) {
            double k = pass == 2 ? 0.7 : 1.0, off = pass == 2 ? -radii[i] * 0.2 : 0;
            cairo_new_path(cr);
            cairo_arc(cr, balls[i].x + off, balls[i].y + off, radii[i] * k + (pass == 0 ? 2 : 0), 0, 2 * geo::kPi);
            style::SetColour(cr, pass == 0 ? style::kSmokeDark : pass == 1 ? style::kSmoke : style::kSmokeLight);
            cairo_fill(cr);
        }
    }
}

// Draws a ship at scale k with its waterline at (x, yWater), cut there, and
// leaves cr saved and in the ship's coordinates for its flag and foam.
void FloatShip(cairo_t* cr, double x, double yWater, double k, double dWaterline,
               void (*pfnDraw)(cairo_t*, const ShipLook&)) {
    cairo_save(cr);
    cairo_translate(cr, x, yWater - dWaterline * k);
    cairo_scale(cr, k, k);
    cairo_save(cr);
    cairo_rectangle(cr, -100, -400, 1000, 400 + dWaterline);
    cairo_clip(cr);
    pfnDraw(cr, {1.0 / k, true});
    cairo_restore(cr);
}

// A muzzle flash: a jagged star bursting towards nDir, three tones of fire.
void MuzzleFlash(cairo_t* cr, double x, double y, double r, int nDir) {
    const uint32_t tones[3] = {style::kFlashEdge, style::kFlash, style::kFlashCore};
    for (int pass = 0; pass < 3; ++pass) {
        double k = 1.0 - 0.3 * pass;
        Pts star;
        for (int i = 0; i < 16; ++i) {
            double a = geo::kPi * i / 8, rr = r * k * (i % 2 ? 0.45 : 1.0);
            double stretch = 1 + 0.6 * std::max(0.0, std::cos(a) * nDir);
            star.push_back({x + std::cos(a) * rr * stretch, y + std::sin(a) * rr * 0.7});
        }
        Shape(cr, star, tones[pass], pass == 0 ? 1.5 : 0);
    }
}

// The name in big gold letters on a gentle arch, heavily outlined, with a
// dark drop shadow.
void TitleLettering(cairo_t* cr, const char* szText, double cx, double yBase, double dSize, double dArch) {
    cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, dSize);
    double dTotal = 0;
    std::vector<double> advances;
    for (const char* p = szText; *p; ++p) {
        char sz[2] = {*p, 0};
        cairo_text_extents_t e;
        cairo_text_extents(cr, sz, &e);
        advances.push_back(e.x_advance);
        dTotal += e.x_advance;
    }
    auto glyphPath = [&](double dx, double dy) {
        cairo_new_path(cr);
        double s = -dTotal / 2;
        for (size_t i = 0; szText[i]; ++i) {
            char sz[2] = {szText[i], 0};
            double mid = s + advances[i] / 2, u = mid / (dTotal / 2);
            cairo_save(cr);
            cairo_translate(cr, cx + mid + dx, yBase + dArch * u * u + dy);
            cairo_rotate(cr, std::atan(2 * dArch * u / (dTotal / 2)));
            cairo_move_to(cr, -advances[i] / 2, 0);
            cairo_text_path(cr, sz);
            cairo_restore(cr);
            s += advances[i];
        }
    };
    glyphPath(7, 7);
    style::SetColour(cr, style::kTitleShadow);
    cairo_set_line_width(cr, 10);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    glyphPath(0, 0);
    style::SetColour(cr, style::kOutline);
    cairo_set_line_width(cr, 10);
    cairo_stroke_preserve(cr);
    style::SetColour(cr, style::kGold);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // Lower half in the shade tone, a bright streak near the top.
    for (double x = cx - dTotal / 2 - 20; x < cx + dTotal / 2 + 20; x += 4) {
        double u = (x - cx) / (dTotal / 2);
        double y = yBase + dArch * u * u;
        cairo_rectangle(cr, x, y - dSize * 0.3, 4, dSize);
        style::SetColour(cr, style::kGoldShade);
        cairo_fill(cr);
        cairo_rectangle(cr, x, y - dSize * 0.62, 4, dSize * 0.06);
        style::SetColour(cr, style::kFlashCore);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    glyphPath(0, 0);
    Outline(cr, 3);

}  // namespace

}  // namespace

// The galleon bears down from the left, the brig answers with a broadside,
// both under their flags; the name arches across the sky.
void PaintTitle(cairo_t* cr, int nFrame, int nWidth, int nHeight) {
    PaintOpenSea(cr, nFrame, nWidth, nHeight);

    FloatShip(cr, 392, 478, 0.78, kBrigWaterline, DrawBrig);
    DrawWaterlineFoam(cr, kBrigFoamX0, kBrigFoamX1, kBrigWaterline, 1.0);
    cairo_translate(cr, kBrigMastheadX - 2, kBrigMastheadY - 2);
    PaintSmallUnionJack(cr, 0, 56, 37);
    cairo_restore(cr);

    for (int i = 0; i < 5; ++i) SmokePuff(cr, 430 + 40 * i - 18 * (i % 2), 432 - 12 * (i % 2) - 6 * i, 26 + 4 * i, 200 + i);
    MuzzleFlash(cr, 452, 461, 16, -1);
    MuzzleFlash(cr, 478, 462, 12, -1);

    FloatShip(cr, -6, 540, 0.92, kGalleonWaterline, DrawGalleon);
    DrawWaterlineFoam(cr, kGalleonFoamX0, kGalleonFoamX1, kGalleonWaterline, 1.0);
    DrawBowWave(cr, 340, kGalleonWaterline, +1, 1.2);
    cairo_translate(cr, kGalleonStaffX - 60, kGalleonStaffY);
    PaintSmallJollyRoger(cr, 1, 64, 47);
    cairo_restore(cr);

    TitleLettering(cr, "Harborgast", nWidth / 2.0, 118, 112, 22);
}

}  // namespace sea
