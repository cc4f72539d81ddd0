// The palette step on both kinds of display, and the frame buffer with the
// stage placed in windows of every size.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core_support.h"
#include "engine/actors.h"
#include "catalogue.h"
#include "gfx/frame_buffer.h"
#include "gfx/palette.h"
#include "gfx/sprite_store.h"
#include "stated_colours.h"

namespace {

class PaletteTest : public CoreTest {};

// The table that every picture is drawn against; 235 is the dissolve's black.
TEST(SharedColours, AreTheStatedTable) {
    const std::array<uint32_t, 256> stated = StatedColourTable();
    for (int i = 0; i < 256; ++i) EXPECT_EQ(SharedColourTable[i], stated[size_t(i)]) << "entry " << i;
    EXPECT_EQ(stated[235], 0x000000u);
    EXPECT_EQ(stated[194], 0x000033u);
    EXPECT_EQ(stated[195], 0xEE0000u);
}

TEST_F(PaletteTest, FlagPatternKeepsHalfTheStaticColoursAtEachEnd) {
    struct Case { int nNumColors, nSizePalette, nLowZeros, nNoCollapse; };
    for (const Case c : {Case{20, 256, 10, 236}, Case{0, 256, 0, 256}, Case{21, 256, 10, 236},
                         Case{-1, 256, 10, 236}, Case{20, 64, 10, 44}}) {
        uint8_t flags[256];
        PaletteFlagPattern(c.nNumColors, c.nSizePalette, flags);
        for (int i = 0; i < 256; ++i) {
            const bool bNoCollapse = i >= c.nLowZeros && i < c.nLowZeros + c.nNoCollapse;
            EXPECT_EQ(flags[i], bNoCollapse ? kPcNoCollapse : 0)
                << "entry " << i << " with " << c.nNumColors << "/" << c.nSizePalette;
        }
    }
}

// Two pictures with different colour tables, neither of them grey: the
// test table, and the last table ColourOf204.
void LoadTwoPictures() {
    AddFakeResource(kHostResourceBitmap, 300,
                    MakeDib({4, 2}, [](int x, int y) { return uint8_t(10 * x + y); }));
    AddFakeResource(kHostResourceBitmap, 301,
                    MakeDib({4, 2}, [](int x, int y) { return uint8_t(100 + 10 * x + y); }, ColourOf204));
    ASSERT_TRUE(LoadActorStrip(300, 0, 1));
    ASSERT_TRUE(LoadActorStrip(301, 1, 1));
}

// Entry i of a table as a DIB stores it: blue, green, red, 0.
std::vector<uint8_t> StoredEntry(uint32_t nColour) {
    return {uint8_t(nColour), uint8_t(nColour >> 8), uint8_t(nColour >> 16), 0};
}

TEST_F(PaletteTest, TrueColourDisplayTakesTheLastTableAndKeepsThePixels) {
    LoadTwoPictures();
    ASSERT_TRUE(BuildShowPalette(FakeWindow()));
    EXPECT_TRUE(FakeCalls("CreatePalette").empty());
    const uint8_t* pColours = FrameBuffer.header.colours;
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(std::vector<uint8_t>(pColours + 4 * i, pColours + 4 * i + 4), StoredEntry(ColourOf204(i)))
            << "entry " << i;
    EXPECT_EQ(SpriteStore.entries[0].pPixels[4 + 3], 31);  // (3, 1)
    const HostDibHeader& h = FrameBuffer.header;
    EXPECT_EQ(h.nSize, 40u);
    EXPECT_EQ(h.nPlanes, 1);
    EXPECT_EQ(h.nBitCount, 8);
    EXPECT_EQ(h.nCompression, 0u);
}

TEST_F(PaletteTest, PaletteDisplayRemapsEveryPictureThroughTheLastTable) {
    FakeHost.caps = {true, 20, 256};
    // The last table's colours in reverse order: its entry p is system entry 255 - p.
    for (int i = 0; i < 256; ++i) FakeHost.systemPalette.push_back(ColourOf204(255 - i));
    LoadTwoPictures();
    ASSERT_TRUE(BuildShowPalette(FakeWindow()));
    EXPECT_EQ(FakeCalls("AdoptSystemPalette"), std::vector<std::string>{"AdoptSystemPalette(256)"});
    EXPECT_EQ(FakeHost.adoptedFlags[9], 0);
    EXPECT_EQ(FakeHost.adoptedFlags[10], kPcNoCollapse);
    // Index p of either picture means the last table's colour p now.
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(SpriteStore.entries[0].pPixels[k], 255 - (10 * (k % 4) + k / 4)) << "pixel " << k;
        EXPECT_EQ(SpriteStore.entries[1].pPixels[k], 255 - (100 + 10 * (k % 4) + k / 4)) << "pixel " << k;
    }
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(FrameBuffer.header.colours[2 * i], i);
        EXPECT_EQ(FrameBuffer.header.colours[2 * i + 1], 0);
    }
    for (int i = 512; i < 1024; ++i) EXPECT_EQ(FrameBuffer.header.colours[i], 0);
    ASSERT_TRUE(CreateFrameBuffer(FakeWindow(), WholeClientLayout(800, 600, kPictureLargestWhole)));
    EXPECT_TRUE(FakeHost.bFrameBufferPaletteIndices);
}

