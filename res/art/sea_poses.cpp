// The ships' pictures: each is the ship drawing of sea_ships under the
// transform its scenes ask for (where the flag sprite meets the masthead or
// staff, where the waterline sits against the open sea).
#include <cmath>

#include "sea_art.h"
#include "sea_draw.h"
#include "sea_ships.h"
#include "style.h"

namespace sea {

namespace {

// Keeps what lies above y (picture coordinates) and returns the old state
// on the matching cairo_restore.
void ClipAbove(cairo_t* cr, double y, int nWidth) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, nWidth, y);
    cairo_clip(cr);
}

// The galleon's sailing pose: pitched bow-down on a swell with the stern
// lifted, so that its ensign staff stands higher and further forward.
constexpr double kGalleonPitchDeg = 5;
constexpr double kGalleonPitchTopX = 85, kGalleonPitchTopY = 57;

cairo_matrix_t GalleonPitch() {
    cairo_matrix_t m;
    cairo_matrix_init_identity(&m);
    cairo_matrix_rotate(&m, geo::Radians(kGalleonPitchDeg));
    double x = kGalleonStaffX, y = kGalleonStaffY;
    cairo_matrix_transform_point(&m, &x, &y);
    cairo_matrix_t t;
    cairo_matrix_init_translate(&t, kGalleonPitchTopX - x, kGalleonPitchTopY - y);
    cairo_matrix_multiply(&m, &m, &t);
    return m;
}

// Heeling over as it sinks: stern up, masts leaning forward, the staff top
// just inside the picture's top-left where the flag is placed.
constexpr double kHeelDeg = 26, kHeelScale = 0.8;
constexpr double kHeelTopX = 46, kHeelTopY = 3;

}  // namespace

void PaintBrigClose(cairo_t* cr, int, int nWidth, int) {
    ClipAbove(cr, kBrigWaterline, nWidth);
    DrawBrig(cr, {});
    cairo_restore(cr);
    DrawWaterlineFoam(cr, kBrigFoamX0, kBrigFoamX1, kBrigWaterline, 1.0);
}

void PaintBrigDistant(cairo_t* cr, int, int nWidth, int) {
    const double k = 0.5;
    ClipAbove(cr, kBrigWaterline * k, nWidth);
    cairo_save(cr);
    cairo_scale(cr, k, k);
    DrawBrig(cr, {1.5, true});
    cairo_restore(cr);
    cairo_restore(cr);
    DrawWaterlineFoam(cr, kBrigFoamX0 * k, kBrigFoamX1 * k, kBrigWaterline * k, k);
}

// The rig alone stands where the brig's rig would, shifted so its main
// masthead is at (360, 20); at its foot the sea closes over the hull in a
// churning band of the open sea's own tones.
void PaintBrigRig(cairo_t* cr, int, int nWidth, int nFrameHeight) {
    cairo_save(cr);
    cairo_translate(cr, 360 - kBrigMastheadX, 20 - kBrigMastheadY);
    DrawBrig(cr, {1.0, false, true});
    cairo_restore(cr);
    const double yTop = nFrameHeight - 14;
    Pts water;
    for (double x = 40; x <= nWidth; x += 12) water.push_back({x, yTop + ((int(x) / 12) % 2 ? 0 : 4)});
    water.push_back({double(nWidth), double(nFrameHeight)});
    water.push_back({40, double(nFrameHeight)});
    Shape(cr, water, style::kSeaMid, 0, true);
    DrawWaterlineFoam(cr, 50, nWidth - 20, yTop + 3, 1.0);
    for (double x : {218.0, 362.0}) {
        DrawBowWave(cr, x - 6, yTop + 4, -1, 0.7);
        DrawBowWave(cr, x + 6, yTop + 4, +1, 0.7);
    }
}

// The hull's dark shadow on the water and the wake it leaves astern (to the
// left): dashes of foam that thin out behind the stern.
void DrawShadowAndWake(cairo_t* cr, double xStern, double xBow, double y) {
    Shape(cr, {{xStern - 6, y}, {xBow + 4, y}, {xBow - 10, y + 9}, {xStern + 8, y + 10}}, style::kSeaDeep, 0, true);
    for (int i = 0; i < 5; ++i) {
        const double x1 = xStern - 4 - 22 * i, x0 = x1 - 26 + 3 * i, yy = y + 3 + 1.6 * i, h = 3.2 - 0.5 * i;
        Shape(cr, {{x0, yy}, {x1, yy - h}, {x1 + 4, yy}, {x1, yy + h}}, style::kFoam, 1.0, true);
    }
}

void PaintGalleon(cairo_t* cr, int nFrame, int nWidth, int) {
    if (nFrame == 0) {
        // Close up it sails across in front of the brig: a pale rim, its
        // shadow, wake and bow wave keep its hull apart from the brig's.
        DrawShadowAndWake(cr, kGalleonFoamX0, kGalleonFoamX1, kGalleonWaterline);
        ClipAbove(cr, kGalleonWaterline, nWidth);
        DrawGalleon(cr, {1.0, true, false, true});
        cairo_restore(cr);
        DrawWaterlineFoam(cr, kGalleonFoamX0, kGalleonFoamX1, kGalleonWaterline, 1.0);
        DrawBowWave(cr, 338, kGalleonWaterline, +1, 1.0);
        return;
    }
    cairo_matrix_t m = GalleonPitch();
    double xStern = 150, yStern = kGalleonWaterline, xBow = 340, yBow = kGalleonWaterline;
    cairo_matrix_transform_point(&m, &xStern, &yStern);
    cairo_matrix_transform_point(&m, &xBow, &yBow);
    const double yWater = (yStern + yBow) / 2;
    ClipAbove(cr, yWater, nWidth);
    cairo_transform(cr, &m);
    DrawGalleon(cr, {});
    cairo_restore(cr);
    DrawWaterlineFoam(cr, xStern - 10, xBow - 12, yWater, 1.0);
    DrawBowWave(cr, xBow - 4, yWater, +1, 1.0);
}

void PaintGalleonHeeling(cairo_t* cr, int, int, int) {
    cairo_translate(cr, kHeelTopX, kHeelTopY);
    cairo_scale(cr, kHeelScale, kHeelScale);
    cairo_rotate(cr, geo::Radians(kHeelDeg));
    cairo_translate(cr, -kGalleonStaffX, -kGalleonStaffY);
    DrawGalleon(cr, {1.0 / kHeelScale, true});
}

}  // namespace sea
