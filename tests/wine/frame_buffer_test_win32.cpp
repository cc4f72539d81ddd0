// The palette step and the frame buffer against real GDI, on the bed's
// palette screen and on its true-colour screen: the flags that the real
// NUMCOLORS and SIZEPALETTE give, the table's colours in the realised
// palette, a real DIB section, and a presented frame read back from the
// window.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "engine/actors.h"
#include "catalogue.h"
#include "gfx/frame_buffer.h"
#include "gfx/palette.h"
#include "gfx/sprite_store.h"
#include "host/host.h"

namespace {

constexpr int kClientWidth = 643;  // not a multiple of 4, narrower than the stage
constexpr int kClientHeight = 500;

COLORREF TableColour(int i) {
    const uint32_t rgb = SharedColourTable[i];
    return RGB(BYTE(rgb >> 16), BYTE(rgb >> 8), BYTE(rgb));
}

LRESULT CALLBACK StageWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

// A visible popup window that keeps its own device context, as the
// saver's does, with the show's state reset around it.
class StageTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA windowClass = {};
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = StageWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "HarborgastStageTest";
        RegisterClassA(&windowClass);
        hWnd_ = CreateWindowExA(WS_EX_TOPMOST, "HarborgastStageTest", "stage", WS_POPUP | WS_VISIBLE, 0, 0,
                                kClientWidth, kClientHeight, nullptr, nullptr, GetModuleHandleA(nullptr),
                                nullptr);
        ASSERT_NE(hWnd_, nullptr);
        UpdateWindow(hWnd_);
        PumpMessages();
        SpriteStore = {};
        FrameBuffer = {};
        StageView = {};
        // One backdrop of the stage's size to place the view by.
        backdropPixels_.assign(size_t(800) * 600, 0);
        SpriteStore.backdrops[0] = {0, 0, 0, 0, 0, 0, 0, 600, 800, backdropPixels_.data()};
        SpriteStore.nBackdropCount = 1;
        SpriteStore.nStageWidth = 800;
        SpriteStore.nStageHeight = 600;
        // The colour table of the last bitmap loaded: the shared one.
        for (int i = 0; i < 256; ++i) {
            SpriteStore.colourTable[4 * i + 0] = BYTE(SharedColourTable[i]);
            SpriteStore.colourTable[4 * i + 1] = BYTE(SharedColourTable[i] >> 8);
            SpriteStore.colourTable[4 * i + 2] = BYTE(SharedColourTable[i] >> 16);
        }
    }
    void TearDown() override {
        HostDeleteShowPalette();
        DeleteFrameBuffer();
        DestroyWindow(hWnd_);
        PumpMessages();
    }
    static void PumpMessages() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    HostWindow Window() const { return reinterpret_cast<HostWindow>(hWnd_); }

    // Presents a frame buffer filled with one index and reads the window's
    // colour in the middle of the stage view.
    COLORREF PresentFilled(uint8_t nIndex) {
        std::fill(FrameBuffer.pPixels, FrameBuffer.pPixels + size_t(FrameBuffer.nWidth) * FrameBuffer.nHeight,
                  nIndex);
        EXPECT_TRUE(HostBeginFrame(Window()));
        PresentStage();
        HostEndFrame(Window());
        GdiFlush();
        HDC hDC = GetDC(hWnd_);
        const COLORREF colour = GetPixel(hDC, kClientWidth / 2, kClientHeight / 2);
        ReleaseDC(hWnd_, hDC);
        return colour;
    }

    HWND hWnd_ = nullptr;
    std::vector<uint8_t> backdropPixels_;
};

class StageOnPaletteDisplay : public StageTest {};

