// The dissolve: the register's order, the painted area and its hand-over.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core_support.h"
#include "engine/actors.h"
#include "engine/dissolve.h"
#include "engine/sequencer.h"
#include "gfx/frame_buffer.h"
#include "gfx/sprite_store.h"
#include "show/show.h"

namespace {

class DissolveTest : public CoreTest {};

// On a stage of the register's whole square, five frames paint every pixel
// and bring the register back to 1: its 2^20 - 1 steps name every pixel but
// (0, 0) once each.
TEST_F(DissolveTest, RegisterNamesEveryPixelOfItsSquareInOnePeriod) {
    SetUpStage(1024, 1024, 1024, 1024);
    std::fill(FrameBuffer.pPixels, FrameBuffer.pPixels + size_t(1024) * 1024, 9);
    for (int f = 1; f <= 5; ++f) DissolveStep(f, 5);
    EXPECT_EQ(Dissolve.nRegister, 1u);
    EXPECT_EQ(std::count(FrameBuffer.pPixels, FrameBuffer.pPixels + size_t(1024) * 1024, 235), 1024 * 1024);
}

struct AreaCase {
    int nClientWidth, nClientHeight;
    int nPaintedWidth, nPaintedHeight;
    int nBackdropWidth = 800, nBackdropHeight = 600;
};
void PrintTo(const AreaCase& c, std::ostream* os) {
    *os << "client " << c.nClientWidth << "x" << c.nClientHeight << ", painted " << c.nPaintedWidth << "x"
        << c.nPaintedHeight;
}

class DissolveAreaTest : public CoreTest, public ::testing::WithParamInterface<AreaCase> {};

TEST_P(DissolveAreaTest, FiveFramesPaintExactlyTheStageView) {
    const AreaCase c = GetParam();
    SetUpStage(c.nClientWidth, c.nClientHeight, c.nBackdropWidth, c.nBackdropHeight);
    std::fill(FrameBuffer.pPixels, FrameBuffer.pPixels + size_t(FrameBuffer.nWidth) * FrameBuffer.nHeight, 9);
    for (int f = 1; f <= 5; ++f) {
        DissolveStep(f, 5);
        if (f == 1) {
            EXPECT_EQ(FramePixel(1, 0), 235);  // the register starts at 1: (1, 0)
            EXPECT_EQ(FramePixel(0, 0), 235);  // the one the register never names
        }
    }
    EXPECT_EQ(Dissolve.nRegister, 1u);
    size_t nWrong = 0;
    for (int y = 0; y < FrameBuffer.nHeight; ++y) {
        for (int x = 0; x < FrameBuffer.nWidth; ++x) {
            const bool bInside = x < c.nPaintedWidth && y < c.nPaintedHeight;
            // Row 0's first 40 bytes are painted on frame 1 whatever the view.
            const bool bPainted = bInside || (y == 0 && x < 40);
            nWrong += FramePixel(x, y) != (bPainted ? 235 : 9);
        }
    }
    EXPECT_EQ(nWrong, 0u);
}

INSTANTIATE_TEST_SUITE_P(Windows, DissolveAreaTest,
                         ::testing::Values(AreaCase{800, 600, 800, 600}, AreaCase{1024, 768, 800, 600},
                                           AreaCase{640, 480, 640, 480}, AreaCase{1920, 1080, 800, 600},
                                           // A stage taller than it is wide: each axis keeps its own limit.
                                           AreaCase{1024, 768, 300, 500, 300, 500}),
                         ClientAndStageName());

// 2^20 / 52428 = 20 steps a frame. The register's first states, worked by
// hand from 1 with the taps 0x90000: 1, 0x90000, 0x48000, ... 0x12, 0x9,
// then 0x90004, 0x48002, and the frame ends on 0x24001.
TEST_F(DissolveTest, AFrameTakesItsShareOfStepsInTheRegistersOrder) {
    SetUpStage(1024, 1024, 1024, 1024);
    std::fill(FrameBuffer.pPixels, FrameBuffer.pPixels + size_t(1024) * 1024, 9);
    DissolveStep(1, 52428);
    EXPECT_EQ(Dissolve.nRegister, 0x24001u);
    // (x, y) of the twenty states, then the first 40 bytes of row 0.
    std::set<std::pair<int, int>> expected = {
        {1, 0},   {0, 576},  {0, 288}, {0, 144}, {0, 72}, {0, 36}, {0, 18}, {0, 9},  {512, 4}, {256, 2},
        {128, 1}, {576, 0},  {288, 0}, {144, 0}, {72, 0}, {36, 0}, {18, 0}, {9, 0},  {4, 576}, {2, 288},
    };
    for (int x = 0; x < 40; ++x) expected.insert({x, 0});
    std::set<std::pair<int, int>> painted;
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x)
            if (FramePixel(x, y) == 235) painted.insert({x, y});
    EXPECT_EQ(painted, expected);
    // The next frame goes on from there: 0x24001 is (1, 144).
    DissolveStep(2, 52428);
    EXPECT_EQ(FramePixel(1, 144), 235);
}

