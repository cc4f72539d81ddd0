// The kraken and its tentacles. Positions inside each picture follow from
// where the scenes place it: the eye overlays sit exactly over the heads'
// own eyes, tentacle tips sit on the ends of the head's arms, and roots that
// the frame cuts off lie over the body that they grow from.
#include <cmath>
#include <vector>

#include "art.h"
#include "crew_ink.h"
#include "kraken_about.h"
#include "kraken_rig.h"
#include "kraken_stage.h"
#include "kraken_waves.h"
#include "sea_scenery.h"
#include "style.h"
#include "resource_ids.h"
#include "stage_marks.h"
#include "strip_frames.h"

namespace {

constexpr int kOpenSea = IDB_OPEN_SEA, kDecks = IDB_SHIP_DECKS;

using kraken::Dome;
using kraken::EyeLook;
using kraken::EyePair;
using kraken::Tentacle;

// ---- The kraken rising between the decks and its eye overlay

// The overlay's frame lies marks::kRisingEyesOffset from the head's corner.
constexpr EyePair kRisingEyes = {63, 29, 40, 17, 15};  // in the overlay's frame
// Its own eyes watch the pirates' deck on the right; the overlay glares
// wide at them, or blinks.
constexpr EyeLook kLookAtPirates = {0.9, 0.2, 0.3};
constexpr EyeLook kGlare = {0.75, 0.3, 0.12};
constexpr EyeLook kShut = {0.0, 0.0, 1.0};

EyePair Offset(const EyePair& e, double dx, double dy) {
    EyePair o = e;
    o.dCentreX += dx;
    o.dCentreY += dy;
    return o;
}

// Where the risen kraken stays once it has come up (scene 7 from frame 22).
constexpr double kRisenX = marks::kKrakenRisen.x, kRisenY = marks::kKrakenRisen.y;

// The near water between the hulls: its crest runs across the gap at y 529
// (stage), just above the plank, the water body below it lies between the two
// waterlines. It is calm, without foam caps, so that the line along the
// plank's edge reads as water seen past it, not as foam lying on it.
const kraken::WaveRow kNearWaterRow = {420, 640, 529, 6, 22, 0.15, 0, false};

void PathGap(cairo_t* cr) {
    geo::Pts gap = sea::kNavyWaterline;
    gap.insert(gap.end(), sea::kPirateWaterline.rbegin(), sea::kPirateWaterline.rend());
    sea::PathPoly(cr, gap);
}

// A flat oval of foam centred at (x, y), rx wide and ry high each way.
void FoamOval(cairo_t* cr, double x, double y, double rx, double ry, double dOutline) {
    geo::PathEllipse(cr, x, y, rx, ry);
    style::FillAndOutline(cr, style::kFoam, dOutline);
}

// The plank's far edge, in the rising kraken's picture once it has come up:
// from the moment it is drawn in front of the plank its body ends there, so
// it is seen rising behind the plank, never standing on it.
constexpr double kPlankEdgeRow = marks::kPlank.y + marks::kPlankInset - kRisenY;

// Two arms come forward over the plank and grip it, their ends curled round
// its near edge, the plank showing between them.
const Tentacle kGripLeft = {{{104, 266}, {104, 296}, {108, 320}, {116, 332}, {122, 340}, {124, 350}, {118, 357},
                             {110, 356}, {108, 349}},
                            34, 9, 1};
const Tentacle kGripRight = {{{198, 266}, {198, 296}, {194, 320}, {186, 332}, {180, 340}, {178, 350}, {184, 357},
                              {192, 356}, {194, 349}},
                             34, 9, -1};

void PaintKrakenRising(cairo_t* cr, int, int, int) {
    // Its arms go down into the sea between the hulls, behind the plank.
    kraken::PaintTentacle(cr, {{{128, 262}, {126, 296}, {128, 345}}, 34, 26, -1});
    kraken::PaintTentacle(cr, {{{174, 262}, {176, 296}, {174, 345}}, 34, 26, 1});
    kraken::PaintTentacle(cr, {{{151, 266}, {150, 300}, {151, 345}}, 34, 26, 1});
    kraken::PaintTentacle(cr, kGripLeft);
    kraken::PaintTentacle(cr, kGripRight);
    // The mantle as round as the gripping kraken's (scene 8): its crown
    // lower in the picture, so it also stands less far out of the water
    // while it rises.
    kraken::PaintDome(cr, {151, 32, 78, 243});
    EyePair eyes = Offset(kRisingEyes, marks::kRisingEyesOffset.x, marks::kRisingEyesOffset.y);
    kraken::PaintBrows(cr, eyes);
    kraken::PaintEyes(cr, eyes, kLookAtPirates);
    // The mouth close under the eyes: the face shows whole over the near
    // water while the kraken is still coming up behind the plank.
    kraken::PaintMouth(cr, 151, 227, 30);
    // Two arms already out of the water either side of the face, suckers
    // outwards: a kraken from the first glimpse of it. The left one curls
    // up in front of its body, right of the navy gun's mouth; the right one
    // hooks over towards the pirates.
    kraken::PaintTentacle(cr, {{{112, 345}, {94, 296}, {84, 262}, {82, 222}, {82, 180}, {84, 140}, {92, 110}, {106, 96},
                                {120, 102}, {122, 118}, {112, 126}, {104, 118}},
                               34, 7, 1});
    kraken::PaintTentacle(cr, {{{192, 345}, {208, 296}, {214, 260}, {214, 222}, {212, 184}, {208, 150}, {206, 122},
                                {212, 100}, {222, 94}, {226, 106}, {218, 112}},
                               30, 7, -1});
    // Below the plank's far edge nothing of it shows but the two arms over
    // the plank.
    cairo_save(cr);
    cairo_rectangle(cr, -1, kPlankEdgeRow, 1000, 1000);
    cairo_clip(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    kraken::PaintTentacle(cr, kGripLeft);
    kraken::PaintTentacle(cr, kGripRight);
    cairo_restore(cr);
}

void PaintKrakenEyes(cairo_t* cr, int nFrame, int, int) {
    kraken::PaintEyes(cr, kRisingEyes, nFrame == frames::kEyesOpen ? kGlare : kShut);
}

// ---- The kraken gripping the galleon, its eyes and its tips

constexpr EyePair kGripEyes = {36, 20, 36, 14, 12};
constexpr EyeLook kNarrowed = {-0.3, 0.4, 0.5};
constexpr EyeLook kWide = {-0.2, 0.5, 0.1};

// The arm ends lie under the tips' roots: the tips are placed 40 left and
// 92 down, 10 left and 8 down, and 216 right and 22 down of the head.
void PaintKrakenGrip(cairo_t* cr, int, int, int) {
    kraken::PaintTentacle(cr, {{{150, 215}, {210, 232}, {258, 218}, {282, 192}, {276, 168}, {260, 172}, {262, 186}},
                               34, 6, -1});
    kraken::PaintTentacle(cr, {{{112, 200}, {104, 240}, {100, 262}}, 36, 30, 1});
    kraken::PaintTentacle(cr, {{{140, 200}, {150, 240}, {152, 262}}, 36, 30, -1});
    kraken::PaintTentacle(cr, {{{100, 205}, {60, 202}, {30, 194}, {19, 180}}, 30, 22, 1});
    kraken::PaintTentacle(cr, {{{95, 185}, {62, 168}, {44, 134}, {48, 98}}, 30, 22, 1});
    kraken::PaintTentacle(cr, {{{150, 185}, {196, 172}, {222, 144}, {230, 112}}, 30, 22, -1});
    // The head as tall and broad against the galleon as the rising kraken's
    // is against the decks, so it is the same beast in both scenes.
    kraken::PaintDome(cr, {123, 3, 72, 211});
    EyePair eyes = Offset(kGripEyes, marks::kGrippingEyesOffset.x, marks::kGrippingEyesOffset.y);
    kraken::PaintBrows(cr, eyes);
    kraken::PaintEyes(cr, eyes, kNarrowed);
    kraken::PaintMouth(cr, 123, 194, 26);
}

void PaintKrakenSmallEyes(cairo_t* cr, int, int, int) { kraken::PaintEyes(cr, kGripEyes, kWide); }

// Frames 0 and 1 rise from the bottom right and hook to the left; 2 and 3
// rise from the bottom left and curl back over to the left, towards the
// galleon the kraken holds, never out over whatever lies to its right.
void PaintTentacleTip(cairo_t* cr, int nFrame, int, int) {
    static const std::vector<geo::Pt> spines[frames::kTentacleTipFrames] = {
        {{58, 90}, {56, 68}, {46, 46}, {32, 28}, {16, 22}, {8, 34}, {16, 46}, {26, 42}},
        {{58, 90}, {54, 66}, {50, 42}, {40, 20}, {24, 10}, {10, 16}, {10, 30}, {20, 32}},
        {{14, 90}, {18, 68}, {28, 48}, {34, 28}, {28, 14}, {16, 10}, {8, 20}, {14, 30}},
        {{14, 90}, {20, 66}, {32, 46}, {42, 28}, {40, 12}, {28, 6}, {20, 14}, {24, 24}}};
    kraken::PaintTentacle(cr, {spines[nFrame], 22, 4, -1});
}

// ---- Tentacles over the pirates' deck

// Tentacles that grow from the kraken's body repeat the risen kraken over
// their roots (below dTop in their frame), exactly where it lies under them,
// so each seems to come out from behind it.
void PaintKrakenOverRoot(cairo_t* cr, double dStageX, double dStageY, double dTop) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, dTop, 1000, 1000);
    cairo_clip(cr);
    cairo_translate(cr, kRisenX - dStageX, kRisenY - dStageY);
    PaintKrakenRising(cr, 0, 0, 0);
    cairo_restore(cr);
}

