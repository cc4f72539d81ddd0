// The window in memory presents a view again only where the frame buffer
// changed: after any change the window must equal a fresh window that was
// presented the whole frame once. It looks only where the show says it drew
// (marked as the frame buffer's drawing does).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "gfx/frame_buffer.h"
#include "host/memory_window.h"

namespace {

constexpr int kBufferWidth = 40, kBufferHeight = 30;

void MakeFrameBuffer() {
    HostDibHeader header = {};
    header.nWidth = kBufferWidth;
    header.nHeight = -kBufferHeight;
    for (int i = 0; i < 256; ++i) {
        header.colours[4 * i] = uint8_t(i * 37);
        header.colours[4 * i + 1] = uint8_t(i * 11 + 5);
        header.colours[4 * i + 2] = uint8_t(255 - i);
    }
    ASSERT_NE(MemoryWindowCreateFrameBuffer(header), nullptr);
    // The show's count of presents goes on; all of a new frame buffer is to
    // be shown.
    FrameBuffer.nWidth = kBufferWidth;
    FrameBuffer.drawnRows.assign(kBufferHeight, HostDrawnRow{FrameBuffer.nPresents + 1, 0, kBufferWidth});
}

std::vector<uint32_t> WindowPixels() {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < MemoryWindow.window.nHeight; ++y)
        pixels.insert(pixels.end(), MemoryWindowRow(y), MemoryWindowRow(y) + MemoryWindow.window.nWidth);
    return pixels;
}

struct ViewCase {
    const char* szName;
    int nWindowWidth, nWindowHeight;
    HostRect source, dest;
    bool bSmooth;
};

// One present of the show: each view (output) in turn.
void Present(const std::vector<ViewCase>& views) {
    const HostDrawnRows drawn = CountPresent();
    for (const ViewCase& v : views) MemoryWindowPresentView(v.source, v.dest, v.bSmooth, drawn);
}
void Present(const ViewCase& v) { Present(std::vector<ViewCase>{v}); }

// A change of the frame buffer: a box set to one colour index.
struct Change {
    int x, y, nWidth, nHeight;
};

// Draws a box of one colour index, marking it as drawn on.
void Draw(const Change& c, uint8_t nIndex) {
    for (int y = c.y; y < c.y + c.nHeight; ++y)
        std::memset(&MemoryWindow.frameBuffer[size_t(y) * kBufferWidth + c.x], nIndex, size_t(c.nWidth));
    MarkDrawn(c.x, c.y, c.x + c.nWidth, c.y + c.nHeight);
}

std::vector<uint32_t> WholePresentOf(std::vector<uint8_t> frame, int nWindowWidth, int nWindowHeight,
                                     const std::vector<ViewCase>& views) {
    ResizeMemoryWindow(nWindowWidth, nWindowHeight);
    MakeFrameBuffer();
    MemoryWindow.frameBuffer = frame;
    Present(views);
    return WindowPixels();
}