// A frame buffer smaller than the 40 bytes of the first row: nothing is
// painted past its end, and the whole of it ends in the dissolve colour.
TEST_F(DissolveTest, AFrameBufferSmallerThanTheFirstRowIsPaintedWithinItsBounds) {
    for (const auto& size : {std::pair{8, 4}, std::pair{20, 10}, std::pair{36, 1}}) {
        FakeHost = {};
        SetUpStage(size.first, size.second);
        const size_t nBytes = size_t(size.first) * size.second;
        std::fill(FrameBuffer.pPixels, FrameBuffer.pPixels + nBytes, 9);
        for (int f = 1; f <= 5; ++f) DissolveStep(f, 5);
        EXPECT_EQ(size_t(std::count(FrameBuffer.pPixels, FrameBuffer.pPixels + nBytes, 235)), nBytes)
            << size.first << " x " << size.second;
        ReleaseActors();
    }
}

TEST_F(DissolveTest, SceneZeroRunsFiveFramesThenHandsOver) {
    SetUpStage(800, 600);
    Sequencer.nNextScene = 2;
    Sequencer.nLastScene = 1;
    Sequencer.nSceneFrame = 1;
    std::vector<int> results;
    for (int f = 1; f <= 5; ++f) {
        FakeHost.calls.clear();
        results.push_back(Scene0(FakeWindow(), 0));
        EXPECT_EQ(FakeHost.calls, (std::vector<std::string>{"Flush()", "Invalidate()", "Flush()",
                                                            "Present(0,0,800x600>0,0,800x600)", "Flush()"}));
        ++Sequencer.nSceneFrame;  // as the frame step does
    }
    EXPECT_EQ(results, (std::vector<int>{0, 0, 0, 0, 2}));
    EXPECT_EQ(Sequencer.nSceneFrame, 1);  // set to 0 on the last frame, then stepped
    EXPECT_EQ(FramePixel(400, 300), 235);
}

// The dissolve as the frame step runs it: each of its five frames shows
// its own fifth of the register's order, worked out here from the register
// as described (1, then shift right, with 0x90000 folded in whenever a 1
// falls out), and presents it.
TEST_F(DissolveTest, EachFrameOfTheSceneShowsItsShareOfTheOrder) {
    for (const auto& size : {std::pair{800, 600}, std::pair{640, 480}}) {
        SCOPED_TRACE(std::to_string(size.first) + " x " + std::to_string(size.second));
        CoreTest::TearDown();
        CoreTest::SetUp();
        SetUpStage(size.first, size.second);
        const int nWidth = FrameBuffer.nWidth, nHeight = FrameBuffer.nHeight;
        std::fill(FrameBuffer.pPixels, FrameBuffer.pPixels + size_t(nWidth) * nHeight, 9);
        Sequencer.bShowStarting = false;
        Sequencer.bOutcomeDrawn = true;
        Sequencer.nNextScene = 2;
        std::vector<uint8_t> expected(size_t(nWidth) * nHeight, 9);
        std::fill(expected.begin(), expected.begin() + 40, 235);
        uint32_t s = 1;
        int nScene = 0;
        for (int f = 1; f <= 5; ++f) {
            for (int i = 0; i < 209715; ++i) {
                const int x = int(s & 1023), y = int(s >> 10);
                if (x < nWidth && y < nHeight) expected[size_t(y) * nWidth + x] = 235;
                s = s & 1 ? (s >> 1) ^ 0x90000 : s >> 1;
            }
            int nPresented = 0;
            FakeHost.onPresent = [&] {
                ++nPresented;
                EXPECT_TRUE(std::equal(expected.begin(), expected.end(), FrameBuffer.pPixels)) << "frame " << f;
            };
            nScene = ShowFrameStep(FakeWindow(), nScene);
            EXPECT_EQ(nPresented, 1) << "frame " << f;
            EXPECT_EQ(nScene, f == 5 ? 2 : 0) << "frame " << f;
        }
        EXPECT_EQ(s, 1u);
    }
}

}  // namespace