// Out of the water beside the kraken's right arm, up and over the pirates' deck.
void PaintCurlingTentacle(cairo_t* cr, int, int, int) {
    kraken::PaintTentacle(cr, {{{-8, 174}, {16, 160}, {40, 140}, {62, 100}, {92, 62}, {128, 42}, {158, 54}, {168, 86},
                                {152, 110}, {132, 104}, {130, 86}, {142, 80}},
                               36, 5, 1});
    PaintKrakenOverRoot(cr, 565, 349, 140);
}

// Where the arm round the pirates' mast (208, laid at (623, 220), 57 rows
// tall) leaves the bottom of its frame: the run from the kraken's body is
// cut along that row, so the two pieces meet there.
constexpr double kMastCurlBottom = 220 + 57;

// The run of that arm, from behind the kraken's dome across the sea to the
// bottom edge of 208's frame, thick at the body and tapering off to 208's
// own width there, behind the writhing arm; in a frame laid at
// (dStageX, dStageY).
void PaintArmToMast(cairo_t* cr, double dStageX, double dStageY) {
    cairo_save(cr);
    cairo_translate(cr, -dStageX, -dStageY);
    cairo_rectangle(cr, 0, kMastCurlBottom, 1000, 1000);
    cairo_clip(cr);
    kraken::PaintTentacle(cr, {{{566, 314}, {590, 308}, {612, 300}, {626, 292}, {633, 282}, {637, 266}, {649, 252}}, 26, 21, -1});
    cairo_restore(cr);
}

