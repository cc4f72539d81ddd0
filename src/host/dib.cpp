// The 8-bit DIB reader.

#include "host/dib.h"

#include "host/host.h"

namespace {
constexpr uint32_t kInfoHeaderSize = 40;
}  // namespace

DibCheck ReadDib8(const uint8_t* p, size_t nSize, Dib8& dib) {
    if (p == nullptr || nSize < kInfoHeaderSize) return DibCheck::kTruncated;
    const uint32_t nHeaderSize = ReadU32(p);
    if (ReadU16(p + 14) != 8) return DibCheck::kNotEightBit;
    if (ReadU32(p + 16) != 0) return DibCheck::kCompressed;
    dib.nWidth = int32_t(ReadU32(p + 4));
    dib.nHeight = int32_t(ReadU32(p + 8));
    const uint32_t nUsed = ReadU32(p + 32);
    dib.nColours = nUsed == 0 ? 256 : nUsed;
    if (nHeaderSize < kInfoHeaderSize || dib.nWidth <= 0 || dib.nHeight <= 0 || dib.nColours > 256)
        return DibCheck::kBadHeader;
    dib.nStride = DibStride(dib.nWidth);
    const uint64_t nRowsStart = uint64_t{nHeaderSize} + uint64_t{dib.nColours} * 4;
    const uint64_t nEnd = nRowsStart + uint64_t{dib.nStride} * uint64_t(dib.nHeight);
    if (nEnd > nSize) return DibCheck::kTruncated;
    dib.pColours = p + nHeaderSize;
    dib.pRows = p + nRowsStart;
    return DibCheck::kOk;
}
