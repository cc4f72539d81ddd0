// The five drawing operations. Every bound is checked once per call to get
// the clipped box; inside it a frame is plain byte copying.

#include "engine/actors.h"

#include <algorithm>
#include <cstring>

#include "catalogue.h"
#include "engine/sequencer.h"
#include "gfx/frame_buffer.h"
#include "gfx/palette.h"
#include "gfx/sprite_store.h"

ActorTableState ActorTable;

namespace {

// The part of an actor's frame box that may be drawn, in frame
// coordinates. Column 0 and row 0 of the frame buffer are never drawn
// (strict lower bounds); the upper bounds are the frame buffer's and the
// stage's.
struct ClipBox {
    int32_t nCol0, nCol1, nRow0, nRow1;
    bool IsEmpty() const { return nCol0 >= nCol1 || nRow0 >= nRow1; }
};

ClipBox ClipActor(const Actor& actor) {
    const int32_t nRight = std::min(FrameBuffer.nWidth, SpriteStore.nStageWidth);
    const int32_t nBottom = std::min(FrameBuffer.nHeight, SpriteStore.nStageHeight);
    // 64-bit so that keyframes far off the stage cannot overflow.
    auto clip = [](int32_t nPos, int32_t nSize, int32_t nLimit, int32_t& n0, int32_t& n1) {
        n0 = static_cast<int32_t>(std::clamp<int64_t>(1 - int64_t{nPos}, 0, nSize));
        n1 = static_cast<int32_t>(std::clamp<int64_t>(int64_t{nLimit} - nPos, 0, nSize));
    };
    ClipBox box;
    clip(actor.x, actor.nFrameWidth, nRight, box.nCol0, box.nCol1);
    clip(actor.y, actor.nFrameHeight, nBottom, box.nRow0, box.nRow1);
    return box;
}

// Copies nRows rows of nBytes; the strides and pointers are plain values,
// so the copies cannot make the loop reload them.
void CopyRows(uint8_t* pDst, size_t nDstStride, const uint8_t* pSrc, size_t nSrcStride, int32_t nRows,
              size_t nBytes) {
    for (int32_t r = 0; r < nRows; ++r, pDst += nDstStride, pSrc += nSrcStride) std::memcpy(pDst, pSrc, nBytes);
}

bool IsShown(const Actor& actor) {
    return actor.nFrame >= 0 && actor.nFrame < actor.nFrameCount && actor.pFrame != nullptr &&
           SpriteStore.entries[actor.nStore].pRowRuns != nullptr && FrameBuffer.pPixels != nullptr;
}

}  // namespace

bool LoadActorStrip(int nResourceId, int nActorSlot, int nFrames) {
    if (nActorSlot < 0 || nActorSlot >= kActorSlotCount || nFrames < 1) return false;
    const int nStore = LoadSpriteStrip(nResourceId, nFrames);
    if (nStore < 0) return false;
    const StoredBitmap& entry = SpriteStore.entries[nStore];
    Actor& actor = ActorTable.slots[nActorSlot];
    actor = {};
    actor.nStore = nStore;
    actor.nFrameCount = nFrames;
    actor.nFrameHeight = entry.nHeight / nFrames;
    actor.nFrameWidth = entry.nWidth;
    actor.pFrame = entry.pPixels;
    return true;
}

bool LoadBitmaps(HostWindow hWindow) {
    StartLoadingBitmaps();
    // A failed load shows its message and loading goes on.
    for (const LoadListEntry& e : LoadList) {
        if (e.nBackdrop >= 0)
            LoadBackdrop(e.nResourceId, e.nBackdrop);
        else
            LoadActorStrip(e.nResourceId, e.nActorSlot, e.nFrames);
    }
    return BuildShowPalette(hWindow);
}

void ReleaseActors() {
    ReleaseSpriteStore();
    ActorTable = {};
}

void StepActor(int nSlot, const Keyframe* track) {
    Actor& actor = ActorTable.slots[nSlot];
    const Keyframe& k = track[Sequencer.nSceneFrame];
    actor.x = StageView.nStageOriginX + k.x;
    actor.y = k.y + StageView.nStageOriginY;
    actor.nFrame = k.frame;
    if (k.frame >= 0 && k.frame < actor.nFrameCount) {
        const StoredBitmap& entry = SpriteStore.entries[actor.nStore];
        actor.pFrame = entry.pPixels == nullptr
                           ? nullptr
                           : entry.pPixels + size_t(actor.nFrameWidth) * actor.nFrameHeight * k.frame;
    }
}