// From behind the dome's right side, arching up high over the gap, its end
// curled like a hook over the pirates' heads (two poses that alternate as it
// writhes), or swung out and down at them (the lunge); each pose is placed a
// little differently, so each repeats the dome at its own offset.
void PaintWrithingTentacle(cairo_t* cr, int nFrame, int, int) {
    static const std::vector<geo::Pt> spines[frames::kTentacleThreePosesFrames] = {
        {{20, 176}, {62, 148}, {90, 110}, {96, 64}, {78, 34}, {56, 28}, {44, 42}, {52, 56}, {64, 52}},
        {{20, 176}, {64, 146}, {94, 104}, {102, 56}, {86, 24}, {62, 16}, {48, 28}, {54, 42}, {66, 40}},
        {{23, 173}, {72, 150}, {112, 128}, {140, 100}, {146, 72}, {136, 52}, {120, 54}, {116, 70}, {126, 80}}};
    static const StageMark placed[frames::kTentacleThreePosesFrames] = {marks::kWritheA, marks::kWritheB,
                                                                        marks::kWritheLunge};
    PaintArmToMast(cr, placed[nFrame].x, placed[nFrame].y);
    kraken::PaintTentacle(cr, {spines[nFrame], 36, 7, 1});
    PaintKrakenOverRoot(cr, placed[nFrame].x, placed[nFrame].y, 0);
}

// ---- The tentacle round the pirates' mast (the curl at its foot, the arm above)

