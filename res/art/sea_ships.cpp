// The brig and the galleon drawn in their own coordinates: hulls, gun ports,
// masts, sails and rigging, foam and bow waves, and the damage they take.

#include "sea_ships.h"

#include <algorithm>
#include <cmath>

#include "sea_draw.h"
#include "style.h"

namespace sea {

namespace {

// A band that follows a sheer line: the polygon between the curve offset by
// d0 and by d1 below it, sampled over x0..x1.
Pts SheerBand(const Pts& sheer, double x0, double x1, double d0, double d1) {
    auto yAt = [&](double x) {
        for (size_t i = 1; i < sheer.size(); ++i) {
            if (x <= sheer[i].x || i + 1 == sheer.size()) {
                double t = (x - sheer[i - 1].x) / (sheer[i].x - sheer[i - 1].x);
                return sheer[i - 1].y + (sheer[i].y - sheer[i - 1].y) * t;
            }
        }
        return sheer.back().y;
    };
    Pts band;
    const int n = 40;
    for (int i = 0; i <= n; ++i) {
        double x = x0 + (x1 - x0) * i / n;
        band.push_back({x, yAt(x) + d0});
    }
    for (int i = n; i >= 0; --i) {
        double x = x0 + (x1 - x0) * i / n;
        band.push_back({x, yAt(x) + d1});
    }
    return band;
}

double SheerY(const Pts& sheer, double x) {
    Pts band = SheerBand(sheer, x, x, 0, 0);
    return band.front().y;
}

void Shrouds(cairo_t* cr, Pt top, double y, double x0, double x1, int n, double w) {
    for (int i = 0; i < n; ++i) {
        double x = x0 + (x1 - x0) * i / std::max(1, n - 1);
        Line(cr, top, {x, y}, style::kOutline, w);
    }
}

// Gun port: a dark square, framed, with the mouth of a gun run out in it,
// turned towards us: an iron ring round a black bore.
void GunPort(cairo_t* cr, double cx, double cy, double s, double dLine, uint32_t rgbFrame) {
    Pts frame = {{cx - s / 2, cy - s / 2}, {cx + s / 2, cy - s / 2}, {cx + s / 2, cy + s / 2}, {cx - s / 2, cy + s / 2}};
    Shape(cr, frame, style::kOutline, 0);
    PathPoly(cr, frame);
    style::SetColour(cr, rgbFrame);
    cairo_set_line_width(cr, dLine * 0.8);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy + 0.5, s * 0.33, 0, 2 * geo::kPi);
    FillKeep(cr, style::kIron);
    Outline(cr, dLine * 0.5);
    cairo_arc(cr, cx, cy + 0.5, s * 0.16, 0, 2 * geo::kPi);
    FillKeep(cr, style::kOutline);
    cairo_new_path(cr);
}

// The galleon's broadside ports: a dark opening in a heavy frame, the red
// lid swung up above it, and in it the mouth of a gun run out towards the
// onlooker, an iron ring round its black bore.
constexpr int kGunPorts = 6;
constexpr double kGunPortX0 = 178, kGunPortStep = 27, kGunDeckY = 318;
constexpr double kGunPortW = 21, kGunPortH = 16;

void BroadsidePort(cairo_t* cr, double cx, double cy, double lw) {
    const double x0 = cx - kGunPortW / 2, x1 = cx + kGunPortW / 2, y0 = cy - kGunPortH / 2, y1 = cy + kGunPortH / 2;
    // Lid hinged at the head of the port, propped open outwards.
    Shape(cr, {{x0 - 3, y0 - 7}, {x1 + 1, y0 - 5}, {x1 + 1, y0 - 1}, {x0 - 1, y0 - 2}}, kPirateRed, lw * 0.7);
    Shape(cr, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, style::kIronShade, lw * 1.8);
    // The gun's mouth: the swell of the muzzle, its ring, the bore.
    const Pt mouth = {cx, cy + 1};
    cairo_arc(cr, mouth.x, mouth.y, 6.2, 0, 2 * geo::kPi);
    FillKeep(cr, style::kIron);
    Outline(cr, lw * 0.6);
    cairo_arc(cr, mouth.x - 1.2, mouth.y - 1.2, 4.4, geo::kPi, 1.5 * geo::kPi);
    style::SetColour(cr, style::kIronSheen);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_arc(cr, mouth.x, mouth.y, 3.1, 0, 2 * geo::kPi);
    FillKeep(cr, style::kOutline);
    cairo_new_path(cr);
}

}  // namespace

