// Shared helpers of the show-core tests: hand-made DIB resources, a stage
// of a given window size, and a fixture that puts every module of the show
// back into its initial state around each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/sequencer.h"
#include "fake_host.h"

// Pixel value at picture column x and row y, row 0 being the top row as
// the picture is seen.
using PixelFn = std::function<uint8_t(int x, int y)>;

struct DibSpec {
    int32_t nWidth = 4;
    int32_t nHeight = 6;
    uint16_t nBitCount = 8;
    uint32_t nCompression = 0;
    uint32_t nClrUsed = 0;  // 0: 256 entries
};

// A packed DIB as a bitmap resource holds it: 40-byte header, colour table
// (blue, green, red, 0; entry i is colour(i)), rows bottom-up.
std::vector<uint8_t> MakeDib(const DibSpec& spec, const PixelFn& pixel,
                             const std::function<uint32_t(int)>& colour = nullptr);

// Synthetic pictures of the catalogue's sizes for the whole load list:
// frame f of resource id holds KeyOf(id) at its top-left and ArtOf(id, f)
// elsewhere; resource 204's colour table is ColourOf204.
void AddLoadListPictures();
uint8_t KeyOf(int nResourceId);
uint8_t ArtOf(int nResourceId, int nFrame);
uint32_t ColourOf204(int i);

// Two backdrops (0 and 1) of w x h whose pixel at (x, y) is BackdropPixel.
void LoadTestBackdrops(int nWidth, int nHeight);
// The test backdrops, the palette step and the frame buffer for a client
// area, as start-up leaves them.
void SetUpStage(int nClientWidth, int nClientHeight, int nBackdropWidth = 800,
                int nBackdropHeight = 600);
uint8_t BackdropPixel(int nBackdrop, int x, int y);
// The frame buffer's pixel at (x, y).
uint8_t FramePixel(int x, int y);

class CoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    SceneFn savedScenes_[kSceneCount];
};
