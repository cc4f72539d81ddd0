// The bed's two screens are the devices the other tests take them for:
// a true-colour device and a palette device.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct ScreenCaps {
    int nBitsPixel;
    bool bPalette;
    int nSizePalette;
};

ScreenCaps QueryScreen() {
    HDC hdc = GetDC(nullptr);
    ScreenCaps caps{GetDeviceCaps(hdc, BITSPIXEL), (GetDeviceCaps(hdc, RASTERCAPS) & RC_PALETTE) != 0,
                    GetDeviceCaps(hdc, SIZEPALETTE)};
    ReleaseDC(nullptr, hdc);
    return caps;
}

TEST(BedDisplay, IsTrueColour) {
    ScreenCaps caps = QueryScreen();
    EXPECT_GE(caps.nBitsPixel, 24);
    EXPECT_FALSE(caps.bPalette);
}

TEST(BedOnPaletteDisplay, IsAPaletteDevice) {
    ScreenCaps caps = QueryScreen();
    EXPECT_EQ(caps.nBitsPixel, 8);
    EXPECT_TRUE(caps.bPalette);
    EXPECT_EQ(caps.nSizePalette, 256);
}

}  // namespace
