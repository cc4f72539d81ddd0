// Effects and props of the battle: muzzle flashes and smoke, the blast, the
// flying ball, the torn hole, the splash, the plank and the blood spatter.

#include "crew_fx.h"

#include <cmath>
#include <vector>

#include "crew_ink.h"
#include "crew_rig.h"
#include "kraken_stage.h"
#include "props.h"
#include "style.h"
#include "resource_ids.h"

namespace crew {

namespace {

constexpr Tones kFlameEdge = {style::kFlameShade, style::kFlashEdge, style::kFlameLight};
constexpr Tones kFlameMid = {style::kFlashEdge, style::kFlash, style::kFlashCore};
constexpr Tones kSmokeTones = {style::kSmokeDark, style::kSmoke, style::kSmokeLight};
// Fresh powder smoke is nearly white: it stands out against sky and hulls.
constexpr Tones kPuffTones = {style::kSmoke, style::kSmokeLight, style::kCloud};
constexpr Tones kIronBall = {style::kIronShade, style::kIron, style::kIronLight};
constexpr Tones kWater = {style::kSeaLight, style::kSpray, style::kFoam};
constexpr Tones kFoamTones = {style::kSpray, style::kFoam, style::kFoam};
constexpr Tones kBloodTones = {style::kBloodDark, style::kBlood, style::kBloodLight};

struct Lobe {
    Pt c;
    double r;
};

// Frames facing the other way are painted mirrored about the frame's centre.
void Mirror(cairo_t* cr, int nWidth) {
    cairo_translate(cr, nWidth, 0.0);
    cairo_scale(cr, -1.0, 1.0);
}

// A jagged star of flame bursting from `root` along `dHeading`.
std::vector<Pt> FlamePoints(Pt root, double dHeading, double dLength, double dHalfWidth, int nSpikes,
                             int nSeed) {
    const Pt f = geo::Heading(dHeading);
    const Pt s = {-f.y, f.x};
    const Pt c = root + f * (dLength * 0.5);
    std::vector<Pt> pts;
    for (int k = 0; k < 2 * nSpikes; ++k) {
        const double t = geo::kPi * k / nSpikes;
        const bool bTip = k % 2 == 0;
        const double dJitter = 0.8 + 0.4 * geo::Hash01(nSeed * 97 + k);
        const double r = (bTip ? 1.0 : 0.55) * dJitter;
        // Longer spikes forward than back, where the flame leaves the muzzle.
        const double dForward = std::cos(t) > 0.0 ? 1.0 : 0.55;
        pts.push_back(c + f * (std::cos(t) * dLength * 0.5 * r * dForward) + s * (std::sin(t) * dHalfWidth * r));
    }
    return pts;
}

void DrawFlame(cairo_t* cr, Pt root, double dHeading, double dLength, double dHalfWidth, int nSeed) {
    const std::vector<Pt> outer = FlamePoints(root, dHeading, dLength, dHalfWidth, 9, nSeed);
    DrawShaded(cr, [&](cairo_t* c) { AddPolygon(c, outer.data(), static_cast<int>(outer.size())); },
               kFlameEdge, 1.5, 2.0, 1.5);
    const std::vector<Pt> mid = FlamePoints(root, dHeading, dLength * 0.74, dHalfWidth * 0.68, 7, nSeed + 1);
    DrawShaded(cr, [&](cairo_t* c) { AddPolygon(c, mid.data(), static_cast<int>(mid.size())); },
               kFlameMid, 0.0, 1.5, 1.5);
    const Pt f = geo::Heading(dHeading);
    FillFlat(cr, [&](cairo_t* c) { AddEllipse(c, root + f * (dLength * 0.42), dLength * 0.15, dHalfWidth * 0.28, dHeading); },
             style::kFlashCore);
}

void DrawSmoke(cairo_t* cr, const std::vector<Lobe>& lobes, double dShade, double dLight,
               const Tones& tones = kSmokeTones) {
    auto cloud = [&](cairo_t* c) {
        for (const Lobe& l : lobes) AddCircle(c, l.c, l.r);
    };
    DrawShaded(cr, cloud, tones, 2.0, dShade, dLight);
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
        }, tones.shade, 1.5);
    }
    cairo_restore(cr);
}

