// The window in memory: frame buffer creation, the title picture stretched
// as StretchBlt with SRCCOPY would, and the stage view copied through the
// frame buffer's colours to each output, scaled crisp or smooth.

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
// over a rectangle of the window, nearest pixel.
bool MemoryWindowStretchPicture(int nResourceId, const HostRect& dest) {
    const HostResource res = HostFindResource(kHostResourceBitmap, nResourceId);
    Dib8 dib;
    if (ReadDib8(res.pData, res.nSize, dib) != DibCheck::kOk) return false;
    const int32_t nPicW = dib.nWidth, nPicH = dib.nHeight;
    RgbImage& w = MemoryWindow.window;
    // An index past a short colour table shows black.
    static const uint8_t kBlack[4] = {};
    for (int y = 0; y < dest.nHeight; ++y) {
        const int wy = dest.nTop + y;
        if (wy < 0 || wy >= w.nHeight) continue;
        const int sy = nPicH - 1 - static_cast<int>(static_cast<int64_t>(y) * nPicH / dest.nHeight);
        const uint8_t* pRow = dib.RowFromBottom(sy);
        for (int x = 0; x < dest.nWidth; ++x) {
            const int wx = dest.nLeft + x;
            if (wx < 0 || wx >= w.nWidth) continue;
            const int sx = static_cast<int>(static_cast<int64_t>(x) * nPicW / dest.nWidth);
            const uint8_t nIndex = pRow[sx];
            const uint8_t* c = nIndex < dib.nColours ? dib.pColours + 4 * nIndex : kBlack;
            w.pixels[static_cast<size_t>(wy) * w.nWidth + wx] = uint32_t(c[2]) << 16 | c[1] << 8 | c[0];
        }
    }
    MarkDirty(dest.nLeft, dest.nTop, dest.nLeft + dest.nWidth, dest.nTop + dest.nHeight);
    return true;
}

void MemoryWindowClear() {
    std::fill(MemoryWindow.window.pixels.begin(), MemoryWindow.window.pixels.end(), 0);
    MarkDirty(0, 0, MemoryWindow.window.nWidth, MemoryWindow.window.nHeight);
}

namespace {

uint32_t BufferColour(int x, int y) {
    return MemoryWindow.bufferColours[MemoryWindow.frameBuffer[static_cast<size_t>(y) * MemoryWindow.nBufferWidth + x]];
}

// The colour at a point between the centres of four frame-buffer pixels,
// each channel weighted by the distance to them (fx and fy in 1/256).
uint32_t BlendedColour(int x0, int y0, int x1, int y1, int fx, int fy) {
    const uint32_t c[4] = {BufferColour(x0, y0), BufferColour(x1, y0), BufferColour(x0, y1), BufferColour(x1, y1)};
    const int weights[4] = {(256 - fx) * (256 - fy), fx * (256 - fy), (256 - fx) * fy, fx * fy};
    uint32_t nResult = 0;
    for (int nShift = 0; nShift < 24; nShift += 8) {
        int nSum = 0;
        for (int i = 0; i < 4; ++i) nSum += static_cast<int>((c[i] >> nShift) & 0xFF) * weights[i];
        nResult |= static_cast<uint32_t>((nSum + 32768) >> 16) << nShift;
    }
    return nResult;
}

// A destination pixel's centre in the source, in 1/256 of a source pixel
// from the first source pixel's centre: the two pixels around it and the
// weight of the second.
struct SourceSpan {
    int n0, n1, nWeight;
};
SourceSpan SpanOf(int d, int nSourceStart, int nSource, int nDest) {
    const int64_t nAt = ((2 * int64_t{d} + 1) * nSource * 128) / nDest - 128;
    const int n0 = static_cast<int>(std::clamp<int64_t>(nAt >> 8, 0, nSource - 1));
    return {nSourceStart + n0, nSourceStart + std::min(n0 + 1, nSource - 1),
            nAt < 0 ? 0 : static_cast<int>(nAt & 0xFF)};
}

}  // namespace

// Crisp: each window pixel takes the frame-buffer pixel it falls in (a whole
// factor makes blocks). Smooth: each window pixel's centre, mapped into the
// source, blends the four pixels around it.
void MemoryWindowPresentView(const HostRect& source, const HostRect& dest, bool bSmooth) {
    RgbImage& w = MemoryWindow.window;
    if (source.nLeft < 0 || source.nTop < 0 || source.nWidth <= 0 || source.nHeight <= 0 ||
        source.nLeft + source.nWidth > MemoryWindow.nBufferWidth ||
        source.nTop + source.nHeight > MemoryWindow.nBufferHeight || dest.nWidth <= 0 || dest.nHeight <= 0)
        return;
    // Only the part inside the window is drawn.
    const int x0 = std::max(0, -dest.nLeft), x1 = std::min(dest.nWidth, w.nWidth - dest.nLeft);
    const int y0 = std::max(0, -dest.nTop), y1 = std::min(dest.nHeight, w.nHeight - dest.nTop);
    if (x0 >= x1 || y0 >= y1) return;
    for (int y = y0; y < y1; ++y) {
        uint32_t* pOut = w.pixels.data() + static_cast<size_t>(dest.nTop + y) * w.nWidth + dest.nLeft;
        const SourceSpan sy = SpanOf(y, source.nTop, source.nHeight, dest.nHeight);
        const int nRow = source.nTop + static_cast<int>(int64_t{y} * source.nHeight / dest.nHeight);
        for (int x = x0; x < x1; ++x) {
            if (!bSmooth) {
                pOut[x] = BufferColour(source.nLeft + static_cast<int>(int64_t{x} * source.nWidth / dest.nWidth), nRow);
                continue;
            }
            const SourceSpan sx = SpanOf(x, source.nLeft, source.nWidth, dest.nWidth);
            pOut[x] = BlendedColour(sx.n0, sy.n0, sx.n1, sy.n1, sx.nWeight, sy.nWeight);
        }
    }
    MarkDirty(dest.nLeft + x0, dest.nTop + y0, dest.nLeft + x1, dest.nTop + y1);
}