// A palette device whose system palette has 64 entries: the show palette
// takes those 64, with 10 static colours kept at each end, and every pixel
// is remapped to one of them.
TEST_F(PaletteTest, ASystemPaletteOfSixtyFourEntriesIsAdoptedWhole) {
    FakeHost.caps = {true, 20, 64};
    // Entry k is the last table's colour 4k + 3.
    for (int k = 0; k < 64; ++k) FakeHost.systemPalette.push_back(ColourOf204(4 * k + 3));
    LoadTwoPictures();
    ASSERT_TRUE(BuildShowPalette(FakeWindow()));
    EXPECT_EQ(FakeCalls("AdoptSystemPalette"), std::vector<std::string>{"AdoptSystemPalette(64)"});
    std::vector<uint8_t> flags(64, kPcNoCollapse);
    std::fill(flags.begin(), flags.begin() + 10, 0);
    std::fill(flags.end() - 10, flags.end(), 0);
    EXPECT_EQ(FakeHost.adoptedFlags, flags);
    // Picture 300's (3, 1) is index 31 = 4 x 7 + 3: entry 7. Picture 301's
    // (1, 1) is index 111 = 4 x 27 + 3: entry 27.
    EXPECT_EQ(SpriteStore.entries[0].pPixels[4 + 3], 7);
    EXPECT_EQ(SpriteStore.entries[1].pPixels[4 + 1], 27);
    for (int n = 0; n < 2; ++n)
        for (int k = 0; k < 8; ++k) EXPECT_LT(SpriteStore.entries[n].pPixels[k], 64);
}

TEST_F(PaletteTest, AColourRemappedOntoTheKeyBecomesTransparent) {
    // Colour 201 of the picture is missing from the system palette; it lies
    // one step of green from colour 200, the key.
    const auto colour = [](int i) { return i == 201 ? TestColour(200) + 0x100u : TestColour(i); };
    FakeHost.caps = {true, 20, 256};
    for (int i = 0; i < 256; ++i) FakeHost.systemPalette.push_back(i == 201 ? 0xFF0000u : TestColour(i));
    AddFakeResource(kHostResourceBitmap, 300, MakeDib({8, 4}, [](int x, int y) {
                        return uint8_t(x == 0 && y == 0 ? 200 : x == 3 ? 201 : 50);
                    }, colour));
    ASSERT_TRUE(LoadActorStrip(300, 0, 1));
    SetUpStage(800, 600);
    const Keyframe track[2] = {{0, 0, 0}, {100, 100, 0}};
    StepActor(0, track);
    const uint8_t nUnder = FramePixel(103, 102);
    DrawActor(0);
    EXPECT_EQ(FramePixel(102, 102), 50);
    EXPECT_EQ(FramePixel(103, 102), nUnder);
    EXPECT_EQ(FramePixel(104, 102), 50);
}

TEST_F(PaletteTest, PaletteThatCannotBeMadeFailsLoadBitmaps) {
    FakeHost.caps = {true, 20, 256};
    FakeHost.bPaletteFails = true;
    AddLoadListPictures();
    EXPECT_FALSE(LoadBitmaps(FakeWindow()));
    ASSERT_EQ(FakeHost.boxes.size(), 1u);
    EXPECT_EQ(FakeHost.boxes[0].szText, "Insufficient memory.");
    EXPECT_EQ(FakeHost.boxes[0].szCaption, "LoadBitmaps");
}

