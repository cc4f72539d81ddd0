// The five drawing operations. Every bound is checked once per call to get
// the clipped box; inside it a frame is plain byte copying.

#include "engine/actors.h"

#include <algorithm>
#include <cstring>

#include "engine/sequencer.h"
#include "gfx/frame_buffer.h"
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

bool IsShown(const Actor& actor) {
    return actor.nFrame >= 0 && actor.nFrame < actor.nFrameCount && actor.pFrame != nullptr &&
           SpriteStore.entries[actor.nStore].pRowRuns != nullptr && FrameBuffer.pPixels != nullptr;
}

}  // namespace

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
    // other pixel of each row, so drawing is copying them.
    const StoredBitmap& entry = SpriteStore.entries[actor.nStore];
    const int32_t* pRowRuns = entry.pRowRuns + size_t(actor.nFrame) * actor.nFrameHeight;
    for (int32_t r = box.nRow0; r < box.nRow1; ++r) {
        const uint8_t* pSrc = actor.pFrame + size_t(r) * actor.nFrameWidth;
        uint8_t* pDstRow = FrameBuffer.pPixels + size_t(actor.y + r) * FrameBuffer.nWidth;
        for (int32_t k = pRowRuns[r]; k < pRowRuns[r + 1]; ++k) {
            const int32_t c0 = std::max(box.nCol0, entry.pRuns[k].nStart);
            const int32_t c1 = std::min(box.nCol1, entry.pRuns[k].nEnd);
            if (c0 < c1) std::memcpy(pDstRow + (actor.x + c0), pSrc + c0, size_t(c1 - c0));
        }
    }
}

void EraseActor(int nSlot, int nBackdrop) {
    const Actor& actor = ActorTable.slots[nSlot];
    if (!IsShown(actor) || nBackdrop < 0 || nBackdrop >= SpriteStore.nBackdropCount) return;
    const Backdrop& b = SpriteStore.backdrops[nBackdrop];
    if (b.pPixels == nullptr) return;
    ClipBox box = ClipActor(actor);
    // The backdrop picture must hold the restored pixels too; with the
    // show's pictures (all of the stage's size) this never cuts anything.
    box.nCol1 = int32_t(std::min<int64_t>(box.nCol1, int64_t{b.nWidth} - b.nSourceX - actor.x));
    box.nRow1 = int32_t(std::min<int64_t>(box.nRow1, int64_t{b.nHeight} - b.nSourceY - actor.y));
    if (box.IsEmpty()) return;
    const int32_t nCount = box.nCol1 - box.nCol0;
    const int32_t px = actor.x + box.nCol0;
    for (int32_t r = box.nRow0; r < box.nRow1; ++r) {
        const int32_t py = actor.y + r;
        std::memcpy(FrameBuffer.pPixels + size_t(py) * FrameBuffer.nWidth + px,
                    b.pPixels + size_t(b.nSourceY + py) * b.nWidth + b.nSourceX + px, nCount);
    }
}

void DrawBackdrop(int nBackdrop) {
    if (nBackdrop < 0 || nBackdrop >= SpriteStore.nBackdropCount || FrameBuffer.pPixels == nullptr)
        return;
    const Backdrop& b = SpriteStore.backdrops[nBackdrop];
    if (b.pPixels == nullptr) return;
    const int32_t nCount = std::min(b.nVisibleWidth, FrameBuffer.nWidth - b.nDestX);
    const int32_t nRows = std::min(b.nVisibleHeight, FrameBuffer.nHeight - b.nDestY);
    if (nCount <= 0) return;
    for (int32_t r = 0; r < nRows; ++r) {
        std::memcpy(FrameBuffer.pPixels + size_t(b.nDestY + r) * FrameBuffer.nWidth + b.nDestX,
                    b.pPixels + size_t(b.nSourceY + r) * b.nWidth + b.nSourceX, nCount);
    }
}

void PresentStage() {
    HostFlush();
    HostPresentView(StageView.nStageLeft, StageView.nStageTop, StageView.nViewWidth,
                    StageView.nViewHeight);
    HostFlush();
}
