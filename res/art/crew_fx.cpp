// Effects and props of the battle: muzzle flashes and smoke, the blast, the
// flying ball, the torn hole, the splash, the plank and the blood spatter.

#include "crew_fx.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "crew_ink.h"
#include "crew_rig.h"
#include "props.h"
#include "sea_scenery.h"
#include "sea_ships.h"
#include "style.h"
#include "resource_ids.h"
#include "stage_marks.h"
#include "strip_frames.h"

namespace crew {

namespace {

constexpr Tones kFlameEdge = {style::kFlameShade, style::kFlashEdge, style::kFlameLight};
constexpr Tones kFlameMid = {style::kFlashEdge, style::kFlash, style::kFlashCore};
constexpr Tones kSmokeTones = {style::kSmokeDark, style::kSmoke, style::kSmokeLight};
// Fresh powder smoke is nearly white: it stands out against sky and hulls.
constexpr Tones kPuffTones = {style::kSmoke, style::kSmokeLight, style::kCloud};
constexpr Tones kIronBall = {style::kIronShade, style::kIron, style::kIronLight};
// A gun port's dark opening (its frame is the outline).
constexpr Tones kGunPort = {style::kIronShade, style::kIronShade, style::kIronShade};
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

// The brig's gun firing out of its port at the ship passing before her, the
// port at `port`: the gun run out and trained out and to the left, its
// mouth towards the onlooker, a burst of flame at the mouth in a bank of
// white smoke rolling out of the port, and the ball already clear of the
// flame, flying left at the other ship with its streaks behind it. The
// flame stays well clear of the frame's left edge, where the other ship's
// bow stands whenever this frame shows: the fire is plainly on the brig's
// side and the shot on its way, not a spark where two hulls meet.
void PaintBroadsideFlash(cairo_t* cr, Pt port) {
    constexpr double kAim = 192.0;  // degrees: trained out, left and a little up, the way the ball then flies
    // The smoke bank rolling out of the port, up and to the left behind the shot.
    DrawSmoke(cr, {{port + Pt{-10.0, -4.0}, 8.5}, {port + Pt{-20.0, -7.0}, 6.0}, {port + Pt{0.0, -5.0}, 7.5},
                   {port + Pt{-2.0, 9.0}, 7.5}, {port + Pt{-13.0, 11.0}, 6.5}, {port + Pt{5.5, 8.0}, 5.0}},
              2.0, 1.5, kPuffTones);
    // The port, the size of the others on her ochre band and framed like
    // them, and the gun in it, softened by the same air as the brig.
    cairo_push_group(cr);
    const double s = 5.5;
    const Pt corners[] = {port + Pt{-s, -s}, port + Pt{s, -s}, port + Pt{s, s}, port + Pt{-s, s}};
    DrawShaded(cr, [&](cairo_t* c) { AddPolygon(c, corners, 4); }, kGunPort, 1.5, 0.0, 0.0);
    StrokeLine(cr, [&](cairo_t* c) { AddPolygon(c, corners, 4); }, sea::kOchreLight, 1.2);
    const Pt f = geo::Heading(kAim), side = {-f.y, f.x};
    const Pt muzzle = port + f * 6.0;
    DrawShaded(cr, [&](cairo_t* c) { AddCapsule(c, port + f * 1.0, muzzle, 3.8, 3.4); }, kIronBall, 1.5, 1.0, 1.0);
    DrawShaded(cr, [&](cairo_t* c) { AddEllipse(c, muzzle, 3.4, 4.6, kAim); }, kIronBall, 1.5, 0.0, 0.0);
    sea::PaintHaze(cr, sea::kBrigHaze);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    // The flame: a burst at the mouth thrown out to the left, ragged at its
    // edge, white-hot at the root.
    std::vector<Pt> burst;
    constexpr int kTongues = 9;
    for (int k = 0; k < 2 * kTongues; ++k) {
        const double a = geo::kPi * k / kTongues;
        const double dAhead = std::cos(a);  // 1 along the aim, -1 back into the port
        const double r = (k % 2 == 0 ? 1.0 : 0.55) * (0.85 + 0.15 * geo::Hash01(k * 11 + 5)) *
                         (dAhead > 0 ? 7.0 + 9.0 * dAhead : 7.0 + 2.0 * dAhead);
        burst.push_back(muzzle + f * (std::cos(a) * r) + side * (std::sin(a) * r * 0.85));
    }
    DrawShaded(cr, [&](cairo_t* c) { AddPolygon(c, burst.data(), static_cast<int>(burst.size())); }, kFlameEdge,
               1.5, 1.5, 1.5);
    FillFlat(cr, [&](cairo_t* c) { AddEllipse(c, muzzle + f * 4.0, 6.0, 4.2, kAim); }, style::kFlash);
    FillFlat(cr, [&](cairo_t* c) { AddEllipse(c, muzzle + f * 2.5, 3.5, 2.6, kAim); }, style::kFlashCore);
    // The ball clear of the flame, flying on towards the other ship.
    const Pt ball = muzzle + f * 24.0;
    for (int i = -1; i <= 1; i += 2) {
        StrokeLine(cr, [&](cairo_t* c) {
            const Pt a = ball - f * 5.0 + side * (2.6 * i), b = ball - f * 12.0 + side * (3.2 * i);
            cairo_move_to(c, a.x, a.y);
            cairo_line_to(c, b.x, b.y);
        }, style::kOutline, 2.4);
    }
    DrawShaded(cr, [&](cairo_t* c) { AddCircle(c, ball, 4.0); }, kIronBall, 1.5, 1.5, 1.0);
    FillFlat(cr, [&](cairo_t* c) { AddEllipse(c, ball + Pt{-1.3, -1.3}, 1.2, 0.8, -40.0); }, style::kSteelShine);
}

}  // namespace

// Frame 1: the muzzle flash, bursting to the left from the gun's mouth at
// the right end of the frame; frame 0: the gunsmoke rolling away up and to
// the left; frame 2: the shot, the iron ball at the head of its puff,
// trailing a thin wisp down and to the right as it flies up and left. They
// fill their small frame, so a shot reads at a glance at full size: the
// flash a white-hot heart in a star of flame, the smoke nearly white. Frame 3 is the
// brig's broadside gun firing where nothing hides it, on her row of ports.
void PaintCannonFire(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    const double cy = nFrameHeight / 2.0;
    if (nFrame == frames::kFlashFromPort) {
        PaintBroadsideFlash(cr, {nWidth - 10.0, 13.0});
        return;
    }
    if (nFrame == frames::kFlash) {
        const Pt muzzle = {nWidth - 4.0, cy};
        DrawFlame(cr, muzzle, 180.0, 53.0, 12.5, nFrame);
        // A round fireball at the mouth itself, the whole height of the frame:
        // where a ship stands before the gun, what shows of the shot beside
        // it is this burst.
        const Pt burst = muzzle + Pt{-11.0, 0.0};
        std::vector<Pt> star;
        constexpr int kSpikes = 11;
        for (int k = 0; k < 2 * kSpikes; ++k) {
            const double a = geo::kPi * k / kSpikes;
            const double r = (k % 2 == 0 ? cy - 1.5 : cy * 0.55) * (0.85 + 0.3 * geo::Hash01(k * 5 + nFrame));
            star.push_back(burst + Pt{std::cos(a) * r * 0.8, std::sin(a) * r});
        }
        DrawShaded(cr, [&](cairo_t* c) { AddPolygon(c, star.data(), static_cast<int>(star.size())); }, kFlameEdge,
                   1.5, 1.5, 1.5);
        FillFlat(cr, [&](cairo_t* c) { AddCircle(c, burst, cy * 0.55); }, style::kFlash);
        // The white-hot heart of the blast, just out of the mouth.
        FillFlat(cr, [&](cairo_t* c) { AddEllipse(c, muzzle + Pt{-14.0, 0.0}, 10.0, 7.0, 0.0); },
                 style::kFlashCore);
        FillFlat(cr, [&](cairo_t* c) { AddEllipse(c, muzzle + Pt{-13.0, -0.5}, 5.5, 3.5, 0.0); },
                 style::kCloud);
        return;
    }
    if (nFrame == frames::kPuff) {
        // Gunsmoke alone, drawn out by the wind up and to the left: a bank
        // at its lower right thinning along the way it drifts into a string
        // of small shreds. It carries no ball and no fire, so where it comes
        // out past a ship that hid the gun it is the smoke of the firing
        // blowing by, not a shot fired from that ship.
        DrawSmoke(cr, {{{43.0, cy + 7.0}, 9.0}, {{33.0, cy + 4.0}, 8.0}, {{50.0, cy + 11.0}, 5.5},
                       {{24.0, cy + 0.5}, 7.0}, {{16.0, cy - 3.5}, 5.5}, {{9.5, cy - 7.0}, 4.0}},
                  2.0, 2.0, kPuffTones);
        DrawSmoke(cr, {{{4.0, cy - 11.0}, 2.5}}, 1.0, 1.0, kPuffTones);
        return;
    }
    // A thick trail back to the gun: where the ball is already hidden behind
    // the ship it flies at, the smoke still shows at the gun that fired it.
    std::vector<Lobe> lobes = Billow({22.5, cy - 0.5}, 20.0, 13.0, 6, 7.0, 11);
    lobes.push_back({{38.0, cy + 5.0}, 7.0});
    lobes.push_back({{47.0, cy + 8.0}, 6.0});
    lobes.push_back({{52.5, cy + 10.0}, 4.5});
    DrawSmoke(cr, lobes, 3.0, 2.5, kPuffTones);
    // The ball, just ahead of its smoke: a shot flying, not a drifting puff.
    const Pt ball = {9.0, cy - 8.0};
    DrawShaded(cr, [&](cairo_t* c) { AddCircle(c, ball, 5.5); }, kIronBall, 1.5, 2.0, 1.5);
    FillFlat(cr, [&](cairo_t* c) { AddEllipse(c, ball + Pt{-1.8, -1.8}, 1.6, 1.1, -40.0); }, style::kSteelShine);
}

// Frame 1 bursts to the right (the left-hand ship fires), frame 0 to the
// left. Each bursts from the mouth of its ship's gun on the decks backdrop,
// towards where the ball shows on the next frame.
namespace {
constexpr Pt kNavyBlastAt = {422, 316}, kPirateBlastAt = {500, 316};
constexpr double kNavyBlastHeading = -13.0, kPirateBlastHeading = -10.0;
}  // namespace

void PaintBlast(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    cairo_save(cr);
    if (nFrame == frames::kBlastLeft) Mirror(cr, nWidth);
    // The gun's mouth in this frame's (mirrored) coordinates.
    const Pt root = nFrame == frames::kBlastRight ? sea::kNavyGunMuzzle - kNavyBlastAt
                                : Pt{nWidth - (sea::kPirateGunMuzzle.x - kPirateBlastAt.x),
                                     sea::kPirateGunMuzzle.y - kPirateBlastAt.y};
    const double dHeading = nFrame == frames::kBlastRight ? kNavyBlastHeading : kPirateBlastHeading;
    (void)nFrameHeight;
    DrawSmoke(cr, {{root + Pt{13.0, -24.0}, 12.0}, {root + Pt{11.0, -3.0}, 11.0}, {root + Pt{18.0, 13.0}, 9.0},
                   {root + Pt{24.0, -36.0}, 8.0}, {root + Pt{28.0, 20.0}, 6.0}},
              4.0, 3.0);
    DrawFlame(cr, root, dHeading, 76.0, 30.0, 21 + nFrame);
    // Sparks thrown ahead of the flash.
    const Pt f = geo::Heading(dHeading), side = {-f.y, f.x};
    for (int i = 0; i < 6; ++i) {
        const Pt p = root + f * (62.0 + 22.0 * geo::Hash01(i * 7 + 3)) + side * (-30.0 + 60.0 * geo::Hash01(i * 13 + 5));
        DrawShaded(cr, [&](cairo_t* c) { AddCircle(c, p, 1.8 + geo::Hash01(i) * 1.2); }, kFlameMid, 1.2, 0.8, 0.6);
    }
    cairo_restore(cr);
}

// Frame 1 flies to the right, frame 0 to the left: the ball leads, smoke
// and speed lines trail behind it.
void PaintCannonball(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    cairo_save(cr);
    if (nFrame == frames::kBallFlyingLeft) Mirror(cr, nWidth);
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
// canvas of the decks backdrop, centred where the ball is last seen before
// it strikes: a ragged rip, longer along the ball's path, with sky seen
// through it, the cloth's torn teeth round its edge and splits running out
// into the canvas. Outside the rip the picture is transparent, so the sail
// itself goes on round it.
namespace {

constexpr double kHoleStageX = 15, kHoleStageY = 22;
// The ball's centre on its last frame (frame 0 of the ball strip at (56, 50)).
constexpr Pt kStrikeStage = {76, 80.5};
// The ball came in from the lower right, rising.
constexpr double kStrikeHeading = 209.0;

}  // namespace

void PaintShotHole(cairo_t* cr, int, int, int) {
    const Pt c = kStrikeStage - Pt{kHoleStageX, kHoleStageY};
    const Pt along = geo::Heading(kStrikeHeading), across = {-along.y, along.x};
    // The rip: an uneven outline, longer along the ball's path.
    std::vector<Pt> rip;
    constexpr int kEdge = 26;
    for (int i = 0; i < kEdge; ++i) {
        const double a = 2 * geo::kPi * (i + 0.3 * geo::Hash01(i * 7 + 2)) / kEdge;
        const double r = 0.78 + 0.4 * geo::Hash01(i * 13 + 5) - (i % 4 == 1 ? 0.22 : 0.0);
        rip.push_back(c + along * (std::cos(a) * 19.0 * r) + across * (std::sin(a) * 13.0 * r));
    }
    // Splits running out into the cloth from three corners of the rip.
    for (int i : {1, 11, 19}) {
        const Pt from = rip[static_cast<size_t>(i)];
        const Pt out = (from - c) * (1.0 / geo::Length(from - c));
        const Pt bend = {-out.y, out.x};
        const double l = 8.0 + 8.0 * geo::Hash01(i + 3);
        const Pt mid = from + out * (l * 0.5) + bend * (3.0 * (geo::Hash01(i) - 0.5));
        StrokeLine(cr, [&](cairo_t* cc) {
            cairo_move_to(cc, from.x, from.y);
            cairo_line_to(cc, mid.x, mid.y);
            cairo_line_to(cc, (from + out * l).x, (from + out * l).y);
        }, style::kOutline, 1.4);
    }
    // Canvas peeled back outside the rip where the ball burst through: the
    // sail's shaded back turned out, torn edge outlined.
    for (int i : {6, 15}) {
        const Pt a = rip[static_cast<size_t>(i)], b = rip[static_cast<size_t>(i + 3)];
        const Pt out = ((a + b) * 0.5 - c) * (1.0 / geo::Length((a + b) * 0.5 - c));
        const Pt curl[] = {a, (a + b) * 0.5 + out * 9.0, b};
        DrawShaded(cr, [&](cairo_t* cc) { AddPolygon(cc, curl, 3); }, {style::kSailShade, style::kCloudShade,
                   style::kCloudShade}, 1.2, 0.0, 0.0);
    }
    DrawShaded(cr, [&](cairo_t* cc) { AddPolygon(cc, rip.data(), kEdge); },
               {style::kSkyHigh, style::kSkyHigh, style::kSkyHigh}, 1.6, 0.0, 0.0);
    // Loose threads of the torn weave hanging into the opening from above.
    for (int i : {2, 4, 6}) {
        const Pt a = rip[static_cast<size_t>(i)];
        StrokeLine(cr, [&](cairo_t* cc) {
            cairo_move_to(cc, a.x, a.y);
            cairo_curve_to(cc, a.x + 1.5, a.y + 3.0, a.x - 1.5, a.y + 5.0, a.x + 0.5, a.y + 7.5);
        }, style::kCloudShade, 1.2);
    }
}

// Frame 1: the column of water thrown up with a jet to either side;
// frame 0: the water falling back in a low crown, drops raining down.
// The splash rises beyond the navy ship's port rail at the stage's left
// edge, so its foot is cut along the rail's slope (it drops 4 pixels for
// every 5 to the left) where each frame is placed.
void PaintSplash(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    const bool bHigh = nFrame == frames::kSplashColumn;
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
    constexpr double kInset = marks::kPlankInset;
    props::DrawPlank(cr, {kInset, kInset}, nWidth - 2 * kInset, nFrameHeight - 14.0, 7.0);
}

// Frame 1: blood spurting from a wound in an arc to the left (away from the
// blow), breaking into drops; frame 0: the drops falling, further and lower.
void PaintSpatter(cairo_t* cr, int nFrame, int nWidth, int nFrameHeight) {
    const double w = nWidth, h = nFrameHeight;
    const bool bSpurt = nFrame == frames::kSpatterSpurt;
    // The arc of the spurt: from the wound on the right, up and over to the left.
    auto arc = [&](double t) {
        const double x = w - 10.0 - t * (w - 18.0);
        const double y = h - 7.0 - 7.5 * std::sin(t * geo::kPi * 0.8) + (bSpurt ? 0.0 : 6.0 * t);
        return Pt{x, y};
    };
    if (bSpurt) {
        DrawShaded(cr, [&](cairo_t* c) {
            const int nSteps = 12;
            for (int i = 0; i < nSteps; ++i) {
                const double t0 = 0.55 * i / nSteps, t1 = 0.55 * (i + 1) / nSteps;
                AddCapsule(c, arc(t0), arc(t1), 2.6 - 3.0 * t0, 2.6 - 3.0 * t1);
            }
        }, kBloodTones, 1.2, 1.0, 0.8);
    }
    const double dFrom = bSpurt ? 0.68 : 0.25;
    const int nDrops = bSpurt ? 4 : 6;
    for (int i = 0; i < nDrops; ++i) {
        const double t = dFrom + (1.0 - dFrom) * i / (nDrops - 1);
        const Pt p = arc(t) + Pt{0.0, (geo::Hash01(i + nFrame * 9) - 0.5) * 3.0};
        DrawDrop(cr, p, 1.1 + 0.5 * geo::Hash01(i + 20), bSpurt ? 1.5 : 1.0, bSpurt ? 180.0 : 90.0);
    }
    if (!bSpurt) {
        DrawShaded(cr, [&](cairo_t* c) { AddEllipse(c, {w - 12.0, h - 4.0}, 4.0, 1.8, 0.0); }, kBloodTones, 1.0,
                   0.8, 0.5);
    }
}

}  // namespace crew