// Stretches of tentacle behind the mast are hidden by painting the decks'
// mast over them again: the mast's own outline (it tapers and leans a
// little), cut down to discs around those stretches.
void HideBehindMast(cairo_t* cr, const std::vector<geo::Pt>& behind, double dRadius, double dStageX,
                    double dStageY) {
    const double dFootY = sea::kPirateMastFootY, dTopY = sea::kDeckMastTopY;
    const double dHalfFoot = sea::kPirateMastWidth / 2 + sea::kDeckMastOutline / 2;
    const double dHalfTop = sea::kPirateMastWidth * sea::kDeckMastTaper / 2 + sea::kDeckMastOutline / 2;
    const double xFoot = sea::kPirateMastX, xTop = sea::kPirateMastX - sea::kDeckMastLean;
    cairo_save(cr);
    cairo_translate(cr, -dStageX, -dStageY);
    cairo_move_to(cr, xFoot - dHalfFoot, dFootY);
    cairo_line_to(cr, xTop - dHalfTop, dTopY);
    cairo_line_to(cr, xTop + dHalfTop, dTopY);
    cairo_line_to(cr, xFoot + dHalfFoot, dFootY);
    cairo_close_path(cr);
    kraken::ClipSharp(cr);
    cairo_translate(cr, dStageX, dStageY);
    cairo_new_path(cr);
    for (const geo::Pt& p : behind) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, p.x, p.y, dRadius, 0, 2 * geo::kPi);
    }
    kraken::FillFromPiece(cr, kDecks, -dStageX, -dStageY);
    cairo_restore(cr);
}


// Out of the sea by the pirates' side, over their rail, once round the mast
// just above the fife rail; the end goes behind the mast, where the stretch
// winding up the mast takes over. The arm's run along the sea from the
// kraken's body to this frame's bottom edge is painted by the writhing
// tentacle's frames (drawn after this one from the moment it shows), cut
// at that edge to join it.
void PaintMastCurl(cairo_t* cr, int, int, int) {
    constexpr double kX = 623, kY = 220;
    kraken::PaintTentacle(cr, {{{10, 64}, {14, 46}, {26, 32}, {42, 28}, {58, 34}, {70, 40}, {84, 34}, {94, 26},
                                {90, 18}, {80, 14}},
                               24, 9, -1});
    HideBehindMast(cr, {{82, 14}, {86, 16}}, 9, kX, kY);
    // Foam where it breaks the surface, over the join with the run below.
    FoamOval(cr, 12, 53, 15, 3.5, 1.5);
}

// Winding up the mast; the free end waves above (frame 0) or reaches out
// to the right (frame 1). The frame starts at the mast's left edge, so the
// turns hug that side and swing wide on the right.
void PaintMastTentacle(cairo_t* cr, int nFrame, int, int) {
    constexpr double kX = 696, kY = 121;
    const double dAxisX = sea::kPirateMastX - 1 - kX, dPitch = 5.56;
    std::vector<geo::Pt> spine, behind;
    for (double a = geo::kPi; a <= 6.5 * geo::kPi + 1e-9; a += geo::kPi / 4) {
        double s = std::sin(a);
        geo::Pt p = {dAxisX + s * (s > 0 ? 17 : 5), 156 - dPitch * (a - geo::kPi)};
        spine.push_back(p);
        if (std::cos(a) < -0.3) behind.push_back(p);
    }
    static const std::vector<geo::Pt> ends[2] = {
        {{30, 48}, {40, 30}, {52, 16}, {66, 12}, {76, 20}, {74, 32}, {64, 30}},
        {{34, 56}, {52, 52}, {70, 56}, {86, 48}, {96, 38}, {92, 28}}};
    spine.insert(spine.end(), ends[nFrame].begin(), ends[nFrame].end());
    kraken::PaintTentacle(cr, {spine, 18, 5, -1});
    HideBehindMast(cr, behind, 10, kX, kY);
}

// ---- Bands of waves drawn in front of sinking ships

