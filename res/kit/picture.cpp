// Painted pieces rendered to palette indices at the catalogue's sizes, the
// key colour for their background, the BMP encoder and the pictures as
// cairo surfaces for the contact sheet.

#include "picture.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "catalogue.h"
#include "colour_match.h"

namespace {

// Coverage below this is background; above it the edge pixel takes its own
// (un-premultiplied) colour, so the dark outline wins and no halo forms.
constexpr int kAlphaThreshold = 128;
// Spread of the ordered dither: one step of the colour cube, so a gradient
// between two neighbouring cube colours passes through every pattern.
constexpr double kDitherSpread = 51.0;

int Red(uint32_t c) { return (c >> 16) & 0xFF; }
int Green(uint32_t c) { return (c >> 8) & 0xFF; }
int Blue(uint32_t c) { return c & 0xFF; }

// Key candidates: table entries whose colour occurs once and survives a
// palette device's static colours (10..245), magentas and vivid greens
// first, so a key is a colour no painting asks for.
const std::vector<int>& KeyPool() {
    static const std::vector<int> pool = [] {
        std::vector<int> v;
        for (int i = 10; i <= 245; ++i) {
            uint32_t c = SharedColourTable[i];
            if (std::count(SharedColourTable, SharedColourTable + 256, c) == 1 && c != 0)
                v.push_back(i);
        }
        auto garish = [](int i) {
            int r = Red(SharedColourTable[i]), g = Green(SharedColourTable[i]), b = Blue(SharedColourTable[i]);
            int nMagenta = std::min(r, b) - g, nLime = g - std::max(r, b) - 60;
            int nSaturation = std::max({r, g, b}) - std::min({r, g, b});
            return std::make_pair(std::max(nMagenta, nLime), nSaturation);
        };
        std::stable_sort(v.begin(), v.end(), [&](int a, int b) { return garish(a) > garish(b); });
        return v;
    }();
    return pool;
}

uint8_t Clamp8(double v) { return uint8_t(std::min(255.0, std::max(0.0, v + 0.5))); }

}  // namespace

const std::vector<PictureGeometry>& CataloguePictures() {
    static const std::vector<PictureGeometry> pictures = [] {
        std::vector<PictureGeometry> v;
        for (const LoadListEntry& e : LoadList) {
            bool bSeen = std::any_of(v.begin(), v.end(),
                                     [&](const PictureGeometry& g) { return g.nId == e.nResourceId; });
            if (!bSeen)
                v.push_back({e.nResourceId, e.nWidth, e.nHeight, e.nFrames, e.nFrameHeight,
                             e.nBackdrop >= 0});
        }
        for (const PictureEntry& e : OtherPictures)
            v.push_back({e.nResourceId, e.nWidth, e.nHeight, 1, e.nHeight, true});
        return v;
    }();
    return pictures;
}

const PictureGeometry* FindPictureGeometry(int nId) {
    for (const PictureGeometry& g : CataloguePictures())
        if (g.nId == nId) return &g;
    return nullptr;
}

