// The ships' pictures: each is the ship drawing of sea_ships under the
// transform its scenes ask for (where the flag sprite meets the masthead or
// staff, where the waterline sits against the open sea).
#include <cmath>
#include <vector>

#include "sea_art.h"
#include "sea_draw.h"
#include "sea_ships.h"
#include "strip_frames.h"
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

// Close up, the galleon floats this much lower in its picture than in its
// own coordinates (the foam at its waterline just fits above the frame's foot).
constexpr double kGalleonNearerY = 8;

// Heeling over as it sinks: stern up, masts leaning forward, the staff top
// just inside the picture's top-left where the flag is placed.
constexpr double kHeelDeg = 26, kHeelScale = 0.8;
constexpr double kHeelTopX = 46, kHeelTopY = 3;

}  // namespace

void PaintBrigClose(cairo_t* cr, int, int nWidth, int) {
    ClipAbove(cr, kBrigWaterline, nWidth);
    ShipLook look;
    look.dHaze = kBrigHaze;
    DrawBrig(cr, look);
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

// The brig going down by the stern, for the sinking's frames: the same
// ship at the same size and place as the whole brig just before (its corner
// lies 55 left of and 129 above the wreck's first place), its masts shot
// away, tipped bow-up about its flooded stern, so that what shows of it left
// of the galleon lying before it is its bow, as large as before, its jack
// still flying; at the picture's foot the sea churns over the hull.
constexpr double kSinkingDeg = 18;
constexpr double kSinkingSternX = 470, kSinkingSternY = kBrigWaterline;  // the stern at the waterline
constexpr double kSinkingPivotX = 415, kSinkingPivotY = 250;             // where it lies in the picture

// A ragged hole knocked through a hull by a ball: black inside, the
// splintered planks round it showing their pale wood.
void ShotThroughHull(cairo_t* cr, Pt c, double r, uint32_t nSeed) {
    geo::Rng rng{nSeed};
    Pts splinters, hole;
    for (int i = 0; i < 14; ++i) {
        const double a = 2 * geo::kPi * i / 14;
        const double rr = r * (i % 2 ? rng.Range(1.0, 1.25) : rng.Range(1.45, 1.9));
        splinters.push_back({c.x + std::cos(a) * rr, c.y + std::sin(a) * rr * 0.8});
        const double rh = r * (i % 2 ? rng.Range(0.55, 0.75) : rng.Range(0.85, 1.05));
        hole.push_back({c.x + std::cos(a) * rh, c.y + std::sin(a) * rh * 0.8});
    }
    Shape(cr, splinters, style::kWoodPale, 1.5);
    Shape(cr, hole, style::kIronShade, 1.5);
}

// Smoke of a fire the broadsides lit, rising from `foot` (picture
// coordinates) and drifting downwind to the left: thick and dark over the
// flames, it breaks up into smaller, paler puffs as it climbs and is gone
// by yEnd, so no cut-off column is left standing when the wreck goes under.
void RisingSmoke(cairo_t* cr, Pt foot, double yEnd, uint32_t nSeed) {
    geo::Rng rng{nSeed};
    struct Puff {
        Pt c;
        double r;
        uint32_t rgb;
    };
    std::vector<Puff> puffs;
    const double dHeight = foot.y - yEnd;
    for (double h = 0; h < dHeight;) {
        const double t = h / dHeight;
        const double r = t < 0.3 ? 10 + 16 * t : 14.8 * (1 - t) / 0.7 + 2.5;
        const uint32_t rgb = t < 0.3 ? style::kSmokeDark : t < 0.65 ? style::kSmoke : style::kSmokeLight;
        const Pt c = {foot.x - h * 0.12 + rng.Range(-2, 2), foot.y - h};
        puffs.push_back({c, r, rgb});
        if (t < 0.6) puffs.push_back({c + Pt{r * 0.8, r * 0.35}, r * 0.6, rgb});
        h += r * (t < 0.45 ? 0.9 : 1.6);
    }
    // Each puff outlined on its own, so the thin end reads as separate wisps.
    for (auto it = puffs.rbegin(); it != puffs.rend(); ++it) {
        cairo_new_path(cr);
        cairo_arc(cr, it->c.x, it->c.y, it->r, 0, 2 * geo::kPi);
        FillKeep(cr, it->rgb);
        Outline(cr, it->r > 6 ? 2 : 1.2);
        if (it->r > 5) {
            cairo_arc(cr, it->c.x - it->r * 0.3, it->c.y - it->r * 0.3, it->r * 0.4, 0, 2 * geo::kPi);
            FillKeep(cr, it->rgb == style::kSmokeDark ? style::kSmoke : style::kSmokeLight);
            cairo_new_path(cr);
        }
    }
}

// Flames licking up from a deck at `foot` (picture coordinates).
void DeckFire(cairo_t* cr, Pt foot, double w, double h) {
    Shape(cr, {{foot.x - w, foot.y}, {foot.x - w * 0.7, foot.y - h * 0.6}, {foot.x - w * 0.35, foot.y - h * 0.35},
               {foot.x - w * 0.1, foot.y - h}, {foot.x + w * 0.25, foot.y - h * 0.45}, {foot.x + w * 0.55, foot.y - h * 0.8},
               {foot.x + w, foot.y}},
          style::kFlameShade, 1.5, false);
    Shape(cr, {{foot.x - w * 0.55, foot.y}, {foot.x - w * 0.2, foot.y - h * 0.55}, {foot.x + w * 0.1, foot.y - h * 0.3},
               {foot.x + w * 0.45, foot.y - h * 0.5}, {foot.x + w * 0.6, foot.y}},
          style::kFlameLight, 0, false);
}

void PaintBrigRig(cairo_t* cr, int, int nWidth, int nFrameHeight) {
    const double yTop = nFrameHeight - 14;
    ClipAbove(cr, yTop + 4, nWidth);
    cairo_translate(cr, kSinkingPivotX, kSinkingPivotY);
    cairo_rotate(cr, geo::Radians(kSinkingDeg));
    cairo_translate(cr, -kSinkingSternX, -kSinkingSternY);
    ShipLook wreck;
    wreck.bDismasted = true;
    wreck.bBowJack = true;
    wreck.dHaze = kBrigHaze;
    DrawBrig(cr, wreck);
    // The broadsides' damage: holes knocked through its side, and fires on
    // deck by the foremast and amidships (found here in picture coordinates).
    ShotThroughHull(cr, {112, 276}, 8, 3);
    ShotThroughHull(cr, {168, 288}, 9, 5);
    ShotThroughHull(cr, {236, 282}, 8, 9);
    Pt fires[] = {{122, 256}, {176, 262}};
    for (Pt& p : fires) cairo_user_to_device(cr, &p.x, &p.y);
    cairo_restore(cr);
    for (Pt& p : fires) cairo_device_to_user(cr, &p.x, &p.y);
    for (const Pt& p : fires) {
        RisingSmoke(cr, p + Pt{0, -12}, 44, uint32_t(p.x));
        DeckFire(cr, p, 14, 30);
    }
    Pts water;
    for (double x = 0; x <= nWidth; x += 12) water.push_back({x, yTop + ((int(x) / 12) % 2 ? 0 : 4)});
    water.push_back({double(nWidth), double(nFrameHeight)});
    water.push_back({0, double(nFrameHeight)});
    Shape(cr, water, style::kSeaMid, 0, true);
    DrawWaterlineFoam(cr, 10, nWidth - 20, yTop + 3, 1.0);
    // Foam boiling round the bow where it comes out of the sea.
    for (double x : {40.0, 96.0}) {
        DrawBowWave(cr, x - 6, yTop + 4, -1, 0.8);
        DrawBowWave(cr, x + 6, yTop + 4, +1, 0.8);
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
    if (nFrame == frames::kGalleonUpright) {
        // Close up it sails across in front of the brig: a dark contour in
        // a pale rim round all its solid parts, hull, masts and sails, its
        // shadow, wake and bow wave keep it apart from the brig behind it,
        // and it floats as low in the picture as the frame allows, so its
        // waterline lies well below the brig's (nearer the onlooker); its
        // staff is carried up again to where its flag flies.
        const double yWater = kGalleonWaterline + kGalleonNearerY;
        DrawShadowAndWake(cr, kGalleonFoamX0, kGalleonFoamX1, yWater);
        ClipAbove(cr, yWater, nWidth);
        cairo_translate(cr, 0, kGalleonNearerY);
        ShipLook look;
        look.dStaffRise = kGalleonNearerY;
        auto solid = [look](cairo_t* c) {
            ShipLook silhouette = look;
            silhouette.bRigging = false;
            DrawGalleon(c, silhouette);
        };
        style::DrawContour(cr, style::kSkyLow, 5, solid);
        style::DrawContour(cr, style::kOutline, 2, solid);
        DrawGalleon(cr, look);
        cairo_restore(cr);
        DrawWaterlineFoam(cr, kGalleonFoamX0, kGalleonFoamX1, yWater, 1.0);
        DrawBowWave(cr, 338, yWater, +1, 1.0);
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

// The wreck sinks in front of the brig: the same dark contour in a pale rim
// as when it sails before it keeps it a ship of its own.
void PaintGalleonHeeling(cairo_t* cr, int, int, int) {
    auto heel = [](cairo_t* c) {
        cairo_translate(c, kHeelTopX, kHeelTopY);
        cairo_scale(c, kHeelScale, kHeelScale);
        cairo_rotate(c, geo::Radians(kHeelDeg));
        cairo_translate(c, -kGalleonStaffX, -kGalleonStaffY);
    };
    auto heeled = [heel](bool bRigging) {
        return [heel, bRigging](cairo_t* c) {
            cairo_save(c);
            heel(c);
            ShipLook look{1.0 / kHeelScale, true};
            look.bRigging = bRigging;
            DrawGalleon(c, look);
            cairo_restore(c);
        };
    };
    style::DrawContour(cr, style::kSkyLow, 4, heeled(false));
    style::DrawContour(cr, style::kOutline, 2, heeled(false));
    heeled(true)(cr);
}

}  // namespace sea
