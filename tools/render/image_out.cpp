// PNG frames and the contact sheet, written with cairo.

#include "image_out.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdio>

namespace {

// Wraps the pixels without copying; cairo's RGB24 is 0x00RRGGBB in native order.
cairo_surface_t* WrapImage(const RgbImage& image) {
    return cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(image.pixels.data())),
        CAIRO_FORMAT_RGB24, image.nWidth, image.nHeight, image.nWidth * 4);
}

}  // namespace

bool WritePng(const RgbImage& image, const std::string& path) {
    cairo_surface_t* surface = WrapImage(image);
    const bool bOk = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return bOk;
}

void ContactSheet::Add(const RgbImage& image, int nFrame) {
    // Nearest-neighbour reduction keeps the 8-bit look of the frames.
    const int nThumbHeight = std::max(1, image.nHeight * nThumbWidth_ / std::max(1, image.nWidth));
    Thumb thumb{RgbImage{nThumbWidth_, nThumbHeight, {}}, nFrame};
    thumb.image.pixels.resize(static_cast<size_t>(nThumbWidth_) * nThumbHeight);
    for (int y = 0; y < nThumbHeight; ++y) {
        const int sy = y * image.nHeight / nThumbHeight;
        for (int x = 0; x < nThumbWidth_; ++x) {
            const int sx = x * image.nWidth / nThumbWidth_;
            thumb.image.pixels[static_cast<size_t>(y) * nThumbWidth_ + x] =
                image.pixels[static_cast<size_t>(sy) * image.nWidth + sx];
        }
    }
    thumbs_.push_back(std::move(thumb));
}

bool ContactSheet::Write(const std::string& path) const {
    if (thumbs_.empty()) return false;
    constexpr int kGap = 4, kLabel = 14, kColumns = 8;
    const int nThumbHeight = thumbs_.front().image.nHeight;
    const int nCells = static_cast<int>(thumbs_.size());
    const int nColumns = std::min(kColumns, nCells);
    const int nRows = (nCells + nColumns - 1) / nColumns;
    const int nCellW = nThumbWidth_ + kGap, nCellH = nThumbHeight + kLabel + kGap;

    cairo_surface_t* sheet =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, nColumns * nCellW + kGap, nRows * nCellH + kGap);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
    cairo_paint(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 11);
    for (int i = 0; i < nCells; ++i) {
        const int x = kGap + (i % nColumns) * nCellW, y = kGap + (i / nColumns) * nCellH;
        cairo_surface_t* thumb = WrapImage(thumbs_[i].image);
        cairo_set_source_surface(cr, thumb, x, y + kLabel);
        cairo_paint(cr);
        cairo_surface_destroy(thumb);
        char szLabel[32];
        std::snprintf(szLabel, sizeof szLabel, "frame %d", thumbs_[i].nFrame);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_move_to(cr, x, y + kLabel - 3);
        cairo_show_text(cr, szLabel);
    }
    cairo_destroy(cr);
    const bool bOk = cairo_surface_write_to_png(sheet, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(sheet);
    return bOk;
}

void ReleaseImageLibraries() {
    cairo_debug_reset_static_data();
    FcFini();
}
