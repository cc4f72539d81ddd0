// Bitmap resources through the real loaders into the sprite store, then the
// palette step. The resource is handed over in a buffer of exactly its
// size. A load must succeed exactly when the header is valid, the picture
// fits the resource and the store has room; a stored picture must be the
// resource's frames turned upright, with the runs of its rows matching its
// pixels before and after the palette step.
//
// Input: the resource bytes, then four bytes at the end, read from the last
// one back: the frame count (0 loads a backdrop), the number of pictures
// already in the store (0-63), a palette device (odd) or not, and the
// palette device's static colours.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "dib_builder.h"
#include "engine/actors.h"
#include "fake_host.h"
#include "fuzz_support.h"
#include "show_reset.h"
#include "catalogue.h"
#include "gfx/frame_buffer.h"
#include "gfx/palette.h"
#include "gfx/sprite_store.h"

namespace {

constexpr int kFuzzedId = 300;
constexpr int kFillerId = 301;
constexpr int kFillerSlot = kActorSlotCount - 1;

uint32_t U32At(const std::vector<uint8_t>& bytes, size_t nAt) {
    return uint32_t(bytes[nAt]) | uint32_t(bytes[nAt + 1]) << 8 | uint32_t(bytes[nAt + 2]) << 16 |
           uint32_t(bytes[nAt + 3]) << 24;
}

// The header as the format defines it, and whether the picture fits.
struct Header {
    uint32_t nHeaderSize;
    int32_t nWidth;
    int32_t nHeight;
    uint16_t nBitCount;
    uint32_t nCompression;
    uint64_t nColours;
    uint64_t nStride;  // bytes a row: the width rounded up to 4
    bool bLoadable;
};

Header ReadHeader(const std::vector<uint8_t>& res) {
    Header h = {};
    if (res.size() < 40) return h;
    h.nHeaderSize = U32At(res, 0);
    h.nWidth = int32_t(U32At(res, 4));
    h.nHeight = int32_t(U32At(res, 8));
    h.nBitCount = uint16_t(res[14] | res[15] << 8);
    h.nCompression = U32At(res, 16);
    h.nColours = U32At(res, 32) == 0 ? 256 : U32At(res, 32);
    h.nStride = (uint64_t(uint32_t(h.nWidth)) + 3) / 4 * 4;
    h.bLoadable = h.nBitCount == 8 && h.nCompression == 0 && h.nHeaderSize >= 40 && h.nWidth > 0 &&
                  h.nHeight > 0 && h.nColours <= 256 &&
                  h.nHeaderSize + 4 * h.nColours + h.nStride * uint64_t(h.nHeight) <= res.size();
    return h;
}

// Every row's runs are exactly the maximal runs of pixels that differ from
// the key colour, the top-left pixel of the row's frame.
void CheckRuns(const StoredBitmap& entry) {
    if (entry.nFrameHeight <= 0) {
        FUZZ_CHECK(entry.pRowRuns == nullptr);
        return;
    }
    FUZZ_CHECK(entry.pRowRuns != nullptr);
    const int32_t nRows = entry.nHeight - entry.nHeight % entry.nFrameHeight;
    for (int32_t r = 0; r < nRows; ++r) {
        const uint8_t* pRow = entry.pPixels + size_t(r) * size_t(entry.nWidth);
        const uint8_t nKey = entry.pPixels[size_t(r - r % entry.nFrameHeight) * size_t(entry.nWidth)];
        int32_t nRun = entry.pRowRuns[r];
        for (int32_t c = 0; c < entry.nWidth;) {
            if (pRow[c] == nKey) {
                ++c;
                continue;
            }
            int32_t nEnd = c;
            while (nEnd < entry.nWidth && pRow[nEnd] != nKey) ++nEnd;
            FUZZ_CHECK(nRun < entry.pRowRuns[r + 1]);
            FUZZ_CHECK(entry.pRuns[nRun].nStart == c && entry.pRuns[nRun].nEnd == nEnd);
            ++nRun;
            c = nEnd;
        }
        FUZZ_CHECK(nRun == entry.pRowRuns[r + 1]);
    }
}

// Frame f is band f from the bottom of the resource, turned upright; rows
// above the last whole band stay zero.
void CheckUpright(const StoredBitmap& entry, const Header& h, const std::vector<uint8_t>& res, int nFrames) {
    const size_t nWidth = size_t(h.nWidth);
    const uint8_t* pRows = res.data() + h.nHeaderSize + 4 * h.nColours;
    const int32_t nFrameHeight = h.nHeight / nFrames;
    FUZZ_CHECK(entry.nWidth == h.nWidth && entry.nHeight == h.nHeight && entry.nFrameHeight == nFrameHeight);
    for (int32_t f = 0; f < nFrames; ++f) {
        for (int32_t r = 0; r < nFrameHeight; ++r) {
            const size_t nStored = size_t(f) * size_t(nFrameHeight) + size_t(r);
            const size_t nSource = size_t(f + 1) * size_t(nFrameHeight) - 1 - size_t(r);
            FUZZ_CHECK(std::memcmp(entry.pPixels + nStored * nWidth, pRows + nSource * h.nStride, nWidth) == 0);
        }
    }
    const size_t nUsed = nWidth * size_t(nFrames) * size_t(nFrameHeight);
    for (size_t i = nUsed; i < nWidth * size_t(h.nHeight); ++i) FUZZ_CHECK(entry.pPixels[i] == 0);
}

void CheckColourTable(const Header& h, const std::vector<uint8_t>& res) {
    const size_t nBytes = 4 * h.nColours;
    FUZZ_CHECK(std::memcmp(SpriteStore.colourTable, res.data() + h.nHeaderSize, nBytes) == 0);
    for (size_t i = nBytes; i < sizeof SpriteStore.colourTable; ++i) FUZZ_CHECK(SpriteStore.colourTable[i] == 0);
}

void CheckFailureMessage(const Header& h, size_t nResourceSize, bool bStoreFull) {
    FUZZ_CHECK(FakeHost.boxes.size() == 1);
    const FakeMessageBox& box = FakeHost.boxes[0];
    FUZZ_CHECK(box.szCaption == kLoadBitmapsCaption && box.hOwner == nullptr && box.nIcon == kHostIconError);
    if (nResourceSize < 40) return;
    if (h.nBitCount != 8)
        FUZZ_CHECK(box.szText == "Sprite bitmap must be stored as a 8-bit (256 color) bitmap.");
    else if (h.nCompression != 0)
        FUZZ_CHECK(box.szText == "Sprite bitmap must not be compressed and must have a palette.");
    else if (h.bLoadable && bStoreFull)
        FUZZ_CHECK(box.szText == "Too many bitmaps.");
}

// The palette step over the store: without a hardware palette the pixels
// stay and the frame buffer carries the colour table; with one, every pixel
// p becomes the show palette's entry nearest to colour p.
// Checked on the fuzzed picture, when it loaded; the fillers go through too.
void CheckPaletteStep(bool bPaletteDevice, int nNumColors, const StoredBitmap* pEntry) {
    FakeHost.caps = {bPaletteDevice, nNumColors, 256};
    FakeHost.systemPalette.assign(SharedColourTable, SharedColourTable + 256);
    std::vector<uint8_t> before;
    if (pEntry != nullptr)
        before.assign(pEntry->pPixels, pEntry->pPixels + size_t(pEntry->nWidth) * size_t(pEntry->nHeight));
    FUZZ_CHECK(BuildShowPalette(FakeWindow()));
    if (!bPaletteDevice) {
        FUZZ_CHECK(std::memcmp(FrameBuffer.header.colours, SpriteStore.colourTable, 1024) == 0);
        FUZZ_CHECK(before.empty() || std::memcmp(before.data(), pEntry->pPixels, before.size()) == 0);
        return;
    }
    uint8_t remap[256];
    for (int i = 0; i < 256; ++i) {
        const uint8_t* p = SpriteStore.colourTable + 4 * i;
        remap[i] = uint8_t(HostNearestPaletteIndex(uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]));
        FUZZ_CHECK(FrameBuffer.header.colours[2 * i] == i && FrameBuffer.header.colours[2 * i + 1] == 0);
    }
    if (pEntry == nullptr) return;
    for (size_t i = 0; i < before.size(); ++i) FUZZ_CHECK(pEntry->pPixels[i] == remap[before[i]]);
    if (pEntry->pRowRuns != nullptr) CheckRuns(*pEntry);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    FuzzedDataProvider input(pData, nSize);
    const int nFrames = input.ConsumeIntegral<uint8_t>();
    const int nFillers = input.ConsumeIntegralInRange<int>(0, 63);
    const bool bPaletteDevice = input.ConsumeBool();
    const int nNumColors = input.ConsumeIntegralInRange<int>(0, 255);
    const std::vector<uint8_t> res = input.ConsumeRemainingBytes<uint8_t>();