TEST_F(StageOnPaletteDisplay, ShowPaletteIsTheSystemPaletteWithTheFlagPattern) {
    HDC hDC = GetDC(hWnd_);
    ASSERT_TRUE(GetDeviceCaps(hDC, RASTERCAPS) & RC_PALETTE);
    const int nNumColors = GetDeviceCaps(hDC, NUMCOLORS);
    const int nSizePalette = GetDeviceCaps(hDC, SIZEPALETTE);
    ReleaseDC(hWnd_, hDC);
    ASSERT_EQ(nSizePalette, 256);

    ASSERT_TRUE(BuildShowPalette(Window()));
    EXPECT_TRUE(FrameBuffer.bPalette);
    // The system palette as the step left it, with the table's colours in
    // whatever entries the display could give them.
    PALETTEENTRY system[256];
    hDC = GetDC(hWnd_);
    GetSystemPaletteEntries(hDC, 0, 256, system);
    ReleaseDC(hWnd_, hDC);
    ASSERT_TRUE(CreateFrameBuffer(Window(), WholeClientLayout(kClientWidth, kClientHeight, kPictureLargestWhole)));

    // The window's own device context keeps the show palette selected: a
    // copy of that system palette, entry for entry, with the flag pattern.
    hDC = GetDC(hWnd_);
    HPALETTE hPalette = static_cast<HPALETTE>(GetCurrentObject(hDC, OBJ_PAL));
    ReleaseDC(hWnd_, hDC);
    ASSERT_EQ(GetPaletteEntries(hPalette, 0, 0, nullptr), UINT(nSizePalette));
    PALETTEENTRY show[256];
    GetPaletteEntries(hPalette, 0, 256, show);
    uint8_t flags[256];
    PaletteFlagPattern(nNumColors, nSizePalette, flags);
    int nNoCollapse = 0;
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(show[i].peFlags, flags[i]) << "entry " << i;
        EXPECT_EQ(RGB(show[i].peRed, show[i].peGreen, show[i].peBlue),
                  RGB(system[i].peRed, system[i].peGreen, system[i].peBlue))
            << "entry " << i;
        nNoCollapse += flags[i] == kPcNoCollapse;
    }
    // The usual 20 static colours, whether the display counts them (20) or
    // not (-1, as Wine does).
    EXPECT_EQ(nNoCollapse, 236) << "NUMCOLORS " << nNumColors;
    std::printf("NUMCOLORS %d, SIZEPALETTE %d: %d entries PC_NOCOLLAPSE\n", nNumColors, nSizePalette,
                nNoCollapse);

    // The header carries palette indices, 0..255 as 16-bit values.
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(FrameBuffer.header.colours[2 * i], i);
        EXPECT_EQ(FrameBuffer.header.colours[2 * i + 1], 0);
    }
}

TEST_F(StageOnPaletteDisplay, PresentedIndicesShowTheirColours) {
    ASSERT_TRUE(BuildShowPalette(Window()));
    ASSERT_TRUE(CreateFrameBuffer(Window(), WholeClientLayout(kClientWidth, kClientHeight, kPictureLargestWhole)));
    // Pure red and pure blue are among the static colours, so they are
    // shown exactly; the index is the one the remap gives them.
    for (const int nTableIndex : {249, 252}) {
        const uint8_t nIndex = uint8_t(HostNearestPaletteIndex(SharedColourTable[nTableIndex]));
        EXPECT_EQ(PresentFilled(nIndex), TableColour(nTableIndex)) << "table entry " << nTableIndex;
    }
}

TEST_F(StageTest, FrameBufferIsARealDibSectionOnATrueColourDisplay) {
    ASSERT_TRUE(BuildShowPalette(Window()));
    EXPECT_FALSE(FrameBuffer.bPalette);
    ASSERT_TRUE(CreateFrameBuffer(Window(), WholeClientLayout(kClientWidth, kClientHeight, kPictureLargestWhole)));
    ASSERT_NE(FrameBuffer.pPixels, nullptr);
    EXPECT_EQ(FrameBuffer.nWidth, 640);
    EXPECT_EQ(StageView.nViewWidth, 640);
    EXPECT_EQ(StageView.outputs[0].dest.nLeft, 0);
    // Every byte of the DIB section is ours to write.
    std::fill(FrameBuffer.pPixels, FrameBuffer.pPixels + size_t(640) * kClientHeight, 0);
    for (const int nIndex : {235, 249, 36}) {
        EXPECT_EQ(PresentFilled(uint8_t(nIndex)), TableColour(nIndex)) << "index " << nIndex;
    }
}

}  // namespace
