// The kraken and its tentacles. Positions inside each picture follow from
// where the scenes place it: the eye overlays sit exactly over the heads'
// own eyes, tentacle tips sit on the ends of the head's arms, and roots that
// the frame cuts off lie over the body that they grow from.
#include <cmath>

#include "assetgen.h"
#include "kraken_about.h"
#include "kraken_rig.h"
#include "kraken_stage.h"
#include "kraken_waves.h"
#include "style.h"

namespace {

using kraken::Dome;
using kraken::EyeLook;
using kraken::EyePair;
using kraken::Tentacle;

// ---- The kraken rising between the decks (198) and its eye overlay (209)

// The overlay's frame lies 88 right of and 172 below the head's corner.
constexpr double kRisingEyesX = 88, kRisingEyesY = 172;
constexpr EyePair kRisingEyes = {63, 29, 40, 17, 15};  // in the overlay's frame
// Its own eyes watch the pirates' deck on the right; the overlay glares
// straight out, or blinks.
constexpr EyeLook kLookAtPirates = {0.9, 0.2, 0.3};
constexpr EyeLook kGlare = {0.0, 0.3, 0.12};
constexpr EyeLook kShut = {0.0, 0.0, 1.0};

EyePair Offset(const EyePair& e, double dx, double dy) {
    EyePair o = e;
    o.dCentreX += dx;
    o.dCentreY += dy;
    return o;
}

void PaintKrakenRising(cairo_t* cr, int, int, int) {
    // Arms behind the body first; the right one runs down to the stage's
    // bottom edge, where the large curling tentacle's root rests on it.
    kraken::PaintTentacle(cr, {{{120, 250}, {78, 272}, {38, 262}, {16, 236}, {24, 210}, {44, 208}, {46, 226}},
                               40, 6, -1});
    kraken::PaintTentacle(cr, {{{176, 250}, {212, 290}, {222, 340}, {218, 395}}, 42, 30, 1});
    kraken::PaintTentacle(cr, {{{120, 262}, {80, 318}, {56, 356}, {50, 395}}, 44, 30, -1});
    kraken::PaintTentacle(cr, {{{138, 262}, {128, 320}, {112, 360}, {110, 395}}, 40, 30, 1});
    kraken::PaintTentacle(cr, {{{166, 262}, {178, 310}, {170, 350}, {162, 395}}, 40, 30, -1});
    kraken::PaintDome(cr, {151, 3, 78, 272});
    EyePair eyes = Offset(kRisingEyes, kRisingEyesX, kRisingEyesY);
    kraken::PaintBrows(cr, eyes);
    kraken::PaintEyes(cr, eyes, kLookAtPirates);
    kraken::PaintMouth(cr, 151, 238, 30);
}

void PaintKrakenEyes(cairo_t* cr, int nFrame, int, int) {
    kraken::PaintEyes(cr, kRisingEyes, nFrame == 0 ? kGlare : kShut);
}

// ---- The kraken gripping the galleon (199), its eyes (210), its tips (204)

constexpr double kGripEyesX = 87, kGripEyesY = 146;
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
    kraken::PaintDome(cr, {123, 30, 60, 184});
    EyePair eyes = Offset(kGripEyes, kGripEyesX, kGripEyesY);
    kraken::PaintBrows(cr, eyes);
    kraken::PaintEyes(cr, eyes, kNarrowed);
}

void PaintKrakenSmallEyes(cairo_t* cr, int, int, int) { kraken::PaintEyes(cr, kGripEyes, kWide); }

// Frames 0 and 1 rise from the bottom right and hook to the left; 2 and 3
// are their mirror images for the arm on the other side.
void PaintTentacleTip(cairo_t* cr, int nFrame, int nWidth, int) {
    if (nFrame >= 2) kraken::MirrorX(cr, nWidth);
    if (nFrame % 2 == 0)
        kraken::PaintTentacle(cr, {{{58, 90}, {56, 68}, {46, 46}, {32, 28}, {16, 22}, {8, 34}, {16, 46}, {26, 42}},
                                   22, 4, -1});
    else
        kraken::PaintTentacle(cr, {{{58, 90}, {54, 66}, {50, 42}, {40, 20}, {24, 10}, {10, 16}, {10, 30}, {20, 32}},
                                   22, 4, -1});
}

// ---- Tentacles over the pirates' deck

// Where the risen kraken stays while these tentacles show.
constexpr double kRisenX = 362, kRisenY = 209;

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

