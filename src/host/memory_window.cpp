// The window in memory: frame buffer creation, the title picture stretched
// as StretchBlt with SRCCOPY would, and the stage view copied through the
// frame buffer's colours.

#include "host/memory_window.h"

#include <algorithm>

#include "host/dib.h"

MemoryWindowState MemoryWindow;

namespace {

void MarkDirty(int nLeft, int nTop, int nRight, int nBottom) {
    RgbImage& w = MemoryWindow.window;
    nLeft = std::max(nLeft, 0);
    nTop = std::max(nTop, 0);
    nRight = std::min(nRight, w.nWidth);
    nBottom = std::min(nBottom, w.nHeight);
    if (nLeft >= nRight || nTop >= nBottom) return;
    DirtyRect& d = MemoryWindow.dirty;
    if (d.nLeft >= d.nRight || d.nTop >= d.nBottom) {
        d = {nLeft, nTop, nRight, nBottom};
    } else {
        d = {std::min(d.nLeft, nLeft), std::min(d.nTop, nTop), std::max(d.nRight, nRight),
             std::max(d.nBottom, nBottom)};
    }
}

}  // namespace

void ResizeMemoryWindow(int nWidth, int nHeight) {
    RgbImage& w = MemoryWindow.window;
    w.nWidth = std::max(nWidth, 0);
    w.nHeight = std::max(nHeight, 0);
    w.pixels.assign(static_cast<size_t>(w.nWidth) * w.nHeight, 0);
    MemoryWindow.dirty = {};
    MarkDirty(0, 0, w.nWidth, w.nHeight);
}

DirtyRect TakeMemoryWindowDirtyRect() {
    const DirtyRect d = MemoryWindow.dirty;
    MemoryWindow.dirty = {};
    return d;
}

uint8_t* MemoryWindowCreateFrameBuffer(const HostDibHeader& header) {
    const int nWidth = header.nWidth, nHeight = header.nHeight < 0 ? -header.nHeight : header.nHeight;
    if (nWidth <= 0 || nHeight <= 0) return nullptr;
    for (int i = 0; i < 256; ++i) {
        const uint8_t* p = header.colours + 4 * i;  // blue, green, red, 0
        MemoryWindow.bufferColours[i] = uint32_t(p[2]) << 16 | p[1] << 8 | p[0];
    }
    MemoryWindow.nBufferWidth = nWidth;
    MemoryWindow.nBufferHeight = nHeight;
    MemoryWindow.frameBuffer.assign(static_cast<size_t>(nWidth) * nHeight, 0);
    return MemoryWindow.frameBuffer.data();
}

void MemoryWindowDeleteFrameBuffer() {
    MemoryWindow.frameBuffer.clear();
    MemoryWindow.frameBuffer.shrink_to_fit();
    MemoryWindow.nBufferWidth = MemoryWindow.nBufferHeight = 0;
}

bool MemoryWindowHasFrameBuffer() { return !MemoryWindow.frameBuffer.empty(); }

// Reads an 8-bit uncompressed DIB resource (host/dib.h) and stretches it
// over the window, nearest pixel.
bool MemoryWindowStretchPicture(int nResourceId, int nWidth, int nHeight) {
    const HostResource res = HostFindResource(kHostResourceBitmap, nResourceId);
    Dib8 dib;
    if (ReadDib8(res.pData, res.nSize, dib) != DibCheck::kOk) return false;
    const int32_t nPicW = dib.nWidth, nPicH = dib.nHeight;
    RgbImage& w = MemoryWindow.window;
    for (int y = 0; y < std::min(nHeight, w.nHeight); ++y) {
        const int sy = nPicH - 1 - static_cast<int>(static_cast<int64_t>(y) * nPicH / nHeight);
        for (int x = 0; x < std::min(nWidth, w.nWidth); ++x) {
            const int sx = static_cast<int>(static_cast<int64_t>(x) * nPicW / nWidth);
            // An index past a short colour table shows black.
            static const uint8_t kBlack[4] = {};
            const uint8_t nIndex = dib.RowFromBottom(sy)[sx];
            const uint8_t* c = nIndex < dib.nColours ? dib.pColours + 4 * nIndex : kBlack;
            w.pixels[static_cast<size_t>(y) * w.nWidth + x] = uint32_t(c[2]) << 16 | c[1] << 8 | c[0];
        }
    }
    MarkDirty(0, 0, nWidth, nHeight);
    return true;
}

void MemoryWindowClear() {
    std::fill(MemoryWindow.window.pixels.begin(), MemoryWindow.window.pixels.end(), 0);
    MarkDirty(0, 0, MemoryWindow.window.nWidth, MemoryWindow.window.nHeight);
}

void MemoryWindowPresentView(int nLeft, int nTop, int nWidth, int nHeight) {
    RgbImage& w = MemoryWindow.window;
    nWidth = std::min(nWidth, MemoryWindow.nBufferWidth);
    nHeight = std::min(nHeight, MemoryWindow.nBufferHeight);
    // Only the part inside the window is copied.
    const int x0 = std::max(0, -nLeft), x1 = std::min(nWidth, w.nWidth - nLeft);
    const int y0 = std::max(0, -nTop), y1 = std::min(nHeight, w.nHeight - nTop);
    if (x0 >= x1 || y0 >= y1) return;
    for (int y = y0; y < y1; ++y) {
        const uint8_t* pRow = MemoryWindow.frameBuffer.data() + static_cast<size_t>(y) * MemoryWindow.nBufferWidth;
        uint32_t* pOut = w.pixels.data() + static_cast<size_t>(nTop + y) * w.nWidth + nLeft;
        for (int x = x0; x < x1; ++x) pOut[x] = MemoryWindow.bufferColours[pRow[x]];
    }
    MarkDirty(nLeft + x0, nTop + y0, nLeft + x1, nTop + y1);
}