void DrawWaterlineFoam(cairo_t* cr, double x0, double x1, double y, double dScale) {
    // A scalloped ribbon of foam with a lighter crest line.
    const double step = 14 * dScale;
    Pts foam;
    for (double x = x0; x <= x1 + 0.1; x += step / 2) {
        int i = int(std::lround((x - x0) / (step / 2)));
        foam.push_back({x, y - (i % 2 ? 3.0 : 1.0) * dScale});
    }
    for (double x = x1; x >= x0 - 0.1; x -= step / 2) {
        int i = int(std::lround((x - x0) / (step / 2)));
        foam.push_back({x, y + (i % 2 ? 3.5 : 5.0) * dScale});
    }
    Shape(cr, foam, style::kFoam, 0, true);
    PathSmooth(cr, Pts(foam.begin(), foam.begin() + foam.size() / 2), false);
    style::SetColour(cr, style::kSkyLow);
    cairo_set_line_width(cr, 1.2 * dScale);
    cairo_stroke(cr);
}

void DrawBowWave(cairo_t* cr, double xBow, double y, int nDir, double dScale) {
    const double d = nDir * dScale;
    Pts wave = {{xBow + 8 * d, y + 2 * dScale},   {xBow - 2 * d, y - 8 * dScale},
                {xBow - 18 * d, y - 12 * dScale}, {xBow - 40 * d, y - 6 * dScale},
                {xBow - 70 * d, y - 2 * dScale},  {xBow - 40 * d, y + 4 * dScale},
                {xBow - 10 * d, y + 6 * dScale}};
    Shape(cr, wave, style::kFoam, 1.2 * dScale, true);
    for (int i = 0; i < 3; ++i) {
        double x = xBow + (6 + 8 * i) * d, yy = y - (4 + 5 * (i % 2)) * dScale;
        cairo_arc(cr, x, yy, (2.5 - i * 0.5) * dScale, 0, 2 * geo::kPi);
        FillKeep(cr, style::kFoam);
        Outline(cr, 0.8 * dScale);
    }
}

void PaintHaze(cairo_t* cr, double dHaze) {
    if (dHaze <= 0) return;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    style::SetColour(cr, style::kSkyLow);
    cairo_paint_with_alpha(cr, dHaze);
    cairo_restore(cr);
}

// ---- The navy brig -----------------------------------------------------

