// The two ships' decks side by side with the water between their hulls
// (backdrop 1): the navy ship's deck on the left, the pirates' on the
// right, both masts and their rigging, sky and sea beyond.

#include "sea_scenery.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "props.h"
#include "sea_art.h"
#include "sea_ships.h"
#include "sea_sky.h"
#include "style.h"

namespace sea {

const Pts kNavyRail = {{318, 238}, {331, 262}, {342, 290}, {355, 330}, {371, 380},
                       {390, 440}, {414, 500}, {440, 556}, {452, 600}, {458, 640}};
const Pts kNavyWaterline = {{326, 242}, {348, 266}, {366, 292}, {386, 330}, {406, 380},
                            {428, 440}, {450, 500}, {466, 556}, {478, 600}, {482, 640}};
const Pts kPirateRail = {{666, 238}, {658, 262}, {652, 290}, {646, 320}, {640, 370},
                         {632, 430}, {622, 490}, {610, 550}, {602, 600}, {600, 640}};
const Pts kPirateWaterline = {{660, 242}, {652, 266}, {644, 294}, {632, 330}, {618, 380},
                              {602, 440}, {588, 500}, {574, 556}, {564, 600}, {562, 640}};

namespace {

constexpr uint32_t kNavyPlank = style::kWoodLight, kNavyPlankShade = style::kWood;
constexpr uint32_t kPiratePlank = style::kWood, kPiratePlankShade = style::kWoodDark;

// The navy ship's port rail, on the far side of its deck, bow to stern.
const Pts kNavyPortRail = {{318, 238}, {280, 252}, {230, 272}, {170, 302},
                           {110, 340}, {50, 388},  {0, 430},   {-40, 466}};

// A band between two point lists (same direction), as one polygon.
Pts Band(const Pts& a, const Pts& b) {
    Pts band = a;
    band.insert(band.end(), b.rbegin(), b.rend());
    return band;
}

// A point list shifted by (dx, dy), its shift growing towards the end
// (nearer the viewer) from k0 to k1 of it.
Pts Shifted(const Pts& pts, double dx, double dy, double k0 = 1, double k1 = 1) {
    Pts out;
    for (size_t i = 0; i < pts.size(); ++i) {
        double k = k0 + (k1 - k0) * double(i) / std::max<size_t>(1, pts.size() - 1);
        out.push_back({pts[i].x + dx * k, pts[i].y + dy * k});
    }
    return out;
}

// Point at parameter t (0..1) along a polyline, by vertex index.
Pt Along(const Pts& pts, double t) {
    double f = t * (pts.size() - 1);
    size_t i = std::min(size_t(f), pts.size() - 2);
    return Lerp(pts[i], pts[i + 1], f - i);
}

// Deck planks: seams running towards the ship's vanishing point, clipped
// to the deck outline, with staggered butt joints.
void Planks(cairo_t* cr, const Pts& deck, Pt vp, double xFrom, double xTo, double dStep, uint32_t rgbPlank,
            uint32_t rgbShade, uint32_t nSeed) {
    geo::Rng rng{nSeed};
    cairo_save(cr);
    PathPoly(cr, deck);
    cairo_clip(cr);
    style::SetColour(cr, rgbPlank);
    cairo_paint(cr);
    int i = 0;
    for (double x = xFrom; x <= xTo; x += dStep, ++i) {
        if (i % 3 == 1) {
            // Every third plank a shade darker, for a worn, sunlit deck.
            double x2 = x + dStep;
            Shape(cr, {vp, {x, 640}, {x2, 640}}, rgbShade, 0);
        }
        Line(cr, vp, {x, 640}, style::kWoodDark, 1.2);
        for (double t = rng.Range(0.55, 0.7); t < 1; t += rng.Range(0.1, 0.18)) {
            Pt p = Lerp(vp, {x, 640}, t), q = Lerp(vp, {x + dStep, 640}, t);
            Line(cr, p, q, style::kWoodDark, 1);
        }
    }
    cairo_restore(cr);
}

// A cannon run out through a port at `port`, its muzzle at `tip`: the
// carriage and breech on deck behind the bulwark, the barrel out over the
// gap with its reinforcing rings, the swell at the mouth and the dark bore.
void CarriageAndBreech(cairo_t* cr, Pt port, Pt tip) {
    const Pt along = (tip - port) * (1.0 / geo::Length(tip - port));
    // On the barrel's own line, so the part on deck and the part run out
    // read as one gun through the port.
    const Pt breech = port - along * 44.0;
    Shape(cr, {{breech.x - 15, breech.y - 2}, {breech.x + 15, breech.y - 2}, {breech.x + 17, breech.y + 12},
               {breech.x - 17, breech.y + 12}},
          style::kWoodDark, 2);
    for (double dx : {-11.0, 11.0}) {
        cairo_arc(cr, breech.x + dx, breech.y + 13, 5.0, 0, 2 * geo::kPi);
        FillKeep(cr, style::kWoodDark);
        Outline(cr, 1.5);
        cairo_arc(cr, breech.x + dx, breech.y + 13, 1.6, 0, 2 * geo::kPi);
        FillKeep(cr, style::kIron);
    }
    Spar(cr, breech, port, 15, 12, style::kIronShade, style::kIronLight, 2);
    // The cascabel, the knob at the back of the breech.
    const Pt knob = breech - along * 9.0;
    Line(cr, breech, knob, style::kIronShade, 5);
    cairo_arc(cr, knob.x, knob.y, 4.0, 0, 2 * geo::kPi);
    FillKeep(cr, style::kIron);
    Outline(cr, 1.5);
}

void RunOutBarrel(cairo_t* cr, Pt port, Pt tip) {
    const Pt along = (tip - port) * (1.0 / geo::Length(tip - port));
    const Pt across = {-along.y, along.x};
    Spar(cr, port, tip, 12, 9, style::kIronShade, style::kIronLight, 2);
    // Reinforcing rings and the swell at the mouth.
    for (double k : {0.25, 0.55}) {
        const Pt c = port + (tip - port) * k;
        const double h = 6.8 - 1.6 * k;
        Shape(cr, {c + across * h - along * 1.5, c + across * h + along * 1.5, c - across * h + along * 1.5,
                   c - across * h - along * 1.5},
              style::kIron, 1.2);
    }
    const double hMouth = 7.0;
    Shape(cr, {tip + across * hMouth - along * 5.0, tip + across * hMouth, tip - across * hMouth,
               tip - across * hMouth - along * 5.0},
          style::kIron, 1.5);
    // The bore, a dark round mouth turned a little towards us.
    cairo_save(cr);
    cairo_translate(cr, tip.x, tip.y);
    cairo_rotate(cr, std::atan2(along.y, along.x));
    cairo_scale(cr, 0.55, 1.0);
    cairo_arc(cr, 0, 0, hMouth, 0, 2 * geo::kPi);
    cairo_restore(cr);
    FillKeep(cr, style::kIronLight);
    Outline(cr, 1.2);
    cairo_save(cr);
    cairo_translate(cr, tip.x + along.x, tip.y + along.y);
    cairo_rotate(cr, std::atan2(along.y, along.x));
    cairo_scale(cr, 0.5, 1.0);
    cairo_arc(cr, 0, 0, hMouth * 0.58, 0, 2 * geo::kPi);
    cairo_restore(cr);
    FillKeep(cr, style::kIronShade);
}

// A ship's side between rail and waterline along the gap, with its wale
// stripe and a row of gun ports; one cannon is run out with its muzzle at
// `muzzle` (stage), its port where the stripe lies at that height.
void ShipSide(cairo_t* cr, const Pts& rail, const Pts& water, uint32_t rgbHull, uint32_t rgbStripe,
              uint32_t rgbPortFrame, int nMuzzleDir, Pt muzzle) {
    // The hull's shadow on the water beside it, and foam along its foot.
    Shape(cr, Band(water, Shifted(water, nMuzzleDir * 16, 0, 0.3, 1.2)), style::kSeaDeep, 0);
    Pts foam;
    for (size_t i = 0; i + 1 < water.size(); ++i)
        for (double k = 0; k < 1; k += 0.25)
            foam.push_back(Lerp(Shifted(water, nMuzzleDir * (k == 0.5 ? 5 : 2), 0)[i],
                                Shifted(water, nMuzzleDir * (k == 0.5 ? 5 : 2), 0)[i + 1], k));
    PathSmooth(cr, foam, false);
    style::SetColour(cr, style::kFoam);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);

