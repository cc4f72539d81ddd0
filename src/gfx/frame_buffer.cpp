// Frame-buffer creation and the placement of the stage on every output:
// each output shows it as the picture-size setting places it, centred when
// the output is at least as large, its central part when smaller.

#include "gfx/frame_buffer.h"

#include <algorithm>
#include <vector>

#include "gfx/sprite_store.h"

FrameBufferState FrameBuffer;
StageViewState StageView;

namespace {

// The frame buffer's size for a layout, and the output extent per axis
// that its crop of the stage is taken for: the largest output's.
struct BufferGeometry {
    int32_t nOutputWidth, nOutputHeight;
    int32_t nWidth, nHeight;
};

BufferGeometry GeometryOf(const OutputLayout& layout) {
    BufferGeometry g = {0, 0, 0, 0};
    for (int i = 0; i < std::min<int32_t>(layout.nOutputs, kMaxOutputs); ++i) {
        g.nOutputWidth = std::max(g.nOutputWidth, layout.outputs[i].nWidth);
        g.nOutputHeight = std::max(g.nOutputHeight, layout.outputs[i].nHeight);
    }
    // Only the stage view is ever shown, and it starts at the top-left
    // corner: a frame buffer no larger than the stage holds all of it, and
    // rows no longer than the view are what the platform reads fastest when
    // it copies the view to the window.
    g.nWidth = g.nOutputWidth - g.nOutputWidth % 4;
    g.nHeight = g.nOutputHeight;
    if (SpriteStore.nStageWidth > 0) g.nWidth = std::min(g.nWidth, (SpriteStore.nStageWidth + 3) / 4 * 4);
    if (SpriteStore.nStageHeight > 0) g.nHeight = std::min(g.nHeight, SpriteStore.nStageHeight);
    return g;
}

void PlaceBackdrops(const BufferGeometry& g) {
    for (Backdrop& b : SpriteStore.backdrops) {
        if (b.pPixels == nullptr) continue;
        const StageAxis x = PlaceStageAxis(b.nWidth, g.nOutputWidth, g.nWidth);
        const StageAxis y = PlaceStageAxis(b.nHeight, g.nOutputHeight, g.nHeight);
        b.nDestX = 0;
        b.nDestY = 0;
        b.nSourceX = x.nSource;
        b.nSourceY = y.nSource;
        b.nVisibleWidth = x.nVisible;
        b.nVisibleHeight = y.nVisible;
        StageView.nViewWidth = x.nVisible;
        StageView.nViewHeight = y.nVisible;
        StageView.nStageOriginX = -x.nSource;
        StageView.nStageOriginY = -y.nSource;
    }
}

// Each output's part of the view and its place in the window.
void PlaceStageOnOutputs(const OutputLayout& layout) {
    StageView.nOutputs = 0;
    for (int i = 0; i < std::min<int32_t>(layout.nOutputs, kMaxOutputs); ++i) {
        const HostRect& o = layout.outputs[i];
        const StagePlacement p =
            PlaceStage(SpriteStore.nStageWidth, SpriteStore.nStageHeight, o.nWidth, o.nHeight, layout.nPictureSize);
        const int32_t nX = p.nSourceX + StageView.nStageOriginX, nY = p.nSourceY + StageView.nStageOriginY;
        const int32_t nWidth = std::min(p.nSourceWidth, StageView.nViewWidth - nX);
        const int32_t nHeight = std::min(p.nSourceHeight, StageView.nViewHeight - nY);
        if (nX < 0 || nY < 0 || nWidth <= 0 || nHeight <= 0) continue;
        StageOutput& out = StageView.outputs[StageView.nOutputs++];
        out.source = {nX, nY, nWidth, nHeight};
        out.bSmooth = p.nScale == 0;
        out.dest = {o.nLeft + p.nLeft, o.nTop + p.nTop, out.bSmooth ? p.nWidth : nWidth * p.nScale,
                    out.bSmooth ? p.nHeight : nHeight * p.nScale};
    }
}

}  // namespace

OutputLayout WholeClientLayout(int32_t nClientWidth, int32_t nClientHeight, int nPictureSize) {
    OutputLayout layout = {};
    layout.nOutputs = 1;
    layout.outputs[0] = {0, 0, nClientWidth, nClientHeight};
    layout.nPictureSize = nPictureSize;
    return layout;
}