bool RenderPicture(const ArtPiece& piece, const PictureGeometry& geo, IndexedPicture& out,
                   std::vector<std::string>& warnings, std::string& szError) {
    const int w = geo.nWidth, fh = geo.nFrameHeight, h = geo.nHeight;
    char szLine[160];

    // Full colour first: one ARGB frame at a time, stacked into one buffer
    // (frame 0 at the bottom; rows above the last frame stay transparent).
    std::vector<uint32_t> argb(size_t(w) * h, 0);
    for (int f = 0; f < geo.nFrames; ++f) {
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, fh);
        cairo_t* cr = cairo_create(surface);
        piece.pfnPaint(cr, f, w, fh);
        cairo_status_t status = cairo_status(cr);
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        if (status != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(surface);
            std::snprintf(szLine, sizeof szLine, "frame %d: cairo: %s", f,
                          cairo_status_to_string(status));
            szError = szLine;
            return false;
        }
        const unsigned char* pData = cairo_image_surface_get_data(surface);
        int nStride = cairo_image_surface_get_stride(surface);
        int nTop = h - (f + 1) * fh;
        for (int y = 0; y < fh; ++y)
            std::copy_n(reinterpret_cast<const uint32_t*>(pData + size_t(y) * nStride), w,
                        argb.begin() + size_t(nTop + y) * w);
        cairo_surface_destroy(surface);
    }

    // Quantise without a key; the key is then picked among the colours that
    // were not needed, so excluding it would not have changed any pixel.
    ColourMatcher matcher(SharedColourTable, 256, kNoColour);
    std::vector<int> index(size_t(w) * h, -1);  // -1: background
    long nNotOpaque = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint32_t p = argb[size_t(y) * w + x];
            int a = p >> 24;
            double r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            if (geo.bOpaque) {
                nNotOpaque += (a != 255);  // premultiplied: reads as painted over black
            } else if (a < kAlphaThreshold) {
                continue;
            } else {
                r = r * 255.0 / a, g = g * 255.0 / a, b = b * 255.0 / a;
            }
            if (piece.bDither) {
                double d = DitherOffset(x, y) * kDitherSpread;
                r += d, g += d, b += d;
            }
            index[size_t(y) * w + x] = matcher.Match(Clamp8(r), Clamp8(g), Clamp8(b));
        }
    }
    if (nNotOpaque > 0) {
        std::snprintf(szLine, sizeof szLine, "%ld pixels not painted opaque", nNotOpaque);
        warnings.push_back(szLine);
    }

    out.geo = geo;
    out.nKey = -1;
    out.pixels.assign(size_t(w) * h, 0);
    if (!geo.bOpaque) {
        std::set<uint32_t> used;
        for (int i : index)
            if (i >= 0) used.insert(SharedColourTable[i]);
        // Each keyed picture owns one residue class of the pool, so keys
        // differ from picture to picture whatever subset is generated.
        int nOrdinal = 0, nKeyed = 0;
        for (const PictureGeometry& g : CataloguePictures()) {
            if (g.bOpaque) continue;
            if (g.nId == geo.nId) nOrdinal = nKeyed;
            ++nKeyed;
        }
        const std::vector<int>& pool = KeyPool();
        for (size_t k = nOrdinal; k < pool.size(); k += nKeyed) {
            if (!used.count(SharedColourTable[pool[k]])) {
                out.nKey = pool[k];
                break;
            }
        }
        if (out.nKey < 0) {
            szError = "every key colour reserved for it is painted inside the picture";
            return false;
        }
        int nCornersPainted = 0;
        for (int f = 0; f < geo.nFrames; ++f) {
            int& corner = index[size_t(h - (f + 1) * fh) * w];
            nCornersPainted += (corner >= 0);
            corner = -1;  // the drawing code takes each frame's key from here
        }
        if (nCornersPainted > 0) {
            std::snprintf(szLine, sizeof szLine,
                          "%d frame(s) painted their top-left pixel, which must stay background",
                          nCornersPainted);
            warnings.push_back(szLine);
        }
    }
    for (size_t i = 0; i < index.size(); ++i) out.pixels[i] = uint8_t(index[i] < 0 ? out.nKey : index[i]);
    return true;
}

Bytes EncodeBmp(const IndexedPicture& pic) {
    const int w = pic.geo.nWidth, h = pic.geo.nHeight;
    const uint32_t nStride = (w + 3) & ~3u;
    const uint32_t nOffBits = 14 + 40 + 256 * 4;
    Bytes b;
    b.reserve(nOffBits + nStride * h);
    PutU8(b, 'B');
    PutU8(b, 'M');
    PutU32(b, nOffBits + nStride * h);
    PutU32(b, 0);
    PutU32(b, nOffBits);
    PutU32(b, 40);
    PutU32(b, uint32_t(w));
    PutU32(b, uint32_t(h));  // positive: bottom-up rows
    PutU16(b, 1);
    PutU16(b, 8);
    PutU32(b, 0);  // BI_RGB
    PutU32(b, nStride * h);
    PutU32(b, 2835);  // 72 dpi
    PutU32(b, 2835);
    PutU32(b, 256);
    PutU32(b, 0);
    for (uint32_t c : SharedColourTable) {
        PutU8(b, Blue(c));
        PutU8(b, Green(c));
        PutU8(b, Red(c));
        PutU8(b, 0);
    }
    for (int y = h - 1; y >= 0; --y) {
        const uint8_t* pRow = pic.pixels.data() + size_t(y) * w;
        b.insert(b.end(), pRow, pRow + w);
        b.resize(b.size() + (nStride - w), 0);
    }
    return b;
}

cairo_surface_t* PictureSurface(const IndexedPicture& pic, bool bShowKey) {
    const int w = pic.geo.nWidth, h = pic.geo.nHeight;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_surface_flush(surface);
    unsigned char* pData = cairo_image_surface_get_data(surface);
    int nStride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < h; ++y) {
        uint32_t* pRow = reinterpret_cast<uint32_t*>(pData + size_t(y) * nStride);
        for (int x = 0; x < w; ++x) {
            int i = pic.pixels[size_t(y) * w + x];
            bool bChecker = ((x >> 3) + (y >> 3)) & 1;
            pRow[x] = (i == pic.nKey && !bShowKey) ? (bChecker ? 0xC040C0 : 0x803080)
                                                   : SharedColourTable[i];
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}