void DrawActor(int nSlot) {
    const Actor& actor = ActorTable.slots[nSlot];
    if (!IsShown(actor)) return;
    const ClipBox box = ClipActor(actor);
    if (box.IsEmpty()) return;
    // The key colour is the frame's top-left pixel; the runs hold every
    // other pixel of each row, so drawing is copying them. Everything the
    // loop needs is local: the copies could otherwise alias the globals.
    const StoredBitmap& entry = SpriteStore.entries[actor.nStore];
    const int32_t* const pRowRuns = entry.pRowRuns + size_t(actor.nFrame) * actor.nFrameHeight;
    const PixelRun* const pRuns = entry.pRuns;
    const size_t nSrcStride = size_t(actor.nFrameWidth);
    const size_t nDstStride = size_t(FrameBuffer.nWidth);
    const uint8_t* pSrc = actor.pFrame + size_t(box.nRow0) * nSrcStride;
    // Column 0 of the frame lands at frame-buffer column x (maybe negative).
    uint8_t* pDst = FrameBuffer.pPixels + size_t(actor.y + box.nRow0) * nDstStride;
    const int32_t x = actor.x;
    MarkDrawn(x + box.nCol0, actor.y + box.nRow0, x + box.nCol1, actor.y + box.nRow1);
    for (int32_t r = box.nRow0; r < box.nRow1; ++r, pSrc += nSrcStride, pDst += nDstStride) {
        for (int32_t k = pRowRuns[r]; k < pRowRuns[r + 1]; ++k) {
            const int32_t c0 = std::max(box.nCol0, pRuns[k].nStart);
            const int32_t c1 = std::min(box.nCol1, pRuns[k].nEnd);
            if (c0 < c1) std::memcpy(pDst + (x + c0), pSrc + c0, size_t(c1 - c0));
        }
    }
}

void EraseActor(int nSlot, int nBackdrop) {
    const Actor& actor = ActorTable.slots[nSlot];
    if (!IsShown(actor) || nBackdrop < 0 || nBackdrop >= kBackdropSlots) return;
    const Backdrop& b = SpriteStore.backdrops[nBackdrop];
    if (b.pPixels == nullptr) return;
    ClipBox box = ClipActor(actor);
    // The backdrop picture must hold the restored pixels too; with the
    // show's pictures (all of the stage's size) this never cuts anything.
    box.nCol1 = int32_t(std::min<int64_t>(box.nCol1, int64_t{b.nWidth} - b.nSourceX - actor.x));
    box.nRow1 = int32_t(std::min<int64_t>(box.nRow1, int64_t{b.nHeight} - b.nSourceY - actor.y));
    if (box.IsEmpty()) return;
    const int32_t px = actor.x + box.nCol0;
    const int32_t py = actor.y + box.nRow0;
    MarkDrawn(px, py, actor.x + box.nCol1, actor.y + box.nRow1);
    CopyRows(FrameBuffer.pPixels + size_t(py) * FrameBuffer.nWidth + px, size_t(FrameBuffer.nWidth),
             b.pPixels + size_t(b.nSourceY + py) * b.nWidth + (b.nSourceX + px), size_t(b.nWidth),
             box.nRow1 - box.nRow0, size_t(box.nCol1 - box.nCol0));
}

void DrawBackdrop(int nBackdrop) {
    if (nBackdrop < 0 || nBackdrop >= kBackdropSlots || FrameBuffer.pPixels == nullptr) return;
    const Backdrop& b = SpriteStore.backdrops[nBackdrop];
    if (b.pPixels == nullptr) return;
    const int32_t nCount = std::min(b.nVisibleWidth, FrameBuffer.nWidth - b.nDestX);
    const int32_t nRows = std::min(b.nVisibleHeight, FrameBuffer.nHeight - b.nDestY);
    if (nCount <= 0 || nRows <= 0) return;
    MarkDrawn(b.nDestX, b.nDestY, b.nDestX + nCount, b.nDestY + nRows);
    CopyRows(FrameBuffer.pPixels + size_t(b.nDestY) * FrameBuffer.nWidth + b.nDestX, size_t(FrameBuffer.nWidth),
             b.pPixels + size_t(b.nSourceY) * b.nWidth + b.nSourceX, size_t(b.nWidth), nRows, size_t(nCount));
}

void PresentStage() {
    HostFlush();
    const HostDrawnRows drawn = CountPresent();
    for (int i = 0; i < StageView.nOutputs; ++i) {
        const StageOutput& out = StageView.outputs[i];
        HostPresentView(out.source, out.dest, out.bSmooth, drawn);
    }
    HostFlush();
}
