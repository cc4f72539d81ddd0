// Shared helpers of the show-core tests: a stage of a given window size,
// and a fixture that puts every module of the show back into its initial
// state around each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "dib_builder.h"
#include "engine/sequencer.h"
#include "fake_host.h"

// Two backdrops (0 and 1) of w x h whose pixel at (x, y) is BackdropPixel.
void LoadTestBackdrops(int nWidth, int nHeight);
// The test backdrops, the palette step and the frame buffer for a client
// area, as start-up leaves them.
void SetUpStage(int nClientWidth, int nClientHeight, int nBackdropWidth = 800,
                int nBackdropHeight = 600);
uint8_t BackdropPixel(int nBackdrop, int x, int y);
// The frame buffer's pixel at (x, y).
uint8_t FramePixel(int x, int y);

// Names a case of a parameterised test by its client area: Client1024x768.
struct ClientSizeName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return "Client" + std::to_string(info.param.nClientWidth) + "x" + std::to_string(info.param.nClientHeight);
    }
};

// The same with the stage's size: Client1024x768Stage797x597.
struct ClientAndStageName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return ClientSizeName()(info) + "Stage" + std::to_string(info.param.nBackdropWidth) + "x" +
               std::to_string(info.param.nBackdropHeight);
    }
};

class CoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    SceneEntry savedScenes_[kSceneCount];
};