// A billow of lobes around a centre, the larger ones at the top.
std::vector<Lobe> Billow(Pt c, double rx, double ry, int nLobes, double dSize, int nSeed) {
    std::vector<Lobe> lobes;
    lobes.push_back({c, std::fmin(rx, ry) * 0.75});
    for (int i = 0; i < nLobes; ++i) {
        const double a = 2 * geo::kPi * (i + 0.35 * geo::Hash01(nSeed + i)) / nLobes;
        const double r = dSize * (0.75 + 0.5 * geo::Hash01(nSeed * 31 + i)) * (std::sin(a) < 0.0 ? 1.1 : 0.9);
        lobes.push_back({c + Pt{std::cos(a) * (rx - r), std::sin(a) * (ry - r)}, r});
    }
    return lobes;
}

void DrawDrop(cairo_t* cr, Pt c, double r, double dStretch, double dHeading) {
    DrawShaded(cr, [&](cairo_t* cc) { AddEllipse(cc, c, r * dStretch, r, dHeading); }, kBloodTones, 1.0,
               0.8, 0.6);
}

}  // namespace

// Frames 1 and 3: the muzzle flash, bursting to the left from the gun's
// mouth at the right end of the frame; frames 0 and 2: the puff of the
// shot, trailing a wisp down and to the right as it flies up and left.
// Both fill their small frame, so a shot reads at a glance at full size:
// the flash a white-hot heart in a star of flame, the puff nearly white.
void PaintCannonFire(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    const double cy = nFrameHeight / 2.0;
    if (nFrame % 2 == 1) {
        const bool bSecond = nFrame == 3;
        const Pt muzzle = {nWidth - 4.0, cy};
        DrawFlame(cr, muzzle, 180.0, bSecond ? 50.0 : 53.0, 12.5, nFrame);
        // The white-hot heart of the blast, just out of the mouth.
        FillFlat(cr, [&](cairo_t* c) { AddEllipse(c, muzzle + Pt{-16.0, 0.0}, 10.0, 6.0, 0.0); },
                 style::kFlashCore);
        FillFlat(cr, [&](cairo_t* c) { AddEllipse(c, muzzle + Pt{-14.0, -0.5}, 5.5, 3.2, 0.0); },
                 style::kCloud);
        return;
    }
    const bool bSecond = nFrame == 2;
    std::vector<Lobe> lobes = Billow({22.5, cy - 0.5}, 20.0, 13.0, 6, 7.0, bSecond ? 11 : 5);
    lobes.push_back({{38.0, cy + 6.0}, 5.5});
    lobes.push_back({{46.0, cy + 10.0}, 3.8});
    if (!bSecond) lobes.push_back({{52.0, cy + 12.5}, 2.4});
    DrawSmoke(cr, lobes, 3.0, 2.5, kPuffTones);
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
        const Pt p = {62.0 + 24.0 * geo::Hash01(i * 7 + 3), cy - 34.0 + 68.0 * geo::Hash01(i * 13 + 5)};
        DrawShaded(cr, [&](cairo_t* c) { AddCircle(c, p, 1.8 + geo::Hash01(i) * 1.2); }, kFlameMid, 1.2, 0.8, 0.6);
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
    const Pt c = {nWidth - 20.0, cy};
    DrawShaded(cr, [&](cairo_t* cc) { AddCircle(cc, c, 12.0); }, kIronBall, 2.0, 4.0, 3.0);
    FillFlat(cr, [&](cairo_t* cc) { AddEllipse(cc, c + Pt{-4.5, -4.5}, 3.2, 2.2, -40.0); }, style::kSteelShine);
    cairo_restore(cr);
}

// Two shapes of the same drifting cloud of gun smoke.
void PaintSmokeCloud(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    const Pt c = {nWidth / 2.0, nFrameHeight / 2.0};
    DrawSmoke(cr, Billow(c, nWidth / 2.0 - 4.0, nFrameHeight / 2.0 - 5.0, 8, 13.0, 40 + nFrame * 17), 5.0, 4.0);
}

