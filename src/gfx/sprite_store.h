// The sprite store: every picture of the load list as an upright 8-bit
// pixel array, and the backdrop table. A strip's loader hands back its store
// index; the engine binds it to an actor slot (engine/actors.h).
// All format work happens here, once, so a frame is plain byte copying.
#pragma once

#include <cstdint>

#include "catalogue.h"
#include "host/host.h"

constexpr int kStoreCapacity = 57;
constexpr int kBackdropSlots = 4;
// Each row of the load list takes one store entry; its backdrops take the
// first backdrop slots.
static_assert(kStoreCapacity >= kLoadListCount, "a store entry for every picture of the load list");
static_assert(kBackdropSlots >= kBackdropCount, "a backdrop slot for every BackdropId");

// Columns [nStart, nEnd) of a stored row: a run of pixels that all differ
// from the key colour of the row's frame. Drawing a sprite copies its runs.
struct PixelRun {
    int32_t nStart;
    int32_t nEnd;
};

struct StoredBitmap {
    int32_t nWidth;
    int32_t nHeight;
    uint8_t* pPixels;      // nWidth x nHeight, rows top-down; null if not allocated
    int32_t nFrameHeight;  // rows per frame: the picture's height / frames
    // Sprite strips only: row r's runs are pRuns[pRowRuns[r]] up to
    // pRuns[pRowRuns[r + 1]]. One block, owned by pRowRuns.
    int32_t* pRowRuns;
    PixelRun* pRuns;
};

struct Backdrop {
    int32_t nDestX;
    int32_t nDestY;
    int32_t nStore;
    int32_t nSourceX;
    int32_t nSourceY;
    int32_t nVisibleWidth;
    int32_t nVisibleHeight;
    int32_t nHeight;
    int32_t nWidth;
    const uint8_t* pPixels;
};

struct SpriteStoreState {
    StoredBitmap entries[kStoreCapacity];
    int32_t nCount;    // pictures counted, including failed loads
    int32_t nCurrent = -1;  // index of the current load, -1 before the first
    Backdrop backdrops[kBackdropSlots];
    int32_t nBackdropCount;
    int32_t nStageWidth;   // size of the last backdrop loaded: clip bounds
    int32_t nStageHeight;
    uint8_t colourTable[1024];  // blue, green, red, 0: the last bitmap's table
};
extern SpriteStoreState SpriteStore;

constexpr char kLoadBitmapsCaption[] = "LoadBitmaps";

// Loads a whole picture into a backdrop slot.
bool LoadBackdrop(int nResourceId, int nBackdrop);
// Loads a strip of nFrames frames (frame 0 at the bottom); returns its store
// index, or -1 after the failure's message (or at once for no frames).
int LoadSpriteStrip(int nResourceId, int nFrames);
// Counts the store's pictures from the first again, before a load list.
void StartLoadingBitmaps();
// (Re)builds a strip entry's runs from its pixels as they now are; false
// when there is no memory for them (the entry then keeps no runs).
bool IndexPixelRuns(StoredBitmap& entry);
// Releases every stored picture.
void ReleaseSpriteStore();
