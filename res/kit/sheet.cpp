// The contact sheet: each picture's frames laid out in rows under a label.

#include "sheet.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kSheetWidth = 2400;
constexpr int kMargin = 16;
constexpr int kGap = 12;
constexpr int kTitleHeight = 24;
constexpr int kLabelHeight = 16;
constexpr int kMinColumn = 56;  // room for a frame's label

struct Placed {
    size_t nPicture;
    int nFrame;
    int x, y;
};

void Label(cairo_t* cr, double x, double y, double dSize, const char* szText) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_font_size(cr, dSize);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, szText);
}

}  // namespace

bool WriteContactSheet(const std::string& path, const std::vector<IndexedPicture>& pictures) {
    // Layout first: a title per picture, then its frames left to right,
    // wrapping at the sheet's width, frame 0 first.
    std::vector<Placed> placed;
    std::vector<int> titleY;
    int y = kMargin;
    for (size_t p = 0; p < pictures.size(); ++p) {
        const PictureGeometry& g = pictures[p].geo;
        titleY.push_back(y);
        y += kTitleHeight;
        int x = kMargin, nRowHeight = 0;
        for (int f = 0; f < g.nFrames; ++f) {
            if (x > kMargin && x + std::max(g.nWidth, kMinColumn) > kSheetWidth - kMargin) {
                x = kMargin;
                y += nRowHeight + kGap;
                nRowHeight = 0;
            }
            placed.push_back({p, f, x, y});
            x += std::max(g.nWidth, kMinColumn) + kGap;
            nRowHeight = std::max(nRowHeight, kLabelHeight + g.nFrameHeight);
        }
        y += nRowHeight + 2 * kGap;
    }
    int nHeight = y + kMargin;

    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSheetWidth, nHeight);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.16, 0.18, 0.22);
    cairo_paint(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    char szText[128];
    for (size_t p = 0; p < pictures.size(); ++p) {
        const IndexedPicture& pic = pictures[p];
        if (pic.nKey >= 0)
            std::snprintf(szText, sizeof szText, "%d   %d x %d, %d frame(s) of %d rows, key entry %d",
                          pic.geo.nId, pic.geo.nWidth, pic.geo.nHeight, pic.geo.nFrames,
                          pic.geo.nFrameHeight, pic.nKey);
        else
            std::snprintf(szText, sizeof szText, "%d   %d x %d, opaque", pic.geo.nId,
                          pic.geo.nWidth, pic.geo.nHeight);
        Label(cr, kMargin, titleY[p] + 17, 16, szText);
    }
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    size_t nSurfaceOf = pictures.size();
    cairo_surface_t* surface = nullptr;
    for (const Placed& pl : placed) {
        const IndexedPicture& pic = pictures[pl.nPicture];
        if (nSurfaceOf != pl.nPicture) {
            if (surface) cairo_surface_destroy(surface);
            surface = PictureSurface(pic, false);
            nSurfaceOf = pl.nPicture;
        }
        std::snprintf(szText, sizeof szText, "frame %d", pl.nFrame);
        Label(cr, pl.x, pl.y + 12, 12, szText);
        int nTop = pic.geo.nHeight - (pl.nFrame + 1) * pic.geo.nFrameHeight;
        cairo_save(cr);
        cairo_rectangle(cr, pl.x, pl.y + kLabelHeight, pic.geo.nWidth, pic.geo.nFrameHeight);
        cairo_clip(cr);
        cairo_set_source_surface(cr, surface, pl.x, pl.y + kLabelHeight - nTop);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    if (surface) cairo_surface_destroy(surface);
    cairo_destroy(cr);
    cairo_status_t status = cairo_surface_write_to_png(sheet, path.c_str());
    cairo_surface_destroy(sheet);
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "assetgen: cannot write %s: %s\n", path.c_str(),
                     cairo_status_to_string(status));
        return false;
    }
    return true;
}
