// The window in memory: frame buffer creation, the title picture stretched
// as StretchBlt with SRCCOPY would, and the stage view copied through the
// frame buffer's colours to each output, scaled crisp or smooth.

#include "host/memory_window.h"

#include <algorithm>
#include <cstring>

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
    MemoryWindow.pPixels = w.pixels.data();
    MemoryWindow.nPitch = static_cast<size_t>(w.nWidth);
    MemoryWindow.shown.clear();
    MemoryWindow.dirty = {};
    MarkDirty(0, 0, w.nWidth, w.nHeight);
}

void AttachMemoryWindowPixels(uint32_t* pPixels, int nWidth, int nHeight, size_t nPitch) {
    RgbImage& w = MemoryWindow.window;
    w.nWidth = std::max(nWidth, 0);
    w.nHeight = std::max(nHeight, 0);
    w.pixels.clear();
    w.pixels.shrink_to_fit();
    MemoryWindow.pPixels = pPixels;
    MemoryWindow.nPitch = nPitch;
    MemoryWindow.shown.clear();
    MemoryWindow.dirty = {};
    MemoryWindowClear();
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
    MemoryWindow.shown.clear();
    return MemoryWindow.frameBuffer.data();
}

void MemoryWindowDeleteFrameBuffer() {
    MemoryWindow.frameBuffer.clear();
    MemoryWindow.frameBuffer.shrink_to_fit();
    MemoryWindow.nBufferWidth = MemoryWindow.nBufferHeight = 0;
    MemoryWindow.shown.clear();
}

bool MemoryWindowHasFrameBuffer() { return !MemoryWindow.frameBuffer.empty(); }

// Reads an 8-bit uncompressed DIB resource (host/dib.h) and stretches it
// over a rectangle of the window, nearest pixel.
bool MemoryWindowStretchPicture(int nResourceId, const HostRect& dest) {
    const HostResource res = HostFindResource(kHostResourceBitmap, nResourceId);
    Dib8 dib;
    if (ReadDib8(res.pData, res.nSize, dib) != DibCheck::kOk) return false;
    const int32_t nPicW = dib.nWidth, nPicH = dib.nHeight;
    const RgbImage& w = MemoryWindow.window;
    // An index past a short colour table shows black.
    static const uint8_t kBlack[4] = {};
    for (int y = 0; y < dest.nHeight; ++y) {
        const int wy = dest.nTop + y;
        if (wy < 0 || wy >= w.nHeight) continue;
        const int sy = nPicH - 1 - static_cast<int>(static_cast<int64_t>(y) * nPicH / dest.nHeight);
        const uint8_t* pRow = dib.RowFromBottom(sy);
        uint32_t* pOut = MemoryWindowRow(wy);
        for (int x = 0; x < dest.nWidth; ++x) {
            const int wx = dest.nLeft + x;
            if (wx < 0 || wx >= w.nWidth) continue;
            const int sx = static_cast<int>(static_cast<int64_t>(x) * nPicW / dest.nWidth);
            const uint8_t nIndex = pRow[sx];
            const uint8_t* c = nIndex < dib.nColours ? dib.pColours + 4 * nIndex : kBlack;
            pOut[wx] = uint32_t(c[2]) << 16 | c[1] << 8 | c[0];
        }
    }
    MemoryWindow.shown.clear();
    MarkDirty(dest.nLeft, dest.nTop, dest.nLeft + dest.nWidth, dest.nTop + dest.nHeight);
    return true;
}

