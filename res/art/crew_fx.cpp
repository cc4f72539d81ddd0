// Effects and props of the battle: muzzle flashes and smoke, the blast, the
// flying ball, the torn hole, the splash, the plank and the blood spatter.

#include "crew_fx.h"

#include <cmath>
#include <vector>

#include "crew_ink.h"
#include "crew_rig.h"
#include "style.h"

namespace crew {

namespace {

constexpr Tones kFlameEdge = {0xCC3300, style::kFlashEdge, 0xFF9900};
constexpr Tones kFlameMid = {style::kFlashEdge, style::kFlash, style::kFlashCore};
constexpr Tones kSmokeTones = {style::kSmokeDark, style::kSmoke, style::kSmokeLight};
constexpr Tones kIronBall = {0x111111, style::kIron, style::kIronLight};
constexpr Tones kWater = {style::kSeaLight, 0x99CCFF, style::kFoam};
constexpr Tones kFoamTones = {0x99CCFF, style::kFoam, style::kFoam};
constexpr Tones kBloodTones = {style::kBloodDark, style::kBlood, 0xFF3333};

struct Lobe {
    Vec c;
    double r;
};

// Frames facing the other way are painted mirrored about the frame's centre.
void Mirror(cairo_t* cr, int nWidth) {
    cairo_translate(cr, nWidth, 0.0);
    cairo_scale(cr, -1.0, 1.0);
}

// A jagged star of flame bursting from `root` along `dHeading`.
std::vector<Vec> FlamePoints(Vec root, double dHeading, double dLength, double dHalfWidth, int nSpikes,
                             int nSeed) {
    const Vec f = Heading(dHeading);
    const Vec s = {-f.y, f.x};
    const Vec c = root + f * (dLength * 0.5);
    std::vector<Vec> pts;
    for (int k = 0; k < 2 * nSpikes; ++k) {
        const double t = 3.14159265358979 * k / nSpikes;
        const bool bTip = k % 2 == 0;
        const double dJitter = 0.8 + 0.4 * Hash01(nSeed * 97 + k);
        const double r = (bTip ? 1.0 : 0.55) * dJitter;
        // Longer spikes forward than back, where the flame leaves the muzzle.
        const double dForward = std::cos(t) > 0.0 ? 1.0 : 0.55;
        pts.push_back(c + f * (std::cos(t) * dLength * 0.5 * r * dForward) + s * (std::sin(t) * dHalfWidth * r));
    }
    return pts;
}

void DrawFlame(cairo_t* cr, Vec root, double dHeading, double dLength, double dHalfWidth, int nSeed) {
    const std::vector<Vec> outer = FlamePoints(root, dHeading, dLength, dHalfWidth, 9, nSeed);
    DrawShaded(cr, [&](cairo_t* c) { AddPolygon(c, outer.data(), static_cast<int>(outer.size())); },
               kFlameEdge, 1.5, 2.0, 1.5);
    const std::vector<Vec> mid = FlamePoints(root, dHeading, dLength * 0.74, dHalfWidth * 0.68, 7, nSeed + 1);
    DrawShaded(cr, [&](cairo_t* c) { AddPolygon(c, mid.data(), static_cast<int>(mid.size())); },
               kFlameMid, 0.0, 1.5, 1.5);
    const Vec f = Heading(dHeading);
    FillFlat(cr, [&](cairo_t* c) { AddEllipse(c, root + f * (dLength * 0.42), dLength * 0.15, dHalfWidth * 0.28, dHeading); },
             style::kFlashCore);
}

void DrawSmoke(cairo_t* cr, const std::vector<Lobe>& lobes, double dShade, double dLight) {
    auto cloud = [&](cairo_t* c) {
        for (const Lobe& l : lobes) AddCircle(c, l.c, l.r);
    };
    DrawShaded(cr, cloud, kSmokeTones, 2.0, dShade, dLight);
    // Curls where the big puffs overlap, drawn inside the cloud only.
    cairo_save(cr);
    cairo_new_path(cr);
    cloud(cr);
    cairo_clip(cr);
    for (size_t i = 1; i < lobes.size(); ++i) {
        const Lobe& l = lobes[i];
        if (l.r < 7.0) continue;
        StrokeLine(cr, [&](cairo_t* c) {
            cairo_new_sub_path(c);
            cairo_arc(c, l.c.x, l.c.y, l.r * 0.98, 0.35, 1.9);
        }, style::kSmokeDark, 1.5);
    }
    cairo_restore(cr);
}

// A billow of lobes around a centre, the larger ones at the top.
std::vector<Lobe> Billow(Vec c, double rx, double ry, int nLobes, double dSize, int nSeed) {
    std::vector<Lobe> lobes;
    lobes.push_back({c, std::fmin(rx, ry) * 0.75});
    for (int i = 0; i < nLobes; ++i) {
        const double a = 6.2831853 * (i + 0.35 * Hash01(nSeed + i)) / nLobes;
        const double r = dSize * (0.75 + 0.5 * Hash01(nSeed * 31 + i)) * (std::sin(a) < 0.0 ? 1.1 : 0.9);
        lobes.push_back({c + Vec{std::cos(a) * (rx - r), std::sin(a) * (ry - r)}, r});
    }
    return lobes;
}

void DrawDrop(cairo_t* cr, Vec c, double r, double dStretch, double dHeading) {
    DrawShaded(cr, [&](cairo_t* cc) { AddEllipse(cc, c, r * dStretch, r, dHeading); }, kBloodTones, 1.0,
               0.8, 0.6);
}

}  // namespace

// Frames 1 and 3: the muzzle flash, bursting to the left from the gun's
// mouth at the right end of the frame; frames 0 and 2: the grey puff of the
// shot, trailing a wisp down and to the right as it flies up and left.
void PaintCannonFire(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    const double cy = nFrameHeight / 2.0;
    if (nFrame % 2 == 1) {
        const bool bSecond = nFrame == 3;
        DrawFlame(cr, {nWidth - 5.0, cy}, 180.0, bSecond ? 40.0 : 46.0, bSecond ? 12.5 : 11.5, nFrame);
        return;
    }
    const bool bSecond = nFrame == 2;
    std::vector<Lobe> lobes = Billow({22.0, cy - 1.0}, 15.0, 12.5, 5, 6.0, bSecond ? 11 : 5);
    lobes.push_back({{37.0, cy + 5.0}, 4.5});
    lobes.push_back({{45.0, cy + 9.0}, 3.0});
    if (!bSecond) lobes.push_back({{51.0, cy + 11.5}, 2.0});
    DrawSmoke(cr, lobes, 3.0, 2.0);
}

// Frame 1 bursts to the right (the left-hand ship fires), frame 0 to the left.
void PaintBlast(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    cairo_save(cr);
    if (nFrame == 0) Mirror(cr, nWidth);
    const double cy = nFrameHeight / 2.0;
    // The flash starts at the frame's edge, where the gun's muzzle is.
    DrawSmoke(cr, {{{16.0, cy - 17.0}, 12.0}, {{15.0, cy + 5.0}, 11.0}, {{19.0, cy + 21.0}, 11.0},
                   {{26.0, cy - 29.0}, 8.0}, {{29.0, cy + 32.0}, 7.0}},
              4.0, 3.0);
    DrawFlame(cr, {4.0, cy}, 0.0, 74.0, 30.0, 21 + nFrame);
    // Sparks thrown ahead of the flash.
    for (int i = 0; i < 6; ++i) {
        const Vec p = {62.0 + 24.0 * Hash01(i * 7 + 3), cy - 34.0 + 68.0 * Hash01(i * 13 + 5)};
        DrawShaded(cr, [&](cairo_t* c) { AddCircle(c, p, 1.8 + Hash01(i) * 1.2); }, kFlameMid, 1.2, 0.8, 0.6);
    }
    cairo_restore(cr);
}

// Frame 1 flies to the right, frame 0 to the left: the ball leads, smoke
// and speed lines trail behind it.
void PaintCannonball(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    cairo_save(cr);
    if (nFrame == 0) Mirror(cr, nWidth);
    const double cy = nFrameHeight / 2.0;
    DrawSmoke(cr, {{{24.0, cy + 1.0}, 7.5}, {{14.0, cy + 2.5}, 5.5}, {{7.5, cy + 3.5}, 3.5}}, 2.0, 1.5);
    for (int i = 0; i < 3; ++i) {
        const double y = cy - 9.0 + 9.0 * i;
        StrokeLine(cr, [&](cairo_t* c) {
            cairo_move_to(c, 8.0 + 4.0 * (i % 2), y);
            cairo_line_to(c, 30.0, y);
        }, style::kOutline, 3.6);
        StrokeLine(cr, [&](cairo_t* c) {
            cairo_move_to(c, 8.0 + 4.0 * (i % 2), y);
            cairo_line_to(c, 30.0, y);
        }, style::kSmokeLight, 1.6);
    }
    const Vec c = {nWidth - 20.0, cy};
    DrawShaded(cr, [&](cairo_t* cc) { AddCircle(cc, c, 12.0); }, kIronBall, 2.0, 4.0, 3.0);
    FillFlat(cr, [&](cairo_t* cc) { AddEllipse(cc, c + Vec{-4.5, -4.5}, 3.2, 2.2, -40.0); }, style::kSteelShine);
    cairo_restore(cr);
}

// Two shapes of the same drifting cloud of gun smoke.
void PaintSmokeCloud(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    const Vec c = {nWidth / 2.0, nFrameHeight / 2.0};
    DrawSmoke(cr, Billow(c, nWidth / 2.0 - 4.0, nFrameHeight / 2.0 - 5.0, 8, 13.0, 40 + nFrame * 17), 5.0, 4.0);
}

// A hole torn by the shot through the navy topsail (it lands high on the
// left of the decks, on the canvas): sky inside, rips running out from it
// and a singed rim; outside the rim stays transparent.
void PaintShotHole(cairo_t* cr, int, int nWidth, int nFrameHeight) {
    const Vec c = {nWidth / 2.0, nFrameHeight / 2.0};
    constexpr int kPoints = 30;
    std::vector<Vec> singe, hole;
    for (int i = 0; i < kPoints; ++i) {
        const double a = 6.2831853 * (i + 0.4 * Hash01(i + 60)) / kPoints;
        const Vec d = {std::cos(a), std::sin(a) * 0.9};
        // A few rips run out into the canvas; elsewhere the edge is frayed.
        const bool bRip = i == 4 || i == 15 || i == 23;
        const double r = bRip ? 31.0 + 6.0 * Hash01(i) : (i % 2 == 0 ? 22.0 : 17.5) + 3.0 * Hash01(i * 11 + 2);
        hole.push_back(c + d * r);
        singe.push_back(c + d * (bRip ? r + 2.5 : r + 5.0 + 4.0 * Hash01(i * 5 + 1)));
    }
    DrawShaded(cr, [&](cairo_t* cc) { AddPolygon(cc, singe.data(), kPoints); },
               {0x330000, style::kWoodDark, style::kWood}, 1.5, 2.0, 0.0);
    DrawShaded(cr, [&](cairo_t* cc) { AddPolygon(cc, hole.data(), kPoints); },
               {style::kSkyHigh, style::kSkyMid, style::kSkyLow}, 2.0, 0.0, 6.0);
    // Loose threads across the opening.
    for (int i = 0; i < 2; ++i) {
        const Vec a = hole[static_cast<size_t>(i * 14 + 8)], b = hole[static_cast<size_t>(i * 14 + 12)];
        StrokeLine(cr, [&](cairo_t* cc) {
            const Vec m = (a + b) * 0.5 + Vec{0.0, 6.0};
            cairo_move_to(cc, a.x, a.y);
            cairo_curve_to(cc, m.x, m.y, m.x, m.y, (a.x + m.x) / 2.0 + 4.0, m.y + 3.0);
        }, style::kCloudShade, 1.2);
    }
}

// Frame 1: the column of water thrown up with a jet to either side;
// frame 0: the water falling back in a low crown, drops raining down.
// The splash rises beyond the navy ship's port rail at the stage's left
// edge, so its foot is cut along the rail's slope (it drops 4 pixels for
// every 5 to the left) where each frame is placed.
void PaintSplash(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    const bool bHigh = nFrame == 1;
    const double dRailLeft = bHigh ? 121.0 : 107.0, dSlope = 0.8;
    const double cx = nWidth / 2.0, base = dRailLeft - dSlope * cx;
    cairo_save(cr);
    cairo_move_to(cr, 0.0, 0.0);
    cairo_line_to(cr, nWidth, 0.0);
    cairo_line_to(cr, nWidth, std::fmin(nFrameHeight, dRailLeft - dSlope * nWidth));
    cairo_line_to(cr, 0.0, std::fmin(nFrameHeight, dRailLeft));
    cairo_close_path(cr);
    cairo_clip(cr);
    std::vector<Vec> body;
    if (bHigh) {
        body = {{cx - 16.0, base + 4.0}, {cx - 10.0, base - 40.0}, {cx - 6.0, 14.0}, {cx, 9.0},
                {cx + 6.0, 13.0},        {cx + 9.0, base - 40.0},  {cx + 16.0, base + 4.0}};
    } else {
        body = {{cx - 32.0, base + 4.0},  {cx - 30.0, base - 30.0}, {cx - 22.0, base - 20.0},
                {cx - 14.0, base - 44.0}, {cx - 6.0, base - 26.0},  {cx + 2.0, base - 50.0},
                {cx + 9.0, base - 27.0},  {cx + 17.0, base - 42.0}, {cx + 23.0, base - 20.0},
                {cx + 30.0, base - 28.0}, {cx + 32.0, base + 4.0}};
    }
    for (int nSide = -1; nSide <= 1 && bHigh; nSide += 2) {
        // Side jets curling outwards.
        const double s = nSide;
        const Vec jet[] = {{cx + s * 6.0, base + 4.0},   {cx + s * 16.0, base - 26.0},
                           {cx + s * 29.0, base - 48.0}, {cx + s * 33.0, base - 45.0},
                           {cx + s * 24.0, base - 22.0}, {cx + s * 18.0, base + 4.0}};
        DrawShaded(cr, [&](cairo_t* c) { AddBlob(c, jet, 6); }, kWater, 2.0, 2.5, 2.0);
    }
    DrawShaded(cr, [&](cairo_t* c) { AddBlob(c, body.data(), static_cast<int>(body.size())); }, kWater,
               2.0, 3.0, 3.0);
    for (int i = 0; i < 10; ++i) {
        const double s = i % 2 == 0 ? -1.0 : 1.0;
        const double h = Hash01(i * 3 + nFrame * 17);
        const double x = bHigh ? 8.0 + 26.0 * Hash01(i * 7 + 1) : 28.0 + 10.0 * Hash01(i * 7 + 1);
        const double y = bHigh ? 8.0 + 50.0 * h : base - 60.0 + 45.0 * h;
        const double r = bHigh ? 2.2 + 1.6 * Hash01(i + 40) : 1.8 + 1.2 * Hash01(i + 40);
        DrawShaded(cr, [&](cairo_t* c) { AddEllipse(c, {cx + s * x, y}, r, r * (bHigh ? 1.2 : 1.6), 0.0); },
                   kWater, 1.5, 1.0, 1.0);
    }
    // Foam boiling up where the splash meets the sea, just above the rail.
    DrawShaded(cr, [&](cairo_t* c) {
        for (int i = -2; i <= 2; ++i) {
            const double x = cx + i * 15.0;
            AddEllipse(c, {x, dRailLeft - dSlope * x - 1.0}, 10.0, 5.0, -38.7);
        }
    }, kFoamTones, 2.0, 2.0, 1.0);
    cairo_restore(cr);
}

void PaintPlank(cairo_t* cr, int, int nWidth, int nFrameHeight) {
    DrawPlank(cr, {3.0, 3.0}, nWidth - 6.0, nFrameHeight - 14.0, 7.0);
}

// Frame 1: blood spurting from a wound in an arc to the left (away from the
// blow), breaking into drops; frame 0: the drops falling, further and lower.
void PaintSpatter(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    const double w = nWidth, h = nFrameHeight;
    // The arc of the spurt: from the wound on the right, up and over to the left.
    auto arc = [&](double t) {
        const double x = w - 10.0 - t * (w - 18.0);
        const double y = h - 7.0 - 7.5 * std::sin(t * 3.14159265358979 * 0.8) + (nFrame == 0 ? 6.0 * t : 0.0);
        return Vec{x, y};
    };
    if (nFrame == 1) {
        DrawShaded(cr, [&](cairo_t* c) {
            const int nSteps = 12;
            for (int i = 0; i < nSteps; ++i) {
                const double t0 = 0.55 * i / nSteps, t1 = 0.55 * (i + 1) / nSteps;
                AddCapsule(c, arc(t0), arc(t1), 2.6 - 3.0 * t0, 2.6 - 3.0 * t1);
            }
        }, kBloodTones, 1.2, 1.0, 0.8);
    }
    const double dFrom = nFrame == 1 ? 0.68 : 0.25;
    const int nDrops = nFrame == 1 ? 4 : 6;
    for (int i = 0; i < nDrops; ++i) {
        const double t = dFrom + (1.0 - dFrom) * i / (nDrops - 1);
        const Vec p = arc(t) + Vec{0.0, (Hash01(i + nFrame * 9) - 0.5) * 3.0};
        DrawDrop(cr, p, 1.1 + 0.5 * Hash01(i + 20), nFrame == 1 ? 1.5 : 1.0, nFrame == 1 ? 180.0 : 90.0);
    }
    if (nFrame == 0) {
        DrawShaded(cr, [&](cairo_t* c) { AddEllipse(c, {w - 12.0, h - 4.0}, 4.0, 1.8, 0.0); }, kBloodTones, 1.0,
                   0.8, 0.5);
    }
}

}  // namespace crew
