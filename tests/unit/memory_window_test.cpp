// The window in memory presents a view again only where the frame buffer
// changed: after any change the window must equal a fresh window that was
// presented the whole frame once.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

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

// A change of the frame buffer: a box set to one colour index.
struct Change {
    int x, y, nWidth, nHeight;
};

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
        MemoryWindowPresentView(v.source, v.dest, v.bSmooth);
        // Nothing changed: nothing is drawn.
        TakeMemoryWindowDirtyRect();
        MemoryWindowPresentView(v.source, v.dest, v.bSmooth);
        const DirtyRect none = TakeMemoryWindowDirtyRect();
        EXPECT_FALSE(none.nLeft < none.nRight && none.nTop < none.nBottom) << "drawn with nothing changed";
        for (const std::vector<Change>& step : steps) {
            const std::vector<uint8_t> before = MemoryWindow.frameBuffer;
            for (const Change& c : step) {
                const uint8_t nIndex = uint8_t(random());
                for (int y = c.y; y < c.y + c.nHeight; ++y)
                    std::memset(&MemoryWindow.frameBuffer[size_t(y) * kBufferWidth + c.x], nIndex, size_t(c.nWidth));
            }
            TakeMemoryWindowDirtyRect();
            MemoryWindowPresentView(v.source, v.dest, v.bSmooth);
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
            const std::vector<uint8_t> frame = MemoryWindow.frameBuffer;
            ResizeMemoryWindow(v.nWindowWidth, v.nWindowHeight);
            MakeFrameBuffer();
            MemoryWindow.frameBuffer = frame;
            MemoryWindowPresentView(v.source, v.dest, v.bSmooth);
            ASSERT_EQ(again, WindowPixels()) << "after the change at " << step[0].x << "," << step[0].y;
        }
        // A clear between two presents: the whole view is drawn again.
        MemoryWindowClear();
        const std::vector<uint8_t> frame = MemoryWindow.frameBuffer;
        MemoryWindowPresentView(v.source, v.dest, v.bSmooth);
        const std::vector<uint32_t> afterClear = WindowPixels();
        ResizeMemoryWindow(v.nWindowWidth, v.nWindowHeight);
        MakeFrameBuffer();
        MemoryWindow.frameBuffer = frame;
        MemoryWindowPresentView(v.source, v.dest, v.bSmooth);
        EXPECT_EQ(afterClear, WindowPixels()) << "after a clear";
    }
    MemoryWindowDeleteFrameBuffer();
    ResizeMemoryWindow(0, 0);
}

}  // namespace