bool CreateFrameBuffer(HostWindow hWindow, const OutputLayout& layout) {
    DeleteFrameBuffer();
    if (!FrameBuffer.bHeaderReady) return false;
    const BufferGeometry g = GeometryOf(layout);
    if (g.nWidth <= 0 || g.nHeight <= 0) return false;
    FrameBuffer.header.nWidth = g.nWidth;
    FrameBuffer.header.nHeight = -g.nHeight;
    FrameBuffer.header.nSizeImage = uint32_t(g.nWidth) * uint32_t(g.nHeight);
    uint8_t* pPixels = HostCreateFrameBuffer(hWindow, FrameBuffer.header, FrameBuffer.bPalette);
    if (pPixels == nullptr) return false;
    FrameBuffer.pPixels = pPixels;
    FrameBuffer.nWidth = g.nWidth;
    FrameBuffer.nHeight = g.nHeight;
    // New pixels: all of them are to be shown.
    FrameBuffer.drawnRows.assign(size_t(g.nHeight), HostDrawnRow{FrameBuffer.nPresents + 1, 0, g.nWidth});
    PlaceBackdrops(g);
    PlaceStageOnOutputs(layout);
    return true;
}

bool PlaceOutputs(HostWindow hWindow, const OutputLayout& layout) {
    if (FrameBuffer.pPixels == nullptr) return false;
    // Whether the stage part that the frame buffer holds takes in the part
    // that the new layout's largest output shows (centred crops nest).
    const BufferGeometry g = GeometryOf(layout);
    const StageAxis x = PlaceStageAxis(SpriteStore.nStageWidth, g.nOutputWidth, g.nWidth);
    const StageAxis y = PlaceStageAxis(SpriteStore.nStageHeight, g.nOutputHeight, g.nHeight);
    const StageViewState old = StageView;
    if (x.nSource + old.nStageOriginX >= 0 && y.nSource + old.nStageOriginY >= 0 &&
        x.nSource + old.nStageOriginX + x.nVisible <= old.nViewWidth &&
        y.nSource + old.nStageOriginY + y.nVisible <= old.nViewHeight) {
        PlaceStageOnOutputs(layout);
        return true;
    }
    const int32_t nOldStride = FrameBuffer.nWidth;
    const std::vector<uint8_t> pixels(FrameBuffer.pPixels,
                                      FrameBuffer.pPixels + size_t(FrameBuffer.nWidth) * FrameBuffer.nHeight);
    if (!CreateFrameBuffer(hWindow, layout)) return false;
    // Stage pixel (sx, sy) was at (sx + old origin) and is now at
    // (sx + new origin); what the old buffer did not hold stays black until
    // the next scene paints its backdrop.
    const int32_t nShiftX = StageView.nStageOriginX - old.nStageOriginX;
    const int32_t nShiftY = StageView.nStageOriginY - old.nStageOriginY;
    for (int32_t row = 0; row < old.nViewHeight; ++row) {
        const int32_t nTo = row + nShiftY;
        if (nTo < 0 || nTo >= StageView.nViewHeight) continue;
        const int32_t nFirst = std::max(0, -nShiftX);
        const int32_t nLast = std::min(old.nViewWidth, StageView.nViewWidth - nShiftX);
        if (nLast <= nFirst) continue;
        std::copy(pixels.begin() + size_t(row) * nOldStride + nFirst, pixels.begin() + size_t(row) * nOldStride + nLast,
                  FrameBuffer.pPixels + size_t(nTo) * FrameBuffer.nWidth + nFirst + nShiftX);
    }
    return true;
}

void MarkDrawn(int32_t nLeft, int32_t nTop, int32_t nRight, int32_t nBottom) {
    nLeft = std::max(nLeft, 0);
    nRight = std::min(nRight, FrameBuffer.nWidth);
    nTop = std::max(nTop, 0);
    nBottom = std::min(nBottom, int32_t(FrameBuffer.drawnRows.size()));
    if (nLeft >= nRight) return;
    const uint64_t nNext = FrameBuffer.nPresents + 1;
    for (int32_t y = nTop; y < nBottom; ++y) {
        HostDrawnRow& row = FrameBuffer.drawnRows[size_t(y)];
        if (row.nMark != nNext) {
            row = {nNext, nLeft, nRight};
        } else {
            row.nLeft = std::min(row.nLeft, nLeft);
            row.nRight = std::max(row.nRight, nRight);
        }
    }
}

HostDrawnRows CountPresent() {
    ++FrameBuffer.nPresents;
    return {FrameBuffer.drawnRows.data(), FrameBuffer.nPresents};
}

void DeleteFrameBuffer() {
    if (FrameBuffer.pPixels != nullptr) HostDeleteFrameBuffer();
    FrameBuffer.pPixels = nullptr;
    FrameBuffer.drawnRows.clear();
}
