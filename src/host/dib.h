// The one reader of 8-bit device-independent bitmaps as the resources hold
// them: a 40-byte or longer info header, the colour table, then the pixel
// rows bottom-up, each row padded to a multiple of 4 bytes. Every size the
// header claims is checked against the resource's real size first.
#pragma once

#include <cstddef>
#include <cstdint>

struct Dib8 {
    int32_t nWidth;
    int32_t nHeight;
    uint32_t nColours;        // entries in the colour table (1..256)
    const uint8_t* pColours;  // nColours entries of blue, green, red, 0
    const uint8_t* pRows;     // the bottom row first
    size_t nStride;           // bytes from one row to the next: nWidth rounded up to 4

    // Row r counted from the bottom, nWidth pixels.
    const uint8_t* RowFromBottom(int32_t r) const { return pRows + size_t(r) * nStride; }
};

enum class DibCheck {
    kOk,
    kTruncated,     // header, colour table or rows run past the end
    kNotEightBit,
    kCompressed,
    kBadHeader,     // header shorter than 40, width or height not positive, over 256 colours
};

// Row length in bytes of an 8-bit DIB nWidth pixels wide.
constexpr size_t DibStride(int32_t nWidth) { return (size_t(nWidth) + 3) & ~size_t(3); }

// Checks, in this order: room for the header, 8 bits, no compression, a
// sound header, room for the colour table and every padded row.
DibCheck ReadDib8(const uint8_t* pData, size_t nSize, Dib8& dib);