void MemoryWindowClear() {
    const RgbImage& w = MemoryWindow.window;
    for (int y = 0; y < w.nHeight; ++y) std::fill_n(MemoryWindowRow(y), w.nWidth, 0u);
    MemoryWindow.shown.clear();
    MarkDirty(0, 0, w.nWidth, w.nHeight);
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

bool SameRect(const HostRect& a, const HostRect& b) {
    return a.nLeft == b.nLeft && a.nTop == b.nTop && a.nWidth == b.nWidth && a.nHeight == b.nHeight;
}

ShownView* FindShown(const HostRect& source, const HostRect& dest, bool bSmooth) {
    for (ShownView& v : MemoryWindow.shown)
        if (v.bSmooth == bSmooth && SameRect(v.source, source) && SameRect(v.dest, dest)) return &v;
    return nullptr;
}

// The changed span [nLeft, nRight) of each source row of the last
// TakeChanges (empty where the row did not change).
struct RowSpan {
    int nLeft, nRight;
};
std::vector<RowSpan> gRowSpans;

uint64_t Load64(const uint8_t* p) {
    uint64_t n;
    std::memcpy(&n, p, sizeof n);
    return n;
}

// The first column where two rows of nWidth pixels differ (nWidth: none),
// and one past the last such column before r. Eight pixels at a time: a
// frame step changes few of a row's pixels, and most rows not at all.
int FirstDifference(const uint8_t* a, const uint8_t* b, int nWidth) {
    int l = 0;
    while (l + 8 <= nWidth && Load64(a + l) == Load64(b + l)) l += 8;
    while (l < nWidth && a[l] == b[l]) ++l;
    return l;
}

int LastDifference(const uint8_t* a, const uint8_t* b, int r) {
    while (r >= 8 && Load64(a + r - 8) == Load64(b + r - 8)) r -= 8;
    while (r > 0 && a[r - 1] == b[r - 1]) --r;
    return r;
}

// The box of the view's source (in source coordinates, right and bottom
// exclusive) where the frame buffer differs from what the view showed, each
// row's span in gRowSpans, and the view's pixels brought up to date; false
// when nothing changed. Only rows drawn on since the view's last present
// can differ; when that was the last present, only the columns drawn on.
bool TakeChanges(ShownView& v, const HostDrawnRows& drawn, DirtyRect& changed) {
    const int nWidth = v.source.nWidth;
    const HostDrawnRow* pRows = drawn.pRows + v.source.nTop;
    const bool bSinceLast = v.nPresent + 1 == drawn.nPresent;
    changed = {nWidth, v.source.nHeight, 0, 0};
    gRowSpans.assign(static_cast<size_t>(v.source.nHeight), RowSpan{0, 0});
    for (int y = 0; y < v.source.nHeight; ++y) {
        const HostDrawnRow& row = pRows[y];
        if (row.nMark <= v.nPresent) continue;
        int c0 = 0, c1 = nWidth;
        if (bSinceLast) {
            c0 = std::clamp(row.nLeft - v.source.nLeft, 0, nWidth);
            c1 = std::clamp(row.nRight - v.source.nLeft, 0, nWidth);
        }
        const uint8_t* pNow = MemoryWindow.frameBuffer.data() +
                              static_cast<size_t>(v.source.nTop + y) * MemoryWindow.nBufferWidth + v.source.nLeft;
        uint8_t* pWas = v.pixels.data() + static_cast<size_t>(y) * nWidth;
        const int l = c0 + FirstDifference(pNow + c0, pWas + c0, c1 - c0);
        if (l >= c1) continue;
        const int r = LastDifference(pNow, pWas, c1);
        std::memcpy(pWas + l, pNow + l, static_cast<size_t>(r - l));
        gRowSpans[static_cast<size_t>(y)] = {l, r};
        changed = {std::min(changed.nLeft, l), std::min(changed.nTop, y), std::max(changed.nRight, r), y + 1};
    }
    v.nPresent = drawn.nPresent;
    return changed.nLeft < changed.nRight;
}

// The first destination pixel whose nearest source pixel is at or past n
// (of nSource over nDest).
int DestStart(int n, int nSource, int nDest) {
    return static_cast<int>((int64_t{n} * nDest + nSource - 1) / nSource);
}

// The destination span [d0, d1) that reads the source span [c0, c1): the
// nearest pixel for crisp; for smooth, the blend also reads the next pixel
// and its centre lies up to a source step away, so the span is widened.
void DestSpan(int c0, int c1, int nSource, int nDest, bool bSmooth, int& d0, int& d1) {
    const int nMargin = bSmooth ? 2 + nSource / nDest : 0;
    d0 = DestStart(std::max(c0 - nMargin, 0), nSource, nDest);
    d1 = DestStart(std::min(c1 + nMargin, nSource), nSource, nDest);
}

void PresentCrispRow(uint32_t* pOut, const uint8_t* pRow, int x0, int x1, int nSource, int nDest) {
    const uint32_t* pColours = MemoryWindow.bufferColours;
    if (nDest == nSource) {
        // Four at a time, every colour read before any is written: a store
        // through pOut could otherwise be taken to change the colour table.
        int x = x0;
        for (; x + 4 <= x1; x += 4) {
            const uint8_t* p = pRow + x;
            const uint32_t c0 = pColours[p[0]], c1 = pColours[p[1]], c2 = pColours[p[2]], c3 = pColours[p[3]];
            pOut[x] = c0;
            pOut[x + 1] = c1;
            pOut[x + 2] = c2;
            pOut[x + 3] = c3;
        }
        for (; x < x1; ++x) pOut[x] = pColours[pRow[x]];
    } else if (nDest % nSource == 0) {
        const int k = nDest / nSource;
        int sx = x0 / k, nPhase = x0 % k;
        for (int x = x0; x < x1; ++x) {
            pOut[x] = pColours[pRow[sx]];
            if (++nPhase == k) {
                nPhase = 0;
                ++sx;
            }
        }
    } else {
        for (int x = x0; x < x1; ++x) pOut[x] = pColours[pRow[static_cast<int>(int64_t{x} * nSource / nDest)]];
    }
}

}  // namespace

