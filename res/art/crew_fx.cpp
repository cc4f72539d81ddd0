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
    DrawShaded(cr, [&](cairo_t* c) {
        for (const Lobe& l : lobes) AddCircle(c, l.c, l.r);
    }, kSmokeTones, 2.0, dShade, dLight);
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
    DrawSmoke(cr, {{{18.0, cy - 16.0}, 12.0}, {{15.0, cy + 4.0}, 12.0}, {{22.0, cy + 20.0}, 11.0},
                   {{28.0, cy - 28.0}, 8.0}, {{32.0, cy + 31.0}, 7.0}},
              4.0, 3.0);
    DrawFlame(cr, {10.0, cy}, 0.0, 68.0, 30.0, 21 + nFrame);
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

// A hole blown through the timber: dark inside, splintered pale wood round
// the rim, scorched edges; what lies outside the rim stays transparent.
void PaintShotHole(cairo_t* cr, int, int nWidth, int nFrameHeight) {
    const Vec c = {nWidth / 2.0, nFrameHeight / 2.0};
    std::vector<Vec> scorch, rim, hole;
    constexpr int kPoints = 22;
    for (int i = 0; i < kPoints; ++i) {
        const double a = 6.2831853 * i / kPoints;
        const Vec d = {std::cos(a), std::sin(a) * 0.85};
        const double j = Hash01(i * 5 + 1);
        const double jj = Hash01(i * 11 + 2);
        scorch.push_back(c + d * (33.0 + 6.0 * j));
        rim.push_back(c + d * ((i % 2 == 0 ? 31.0 : 22.0) + 8.0 * jj));
        hole.push_back(c + d * ((i % 2 == 0 ? 22.0 : 15.0) + 5.0 * j));
    }
    DrawShaded(cr, [&](cairo_t* cc) { AddBlob(cc, scorch.data(), kPoints); },
               {0x333333, 0x666666, 0x999999}, 0.0, 3.0, 2.0);
    DrawShaded(cr, [&](cairo_t* cc) { AddPolygon(cc, rim.data(), kPoints); },
               {style::kWood, style::kWoodLight, style::kWoodPale}, 1.5, 2.0, 1.5);
    DrawShaded(cr, [&](cairo_t* cc) { AddPolygon(cc, hole.data(), kPoints); },
               {0x111111, 0x330000, 0x663300}, 2.0, 0.0, 3.0);
}

// Frame 1: the column of water thrown up with a jet to either side;
// frame 0: the water falling back in a low crown, drops raining down.
void PaintSplash(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    const double cx = nWidth / 2.0, base = nFrameHeight - 11.0;
    const bool bHigh = nFrame == 1;
    std::vector<Vec> body;
    if (bHigh) {
        body = {{cx - 15.0, base}, {cx - 10.0, base - 45.0}, {cx - 6.0, 14.0}, {cx, 9.0},
                {cx + 6.0, 13.0},  {cx + 9.0, base - 45.0},  {cx + 15.0, base}};
    } else {
        body = {{cx - 32.0, base},        {cx - 30.0, base - 30.0}, {cx - 22.0, base - 20.0},
                {cx - 14.0, base - 44.0}, {cx - 6.0, base - 26.0},  {cx + 2.0, base - 50.0},
                {cx + 9.0, base - 27.0},  {cx + 17.0, base - 42.0}, {cx + 23.0, base - 20.0},
                {cx + 30.0, base - 28.0}, {cx + 32.0, base}};
    }
    for (int nSide = -1; nSide <= 1 && bHigh; nSide += 2) {
        // Side jets curling outwards.
        const double s = nSide;
        const Vec jet[] = {{cx + s * 6.0, base},          {cx + s * 16.0, base - 28.0},
                           {cx + s * 29.0, base - 50.0},  {cx + s * 33.0, base - 47.0},
                           {cx + s * 24.0, base - 24.0},  {cx + s * 18.0, base}};
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
    DrawShaded(cr, [&](cairo_t* c) {
        AddEllipse(c, {cx, base + 1.0}, bHigh ? 30.0 : 38.0, 6.0, 0.0);
        AddEllipse(c, {cx - 22.0, base - 1.0}, 10.0, 4.5, 0.0);
        AddEllipse(c, {cx + 22.0, base - 1.0}, 10.0, 4.5, 0.0);
    }, kFoamTones, 2.0, 2.0, 1.0);
}

void PaintPlank(cairo_t* cr, int, int nWidth, int nFrameHeight) {
    DrawPlank(cr, {3.0, 3.0}, nWidth - 6.0, nFrameHeight - 14.0, 7.0);
}

// Frame 1: the spurt of blood, frame 0: its drops scattering downwards.
void PaintSpatter(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    const Vec c = {nWidth / 2.0, nFrameHeight / 2.0};
    if (nFrame == 1) {
        const Vec splat[] = {c + Vec{-7, -2}, c + Vec{-2, -5}, c + Vec{5, -4}, c + Vec{8, 0},
                             c + Vec{4, 4},   c + Vec{-3, 4},  c + Vec{-8, 2}};
        DrawShaded(cr, [&](cairo_t* cc) { AddBlob(cc, splat, 7); }, kBloodTones, 1.2, 1.2, 0.8);
    }
    for (int i = 0; i < 9; ++i) {
        const double a = 6.2831853 * (i + 0.4 * Hash01(i + 50)) / 9.0;
        const double dReach = nFrame == 1 ? 11.0 + 9.0 * Hash01(i + 70) : 8.0 + 14.0 * Hash01(i + 90);
        Vec p = c + Vec{std::cos(a) * dReach, std::sin(a) * dReach * 0.3 - (nFrame == 0 ? 3.0 : 0.0)};
        if (nFrame == 0) p = p + Vec{0.0, 3.0 + 3.0 * Hash01(i + 30)};
        const double r = nFrame == 1 ? 1.6 + 1.0 * Hash01(i + 10) : 1.2 + 0.8 * Hash01(i + 20);
        DrawDrop(cr, p, r, nFrame == 1 ? 1.8 : 1.0, nFrame == 1 ? a * 57.3 : 90.0);
    }
}

}  // namespace crew