// Under its crest a band repeats the open-sea backdrop exactly where its
// scene lays it, so only the crest line shows. The troughs between the
// humps stay within 6 rows of the top, so what has sunk below the band's top
// edge does not peek through them; the crest sinks away at the ends so the
// band has no hard corners.
void PaintSeaBand(cairo_t* cr, int nWidth, int nHeight, double dStageX, double dStageY, double dTaper) {
    const kraken::WaveRow row = {0, double(nWidth), 0.5, 5, 30, 0.25, dTaper};
    kraken::WaterBodyPath(cr, row, nHeight);
    kraken::FillFromPiece(cr, kOpenSea, -dStageX, -dStageY);
    kraken::PaintCrest(cr, row, nHeight);
}

// Over the brig's sinking rig (scene 6), and over the galleon, the kraken
// and their flags (scene 8), whose flag sinks close to the left end.
void PaintBandBrig(cairo_t* cr, int, int nWidth, int nHeight) { PaintSeaBand(cr, nWidth, nHeight, marks::kWavesOverBrig.x, marks::kWavesOverBrig.y, 36); }
void PaintBandGalleon(cairo_t* cr, int, int nWidth, int nHeight) {
    PaintSeaBand(cr, nWidth, nHeight, marks::kWavesOverGalleon.x, marks::kWavesOverGalleon.y, 14);
}

// ---- The hulls either side of the gap on the decks and the water between

// The kraken rises behind these while they are drawn over it, so each one
// repeats the decks backdrop exactly: the navy ship left of its waterline,
// the pirate ship right of its own, and the near water between them.

// A waterline moved sideways (towards the gap, to take in the hull's
// outline) and turned into frame coordinates.
geo::Pts FrameLine(const geo::Pts& line, double dShiftX, double dStageX, double dStageY) {
    geo::Pts out;
    for (const geo::Pt& p : line) out.push_back({p.x + dShiftX - dStageX, p.y - dStageY});
    return out;
}

// Everything of one ship, out to the frame's far side from its waterline.
// The frame's top-left pixel carries the key colour, so it is left out even
// where the hull reaches it.
void PaintHullSide(cairo_t* cr, const geo::Pts& waterline, double dTowardsGap, double dStageX, double dStageY) {
    geo::Pts outline = FrameLine(waterline, dTowardsGap, dStageX, dStageY);
    double dFar = dTowardsGap > 0 ? -1000 : 1000;
    outline.push_back({dFar, outline.back().y});
    outline.push_back({dFar, outline.front().y});
    cairo_save(cr);
    cairo_rectangle(cr, -2000, -2000, 4000, 4000);
    cairo_rectangle(cr, 0, 0, 1, 1);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    sea::PathPoly(cr, outline);
    kraken::FillFromPiece(cr, kDecks, -dStageX, -dStageY);
    cairo_restore(cr);
}