struct PlacementCase {
    int nClientWidth, nClientHeight;
    int nBufferWidth, nBufferHeight;  // no larger than the stage
    int nLeft, nTop;                  // where the view lands in the window
    int nViewWidth, nViewHeight;
    int nOriginX, nOriginY;           // the frame-buffer position of stage (0, 0)
};
void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << "client " << c.nClientWidth << "x" << c.nClientHeight;
}

class PlacementTest : public CoreTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(PlacementTest, StageIsCentredOrCropped) {
    const PlacementCase c = GetParam();
    SetUpStage(c.nClientWidth, c.nClientHeight);
    EXPECT_EQ(FrameBuffer.nWidth, c.nBufferWidth);
    EXPECT_EQ(FrameBuffer.nHeight, c.nBufferHeight);
    EXPECT_EQ(FakeHost.frameBufferHeader.nWidth, c.nBufferWidth);
    EXPECT_EQ(FakeHost.frameBufferHeader.nHeight, -c.nBufferHeight);
    EXPECT_EQ(FakeHost.frameBufferHeader.nSizeImage, uint32_t(c.nBufferWidth * c.nBufferHeight));
    const StageViewState& v = StageView;
    EXPECT_EQ(v.nViewWidth, c.nViewWidth);
    EXPECT_EQ(v.nViewHeight, c.nViewHeight);
    EXPECT_EQ(v.nStageOriginX, c.nOriginX);
    EXPECT_EQ(v.nStageOriginY, c.nOriginY);
    ASSERT_EQ(v.nOutputs, 1);
    EXPECT_EQ(FakeRectText(v.outputs[0].source), FakeRectText({0, 0, c.nViewWidth, c.nViewHeight}));
    EXPECT_EQ(FakeRectText(v.outputs[0].dest), FakeRectText({c.nLeft, c.nTop, c.nViewWidth, c.nViewHeight}));
    EXPECT_FALSE(v.outputs[0].bSmooth);
    for (const Backdrop& b : {SpriteStore.backdrops[0], SpriteStore.backdrops[1]}) {
        EXPECT_EQ(b.nSourceX, -c.nOriginX);
        EXPECT_EQ(b.nSourceY, -c.nOriginY);
        EXPECT_EQ(b.nVisibleWidth, c.nViewWidth);
        EXPECT_EQ(b.nVisibleHeight, c.nViewHeight);
        EXPECT_LE(b.nVisibleWidth, FrameBuffer.nWidth);
        EXPECT_LE(b.nVisibleHeight, FrameBuffer.nHeight);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, PlacementTest,
    ::testing::Values(PlacementCase{800, 600, 800, 600, 0, 0, 800, 600, 0, 0},
                      PlacementCase{1024, 768, 800, 600, 112, 84, 800, 600, 0, 0},
                      PlacementCase{640, 480, 640, 480, 0, 0, 640, 480, -80, -60},
                      PlacementCase{1023, 768, 800, 600, 111, 84, 800, 600, 0, 0},
                      PlacementCase{1920, 1080, 800, 600, 560, 240, 800, 600, 0, 0},
                      // Narrower than the stage and not a multiple of 4: the
                      // view is held to the frame buffer's 636 columns.
                      PlacementCase{639, 479, 636, 479, 0, 0, 636, 479, -80, -60},
                      PlacementCase{801, 599, 800, 599, 0, 0, 800, 599, 0, 0},
                      // One below the stage, and two above it (centred by one).
                      PlacementCase{799, 599, 796, 599, 0, 0, 796, 599, 0, 0},
                      PlacementCase{802, 602, 800, 600, 1, 1, 800, 600, 0, 0}),
    ClientSizeName());

TEST_F(PaletteTest, FrameBufferThatCannotBeMadeIsAFailureAndPlacesNothing) {
    EXPECT_FALSE(CreateFrameBuffer(FakeWindow(), WholeClientLayout(800, 600, kPictureLargestWhole)));  // no header before the palette step
    EXPECT_TRUE(FakeCalls("CreateFrameBuffer").empty());
    LoadTestBackdrops(800, 600);
    ASSERT_TRUE(BuildShowPalette(FakeWindow()));
    FakeHost.bFrameBufferFails = true;
    EXPECT_FALSE(CreateFrameBuffer(FakeWindow(), WholeClientLayout(1024, 768, kPictureLargestWhole)));
    EXPECT_EQ(FrameBuffer.pPixels, nullptr);
    EXPECT_EQ(StageView.nViewWidth, 0);
    EXPECT_EQ(SpriteStore.backdrops[0].nVisibleWidth, 0);
}

}  // namespace