TEST(MemoryWindowTest, PresentingAgainDrawsWhatChangedAsAWholePresentWould) {
    const ViewCase views[] = {
        {"original", 50, 40, {0, 0, 40, 30}, {5, 5, 40, 30}, false},
        {"cropped by the window", 30, 20, {0, 0, 40, 30}, {-5, -5, 40, 30}, false},
        {"part of the buffer", 50, 40, {7, 4, 20, 15}, {1, 2, 20, 15}, false},
        {"2x crisp", 90, 70, {0, 0, 40, 30}, {3, 4, 80, 60}, false},
        {"3x crisp, cut by the window", 100, 80, {0, 0, 40, 30}, {-10, 0, 120, 90}, false},
        {"smooth, a fill of the height", 120, 75, {0, 0, 40, 30}, {10, 0, 100, 75}, true},
        {"smooth, an odd factor", 61, 47, {0, 0, 40, 30}, {0, 0, 61, 47}, true},
    };
    // Each step's changes; two apart make rows that changed in different
    // places inside one box. Rows are compared eight pixels at a time: some
    // changes sit on either side of such a group's edge, or in a row's last
    // pixels after the whole groups (the part of the buffer is 20 wide).
    const std::vector<Change> steps[] = {
        {{0, 0, 1, 1}}, {{39, 29, 1, 1}}, {{12, 9, 5, 3}}, {{2, 3, 4, 2}, {30, 20, 6, 5}},
        {{0, 14, 40, 1}}, {{20, 0, 1, 30}}, {{7, 6, 1, 1}, {16, 6, 1, 1}}, {{15, 11, 2, 1}},
        {{26, 8, 1, 2}}, {{23, 12, 4, 1}, {8, 13, 1, 1}}, {{0, 0, 40, 30}},
    };
    std::mt19937 random(7);
    for (const ViewCase& v : views) {
        SCOPED_TRACE(v.szName);
        ResizeMemoryWindow(v.nWindowWidth, v.nWindowHeight);
        MakeFrameBuffer();
        for (uint8_t& p : MemoryWindow.frameBuffer) p = uint8_t(random());
        Present(v);
        // Nothing changed: nothing is drawn.
        TakeMemoryWindowDirtyRect();
        Present(v);
        const DirtyRect none = TakeMemoryWindowDirtyRect();
        EXPECT_FALSE(none.nLeft < none.nRight && none.nTop < none.nBottom) << "drawn with nothing changed";
        for (const std::vector<Change>& step : steps) {
            const std::vector<uint8_t> before = MemoryWindow.frameBuffer;
            for (const Change& c : step) Draw(c, uint8_t(random()));
            TakeMemoryWindowDirtyRect();
            Present(v);
            const DirtyRect drawn = TakeMemoryWindowDirtyRect();
            if (!v.bSmooth && v.dest.nWidth == v.source.nWidth && v.dest.nHeight == v.source.nHeight) {
                // Unscaled, exactly the box round the pixels that changed is
                // drawn, as far as it lies in the window.
                DirtyRect box = {v.source.nWidth, v.source.nHeight, 0, 0};
                for (int y = 0; y < v.source.nHeight; ++y) {
                    for (int x = 0; x < v.source.nWidth; ++x) {
                        const size_t i = size_t(v.source.nTop + y) * kBufferWidth + v.source.nLeft + x;
                        if (before[i] != MemoryWindow.frameBuffer[i])
                            box = {std::min(box.nLeft, x), std::min(box.nTop, y), std::max(box.nRight, x + 1),
                                   std::max(box.nBottom, y + 1)};
                    }
                }
                box = {std::max(box.nLeft + v.dest.nLeft, 0), std::max(box.nTop + v.dest.nTop, 0),
                       std::min(box.nRight + v.dest.nLeft, v.nWindowWidth),
                       std::min(box.nBottom + v.dest.nTop, v.nWindowHeight)};
                if (box.nLeft >= box.nRight || box.nTop >= box.nBottom) box = {};
                EXPECT_EQ(std::vector<int>({box.nLeft, box.nTop, box.nRight, box.nBottom}),
                          std::vector<int>({drawn.nLeft, drawn.nTop, drawn.nRight, drawn.nBottom}))
                    << "drawn box after the change at " << step[0].x << "," << step[0].y;
            }
            const std::vector<uint32_t> again = WindowPixels();
            ASSERT_EQ(again, WholePresentOf(MemoryWindow.frameBuffer, v.nWindowWidth, v.nWindowHeight, {v}))
                << "after the change at " << step[0].x << "," << step[0].y;
        }
        // A change undone at the next present: the pixels show as they were.
        const std::vector<uint8_t> undone = MemoryWindow.frameBuffer;
        Draw({3, 2, 30, 20}, uint8_t(random()));
        Present(v);
        MemoryWindow.frameBuffer = undone;
        MarkDrawn(3, 2, 33, 22);
        Present(v);
        const std::vector<uint32_t> afterUndo = WindowPixels();
        EXPECT_EQ(afterUndo, WholePresentOf(MemoryWindow.frameBuffer, v.nWindowWidth, v.nWindowHeight, {v}))
            << "after a change undone";
        // A clear between two presents: the whole view is drawn again.
        MemoryWindowClear();
        Present(v);
        const std::vector<uint32_t> afterClear = WindowPixels();
        EXPECT_EQ(afterClear, WholePresentOf(MemoryWindow.frameBuffer, v.nWindowWidth, v.nWindowHeight, {v}))
            << "after a clear";
    }
    MemoryWindowDeleteFrameBuffer();
    ResizeMemoryWindow(0, 0);
    FrameBuffer = {};
}

// Two outputs, one of them left out of a present: what was drawn since each
// view's own last present is looked at, not just since the last one (row 4
// is drawn on twice, in other columns the second time).
TEST(MemoryWindowTest, EachViewLooksAtTheRowsDrawnOnSinceItsOwnLastPresent) {
    const ViewCase a = {"original", 130, 70, {0, 0, 40, 30}, {0, 0, 40, 30}, false};
    const ViewCase b = {"2x crisp", 130, 70, {0, 0, 40, 30}, {45, 5, 80, 60}, false};
    std::mt19937 random(11);
    ResizeMemoryWindow(a.nWindowWidth, a.nWindowHeight);
    MakeFrameBuffer();
    for (uint8_t& p : MemoryWindow.frameBuffer) p = uint8_t(random());
    Present({a, b});
    Draw({3, 4, 10, 2}, 200);
    Present(a);  // b is not presented this time
    Draw({20, 4, 6, 3}, 201);
    Present({a, b});
    const std::vector<uint32_t> shown = WindowPixels();
    EXPECT_EQ(shown, WholePresentOf(MemoryWindow.frameBuffer, a.nWindowWidth, a.nWindowHeight, {a, b}));

    // A pixel changed where nothing is marked as drawn on is not looked at
    // (no drawing of the show does that), neither on a row not drawn on nor
    // outside the columns drawn on; marking it shows it.
    MemoryWindow.frameBuffer[size_t(17) * kBufferWidth + 30] ^= 0x55;
    const std::vector<uint32_t> before = WindowPixels();
    Present({a, b});
    EXPECT_EQ(WindowPixels(), before) << "row not drawn on";
    MarkDrawn(5, 17, 12, 18);
    Present({a, b});
    EXPECT_EQ(WindowPixels(), before) << "outside the columns drawn on";
    MarkDrawn(30, 17, 31, 18);
    Present({a, b});
    const std::vector<uint32_t> marked = WindowPixels();
    EXPECT_EQ(marked, WholePresentOf(MemoryWindow.frameBuffer, a.nWindowWidth, a.nWindowHeight, {a, b}));

    MemoryWindowDeleteFrameBuffer();
    ResizeMemoryWindow(0, 0);
    FrameBuffer = {};
}

}  // namespace