// A hole torn by the shot through the navy topsail, where it lies on the
// canvas of the decks backdrop. The picture repeats that canvas (seams and
// all) out to a ragged patch round the hole, so the scorch fades into the
// sail itself and its edge never shows: browned cloth, charred towards the
// tear; rips run out from it, torn flaps hang into it and threads cross it.
// Sky shows through the hole; outside the patch stays transparent.
namespace {

constexpr int kDecksBackdrop = IDB_SHIP_DECKS;
constexpr double kHoleStageX = 15, kHoleStageY = 22;

// A closed ring of nPoints round c: radius r0 with up to dRag of noise,
// stretched by dUp towards the top (heat scorches the cloth above a hole
// more than below it).
std::vector<Pt> RaggedRing(Pt c, double r0, double dRag, double dUp, int nPoints, int nSeed) {
    std::vector<Pt> ring;
    for (int i = 0; i < nPoints; ++i) {
        const double a = 2 * geo::kPi * (i + 0.4 * geo::Hash01(nSeed + i)) / nPoints;
        // Every other point juts out a little: a charred, frayed edge.
        const double r = r0 + dRag * geo::Hash01(i * 11 + nSeed) + dUp * std::fmax(0.0, -std::sin(a)) +
                         (i % 2 == 0 ? 1.5 : -1.0);
        ring.push_back(c + Pt{std::cos(a), std::sin(a) * 0.9} * r);
    }
    return ring;
}

}  // namespace

