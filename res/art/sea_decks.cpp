// The two ships' decks side by side with the water between their hulls
// (backdrop 1): the navy ship's deck on the left, the pirates' on the
// right, both masts and their rigging, sky and sea beyond.

#include "sea_scenery.h"

#include <algorithm>
#include <cmath>

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

// A ship's side between rail and waterline along the gap, with its wale
// stripe and a row of gun ports; nMuzzlePort runs out a cannon.
void ShipSide(cairo_t* cr, const Pts& rail, const Pts& water, uint32_t rgbHull, uint32_t rgbStripe,
              uint32_t rgbPortFrame, int nMuzzleDir, double tMuzzle) {
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
    // The run-out gun's carriage and breech on deck, behind the bulwark.
    Pt port = Lerp(Along(stripeTop, tMuzzle), Along(stripeBottom, tMuzzle), 0.5);
    Pt breech = {port.x - nMuzzleDir * 34, port.y + 10};
    Shape(cr, {{breech.x - 14, breech.y - 2}, {breech.x + 14, breech.y - 2}, {breech.x + 16, breech.y + 12},
               {breech.x - 16, breech.y + 12}},
          style::kWoodDark, 2);
    for (double dx : {-10.0, 10.0}) {
        cairo_arc(cr, breech.x + dx, breech.y + 13, 4.5, 0, 2 * geo::kPi);
        FillKeep(cr, style::kWood);
        Outline(cr, 1.5);
    }
    Spar(cr, breech, port, 12, 10, style::kIron, style::kIronLight, 2);

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
        Pts port = {Lerp(a, b, 0.12), Lerp(a2, b2, 0.12), Lerp(a2, b2, 0.92), Lerp(a, b, 0.92)};
        Shape(cr, port, style::kOutline, 0);
        PathPoly(cr, port);
        style::SetColour(cr, rgbPortFrame);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    PathPoly(cr, side);
    Outline(cr, 2);
    // The run-out gun's muzzle, whose blast flashes over the gap.
    Pt tip = {port.x + nMuzzleDir * 26, port.y - 4};
    Spar(cr, port, tip, 10, 8, style::kIron, style::kIronLight, 2);
    Shape(cr, {{tip.x - 3, tip.y - 6}, {tip.x + 3, tip.y - 6}, {tip.x + 3, tip.y + 6}, {tip.x - 3, tip.y + 6}},
          style::kIron, 1.5);
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
    ShipSide(cr, kNavyRail, kNavyWaterline, kNavyHull, kOchre, kOchreLight, +1, 0.47);

    // Deck furniture: a grating and a coil of rope.
    Shape(cr, {{150, 430}, {250, 426}, {262, 470}, {146, 476}}, style::kWood, 2);
    for (double t = 0.15; t < 1; t += 0.14) {
        Line(cr, Lerp({150, 430}, {146, 476}, t), Lerp({250, 426}, {262, 470}, t), style::kWoodDark, 2);
        Line(cr, Lerp({150, 430}, {250, 426}, t), Lerp({146, 476}, {262, 470}, t), style::kWoodDark, 2);
    }
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
    ShipSide(cr, kPirateRail, kPirateWaterline, kPirateHull, kPirateHullLight, kPirateRed, -1, 0.42);
    // Plunder lashed by the mast.
    props::DrawStandingBarrel(cr, 760, 352, 30, 38);
    props::DrawStandingBarrel(cr, 784, 372, 30, 40);
    props::DrawStandingBarrel(cr, 742, 384, 30, 40);
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