// The near water across the gap, in stage coordinates: the decks backdrop
// below a crest between the two waterlines, and the crest.
// The navy side's frame reaches into the gap too, so it repeats this.
void PaintNearWater(cairo_t* cr) {
    cairo_save(cr);
    PathGap(cr);
    kraken::ClipSharp(cr);
    kraken::WaterBodyPath(cr, kNearWaterRow, 640);
    kraken::FillFromPiece(cr, kDecks, 0, 0);
    kraken::PaintCrest(cr, kNearWaterRow, 640);
    // Below the plank the sea is churned where the kraken has come up:
    // rings and streaks of foam.
    static const double churn[][4] = {{488, 574, 13, 3.5}, {542, 582, 17, 4.5}, {512, 594, 11, 3}, {556, 597, 8, 2.5}};
    for (const auto& c : churn) {
        geo::PathEllipse(cr, c[0], c[1], c[2], c[3]);
        style::SetColour(cr, style::kFoam);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

// Where a waterline crosses the row y (stage), between its points.
double WaterlineXAt(const geo::Pts& line, double y) {
    for (size_t i = 1; i < line.size(); ++i)
        if (line[i].y >= y) return geo::Lerp(line[i - 1], line[i], (y - line[i - 1].y) / (line[i].y - line[i - 1].y)).x;
    return line.back().x;
}

// The sea boils against a hull where the kraken comes up beside it: an arm's
// end breaks the surface in a heap of foam, spray flying. dInwards is +1
// beside the navy hull (the gap lies to its right), -1 beside the pirates'.
// Drawn over the rising kraken while it is behind the ships' sides, so it
// rises out of foaming water from its first frame.
void PaintBoilBySide(cairo_t* cr, const geo::Pts& waterline, double dInwards) {
    const double y = kNearWaterRow.dCrestY, x = WaterlineXAt(waterline, y) + 2 * dInwards;
    const double d = dInwards;
    auto at = [&](double dx, double dy) { return geo::Pt{x + dx * d, y + dy}; };
    // A crown of water thrown up against the hull, drops flying off it.
    const geo::Pt crown[] = {at(-1, 3), at(-2, -12), at(2, -7), at(5, -22), at(9, -9), at(14, -18), at(16, -6),
                             at(21, 3)};
    crew::DrawShaded(cr, [&](cairo_t* c) { crew::AddBlob(c, crown, 8); }, crew::kWater, 1.5, 2.0, 1.5);
    static const double drops[][3] = {{0, -22, 1.6}, {7, -33, 1.8}, {17, -27, 1.6}, {-3, -34, 1.3}, {20, -38, 1.4}};
    for (const auto& p : drops)
        crew::DrawShaded(cr, [&](cairo_t* c) { crew::AddEllipse(c, at(p[0], p[1]), p[2], p[2] * 1.4); },
                         crew::kWater, 1.2, 1.0, 1.0);
    // The end of an arm breaking the surface through it.
    kraken::PaintTentacle(cr, {{at(12, 6), at(13, -10), at(10, -24), at(3, -31), at(-2, -25), at(2, -19)}, 12, 3,
                               d > 0 ? 1 : -1});
    // Foam heaped where it falls back.
    crew::DrawShaded(cr, [&](cairo_t* c) {
        crew::AddEllipse(c, at(4, -1), 7, 4.5);
        crew::AddEllipse(c, at(14, 0), 8, 4.5);
        crew::AddEllipse(c, at(9, -5), 6, 4);
    }, crew::kFoamTones, 1.5, 1.5, 1.0);
}

void PaintNavySide(cairo_t* cr, int, int, int) {
    PaintHullSide(cr, sea::kNavyWaterline, 2, marks::kNavySide.x, marks::kNavySide.y);
    cairo_translate(cr, -marks::kNavySide.x, -marks::kNavySide.y);
    PaintNearWater(cr);
    PaintBoilBySide(cr, sea::kNavyWaterline, 1);
}

void PaintPirateSide(cairo_t* cr, int, int, int) {
    PaintHullSide(cr, sea::kPirateWaterline, -2, marks::kPirateSide.x, marks::kPirateSide.y);
    cairo_translate(cr, -marks::kPirateSide.x, -marks::kPirateSide.y);
    PaintBoilBySide(cr, sea::kPirateWaterline, -1);
}

void PaintWaterBetweenHulls(cairo_t* cr, int, int, int) {
    cairo_translate(cr, -marks::kWaterBetweenHulls.x, -marks::kWaterBetweenHulls.y);
    PaintNearWater(cr);
}

}  // namespace

const std::vector<ArtPiece>& KrakenArt() {
    static const std::vector<ArtPiece> pieces = {
        {IDB_KRAKEN_RISING, PaintKrakenRising, false},
        {IDB_KRAKEN_HEAD, PaintKrakenGrip, false},
        {IDB_KRAKEN_EYES, PaintKrakenEyes, false},
        {IDB_KRAKEN_EYES_SMALL, PaintKrakenSmallEyes, false},
        {IDB_TENTACLE_TIP, PaintTentacleTip, false},
        {IDB_TENTACLE, PaintCurlingTentacle, false},
        {IDB_TENTACLE_TWO_POSES, PaintMastTentacle, false},
        {IDB_TENTACLE_THREE_POSES, PaintWrithingTentacle, false},
        {IDB_TENTACLE_ROUND_MAST, PaintMastCurl, false},
        {IDB_GUN_PORTS, PaintNavySide, false},
        {IDB_GUN_PORTS_NARROW, PaintPirateSide, false},
        {IDB_WATER_BETWEEN_HULLS, PaintWaterBetweenHulls, false},
        {IDB_WAVES_WIDE, PaintBandBrig, false},
        {IDB_WAVES_NARROW, PaintBandGalleon, false},
        {IDB_ABOUT_ART, PaintAboutArtwork, false},
        {IDB_ABOUT_CREDITS, PaintCredits, false},
    };
    return pieces;
}
