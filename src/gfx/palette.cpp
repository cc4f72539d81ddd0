// The palette step. Without a hardware palette the frame buffer simply
// carries the colour table; with one, the show palette is made to match the
// system palette entry for entry and every stored pixel is remapped into it
// once, so that presenting a frame is an identity blit.

#include "gfx/palette.h"

#include <cstring>

#include "gfx/frame_buffer.h"
#include "gfx/sprite_store.h"

void PaletteFlagPattern(int nNumColors, int nSizePalette, uint8_t (&flags)[256]) {
    const int nStatic = nNumColors < 0 ? kStaticSystemColours : nNumColors;
    const int nHalf = nStatic / 2;
    for (int i = 0; i < 256; ++i)
        flags[i] = i >= nHalf && i < nSizePalette - nHalf ? kPcNoCollapse : 0;
}

namespace {

// Whether a colour other than one of the strip's key colours now maps to
// the same entry as that key: only then can its runs change.
bool RemapMergesAKey(const StoredBitmap& entry, const uint8_t (&remap)[256]) {
    const size_t nFrameBytes = size_t(entry.nWidth) * size_t(entry.nFrameHeight);
    const size_t nFrames = entry.nHeight / entry.nFrameHeight;
    for (size_t f = 0; f < nFrames; ++f) {
        const uint8_t nKey = entry.pPixels[f * nFrameBytes];  // already remapped
        int nSharing = 0;
        for (int c = 0; c < 256; ++c) nSharing += remap[c] == nKey;
        if (nSharing > 1) return true;
    }
    return false;
}

}  // namespace

bool RemapStoredBitmaps(const uint8_t (&remap)[256]) {
    bool bIndexed = true;
    const int32_t nEntries = SpriteStore.nCount < kStoreCapacity ? SpriteStore.nCount : kStoreCapacity;
    for (int32_t i = 0; i < nEntries; ++i) {
        StoredBitmap& entry = SpriteStore.entries[i];
        if (entry.pPixels == nullptr) continue;
        const size_t nBytes = size_t(entry.nWidth) * size_t(entry.nHeight);
        for (size_t k = 0; k < nBytes; ++k) entry.pPixels[k] = remap[entry.pPixels[k]];
        if (entry.pRowRuns != nullptr && RemapMergesAKey(entry, remap)) bIndexed &= IndexPixelRuns(entry);
    }
    return bIndexed;
}

bool BuildShowPalette(HostWindow hWindow) {
    HostDibHeader& header = FrameBuffer.header;
    header = {};
    header.nSize = 40;
    header.nWidth = FrameBuffer.nWidth;
    header.nHeight = -FrameBuffer.nHeight;
    header.nPlanes = 1;
    header.nBitCount = 8;
    header.nSizeImage = uint32_t(FrameBuffer.nWidth) * uint32_t(FrameBuffer.nHeight);
    FrameBuffer.bHeaderReady = true;

    const HostDisplayCaps caps = HostQueryDisplay(hWindow);
    FrameBuffer.bPalette = caps.bHasPalette;
    if (!caps.bHasPalette) {
        std::memcpy(header.colours, SpriteStore.colourTable, sizeof header.colours);
        return true;
    }

    uint32_t nColours[256];
    for (int i = 0; i < 256; ++i) {
        const uint8_t* pEntry = SpriteStore.colourTable + 4 * i;  // blue, green, red, 0
        nColours[i] = uint32_t(pEntry[2]) << 16 | uint32_t(pEntry[1]) << 8 | pEntry[0];
    }
    if (!HostCreateShowPalette(nColours)) {
        HostMessageBox(nullptr, "Insufficient memory.", kLoadBitmapsCaption, kHostIconError);
        return false;
    }
    uint8_t flags[256];
    PaletteFlagPattern(caps.nNumColors, caps.nSizePalette, flags);
    HostAdoptSystemPalette(hWindow, flags, caps.nSizePalette < 256 ? caps.nSizePalette : 256);

    // Every bitmap goes through this one table, built from the last one's
    // colours: all pictures share that table.
    uint8_t remap[256];
    for (int i = 0; i < 256; ++i) remap[i] = uint8_t(HostNearestPaletteIndex(nColours[i]));
    if (!RemapStoredBitmaps(remap)) {
        HostMessageBox(nullptr, "Insufficient memory.", kLoadBitmapsCaption, kHostIconError);
        return false;
    }

    for (int i = 0; i < 256; ++i) {
        header.colours[2 * i] = uint8_t(i);  // 16-bit little-endian palette indices
        header.colours[2 * i + 1] = 0;
    }
    return true;
}
