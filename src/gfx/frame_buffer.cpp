// Frame-buffer creation and the placement of the stage: centred in a window
// at least as large, its central part shown in a smaller one.

#include "gfx/frame_buffer.h"

#include <algorithm>

#include "gfx/sprite_store.h"

FrameBufferState FrameBuffer;
StageViewState StageView;

StageAxis PlaceStageAxis(int32_t nPicture, int32_t nClient, int32_t nBuffer) {
    StageAxis axis;
    if (nPicture > nClient) {
        axis = {(nPicture - nClient) / 2, nClient, 0};
    } else {
        axis = {0, nPicture, (nClient - nPicture) / 2};
    }
    // A client width that is not a multiple of 4 gives a frame buffer a few
    // columns narrower than the client: the view must stay inside it.
    axis.nVisible = std::clamp(axis.nVisible, 0, std::max(nBuffer, 0));
    return axis;
}

bool CreateFrameBuffer(HostWindow hWindow, int32_t nClientWidth, int32_t nClientHeight) {
    DeleteFrameBuffer();
    if (!FrameBuffer.bHeaderReady) return false;
    // Only the stage view is ever shown, and it starts at the top-left
    // corner: a frame buffer no larger than the stage holds all of it, and
    // rows no longer than the view are what the platform reads fastest when
    // it copies the view to the window.
    int32_t nWidth = nClientWidth - nClientWidth % 4;
    int32_t nHeight = nClientHeight;
    if (SpriteStore.nStageWidth > 0) nWidth = std::min(nWidth, (SpriteStore.nStageWidth + 3) / 4 * 4);
    if (SpriteStore.nStageHeight > 0) nHeight = std::min(nHeight, SpriteStore.nStageHeight);
    if (nWidth <= 0 || nHeight <= 0) return false;
    FrameBuffer.header.nWidth = nWidth;
    FrameBuffer.header.nHeight = -nHeight;
    FrameBuffer.header.nSizeImage = uint32_t(nWidth) * uint32_t(nHeight);
    uint8_t* pPixels = HostCreateFrameBuffer(hWindow, FrameBuffer.header, FrameBuffer.bPalette);
    if (pPixels == nullptr) return false;
    FrameBuffer.pPixels = pPixels;
    FrameBuffer.nWidth = nWidth;
    FrameBuffer.nHeight = nHeight;

    for (Backdrop& b : SpriteStore.backdrops) {
        if (b.pPixels == nullptr) continue;
        const StageAxis x = PlaceStageAxis(b.nWidth, nClientWidth, nWidth);
        const StageAxis y = PlaceStageAxis(b.nHeight, nClientHeight, nHeight);
        b.nDestX = 0;
        b.nDestY = 0;
        b.nSourceX = x.nSource;
        b.nSourceY = y.nSource;
        b.nVisibleWidth = x.nVisible;
        b.nVisibleHeight = y.nVisible;
        StageView = {x.nWindow, y.nWindow, x.nVisible, y.nVisible, -x.nSource, -y.nSource};
    }
    return true;
}

void DeleteFrameBuffer() {
    if (FrameBuffer.pPixels != nullptr) HostDeleteFrameBuffer();
    FrameBuffer.pPixels = nullptr;
}