    Pts stripeTop, stripeBottom;
    for (size_t i = 0; i < rail.size(); ++i) {
        stripeTop.push_back(Lerp(rail[i], water[i], 0.18));
        stripeBottom.push_back(Lerp(rail[i], water[i], 0.62));
    }
    // The port: the middle of the stripe where it lies a little below the muzzle.
    auto portAt = [&](double t) { return Lerp(Along(stripeTop, t), Along(stripeBottom, t), 0.5); };
    double tPort = 0;
    for (double t = 0; t <= 1; t += 0.001)
        if (std::abs(portAt(t).y - (muzzle.y + 4)) < std::abs(portAt(tPort).y - (muzzle.y + 4))) tPort = t;
    const Pt port = portAt(tPort);
    CarriageAndBreech(cr, port, muzzle);

    Pts side = Band(rail, water);
    PathPoly(cr, side);
    FillKeep(cr, rgbHull);
    cairo_save(cr);
    cairo_clip(cr);
    Shape(cr, Band(stripeTop, stripeBottom), rgbStripe, 0);
    PathPoly(cr, stripeBottom, false);
    Outline(cr, 1.5);
    // Gun ports: parallelograms in the stripe, larger nearer the viewer.
    for (double t = 0.2; t < 0.98; t += 0.1 + 0.06 * t) {
        Pt a = Along(stripeTop, t), b = Along(stripeBottom, t);
        Pt a2 = Along(stripeTop, t + 0.04 + 0.025 * t), b2 = Along(stripeBottom, t + 0.04 + 0.025 * t);
        Pts gunPort = {Lerp(a, b, 0.12), Lerp(a2, b2, 0.12), Lerp(a2, b2, 0.92), Lerp(a, b, 0.92)};
        Shape(cr, gunPort, style::kOutline, 0);
        PathPoly(cr, gunPort);
        style::SetColour(cr, rgbPortFrame);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    PathPoly(cr, side);
    Outline(cr, 2);
    RunOutBarrel(cr, port, muzzle);
    // Rail cap along the top.
    Pts cap = Band(Shifted(rail, -nMuzzleDir * 3, -2, 0.5, 1.5), Shifted(rail, nMuzzleDir * 1, 1, 0.5, 1.5));
    Shape(cr, cap, style::kWoodLight, 1.5);
}

// A mast rising off the stage's top, with a fife rail at its foot.
void DeckMast(cairo_t* cr, double x, double yFoot, double w, uint32_t rgb, uint32_t rgbLight) {
    Spar(cr, {x, yFoot}, {x - kDeckMastLean, kDeckMastTopY}, w, w * kDeckMastTaper, rgb, rgbLight, kDeckMastOutline);
    Shape(cr, {{x - 30, yFoot - 16}, {x + 30, yFoot - 16}, {x + 30, yFoot - 10}, {x - 30, yFoot - 10}},
          style::kWoodDark, 2);
    for (double dx : {-26.0, 26.0})
        Shape(cr, {{x + dx - 3, yFoot - 12}, {x + dx + 3, yFoot - 12}, {x + dx + 3, yFoot + 6}, {x + dx - 3, yFoot + 6}},
              style::kWood, 1.5);
    // Belaying pins along the rail.
    for (double dx = -22; dx <= 22; dx += 11) {
        if (std::abs(dx) < w) continue;
        Line(cr, {x + dx, yFoot - 22}, {x + dx, yFoot - 12}, style::kWoodLight, 2.5);
    }
}

// A yard with its sail furled along it.
void FurledSail(cairo_t* cr, double x0, double x1, double y, double h, uint32_t rgbSail, uint32_t rgbShade) {
    Spar(cr, {x0, y}, {x1, y}, 6, 6, style::kWoodDark, style::kWood, 2);
    Pts bundle;
    const int n = 12;
    for (int i = 0; i <= n; ++i) bundle.push_back({x0 + 8 + (x1 - x0 - 16) * i / n, y + 3 + h * (i % 2 ? 0.75 : 1.0)});
    bundle.push_back({x1 - 8, y + 3});
    bundle.push_back({x0 + 8, y + 3});
    Shape(cr, bundle, rgbSail, 2, false);
    for (int i = 1; i < 6; ++i) {
        double x = x0 + (x1 - x0) * i / 6;
        Line(cr, {x, y + 2}, {x, y + 3 + h * 0.95}, rgbShade, 2);
    }
}

void DecksSkyAndSea(cairo_t* cr, int w) {
    const int yH = int(kDecksHorizonY);
    DitherBands(cr, 0, 0, w, yH,
                {{0, style::kSkyHigh}, {60, style::kSkyHigh}, {150, style::kSkyMid}, {190, style::kSkyMid},
                 {226, style::kSkyLow}});
    Cloud(cr, 470, 120, 150, 50, 91);
    Cloud(cr, 540, 200, 110, 30, 97);
    Cloud(cr, 400, 222, 90, 18, 101);
    DitherBands(cr, 0, yH, w, 640 - yH,
                {{kDecksHorizonY, style::kSeaLight}, {kDecksHorizonY + 4, style::kSeaLight},
                 {kDecksHorizonY + 24, style::kSeaMid}, {330, style::kSeaMid}, {430, style::kSea}, {560, style::kSea},
                 {640, style::kSeaDeep}});
    Waves(cr, 0, w, kDecksHorizonY + 3, 600, 13, 420, kFarSwell, kNearSwell);
}

// An open cargo hatch in a deck: the raised coaming round a dark hold, the
// top of a ladder going down, and barrels standing below (the navy's own,
// with their white band: the plunder).
// Corners: far left, far right, near right, near left.
void OpenHatch(cairo_t* cr, const Pts& corners, const std::vector<Pt>& barrels) {
    Shape(cr, corners, style::kWood, 2);
    Pt centre = {0, 0};
    for (const Pt& p : corners) centre = centre + p * 0.25;
    Pts hole;
    for (const Pt& p : corners) hole.push_back(Lerp(p, centre, 0.16));
    Shape(cr, hole, style::kCharred, 2);
    cairo_save(cr);
    PathPoly(cr, hole);
    cairo_clip(cr);
    // The inside of the coaming's far side, lit, then what stands below.
    Shape(cr, {hole[0], hole[1], hole[1] + Pt{0, 9}, hole[0] + Pt{0, 9}}, style::kWoodDark, 1.5);
    for (const Pt& b : barrels) props::DrawStandingBarrel(cr, b.x, b.y, 30, 40, true);
    const Pt l0 = Lerp(hole[0], hole[1], 0.12), l1 = Lerp(hole[0], hole[1], 0.32);
    for (const Pt& p : {l0, l1}) Spar(cr, p + Pt{0, -4}, p + Pt{-6, 60}, 5, 5, style::kWood, style::kWoodLight, 1.5);
    for (double y = 8; y < 60; y += 13) Line(cr, l0 + Pt{-y * 0.1, y}, l1 + Pt{-y * 0.1, y}, style::kWood, 3.5);
    cairo_restore(cr);
    PathPoly(cr, hole);
    Outline(cr, 2);
}

// A hatch with its cover on: the raised coaming, the cover's boards laid
// across and two ring bolts to lift it by.
// Corners: far left, far right, near right, near left.
void ClosedHatch(cairo_t* cr, const Pts& corners) {
    Shape(cr, corners, style::kWood, 2);
    Pt centre = {0, 0};
    for (const Pt& p : corners) centre = centre + p * 0.25;
    Pts cover;
    for (const Pt& p : corners) cover.push_back(Lerp(p, centre, 0.16));
    Shape(cr, cover, kNavyPlank, 2);
    for (double t = 0.2; t < 0.95; t += 0.2)
        Line(cr, Lerp(cover[0], cover[3], t), Lerp(cover[1], cover[2], t), style::kWoodDark, 2);
    for (double t : {0.3, 0.7}) {
        const Pt bolt = Lerp(Lerp(cover[0], cover[3], 0.5), Lerp(cover[1], cover[2], 0.5), t);
        cairo_save(cr);
        cairo_translate(cr, bolt.x, bolt.y);
        cairo_scale(cr, 1.6, 0.8);
        cairo_arc(cr, 0, 0, 4.5, 0, 2 * geo::kPi);
        cairo_restore(cr);
        style::SetColour(cr, style::kIronShade);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
}

void NavyShip(cairo_t* cr) {
    // Port rail, far side of the deck; the inner face of its bulwark shows.
    const Pts& portRail = kNavyPortRail;
    const Pts portFoot = Shifted(portRail, 10, 14, 0.3, 1.8);
    Pts deck = portFoot;
    deck.push_back({-40, 640});
    deck.push_back({458, 640});
    for (auto it = kNavyRail.rbegin(); it != kNavyRail.rend(); ++it) deck.push_back(*it);
    Planks(cr, deck, {316, 226}, -900, 640, 22, kNavyPlank, kNavyPlankShade, 5);
    // Bulwark inner face (ochre, as the navy paints it) and its rail.
    Shape(cr, Band(portRail, portFoot), kOchre, 2);
    for (double t = 0.15; t < 1; t += 0.12) {
        Pt a = Along(portRail, t), b = Along(portFoot, t);
        Line(cr, a, b, kOchreDark, 2);
    }
    Shape(cr, Band(Shifted(portRail, 0, -4, 0.4, 1.4), portRail), style::kWoodLight, 2);
    ShipSide(cr, kNavyRail, kNavyWaterline, kNavyHull, kOchre, kOchreLight, +1, kNavyGunMuzzle);

    // Deck furniture: a grating and a coil of rope.
    Shape(cr, {{150, 430}, {250, 426}, {262, 470}, {146, 476}}, style::kWood, 2);
    for (double t = 0.15; t < 1; t += 0.14) {
        Line(cr, Lerp({150, 430}, {146, 476}, t), Lerp({250, 426}, {262, 470}, t), style::kWoodDark, 2);
        Line(cr, Lerp({150, 430}, {250, 426}, t), Lerp({146, 476}, {262, 470}, t), style::kWoodDark, 2);
    }
    // The hold's hatch near the bottom left, battened down: the fallen lie
    // on its cover as on the deck round it.
    ClosedHatch(cr, {{110, 522}, {255, 522}, {234, 622}, {40, 622}});
    for (double r = 14; r > 3; r -= 4) {
        cairo_save(cr);
        cairo_translate(cr, 300, 560);
        cairo_scale(cr, 1.6, 0.8);
        cairo_arc(cr, 0, 0, r, 0, 2 * geo::kPi);
        cairo_restore(cr);
        FillKeep(cr, r > 12 ? style::kRope : style::kWoodLight);
        Outline(cr, 1.5);
    }
}

void PirateShip(cairo_t* cr) {
    Pts deck = kPirateRail;
    deck.push_back({820, 640});
    deck.push_back({820, 238});
    Planks(cr, deck, {668, 226}, 300, 1500, 24, kPiratePlank, kPiratePlankShade, 17);
    // Forecastle bulwark across the far end of the deck.
    Shape(cr, {{662, 246}, {820, 246}, {820, 266}, {660, 262}}, kPirateHullLight, 2);
    Shape(cr, {{664, 240}, {820, 240}, {820, 246}, {662, 246}}, style::kWood, 1.5);
    ShipSide(cr, kPirateRail, kPirateWaterline, kPirateHull, kPirateHullLight, kPirateRed, -1, kPirateGunMuzzle);
    // Their own stores lashed by the mast.
    props::DrawStandingBarrel(cr, 760, 352, 30, 38);
    props::DrawStandingBarrel(cr, 784, 372, 30, 40);
    props::DrawStandingBarrel(cr, 742, 384, 30, 40);
    // Their hold's hatch, open near the bottom right, where the plunder
    // goes down: the navy's barrels already stand below.
    OpenHatch(cr, {{700, 505}, {795, 505}, {848, 622}, {713, 622}}, {{764, 570}, {796, 578}, {744, 590}});
}

void Rigging(cairo_t* cr) {
    // Navy: topsail set (sunlit from behind), course furled, shrouds to both rails.
    SquareSail(cr, {-4, 16}, {438, 16}, {450, 146}, {-16, 146}, 8, kWhiteSail, 2.5, 5);
    Spar(cr, {-30, 12}, {460, 12}, 8, 8, style::kWoodDark, style::kWood, 2);
    DeckMast(cr, kNavyMastX, kNavyMastFootY, kNavyMastWidth, style::kWood, style::kWoodLight);
    FurledSail(cr, 30, 404, 160, 14, kWhiteSail.rgbBase, kWhiteSail.rgbShade);
    // The port shrouds run down to the rail as far as it is on deck.
    const Pts portShroudRail(kNavyPortRail.begin(), kNavyPortRail.begin() + 6);
    for (double t = 0.3; t < 0.9; t += 0.12)
        Line(cr, {kNavyMastX - 4, 150}, Along(portShroudRail, t), style::kOutline, 1.5);
    for (double t = 0.15; t < 0.45; t += 0.1) Line(cr, {kNavyMastX + 4, 150}, Along(kNavyRail, t), style::kOutline, 1.5);
    Line(cr, {kNavyMastX, 0}, kNavyRail.front(), style::kOutline, 1.5);

    // Pirate: patched topsail set, course furled, shrouds to the port rail.
    SquareSail(cr, {540, 24}, {880, 24}, {890, 116}, {530, 116}, 6, kDirtySail, 2.5, 4,
               {{0.15, 0.25, 0.12, 0.3, kSailPatch}, {0.55, 0.5, 0.1, 0.25, style::kWoodLight}});
    Spar(cr, {520, 20}, {900, 20}, 8, 8, style::kWoodDark, style::kWood, 2);
    DeckMast(cr, kPirateMastX, kPirateMastFootY, kPirateMastWidth, style::kWoodDark, style::kWood);
    FurledSail(cr, 548, 860, 128, 12, kDirtySail.rgbBase, kDirtySail.rgbShade);
    for (double t = 0.04; t < 0.3; t += 0.08) Line(cr, {kPirateMastX - 4, 140}, Along(kPirateRail, t), style::kOutline, 1.5);
    Line(cr, {kPirateMastX, 0}, kPirateRail.front(), style::kOutline, 1.5);
}

}  // namespace

void PaintShipDecks(cairo_t* cr, int, int nWidth, int) {
    DecksSkyAndSea(cr, nWidth);
    NavyShip(cr);
    PirateShip(cr);
    Rigging(cr);
}

}  // namespace sea