    ResetShowState();
    AddFakeResource(kHostResourceBitmap, kFillerId, MakeDib({4, 1, 8, 0, 1}, [](int, int) { return 0; }));
    for (int i = 0; i < nFillers; ++i) LoadActorStrip(kFillerId, kFillerSlot, 1);
    FakeHost.boxes.clear();
    AddFakeResource(kHostResourceBitmap, kFuzzedId, res);

    const Header h = ReadHeader(res);
    const bool bStoreFull = nFillers >= kStoreCapacity;
    const bool bLoaded = nFrames == 0 ? LoadBackdrop(kFuzzedId, 0) : LoadActorStrip(kFuzzedId, 0, nFrames);
    FUZZ_CHECK(bLoaded == (h.bLoadable && !bStoreFull));
    FUZZ_CHECK(SpriteStore.nCount == nFillers + (h.bLoadable ? 1 : 0));
    if (h.bLoadable) CheckColourTable(h, res);

    const int nEntry = nFillers;
    if (bLoaded) {
        FUZZ_CHECK(FakeHost.boxes.empty());
        const StoredBitmap& entry = SpriteStore.entries[nEntry];
        CheckUpright(entry, h, res, nFrames == 0 ? 1 : nFrames);
        if (nFrames == 0) {
            const Backdrop& b = SpriteStore.backdrops[0];
            FUZZ_CHECK(entry.pRowRuns == nullptr);
            FUZZ_CHECK(b.nStore == nEntry && b.pPixels == entry.pPixels && b.nWidth == h.nWidth &&
                       b.nHeight == h.nHeight && SpriteStore.nBackdropCount == 1);
            FUZZ_CHECK(SpriteStore.nStageWidth == h.nWidth && SpriteStore.nStageHeight == h.nHeight);
        } else {
            const Actor& a = ActorTable.slots[0];
            FUZZ_CHECK(a.nStore == nEntry && a.pFrame == entry.pPixels && a.nFrameCount == nFrames &&
                       a.nFrameHeight == h.nHeight / nFrames && a.nFrameWidth == h.nWidth);
            CheckRuns(entry);
        }
    } else {
        CheckFailureMessage(h, res.size(), bStoreFull);
        FUZZ_CHECK(ActorTable.slots[0].nFrameCount == 0 && SpriteStore.nBackdropCount == 0);
    }
    CheckPaletteStep(bPaletteDevice, nNumColors, bLoaded ? &SpriteStore.entries[nEntry] : nullptr);
    ReleaseActors();
    return 0;
}
