// The bitmap loaders. The one DIB reader (host/dib.h) checks every size a
// bitmap header claims against the resource's real size before anything is
// read; the rows are turned upright and split into frames here, once.

#include "gfx/sprite_store.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host/dib.h"

SpriteStoreState SpriteStore;

namespace {

void ShowLoaderMessage(const char* szText) {
    HostMessageBox(nullptr, szText, kLoadBitmapsCaption, kHostIconError);
}

void ShowLoaderMessage(const char* szFormat, int nResourceId) {
    char szText[160];
    std::snprintf(szText, sizeof szText, szFormat, nResourceId);
    ShowLoaderMessage(szText);
}

bool CheckDib(int nResourceId, Dib8& dib) {
    const HostResource res = HostFindResource(kHostResourceBitmap, nResourceId);
    if (res.pData == nullptr) {
        ShowLoaderMessage("Sprite bitmap %d is missing.", nResourceId);
        return false;
    }
    switch (ReadDib8(res.pData, res.nSize, dib)) {
        case DibCheck::kOk:
            return true;
        case DibCheck::kTruncated:
            ShowLoaderMessage(
                "Sprite bitmap %d is truncated: its header, colour table or pixel rows run past its end.",
                nResourceId);
            return false;
        case DibCheck::kNotEightBit:
            ShowLoaderMessage("Sprite bitmap must be stored as a 8-bit (256 color) bitmap.");
            return false;
        case DibCheck::kCompressed:
            ShowLoaderMessage("Sprite bitmap must not be compressed and must have a palette.");
            return false;
        case DibCheck::kBadHeader:
            break;
    }
    ShowLoaderMessage("Sprite bitmap %d has an invalid header.", nResourceId);
    return false;
}

void ReleaseEntry(StoredBitmap& entry) {
    std::free(entry.pPixels);
    std::free(entry.pRowRuns);
    entry = {};
}

// The steps both loaders share. Returns the new store index, or -1 after
// the failure's message.
int LoadPicture(int nResourceId, int nFrames, bool bSprite) {
    Dib8 dib;
    if (!CheckDib(nResourceId, dib)) return -1;
    std::memset(SpriteStore.colourTable, 0, sizeof SpriteStore.colourTable);
    std::memcpy(SpriteStore.colourTable, dib.pColours, size_t{dib.nColours} * 4);
    // The count stays advanced after a failure, so every later load fails too.
    ++SpriteStore.nCurrent;
    if (++SpriteStore.nCount > kStoreCapacity) {
        ShowLoaderMessage("Too many bitmaps.");
        return -1;
    }
    StoredBitmap& entry = SpriteStore.entries[SpriteStore.nCurrent];
    entry.nWidth = dib.nWidth;
    entry.nHeight = dib.nHeight;
    entry.nFrameHeight = dib.nHeight / nFrames;
    const size_t nWidth = size_t(dib.nWidth);
    const size_t nBytes = nWidth * size_t(dib.nHeight);
    entry.pPixels = static_cast<uint8_t*>(std::malloc(nBytes));
    if (entry.pPixels == nullptr) {
        ShowLoaderMessage("Insufficient memory.");
        return -1;
    }
    // Frame f is band f from the bottom; each band is turned upright. Rows
    // above the last whole band are not used; their place stays zero.
    const int32_t nFrameHeight = entry.nFrameHeight;
    for (int32_t f = 0; f < nFrames; ++f) {
        for (int32_t r = 0; r < nFrameHeight; ++r) {
            const size_t nFrom = size_t((f + 1) * nFrameHeight - 1 - r);
            const size_t nTo = size_t(f * nFrameHeight + r);
            std::memcpy(entry.pPixels + nTo * nWidth, dib.RowFromBottom(int32_t(nFrom)), nWidth);
        }
    }
    const size_t nUsed = nWidth * size_t(nFrames) * size_t(nFrameHeight);
    std::memset(entry.pPixels + nUsed, 0, nBytes - nUsed);
    if (bSprite && !IndexPixelRuns(entry)) {
        ReleaseEntry(entry);
        entry.nWidth = dib.nWidth;
        entry.nHeight = dib.nHeight;
        ShowLoaderMessage("Insufficient memory.");
        return -1;
    }
    return SpriteStore.nCurrent;
}

}  // namespace