// From behind the kraken's right arm, up and over the pirates' deck.
void PaintCurlingTentacle(cairo_t* cr, int, int, int) {
    kraken::PaintTentacle(cr, {{{-12, 182}, {16, 168}, {40, 140}, {62, 100}, {92, 62}, {128, 42}, {158, 54}, {168, 86},
                                {152, 110}, {132, 104}, {130, 86}, {142, 80}},
                               36, 5, 1});
    PaintKrakenOverRoot(cr, 565, 349, 100);
}

void PaintMastTentacle(cairo_t* cr, int nFrame, int, int) {
    if (nFrame == 0)
        kraken::PaintTentacle(cr, {{{10, 160}, {40, 140}, {70, 130}, {60, 110}, {30, 100}, {40, 80}, {70, 70},
                                    {60, 50}, {36, 40}, {44, 20}, {62, 14}},
                                   22, 5, 1});
    else
        kraken::PaintTentacle(cr, {{{10, 160}, {40, 140}, {70, 130}, {60, 110}, {30, 100}, {40, 80}, {70, 70},
                                    {80, 46}, {96, 30}, {88, 12}, {74, 16}},
                                   22, 5, 1});
}

// From behind the dome's right side, writhing above the pirates' rigging;
// each pose is placed a little differently, so each repeats the dome at its
// own offset.
void PaintWrithingTentacle(cairo_t* cr, int nFrame, int, int) {
    static const std::vector<kraken::Pt> poses[3] = {
        {{40, 196}, {62, 150}, {96, 126}, {116, 92}, {110, 56}, {92, 34}, {76, 40}, {80, 54}},
        {{40, 196}, {64, 150}, {100, 130}, {126, 100}, {132, 64}, {120, 30}, {104, 24}, {100, 38}},
        {{40, 196}, {66, 150}, {104, 136}, {138, 120}, {150, 96}, {148, 76}, {138, 74}, {136, 86}}};
    static const kraken::Pt placed[3] = {{520, 140}, {520, 141}, {517, 143}};
    kraken::PaintTentacle(cr, {poses[nFrame], 36, 5, 1});
    PaintKrakenOverRoot(cr, placed[nFrame].x, placed[nFrame].y, 0);
}

void PaintMastCurl(cairo_t* cr, int, int, int) {
    kraken::PaintTentacle(cr, {{{0, 48}, {30, 44}, {60, 36}, {84, 22}, {92, 10}, {78, 6}, {70, 18}}, 24, 6, -1});
}

// ---- Bands of waves drawn in front of sinking ships (188, 201)

constexpr int kOpenSea = 130;

// Under its crest a band repeats the open-sea backdrop exactly where its
// scene lays it, so only the crest line shows; the crest sinks away at the
// ends so the band has no hard corners.
void PaintSeaBand(cairo_t* cr, int nWidth, int nHeight, double dStageX, double dStageY, double dTaper) {
    const kraken::WaveRow row = {0, double(nWidth), 1, 9, 34, 0.25, dTaper};
    kraken::WaterBodyPath(cr, row, nHeight);
    cairo_save(cr);
    cairo_clip(cr);
    kraken::PaintPieceAt(cr, kOpenSea, 0, -dStageX, -dStageY);
    cairo_restore(cr);
    kraken::PaintCrest(cr, row, nHeight);
}

// Over the brig's sinking rig (scene 6), and over the galleon, the kraken
// and their flags (scene 8), whose flag sinks close to the left end.
void PaintBandBrig(cairo_t* cr, int, int nWidth, int nHeight) { PaintSeaBand(cr, nWidth, nHeight, 194, 475, 36); }
void PaintBandGalleon(cairo_t* cr, int, int nWidth, int nHeight) {
    PaintSeaBand(cr, nWidth, nHeight, 287, 475, 14);
}

}  // namespace

const std::vector<ArtPiece>& KrakenArt() {
    static const std::vector<ArtPiece> pieces = {
        {198, PaintKrakenRising, false},   {199, PaintKrakenGrip, false},
        {209, PaintKrakenEyes, false},     {210, PaintKrakenSmallEyes, false},
        {204, PaintTentacleTip, false},    {205, PaintCurlingTentacle, false},
        {206, PaintMastTentacle, false},   {207, PaintWrithingTentacle, false},
        {208, PaintMastCurl, false},
        {188, PaintBandBrig, false},       {201, PaintBandGalleon, false},
        {183, PaintAboutArtwork, false},   {184, PaintCredits, false},
    };
    return pieces;
}