// Crisp: each window pixel takes the frame-buffer pixel it falls in (a whole
// factor makes blocks). Smooth: each window pixel's centre, mapped into the
// source, blends the four pixels around it. A view presented again where
// nothing has drawn over it since is drawn only where the frame buffer
// changed.
void MemoryWindowPresentView(const HostRect& source, const HostRect& dest, bool bSmooth, const HostDrawnRows& drawn) {
    const RgbImage& w = MemoryWindow.window;
    if (source.nLeft < 0 || source.nTop < 0 || source.nWidth <= 0 || source.nHeight <= 0 ||
        source.nLeft + source.nWidth > MemoryWindow.nBufferWidth ||
        source.nTop + source.nHeight > MemoryWindow.nBufferHeight || dest.nWidth <= 0 || dest.nHeight <= 0)
        return;
    // Only the part inside the window is drawn.
    int x0 = std::max(0, -dest.nLeft), x1 = std::min(dest.nWidth, w.nWidth - dest.nLeft);
    int y0 = std::max(0, -dest.nTop), y1 = std::min(dest.nHeight, w.nHeight - dest.nTop);
    if (x0 >= x1 || y0 >= y1) return;
    // Crisp and presented before: each row is drawn only over its changed span.
    bool bRowSpans = false;
    if (ShownView* pShown = FindShown(source, dest, bSmooth)) {
        bRowSpans = !bSmooth;
        DirtyRect c;
        if (!TakeChanges(*pShown, drawn, c)) return;
        int d0 = 0, d1 = 0;
        DestSpan(c.nLeft, c.nRight, source.nWidth, dest.nWidth, bSmooth, d0, d1);
        x0 = std::max(x0, d0);
        x1 = std::min(x1, d1);
        DestSpan(c.nTop, c.nBottom, source.nHeight, dest.nHeight, bSmooth, d0, d1);
        y0 = std::max(y0, d0);
        y1 = std::min(y1, d1);
        if (x0 >= x1 || y0 >= y1) return;
    } else {
        ShownView v{source, dest, bSmooth, std::vector<uint8_t>(static_cast<size_t>(source.nWidth) * source.nHeight),
                    drawn.nPresent};
        for (int y = 0; y < source.nHeight; ++y)
            std::memcpy(v.pixels.data() + static_cast<size_t>(y) * source.nWidth,
                        MemoryWindow.frameBuffer.data() +
                            static_cast<size_t>(source.nTop + y) * MemoryWindow.nBufferWidth + source.nLeft,
                        static_cast<size_t>(source.nWidth));
        MemoryWindow.shown.push_back(std::move(v));
    }
    int nLastRow = -1, nRowX0 = x0, nRowX1 = x1;
    for (int y = y0; y < y1; ++y) {
        uint32_t* pOut = MemoryWindowRow(dest.nTop + y) + dest.nLeft;
        if (!bSmooth) {
            const int nRow = static_cast<int>(int64_t{y} * source.nHeight / dest.nHeight);
            if (nRow != nLastRow) {
                nLastRow = nRow;
                nRowX0 = x0;
                nRowX1 = x1;
                if (bRowSpans) {
                    const RowSpan span = gRowSpans[static_cast<size_t>(nRow)];
                    int d0 = 0, d1 = 0;
                    DestSpan(span.nLeft, span.nRight, source.nWidth, dest.nWidth, false, d0, d1);
                    nRowX0 = std::max(x0, d0);
                    nRowX1 = std::min(x1, d1);
                }
                if (nRowX0 >= nRowX1) continue;
                const uint8_t* pRow = MemoryWindow.frameBuffer.data() +
                                      static_cast<size_t>(source.nTop + nRow) * MemoryWindow.nBufferWidth +
                                      source.nLeft;
                PresentCrispRow(pOut, pRow, nRowX0, nRowX1, source.nWidth, dest.nWidth);
            } else if (nRowX0 < nRowX1) {  // a block's next row: the same pixels
                std::memcpy(pOut + nRowX0, MemoryWindowRow(dest.nTop + y - 1) + dest.nLeft + nRowX0,
                            static_cast<size_t>(nRowX1 - nRowX0) * sizeof(uint32_t));
            }
            continue;
        }
        const SourceSpan sy = SpanOf(y, source.nTop, source.nHeight, dest.nHeight);
        for (int x = x0; x < x1; ++x) {
            const SourceSpan sx = SpanOf(x, source.nLeft, source.nWidth, dest.nWidth);
            pOut[x] = BlendedColour(sx.n0, sy.n0, sx.n1, sy.n1, sx.nWeight, sy.nWeight);
        }
    }
    MarkDirty(dest.nLeft + x0, dest.nTop + y0, dest.nLeft + x1, dest.nTop + y1);
}