namespace {

constexpr uint64_t kLowBytes = 0x0101010101010101u;
constexpr uint64_t kHighBits = 0x8080808080808080u;

uint64_t Load64(const uint8_t* p) {
    uint64_t n;
    std::memcpy(&n, p, sizeof n);
    return n;
}

// Index of the first column from c on whose pixel equals (bEqual) or
// differs from the key; nWidth when there is none. Eight pixels at a time:
// long runs of one kind are the rule in a sprite.
size_t FindPixel(const uint8_t* pRow, size_t c, size_t nWidth, uint8_t nKey, bool bEqual) {
    const uint64_t nKeys = kLowBytes * nKey;
    for (; c + 8 <= nWidth; c += 8) {
        const uint64_t nDiff = Load64(pRow + c) ^ nKeys;  // zero bytes: key pixels
        // High bit set in every byte that matches (little-endian order).
        const uint64_t nFound = bEqual ? (nDiff - kLowBytes) & ~nDiff & kHighBits
                                       : (((nDiff & ~kHighBits) + ~kHighBits) | nDiff) & kHighBits;
        if (nFound != 0) return c + size_t(__builtin_ctzll(nFound) / 8);
    }
    while (c < nWidth && (pRow[c] == nKey) != bEqual) ++c;
    return c;
}

}  // namespace

bool IndexPixelRuns(StoredBitmap& entry) {
    std::free(entry.pRowRuns);
    entry.pRowRuns = nullptr;
    entry.pRuns = nullptr;
    if (entry.pPixels == nullptr || entry.nFrameHeight <= 0) return true;
    const int32_t nRows = entry.nHeight - entry.nHeight % entry.nFrameHeight;
    const size_t nWidth = size_t(entry.nWidth);
    auto keyOf = [&](int32_t r) { return entry.pPixels[size_t(r - r % entry.nFrameHeight) * nWidth]; };

    // A run starts wherever a non-key pixel follows the row's start or a key.
    size_t nRuns = 0;
    for (int32_t r = 0; r < nRows; ++r) {
        const uint8_t* pRow = entry.pPixels + size_t(r) * nWidth;
        const uint8_t nKey = keyOf(r);
        nRuns += pRow[0] != nKey;
        for (size_t c = 1; c < nWidth; ++c) nRuns += (pRow[c] != nKey) & (pRow[c - 1] == nKey);
    }
    const size_t nIndexBytes = (size_t(nRows) + 1) * sizeof(int32_t);
    void* pBlock = std::malloc(nIndexBytes + nRuns * sizeof(PixelRun));
    if (pBlock == nullptr) return false;
    entry.pRowRuns = static_cast<int32_t*>(pBlock);
    entry.pRuns = reinterpret_cast<PixelRun*>(static_cast<uint8_t*>(pBlock) + nIndexBytes);

    int32_t nRun = 0;
    for (int32_t r = 0; r < nRows; ++r) {
        entry.pRowRuns[r] = nRun;
        const uint8_t* pRow = entry.pPixels + size_t(r) * nWidth;
        const uint8_t nKey = keyOf(r);
        for (size_t c = FindPixel(pRow, 0, nWidth, nKey, false); c < nWidth;) {
            const size_t nEnd = FindPixel(pRow, c, nWidth, nKey, true);
            entry.pRuns[nRun++] = {int32_t(c), int32_t(nEnd)};
            c = FindPixel(pRow, nEnd, nWidth, nKey, false);
        }
    }
    entry.pRowRuns[nRows] = nRun;
    return true;
}

bool LoadBackdrop(int nResourceId, int nBackdrop) {
    if (nBackdrop < 0 || nBackdrop >= kBackdropSlots) return false;
    const int nStore = LoadPicture(nResourceId, 1, false);
    if (nStore < 0) return false;
    const StoredBitmap& entry = SpriteStore.entries[nStore];
    SpriteStore.nStageWidth = entry.nWidth;
    SpriteStore.nStageHeight = entry.nHeight;
    Backdrop& b = SpriteStore.backdrops[nBackdrop];
    b = {};
    b.nStore = nStore;
    b.nHeight = entry.nHeight;
    b.nWidth = entry.nWidth;
    b.pPixels = entry.pPixels;
    ++SpriteStore.nBackdropCount;
    return true;
}

int LoadSpriteStrip(int nResourceId, int nFrames) {
    if (nFrames < 1) return -1;
    return LoadPicture(nResourceId, nFrames, true);
}

void StartLoadingBitmaps() {
    SpriteStore.nCurrent = -1;
    SpriteStore.nCount = 0;
    SpriteStore.nBackdropCount = 0;
}

void ReleaseSpriteStore() {
    const int32_t nEntries = SpriteStore.nCount < kStoreCapacity ? SpriteStore.nCount : kStoreCapacity;
    for (int32_t i = 0; i < nEntries; ++i) ReleaseEntry(SpriteStore.entries[i]);
    SpriteStore = {};
}
