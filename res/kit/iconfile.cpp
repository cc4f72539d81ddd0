// The saver's icon and the hand cursor: painted at each size, matched to
// the colour table and written as .ico and .cur directories.

#include "iconfile.h"

#include <cairo.h>

#include <vector>

#include "catalogue.h"
#include "colour_match.h"

namespace {

// The 16 colours every display can show.
const uint32_t kStandard16[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

// ARGB pixels, rows top-down, of a painting at nSize.
template <typename Paint>
std::vector<uint32_t> Render(int nSize, Paint paint) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, nSize, nSize);
    cairo_t* cr = cairo_create(surface);
    paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    std::vector<uint32_t> pixels(size_t(nSize) * nSize);
    const unsigned char* pData = cairo_image_surface_get_data(surface);
    int nStride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < nSize; ++y)
        for (int x = 0; x < nSize; ++x)
            pixels[size_t(y) * nSize + x] = reinterpret_cast<const uint32_t*>(pData + size_t(y) * nStride)[x];
    cairo_surface_destroy(surface);
    return pixels;
}

bool Opaque(uint32_t argb) { return (argb >> 24) >= 128; }

// Rows of an image of nBits per pixel, bottom-up, each padded to 4 bytes.
void PutRows(Bytes& b, int nSize, int nBits, const std::vector<int>& values) {
    const int nStride = ((nSize * nBits + 31) / 32) * 4;
    for (int y = nSize - 1; y >= 0; --y) {
        Bytes row(nStride, 0);
        for (int x = 0; x < nSize; ++x) {
            int nBit = x * nBits;
            row[nBit / 8] |= uint8_t(values[size_t(y) * nSize + x] << (8 - nBits - nBit % 8));
        }
        b.insert(b.end(), row.begin(), row.end());
    }
}

// One image as stored in an icon or cursor file: header (height doubled
// for the two masks), colour table, colour bits, then the AND mask.
Bytes EncodeImage(const std::vector<uint32_t>& argb, int nSize, const uint32_t* pTable, int nColours) {
    int nBits = nColours == 2 ? 1 : nColours == 16 ? 4 : 8;
    ColourMatcher matcher(pTable, nColours, kNoColour);
    // Where the mask lets the screen through, the screen is XORed with the
    // colour bits: they must be black there, whichever entry holds black.
    const int nBlack = matcher.Match(0, 0, 0);
    std::vector<int> colour(argb.size()), mask(argb.size());
    for (size_t i = 0; i < argb.size(); ++i) {
        uint32_t p = argb[i];
        int a = p >> 24;
        mask[i] = Opaque(p) ? 0 : 1;
        colour[i] = nBlack;
        if (!mask[i]) {
            auto un = [&](int nShift) { return std::min(255, ((int(p >> nShift) & 0xFF) * 255 + a / 2) / a); };
            colour[i] = matcher.Match(un(16), un(8), un(0));
        }
    }
    Bytes b;
    PutU32(b, 40);
    PutU32(b, nSize);
    PutU32(b, 2 * nSize);
    PutU16(b, 1);
    PutU16(b, nBits);
    PutU32(b, 0);
    PutU32(b, 0);
    PutU32(b, 0);
    PutU32(b, 0);
    PutU32(b, 0);
    PutU32(b, 0);
    for (int i = 0; i < nColours; ++i) {
        PutU8(b, pTable[i] & 0xFF);
        PutU8(b, (pTable[i] >> 8) & 0xFF);
        PutU8(b, (pTable[i] >> 16) & 0xFF);
        PutU8(b, 0);
    }
    PutRows(b, nSize, nBits, colour);
    PutRows(b, nSize, 1, mask);
    return b;
}

struct DirEntry {
    int nSize;
    int nColours;
    uint16_t nField1, nField2;  // icon: planes, bit count; cursor: hotspot x, y
    Bytes image;
};

Bytes EncodeDirectory(uint16_t nType, const std::vector<DirEntry>& entries) {
    Bytes b;
    PutU16(b, 0);
    PutU16(b, nType);
    PutU16(b, uint16_t(entries.size()));
    uint32_t nOffset = uint32_t(6 + 16 * entries.size());
    for (const DirEntry& e : entries) {
        PutU8(b, e.nSize);
        PutU8(b, e.nSize);
        PutU8(b, e.nColours < 256 ? e.nColours : 0);
        PutU8(b, 0);
        PutU16(b, e.nField1);
        PutU16(b, e.nField2);
        PutU32(b, uint32_t(e.image.size()));
        PutU32(b, nOffset);
        nOffset += uint32_t(e.image.size());
    }
    for (const DirEntry& e : entries) b.insert(b.end(), e.image.begin(), e.image.end());
    return b;
}

}  // namespace

Bytes EncodeSaverIcon(PaintIconFn pfnPaint) {
    std::vector<DirEntry> entries;
    // 48 and 64 pixels for the dialogs at 144 and 192 DPI, so that Windows
    // does not enlarge the 32-pixel image there; sixteen-colour displays
    // are of the older, smaller kind.
    for (int nColours : {256, 16}) {
        for (int nSize : {64, 48, 32, 16}) {
            if (nColours == 16 && nSize > 32) continue;
            // Sixteen colours cannot blend edges: those images are drawn crisp.
            std::vector<uint32_t> argb = Render(nSize, [&](cairo_t* cr) {
                if (nColours == 16) cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
                pfnPaint(cr, nSize);
            });
            const uint32_t* pTable = nColours == 256 ? SharedColourTable : kStandard16;
            uint16_t nBits = nColours == 256 ? 8 : 4;
            entries.push_back({nSize, nColours, 1, nBits, EncodeImage(argb, nSize, pTable, nColours)});
        }
    }
    return EncodeDirectory(1, entries);
}

Bytes EncodeHandCursor(PaintCursorFn pfnPaint) {
    static const uint32_t kMonochrome[2] = {0x000000, 0xFFFFFF};
    std::vector<uint32_t> argb = Render(kCursorSize, [&](cairo_t* cr) { pfnPaint(cr); });
    return EncodeDirectory(2, {{kCursorSize, 2, kCursorHotspotX, kCursorHotspotY,
                                EncodeImage(argb, kCursorSize, kMonochrome, 2)}});
}