void PaintShotHole(cairo_t* cr, int, int nWidth, int nFrameHeight) {
    const Pt c = {nWidth / 2.0, nFrameHeight / 2.0 + 3.0};
    auto blob = [](const std::vector<Pt>& pts) {
        return [pts](cairo_t* cc) { AddBlob(cc, pts.data(), static_cast<int>(pts.size())); };
    };
    // The patch of sail that the picture carries, pixel for pixel.
    const std::vector<Pt> patch = RaggedRing(c, 38.0, 4.0, 4.0, 16, 7);
    cairo_save(cr);
    blob(patch)(cr);
    kraken::ClipSharp(cr);
    cairo_new_path(cr);
    blob(patch)(cr);
    kraken::FillFromPiece(cr, kDecksBackdrop, -kHoleStageX, -kHoleStageY);
    // Scorch, browning the canvas ring by ring towards the tear, with no
    // outline of its own; each ring ragged in its own way.
    const struct {
        double r, rag, up;
        uint32_t rgb;
    } kScorch[] = {
        {26.0, 6.0, 6.0, style::kWoodPale}, {23.0, 5.0, 5.0, style::kWoodLight},
        {20.5, 4.0, 3.5, style::kWood},     {18.5, 3.0, 2.0, style::kWoodDark},
    };
    int nSeed = 3;
    for (const auto& w : kScorch) {
        const std::vector<Pt> ring = RaggedRing(c, w.r, w.rag, w.up, 28, nSeed += 17);
        FillFlat(cr, [&](cairo_t* cc) { AddPolygon(cc, ring.data(), static_cast<int>(ring.size())); }, w.rgb);
    }
    cairo_restore(cr);

    // The tear: frayed all round, the edge charred black.
    std::vector<Pt> hole;
    constexpr int kEdge = 44;
    for (int i = 0; i < kEdge; ++i) {
        const double a = 2 * geo::kPi * i / kEdge;
        const double r = 15.0 + 4.5 * geo::Hash01(i * 5 + 1) + (i % 2 == 0 ? 1.8 : -0.8);
        hole.push_back(c + Pt{std::cos(a), std::sin(a) * 0.9} * r);
    }
    DrawShaded(cr, [&](cairo_t* cc) { AddPolygon(cc, hole.data(), kEdge); },
               {style::kSkyHigh, style::kSkyHigh, style::kSkyMid}, 2.5, 0.0, 3.0);
    // Rips running out from the tear into the cloth.
    for (int i : {5, 19, 33}) {
        const Pt from = hole[static_cast<size_t>(i)];
        const Pt out = (from - c) * (1.0 / geo::Length(from - c));
        const Pt side = {-out.y, out.x};
        const double l = 10.0 + 5.0 * geo::Hash01(i);
        const Pt rip[] = {from + side * 2.2, from + out * (l * 0.6) + side * 1.0, from + out * l,
                           from + out * (l * 0.5) - side * 0.6, from - side * 2.2};
        FillFlat(cr, [&](cairo_t* cc) { AddPolygon(cc, rip, 5); }, style::kCharred);
    }
    // Threads left hanging across the opening.
    for (int i = 0; i < 3; ++i) {
        const Pt a = hole[static_cast<size_t>(i * 14 + 8)], b = hole[static_cast<size_t>((i * 14 + 15) % kEdge)];
        StrokeLine(cr, [&](cairo_t* cc) {
            const Pt m = (a + b) * 0.5 + Pt{0.0, 5.0};
            cairo_move_to(cc, a.x, a.y);
            cairo_curve_to(cc, m.x, m.y, m.x, m.y, (a.x + m.x) / 2.0 + 2.0, m.y + 3.0);
        }, style::kWoodLight, 1.2);
    }
    // Flaps of canvas that the shot tore inwards, hanging into the hole with
    // their torn edges burnt black: one from the top, one from the side.
    const struct {
        int iRoot, nSpan;
        Pt tip;
    } kFlaps[] = {{30, 6, {0.0, 2.0}}, {2, 5, {1.0, 10.0}}};
    for (const auto& f : kFlaps) {
        const Pt a = hole[static_cast<size_t>(f.iRoot)], b = hole[static_cast<size_t>((f.iRoot + f.nSpan) % kEdge)];
        const Pt tip = c + f.tip;
        const Pt flap[] = {a, (a + tip) * 0.5 + Pt{1.0, 0.5}, tip, (b + tip) * 0.5 + Pt{-0.5, 1.0}, b};
        DrawShaded(cr, [&](cairo_t* cc) { AddPolygon(cc, flap, 5); },
                   {style::kCloudShade, style::kSailShade, style::kSail}, 1.6, 1.5, 1.0);
        StrokeLine(cr, [&](cairo_t* cc) {
            cairo_move_to(cc, flap[1].x, flap[1].y);
            cairo_line_to(cc, tip.x, tip.y);
            cairo_line_to(cc, flap[3].x, flap[3].y);
        }, style::kCharred, 2.2);
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
    std::vector<Pt> body;
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
        const Pt jet[] = {{cx + s * 6.0, base + 4.0},   {cx + s * 16.0, base - 26.0},
                           {cx + s * 29.0, base - 48.0}, {cx + s * 33.0, base - 45.0},
                           {cx + s * 24.0, base - 22.0}, {cx + s * 18.0, base + 4.0}};
        DrawShaded(cr, [&](cairo_t* c) { AddBlob(c, jet, 6); }, kWater, 2.0, 2.5, 2.0);
    }
    DrawShaded(cr, [&](cairo_t* c) { AddBlob(c, body.data(), static_cast<int>(body.size())); }, kWater,
               2.0, 3.0, 3.0);
    for (int i = 0; i < 10; ++i) {
        const double s = i % 2 == 0 ? -1.0 : 1.0;
        const double h = geo::Hash01(i * 3 + nFrame * 17);
        const double x = bHigh ? 8.0 + 26.0 * geo::Hash01(i * 7 + 1) : 28.0 + 10.0 * geo::Hash01(i * 7 + 1);
        const double y = bHigh ? 8.0 + 50.0 * h : base - 60.0 + 45.0 * h;
        const double r = bHigh ? 2.2 + 1.6 * geo::Hash01(i + 40) : 1.8 + 1.2 * geo::Hash01(i + 40);
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
    props::DrawPlank(cr, {3.0, 3.0}, nWidth - 6.0, nFrameHeight - 14.0, 7.0);
}

// Frame 1: blood spurting from a wound in an arc to the left (away from the
// blow), breaking into drops; frame 0: the drops falling, further and lower.
void PaintSpatter(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    const double w = nWidth, h = nFrameHeight;
    // The arc of the spurt: from the wound on the right, up and over to the left.
    auto arc = [&](double t) {
        const double x = w - 10.0 - t * (w - 18.0);
        const double y = h - 7.0 - 7.5 * std::sin(t * geo::kPi * 0.8) + (nFrame == 0 ? 6.0 * t : 0.0);
        return Pt{x, y};
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
        const Pt p = arc(t) + Pt{0.0, (geo::Hash01(i + nFrame * 9) - 0.5) * 3.0};
        DrawDrop(cr, p, 1.1 + 0.5 * geo::Hash01(i + 20), nFrame == 1 ? 1.5 : 1.0, nFrame == 1 ? 180.0 : 90.0);
    }
    if (nFrame == 0) {
        DrawShaded(cr, [&](cairo_t* c) { AddEllipse(c, {w - 12.0, h - 4.0}, 4.0, 1.8, 0.0); }, kBloodTones, 1.0,
                   0.8, 0.5);
    }
}

}  // namespace crew