namespace {

struct MastPlan {
    double x;        // mast centre
    double yDeck;    // foot
    double yTop;     // truck
    double yTops[2]; // the top and the crosstrees
    // Square sails from the top down: yard y, foot y, half width at head and foot.
    struct Sail {
        double yHead, yFoot, hwHead, hwFoot, belly;
    } sails[4];
};

const MastPlan kBrigFore = {178, 262, 12, {158, 70},
                            {{34, 60, 28, 38, 2}, {64, 100, 40, 54, 3}, {106, 160, 56, 72, 5}, {166, 232, 74, 82, 6}}};
const MastPlan kBrigMain = {322, 268, 2, {152, 62},
                            {{26, 52, 30, 40, 2}, {56, 92, 42, 56, 3}, {98, 152, 58, 74, 5}, {158, 230, 76, 84, 6}}};

const Pts kBrigSheer = {{70, 248}, {140, 260}, {240, 266}, {340, 266}, {430, 260}, {488, 248}};

// Where the masts break when the rig is shot away, and what is left of the
// ship below the ragged line of the break.
constexpr double kBrigDismastY = 200;

Pts BelowMastBreak(double y) {
    Pts line;
    for (int i = 0; i <= 30; ++i) line.push_back({-60.0 + 20 * i, y + (i % 2 ? -5.0 : 4.0) + (i % 3 == 0 ? 3 : 0)});
    line.push_back({540, 400});
    line.push_back({-60, 400});
    return line;
}

// The splintered stump of a mast broken off at y.
void BrokenMastTop(cairo_t* cr, double x, double y, double lw) {
    Shape(cr, {{x - 5, y + 6}, {x - 4, y - 4}, {x - 1, y + 1}, {x + 1, y - 9}, {x + 3, y}, {x + 5, y - 3}, {x + 5, y + 6}},
          style::kWoodPale, lw * 0.7);
}

void BrigMast(cairo_t* cr, const MastPlan& m, double lw) {
    // Lower mast, topmast, topgallant mast, narrowing upwards.
    Spar(cr, {m.x, m.yDeck}, {m.x, m.yTops[0] - 4}, 10, 8, style::kWood, style::kWoodLight, lw);
    Spar(cr, {m.x, m.yTops[0] + 4}, {m.x, m.yTops[1] - 3}, 7, 5.5, style::kWood, style::kWoodLight, lw);
    Spar(cr, {m.x, m.yTops[1] + 3}, {m.x, m.yTop + 1}, 4.5, 3.5, style::kWood, style::kWoodLight, lw);
    cairo_arc(cr, m.x, m.yTop + 1.5, 2.5, 0, 2 * geo::kPi);
    FillKeep(cr, style::kWoodLight);
    Outline(cr, lw * 0.7);
    // The top (a platform) and the crosstrees.
    Shape(cr, {{m.x - 17, m.yTops[0] - 3}, {m.x + 17, m.yTops[0] - 3}, {m.x + 13, m.yTops[0] + 4}, {m.x - 13, m.yTops[0] + 4}},
          style::kWoodDark, lw);
    Shape(cr, {{m.x - 10, m.yTops[1] - 1.5}, {m.x + 10, m.yTops[1] - 1.5}, {m.x + 10, m.yTops[1] + 1.5}, {m.x - 10, m.yTops[1] + 1.5}},
          style::kWoodDark, lw * 0.7);
}

void BrigSails(cairo_t* cr, const MastPlan& m, double lw) {
    for (const MastPlan::Sail& s : m.sails) {
        SquareSail(cr, {m.x - s.hwHead, s.yHead + 2}, {m.x + s.hwHead, s.yHead + 2}, {m.x + s.hwFoot, s.yFoot},
                   {m.x - s.hwFoot, s.yFoot}, s.belly, kWhiteSail, lw, s.hwFoot > 50 ? 3 : 2);
        Spar(cr, {m.x - s.hwHead - 6, s.yHead}, {m.x + s.hwHead + 6, s.yHead}, 4, 4, style::kWoodDark, style::kWood, lw * 0.8);
    }
}

void BrigHull(cairo_t* cr, double lw, bool bBowJack) {
    const Pts& sh = kBrigSheer;
    Pts hull = {{66, 246}};
    for (const Pt& p : sh) hull.push_back(p);
    Pts stern = {{494, 254}, {492, 272}, {482, 290}, {470, 306}, {460, 320}, {452, 334}};
    hull.insert(hull.end(), stern.begin(), stern.end());
    Pts bow = {{120, 334}, {98, 322}, {82, 304}, {72, 282}, {66, 262}};
    hull.insert(hull.end(), bow.begin(), bow.end());

    PathPoly(cr, hull);
    FillKeep(cr, kNavyHull);
    cairo_save(cr);
    cairo_clip(cr);
    // Lit upper strake, ochre band with the gun ports, dark lower hull.
    Shape(cr, SheerBand(sh, 40, 520, 0, 10), kNavyHullLight, 0);
    Shape(cr, SheerBand(sh, 40, 520, 10, 13), style::kOutline, 0);
    Shape(cr, SheerBand(sh, 40, 520, 26, 44), kOchre, 0);
    Shape(cr, SheerBand(sh, 40, 520, 26, 28), kOchreLight, 0);
    Shape(cr, SheerBand(sh, 40, 520, 44, 47), style::kOutline, 0);
    Shape(cr, SheerBand(sh, 40, 520, 56, 90), kNavyHullDark, 0);
    // Planking seams.
    for (double d : {19.0, 51.0}) {
        PathPoly(cr, SheerBand(sh, 40, 520, d, d), false);
        style::SetColour(cr, kNavyHullDark);
        cairo_set_line_width(cr, lw * 0.5);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    PathPoly(cr, hull);
    Outline(cr, lw);

    // Gun ports along the ochre band, the guns run out through them and
    // trained out on the beam, their mouths towards us: a warship cleared
    // for action, whose broadside fires at whatever passes before her.
    for (int i = 0; i < 11; ++i) {
        double x = 100 + 32 * i, y = SheerY(sh, x) + 35;
        GunPort(cr, x, y, 11, lw, kOchreLight);
    }
    // Rail cap, quarter-gallery windows, stern lantern.
    PathPoly(cr, SheerBand(sh, 66, 492, -3, 0));
    FillKeep(cr, style::kWoodLight);
    Outline(cr, lw * 0.8);
    for (int i = 0; i < 3; ++i) {
        Shape(cr, {{446.0 + 12 * i, 262}, {454.0 + 12 * i, 262}, {454.0 + 12 * i, 270}, {446.0 + 12 * i, 270}},
              style::kFlashCore, lw * 0.6);
    }
    Spar(cr, {488, 246}, {488, 236}, 2, 2, style::kIron, style::kIronLight, lw * 0.6);
    Shape(cr, {{484, 228}, {492, 228}, {493, 238}, {483, 238}}, style::kFlashCore, lw * 0.6);
    // Figurehead scroll at the stem.
    Shape(cr, {{70, 248}, {58, 240}, {52, 246}, {58, 256}, {68, 258}}, kOchre, lw * 0.8, true);
    // The jack on its staff at the bow: with her masts shot away, her colours
    // still fly there. While her ensign flies at the masthead she shows one
    // flag only, so that her bow, where a ship passing before her leaves it
    // uncovered, is never taken for another ship's.
    if (bBowJack) {
        Spar(cr, {74, 250}, {70, 204}, 3.5, 3, style::kWoodDark, style::kWood, lw * 0.6);
        WavingFlag(cr, {72, 206, 30, 17, +1, 2, 1.2, 0, lw * 0.7}, UnionJackDesign);
    }
    // Anchor at the cathead.
    Line(cr, {104, 262}, {104, 288}, style::kIron, 3);
    PathSmooth(cr, {{94, 282}, {98, 290}, {104, 292}, {110, 290}, {114, 282}}, false);
    style::SetColour(cr, style::kIron);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

}  // namespace

void DrawBrig(cairo_t* cr, const ShipLook& look) {
    const double lw = style::kOutlineWidth * look.dLineScale;
    const double rig = std::max(0.9, 0.9 * look.dLineScale);
    // Drawn as one layer, so the shot holes in its sails open onto whatever
    // lies behind the ship, not through the picture it is painted on.
    cairo_push_group(cr);

    // Shot away: the rig ends in a ragged break across both masts.
    if (look.bDismasted) {
        cairo_save(cr);
        PathPoly(cr, BelowMastBreak(kBrigDismastY));
        cairo_clip(cr);
    }
    // Stays and backstays behind the sails (shot away with the masts).
    if (!look.bDismasted) {
        Line(cr, {kBrigFore.x, kBrigFore.yTops[1]}, {18, 218}, style::kOutline, rig);
        Line(cr, {kBrigFore.x, kBrigFore.yTops[0]}, {70, 242}, style::kOutline, rig);
        Line(cr, {kBrigMain.x, kBrigMain.yTops[1]}, {kBrigFore.x, kBrigFore.yTops[0]}, style::kOutline, rig);
        Line(cr, {kBrigMain.x, kBrigMain.yTops[0]}, {kBrigFore.x, 250}, style::kOutline, rig);
        Line(cr, {kBrigMain.x, kBrigMain.yTop + 8}, {405, 258}, style::kOutline, rig);
        Line(cr, {kBrigFore.x, kBrigFore.yTop + 8}, {236, 262}, style::kOutline, rig);
    }

    // Bowsprit and jib-boom, then the headsails.
    Spar(cr, {96, 250}, {36, 226}, 9, 6, style::kWood, style::kWoodLight, lw);
    Spar(cr, {50, 232}, {2, 212}, 5, 3, style::kWood, style::kWoodLight, lw);
    // (Their stays run to the fore topmast: when it goes, they go with it.)
    if (!look.bDismasted) {
        TriSail(cr, {kBrigFore.x - 4, 72}, {14, 214}, {112, 220}, 8, kWhiteSail, lw);
        TriSail(cr, {kBrigFore.x - 4, 112}, {58, 232}, {142, 240}, 6, kWhiteSail, lw);
    }

    BrigMast(cr, kBrigMain, lw);
    BrigMast(cr, kBrigFore, lw);
    // Shot away, the masts take all their canvas with them.
    if (!look.bDismasted) {
        BrigSails(cr, kBrigMain, lw);
        BrigSails(cr, kBrigFore, lw);
    }
    // Shrouds from the tops to the channels.
    Shrouds(cr, {kBrigFore.x, kBrigFore.yTops[0] + 4}, 258, kBrigFore.x - 26, kBrigFore.x + 22, 4, rig);
    Shrouds(cr, {kBrigMain.x, kBrigMain.yTops[0] + 4}, 264, kBrigMain.x - 26, kBrigMain.x + 22, 4, rig);

    if (look.bDismasted) {
        cairo_restore(cr);
        for (const MastPlan* m : {&kBrigFore, &kBrigMain}) BrokenMastTop(cr, m->x, kBrigDismastY, lw);
    }
    if (look.bHull) BrigHull(cr, lw, look.bBowJack);
    PaintHaze(cr, look.dHaze);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

// ---- The pirate galleon ------------------------------------------------

namespace {

// Rail from the raked stern to the beakhead: poop, then the quarterdeck's
// bulwark running on, high and closed, over the waist to the forecastle, so
// that the hull reads as one solid body before whatever lies behind it.
const Pts kGalleonRail = {{70, 198},  {110, 200}, {150, 204}, {152, 240}, {205, 246},
                          {250, 250}, {292, 253}, {350, 250}};

Pts GalleonHullShape() {
    Pts hull = kGalleonRail;
    // Beakhead and stem, keel, and the stern castle overhanging a counter
    // that tucks in steeply under its galleries, so the ship sits short on
    // the water and what lies astern of it at the gun deck shows.
    Pts rest = {{356, 256}, {374, 270}, {376, 282}, {356, 290}, {352, 316}, {340, 346}, {324, 372},
                {300, 382}, {190, 382}, {172, 360}, {158, 330}, {146, 304}, {130, 282}, {104, 268}, {86, 262},
                {74, 236}};
    hull.insert(hull.end(), rest.begin(), rest.end());
    return hull;
}

// A curve along the hull from stern to bow, following the sheer of the wales.
Pts GalleonWale(double dOffset) {
    return {{60, 262 + dOffset}, {130, 284 + dOffset}, {210, 318 + dOffset}, {290, 318 + dOffset}, {400, 290 + dOffset}};
}

void GalleonHull(cairo_t* cr, double lw) {
    const Pts hull = GalleonHullShape();
    PathPoly(cr, hull);
    FillKeep(cr, kPirateHull);
    cairo_save(cr);
    cairo_clip(cr);
    // Upper works: a lighter strake under the stepped rail.
    Pts upper = kGalleonRail;
    for (auto it = kGalleonRail.rbegin(); it != kGalleonRail.rend(); ++it) upper.push_back({it->x, it->y + 24});
    Shape(cr, upper, kPirateHullLight, 0);
    // Plank seams parallel to the wales, the wales black and heavy.
    for (double d = -36; d <= 60; d += 9) {
        PathSmooth(cr, GalleonWale(d), false);
        style::SetColour(cr, style::kOutline);
        cairo_set_line_width(cr, lw * 0.4);
        cairo_stroke(cr);
    }
    PathSmooth(cr, GalleonWale(-30), false);
    style::SetColour(cr, style::kOutline);
    cairo_set_line_width(cr, lw * 2);
    cairo_stroke(cr);
    // The gun deck: a straight strake between heavy wales, where the broadside
    // ports open.
    const double yStrake0 = kGunDeckY - 11, yStrake1 = kGunDeckY + 12;
    Shape(cr, {{0, yStrake0}, {400, yStrake0}, {400, yStrake1}, {0, yStrake1}}, kPirateHull, 0);
    Line(cr, {0, yStrake0 + 2}, {400, yStrake0 + 2}, kDullGold, lw * 0.6);
    Line(cr, {0, yStrake0}, {400, yStrake0}, style::kOutline, lw * 1.5);
    Line(cr, {0, yStrake1}, {400, yStrake1}, style::kOutline, lw * 3);
    Shape(cr, {{0, kGalleonWaterline + 2}, {400, kGalleonWaterline + 2}, {400, 400}, {0, 400}}, kPirateBottom, 0);
    // Gold mouldings on the castles.
    for (const Pts& moulding : {Pts{{72, 206}, {150, 210}}, Pts{{152, 250}, {206, 252}, {250, 256}, {292, 259}},
                                Pts{{292, 262}, {356, 258}}}) {
        PathPoly(cr, moulding, false);
        style::SetColour(cr, kDullGold);
        cairo_set_line_width(cr, 3 * lw / 2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    PathPoly(cr, hull);
    Outline(cr, lw);

    // Stern gallery windows, dark panes in gilt frames (unlit: nothing bright
    // at her stern that smoke drifting past it could be taken to come from),
    // and the lantern.
    for (int i = 0; i < 3; ++i) {
        Shape(cr, {{84.0 + 14 * i, 220}, {94.0 + 14 * i, 220}, {94.0 + 14 * i, 232}, {84.0 + 14 * i, 232}},
              style::kSeaDeep, lw * 0.6);
        Line(cr, {89.0 + 14 * i, 221}, {89.0 + 14 * i, 231}, kDullGold, lw * 0.5);
        Line(cr, {85.0 + 14 * i, 226}, {93.0 + 14 * i, 226}, kDullGold, lw * 0.5);
    }
    // Stern balcony: a gilt rail on turned posts, carving under it.
    Shape(cr, {{76, 236}, {144, 240}, {144, 244}, {78, 240}}, kDullGold, lw * 0.6);
    for (double x = 84; x < 142; x += 9) Line(cr, {x, 240 + (x - 76) * 0.06}, {x + 1, 248 + (x - 76) * 0.06}, kDullGold, lw);
    Shape(cr, {{86, 250}, {140, 254}, {134, 262}, {94, 258}}, kDullGold, lw * 0.6, true);
    // Figurehead on the beakhead.
    Shape(cr, {{368, 268}, {380, 262}, {382, 272}, {376, 282}, {366, 280}}, kDullGold, lw * 0.8, true);
    Spar(cr, {72, 198}, {56, 188}, 2.5, 2.5, style::kIron, style::kIronLight, lw * 0.6);
    Shape(cr, {{48, 176}, {58, 176}, {60, 188}, {46, 188}}, style::kFlashCore, lw * 0.6);
    // Her guns are all on the broadside: no port under the stern gallery, so
    // a shot of the brig's coming out past her stern is not taken for hers.
    for (int i = 0; i < kGunPorts; ++i) BroadsidePort(cr, kGunPortX0 + kGunPortStep * i, kGunDeckY, lw);
}

struct GalleonMast {
    double x, yFoot, yTop;
    struct Sail {
        double yHead, yFoot, hwHead, hwFoot, belly;
        std::vector<SailPatch> patches;
    };
    std::vector<Sail> sails;
};

// Both masts stop at their topsails, far below the brig's mastheads: when
// the galleon lies before the brig, the brig's upper sails stand as a white
// mast of their own above the galleon's rig, its ensign at their top, and
// the galleon's own flag flies higher, from its mizzen at the stern.
const GalleonMast kGalleonMain = {
    205, 300, 114,
    {{120, 172, 44, 58, 4, {{0.15, 0.35, 0.22, 0.25, kSailPatch}, {0.62, 0.15, 0.18, 0.2, style::kWoodLight}}},
     {180, 238, 60, 70, 6, {{0.55, 0.45, 0.2, 0.3, style::kWoodLight}}}}};
const GalleonMast kGalleonFore = {
    300, 256, 126,
    {{132, 182, 36, 48, 4, {{0.2, 0.5, 0.25, 0.22, style::kWoodLight}}},
     {188, 232, 48, 56, 5, {{0.1, 0.2, 0.2, 0.25, kSailPatch}}}}};

// The mizzen stands at the very stern and carries the flag: its truck is
// the top of the ensign staff, so the flag's staff runs on down into it.
constexpr Pt kMizzenFoot = {71, 204};

void GalleonMastAndSails(cairo_t* cr, const GalleonMast& m, double lw) {
    Spar(cr, {m.x, m.yFoot}, {m.x, m.yTop + 2}, 11, 4, style::kWoodDark, style::kWood, lw);
    cairo_arc(cr, m.x, m.yTop + 1, 3, 0, 2 * geo::kPi);
    FillKeep(cr, style::kWood);
    Outline(cr, lw * 0.7);
    // A round fighting top below the topsail.
    double yTop = m.sails[0].yFoot + 3;
    Shape(cr, {{m.x - 16, yTop - 6}, {m.x + 16, yTop - 6}, {m.x + 12, yTop + 6}, {m.x - 12, yTop + 6}},
          style::kWoodDark, lw);
    for (const GalleonMast::Sail& s : m.sails) {
        SquareSail(cr, {m.x - s.hwHead, s.yHead + 2}, {m.x + s.hwHead, s.yHead + 2}, {m.x + s.hwFoot, s.yFoot},
                   {m.x - s.hwFoot, s.yFoot}, s.belly, kDirtySail, lw, 2, s.patches);
        Spar(cr, {m.x - s.hwHead - 7, s.yHead}, {m.x + s.hwHead + 7, s.yHead}, 5, 5, style::kWoodDark,
             style::kWood, lw * 0.8);
    }
}

}  // namespace

void DrawGalleon(cairo_t* cr, const ShipLook& look) {
    const double lw = style::kOutlineWidth * look.dLineScale;
    const double rig = std::max(0.9, 0.9 * look.dLineScale);
    const double yStaff = kGalleonStaffY - look.dStaffRise;
    // Stays behind the sails.
    if (look.bRigging) {
        Line(cr, {kGalleonMain.x, kGalleonMain.yTop + 10}, {kGalleonFore.x, 240}, style::kOutline, rig);
        Line(cr, {kGalleonFore.x, kGalleonFore.yTop + 10}, {376, 218}, style::kOutline, rig);
        Line(cr, {kGalleonFore.x, 190}, {366, 250}, style::kOutline, rig);
        Line(cr, {kGalleonMain.x, kGalleonMain.yTop + 10}, {kGalleonStaffX + 1, yStaff + 16}, style::kOutline, rig);
    }

    // The mizzen, which is the ensign staff, with its lateen sail.
    Spar(cr, kMizzenFoot, {kGalleonStaffX, yStaff + 2}, 9, 5, style::kWoodDark, style::kWood, lw);
    cairo_arc(cr, kGalleonStaffX, yStaff + 2, 3, 0, 2 * geo::kPi);
    FillKeep(cr, style::kWood);
    Outline(cr, lw * 0.7);
    TriSail(cr, {56, 130}, {172, 198}, {82, 198}, 6, kDirtySail, lw);
    Spar(cr, {50, 124}, {182, 204}, 4, 3, style::kWoodDark, style::kWood, lw * 0.8);

    // Bowsprit with its spritsail, steeved up steeply so that the bow, its
    // contour included, ends inside the picture.
    Spar(cr, {340, 256}, {378, 210}, 8, 5, style::kWoodDark, style::kWood, lw);
    SquareSail(cr, {350, 238}, {372, 226}, {378, 248}, {352, 262}, 3, kDirtySail, lw, 1);

    GalleonMastAndSails(cr, kGalleonMain, lw);
    GalleonMastAndSails(cr, kGalleonFore, lw);
    if (look.bRigging) {
        Shrouds(cr, {kGalleonMain.x, kGalleonMain.sails[0].yFoot + 6}, 300, kGalleonMain.x - 26,
                kGalleonMain.x + 22, 4, rig);
        Shrouds(cr, {kGalleonFore.x, kGalleonFore.sails[0].yFoot + 6}, 256, kGalleonFore.x - 22,
                kGalleonFore.x + 20, 4, rig);
        Shrouds(cr, {kGalleonStaffX + 2, 140}, 202, 80, 112, 3, rig);
    }

    if (look.bHull) GalleonHull(cr, lw);
}

}  // namespace sea
