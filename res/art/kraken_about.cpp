// The About dialog's pictures: the title artwork with the kraken rising
// between the two ships, and the credits card.
#include <cmath>

#include "geometry.h"
#include "kraken_about.h"
#include "kraken_stage.h"
#include "kraken_waves.h"
#include "style.h"
#include "resource_ids.h"

namespace {

// Roles in the order the dialog expects. The saver is the work of this
// project and its contributors, and says so. The dialog's two hot spots lie
// over the last two names and open the project's home page, so those two
// read as links and end before the hot spots do.
struct CreditLine {
    const char* szRole;
    const char* szName;
    bool bLink;
    double dRight;  // the name ends left of this column
};
constexpr CreditLine kCredits[] = {
    {"Project Manager", "The Harborgast project", false, 348},
    {"Graphic Artist", "Contributors", false, 346},
    {"Sound Producer", "Contributors", false, 346},
    {"Animator & MIDI", "Contributors", true, 325},
    {"Programmer", "Contributors", true, 292},
};
// Rows 30 apart from y 15; the role ends and the name starts either side of
// this column, so both link names fall inside the dialog's hot spots.
constexpr double kRowPitch = 30, kFirstRow = 15, kColumn = 183;

// Parchment with rope-brown borders down both sides. The dialog's sunken
// edge frames the top and bottom: a system font a pixel shorter than the
// layout expects crops a few rows there, and a frame would show it.
void PaintParchment(cairo_t* cr, int nWidth, int nHeight) {
    style::SetColour(cr, style::kSail);
    cairo_paint(cr);
    for (double dInset : {4.5, 8.5}) {
        for (double x : {dInset, nWidth - dInset}) {
            cairo_move_to(cr, x, 0);
            cairo_line_to(cr, x, nHeight);
        }
        style::SetColour(cr, dInset < 6 ? style::kWoodDark : style::kWood);
        cairo_set_line_width(cr, dInset < 6 ? 2.0 : 1.0);
        cairo_stroke(cr);
    }
}

// Flat bands of sky, lighter towards the horizon, and a small outlined cloud.
void PaintSky(cairo_t* cr, int nWidth, double dHorizon) {
    const uint32_t bands[] = {style::kSkyHigh, style::kSkyMid, style::kSkyLow};
    for (int i = 0; i < 3; ++i) {
        double y0 = i == 0 ? 0 : dHorizon * (0.3 + 0.3 * i);
        cairo_rectangle(cr, 0, y0, nWidth, dHorizon - y0);
        style::SetColour(cr, bands[i]);
        cairo_fill(cr);
    }
    static const double clouds[][3] = {{150, 84, 10}};
    for (const auto& c : clouds) {
        cairo_new_path(cr);
        for (int k = -2; k <= 2; ++k) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, c[0] + k * c[2] * 0.9, c[1] - (2 - std::abs(k)) * c[2] * 0.45,
                      c[2] * (1.0 - std::abs(k) * 0.15), 0, 2 * geo::kPi);
        }
        style::SetColour(cr, style::kOutline);
        cairo_set_line_width(cr, 3.0);
        cairo_stroke_preserve(cr);
        style::SetColour(cr, style::kCloud);
        cairo_fill(cr);
    }
}

// The name in gold letters with a dark outline and a cast shadow.
void PaintTitle(cairo_t* cr, const char* szText, double cx, double dBaseline, double dSize) {
    cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, dSize);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, szText, &ext);
    double x = cx - ext.x_advance / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, x + 3, dBaseline + 3);
    cairo_text_path(cr, szText);
    style::SetColour(cr, style::kWoodDark);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x, dBaseline);
    cairo_text_path(cr, szText);
    style::SetColour(cr, style::kGold);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    // Light on the upper half of the letters.
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, dBaseline - dSize, 2 * cx, dSize * 0.38);
    style::SetColour(cr, style::kFlashCore);
    cairo_fill(cr);
    cairo_restore(cr);
    style::SetColour(cr, style::kOutline);
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

}  // namespace

// The two ships lie either side of the kraken, which rises between them
// with its tips on its arms as the sinking scene shows it.
void PaintAboutArtwork(cairo_t* cr, int, int nWidth, int nHeight) {
    constexpr double kHorizon = 128;
    PaintSky(cr, nWidth, kHorizon);
    kraken::PaintWaveRow(cr, {0, double(nWidth), kHorizon - 2, 3, 22, 0.3}, nHeight, style::kSea);
    kraken::PaintPieceAt(cr, IDB_BRIG_DISTANT, 0, -4, 80, 0.52);
    kraken::PaintPieceAt(cr, IDB_GALLEON, 1, 228, 40, 0.33);
    kraken::PaintWaveRow(cr, {0, double(nWidth), 168, 5, 30, 0.1}, nHeight, style::kSea);
    constexpr double kHeadX = 120, kHeadY = 86, kScale = 0.5;
    kraken::PaintPieceAt(cr, IDB_KRAKEN_HEAD, 0, kHeadX, kHeadY, kScale);
    static const int tips[][3] = {{0, -40, 92}, {1, -10, 8}, {2, 216, 22}};
    for (const auto& t : tips) kraken::PaintPieceAt(cr, IDB_TENTACLE_TIP, t[0], kHeadX + t[1] * kScale, kHeadY + t[2] * kScale, kScale);
    kraken::PaintWaveRow(cr, {0, double(nWidth), 190, 7, 40, 0.6}, nHeight, style::kSeaDeep);
    PaintTitle(cr, "Harborgast", nWidth / 2.0, 50, 46);
}

namespace {

// The largest size, up to 15, at which every name ends in its column.
double NameSize(cairo_t* cr) {
    cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    double dSize = 15;
    for (const CreditLine& line : kCredits) {
        for (; dSize > 8; dSize -= 0.5) {
            cairo_text_extents_t ext;
            cairo_set_font_size(cr, dSize);
            cairo_text_extents(cr, line.szName, &ext);
            if (kColumn + 6 + ext.x_advance <= line.dRight) break;
        }
    }
    return dSize;
}

}  // namespace

void PaintCredits(cairo_t* cr, int, int nWidth, int nHeight) {
    PaintParchment(cr, nWidth, nHeight);
    const double dNameSize = NameSize(cr);
    for (int i = 0; i < 5; ++i) {
        const CreditLine& line = kCredits[i];
        double y = kFirstRow + kRowPitch * i;
        cairo_text_extents_t ext;
        cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, 13);
        cairo_text_extents(cr, line.szRole, &ext);
        cairo_move_to(cr, kColumn - 12 - ext.x_advance, y + 5);
        style::SetColour(cr, style::kWoodDark);
        cairo_show_text(cr, line.szRole);

        // A small anchor-like dot between role and name.
        cairo_new_path(cr);
        cairo_arc(cr, kColumn - 3, y + 1, 2, 0, 2 * geo::kPi);
        style::SetColour(cr, style::kWood);
        cairo_fill(cr);

        cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr, dNameSize);
        cairo_text_extents(cr, line.szName, &ext);
        cairo_move_to(cr, kColumn + 6, y + 5);
        style::SetColour(cr, line.bLink ? style::kNavyJacket : style::kOutline);
        cairo_show_text(cr, line.szName);
        if (line.bLink) {
            cairo_rectangle(cr, kColumn + 6, y + 8, ext.x_advance, 1.5);
            cairo_fill(cr);
        }
    }
}

