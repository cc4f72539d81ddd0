// Packed DIBs built byte by byte for the loader tests and the benchmarks.

#include "dib_builder.h"

#include <algorithm>

#include "catalogue.h"
#include "fake_host.h"
#include "host/dib.h"

namespace {

void Put32(std::vector<uint8_t>& bytes, size_t nAt, uint32_t nValue) {
    for (int i = 0; i < 4; ++i) bytes[nAt + i] = uint8_t(nValue >> (8 * i));
}

}  // namespace

std::vector<uint8_t> MakeDib(const DibShape& shape, const PixelFn& pixel,
                             const std::function<uint32_t(int)>& colour) {
    const uint32_t nColours = shape.nClrUsed == 0 ? 256 : shape.nClrUsed;
    // Rows padded to 4 bytes, as in every DIB; the padding holds 0xEE, so
    // that a reader that takes it for pixels shows.
    const size_t nStride = DibStride(shape.nWidth);
    std::vector<uint8_t> bytes(40 + nColours * 4 + nStride * size_t(shape.nHeight), 0xEE);
    std::fill(bytes.begin(), bytes.begin() + 40 + nColours * 4, 0);
    Put32(bytes, 0, 40);
    Put32(bytes, 4, uint32_t(shape.nWidth));
    Put32(bytes, 8, uint32_t(shape.nHeight));
    bytes[12] = 1;
    bytes[14] = uint8_t(shape.nBitCount);
    bytes[15] = uint8_t(shape.nBitCount >> 8);
    Put32(bytes, 16, shape.nCompression);
    Put32(bytes, 20, uint32_t(nStride * size_t(shape.nHeight)));
    Put32(bytes, 32, shape.nClrUsed);
    for (uint32_t i = 0; i < nColours; ++i) {
        const uint32_t rgb = colour ? colour(int(i)) : TestColour(int(i));
        bytes[40 + 4 * i] = uint8_t(rgb);
        bytes[41 + 4 * i] = uint8_t(rgb >> 8);
        bytes[42 + 4 * i] = uint8_t(rgb >> 16);
    }
    uint8_t* pRows = bytes.data() + 40 + nColours * 4;
    for (int32_t r = 0; r < shape.nHeight; ++r)
        for (int32_t x = 0; x < shape.nWidth; ++x)
            pRows[size_t(r) * nStride + x] = pixel(x, shape.nHeight - 1 - r);
    return bytes;
}

uint8_t KeyOf(int nResourceId) { return uint8_t(nResourceId); }
uint8_t ArtOf(int nResourceId, int nFrame) { return uint8_t(nResourceId + 1 + nFrame); }
uint32_t TestColour(int i) { return uint32_t(i & 255) << 16 | uint32_t((3 * i + 85) & 255) << 8 | uint32_t(255 - (i & 255)); }
// Red 255 - i, green 7i + 13, blue i: again no two channels alike.
uint32_t ColourOf204(int i) { return uint32_t(255 - (i & 255)) << 16 | uint32_t((7 * i + 13) & 255) << 8 | uint32_t(i & 255); }

void AddLoadListPictures() {
    for (const LoadListEntry& e : LoadList) {
        const int nId = e.nResourceId;
        const int nFrameHeight = e.nHeight / e.nFrames;
        const int nUnused = e.nHeight - nFrameHeight * e.nFrames;  // rows above the last band
        AddFakeResource(kHostResourceBitmap, nId,
                        MakeDib({e.nWidth, e.nHeight},
                                [=](int x, int y) {
                                    if (y < nUnused) return uint8_t(0);
                                    const int nBand = (y - nUnused) / nFrameHeight;
                                    const int nFrame = e.nFrames - 1 - nBand;
                                    const bool bCorner = x == 0 && (y - nUnused) % nFrameHeight == 0;
                                    return bCorner ? KeyOf(nId) : ArtOf(nId, nFrame);
                                },
                                nId == kPaletteSourceResource ? std::function<uint32_t(int)>(ColourOf204)
                                                              : nullptr));
    }
}

