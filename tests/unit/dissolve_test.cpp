// The dissolve: the register's order, the painted area and its hand-over.

#include <gtest/gtest.h>

#include <set>

#include "core_support.h"
#include "engine/actors.h"
#include "engine/dissolve.h"
#include "gfx/frame_buffer.h"

namespace {

class DissolveTest : public CoreTest {};

TEST_F(DissolveTest, RegisterVisitsEveryStateOnceInItsPeriod) {
    uint32_t s = 1;
    std::vector<bool> seen(1u << 20, false);
    uint32_t nSteps = 0;
    do {
        ASSERT_FALSE(seen[s]) << "state " << s << " repeats after " << nSteps << " steps";
        seen[s] = true;
        s = (s & 1) ? (s >> 1) ^ kDissolveMask : s >> 1;
        ++nSteps;
    } while (s != 1);
    EXPECT_EQ(nSteps, (1u << 20) - 1);
}

struct AreaCase {
    int nClientWidth, nClientHeight;
    int nPaintedWidth, nPaintedHeight;
};

class DissolveAreaTest : public CoreTest, public ::testing::WithParamInterface<AreaCase> {};

TEST_P(DissolveAreaTest, FiveFramesPaintExactlyTheStageView) {
    const AreaCase c = GetParam();
    SetUpStage(c.nClientWidth, c.nClientHeight);
    std::fill(FrameBuffer.pPixels, FrameBuffer.pPixels + size_t(FrameBuffer.nWidth) * FrameBuffer.nHeight, 9);
    for (int f = 1; f <= 5; ++f) {
        DissolveStep(f, 5);
        if (f == 1) {
            EXPECT_EQ(FramePixel(1, 0), kDissolveColour);  // the register starts at 1: (1, 0)
            EXPECT_EQ(FramePixel(0, 0), kDissolveColour);  // the one the register never names
        }
    }
    EXPECT_EQ(Dissolve.nRegister, 1u);
    size_t nWrong = 0;
    for (int y = 0; y < FrameBuffer.nHeight; ++y) {
        for (int x = 0; x < FrameBuffer.nWidth; ++x) {
            const bool bInside = x < c.nPaintedWidth && y < c.nPaintedHeight;
            // Row 0's first 40 bytes are painted on frame 1 whatever the view.
            const bool bPainted = bInside || (y == 0 && x < 40);
            nWrong += FramePixel(x, y) != (bPainted ? kDissolveColour : 9);
        }
    }
    EXPECT_EQ(nWrong, 0u);
}

INSTANTIATE_TEST_SUITE_P(Windows, DissolveAreaTest,
                         ::testing::Values(AreaCase{800, 600, 800, 600}, AreaCase{1024, 768, 800, 600},
                                           AreaCase{640, 480, 640, 480}, AreaCase{1920, 1080, 800, 600}),
                         ClientSizeName());

TEST_F(DissolveTest, EachFrameTakesItsShareOfThePeriod) {
    SetUpStage(1024, 1024, 1024, 1024);
    // One step per frame: state 1 is (1, 0), the next 0x90000 is (0, 576).
    DissolveStep(1, 1 << 20);
    EXPECT_EQ(FramePixel(1, 0), kDissolveColour);
    EXPECT_EQ(Dissolve.nRegister, kDissolveMask);
    EXPECT_NE(FramePixel(0, 576), kDissolveColour);
    DissolveStep(2, 1 << 20);
    EXPECT_EQ(FramePixel(0, 576), kDissolveColour);

    // A fifth: 209715 steps from 1.
    uint32_t s = 1;
    for (int i = 0; i < 209715; ++i) s = (s & 1) ? (s >> 1) ^ kDissolveMask : s >> 1;
    DissolveStep(1, 5);
    EXPECT_EQ(Dissolve.nRegister, s);
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
                                                            "Present(0,0,800x600)", "Flush()"}));
        ++Sequencer.nSceneFrame;  // as the frame step does
    }
    EXPECT_EQ(results, (std::vector<int>{0, 0, 0, 0, 2}));
    EXPECT_EQ(Sequencer.nSceneFrame, 1);  // set to 0 on the last frame, then stepped
    EXPECT_EQ(FramePixel(400, 300), kDissolveColour);
}

}  // namespace
