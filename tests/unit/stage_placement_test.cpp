// The stage's placement on one output for each picture size, and on every
// output of a window: the frame buffer's share of each, the title and the
// frames reaching all of them, the two display settings, and a display
// that changes while the show runs.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/settings.h"
#include "core_support.h"
#include "engine/actors.h"
#include "fake_profile.h"
#include "gfx/frame_buffer.h"
#include "gfx/palette.h"
#include "gfx/sprite_store.h"
#include "gfx/stage_placement.h"
#include "shell/saver_window.h"
#include "show/show.h"

namespace {

// ---- One output ------------------------------------------------------------------
struct PlaceCase {
    int nOutputWidth, nOutputHeight;
    int nPictureSize;
    StagePlacement expected;  // source x, y, w, h; left, top, w, h; scale
};
void PrintTo(const PlaceCase& c, std::ostream* os) {
    *os << c.nOutputWidth << "x" << c.nOutputHeight << " picture size " << c.nPictureSize;
}
std::string Text(const StagePlacement& p) {
    return "source " + std::to_string(p.nSourceX) + "," + std::to_string(p.nSourceY) + " " +
           std::to_string(p.nSourceWidth) + "x" + std::to_string(p.nSourceHeight) + " at " +
           std::to_string(p.nLeft) + "," + std::to_string(p.nTop) + " " + std::to_string(p.nWidth) + "x" +
           std::to_string(p.nHeight) + " scale " + std::to_string(p.nScale);
}

class PlaceStageTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceStageTest, PlacesTheStageAsThePictureSizeSays) {
    const PlaceCase c = GetParam();
    EXPECT_EQ(Text(PlaceStage(800, 600, c.nOutputWidth, c.nOutputHeight, c.nPictureSize)), Text(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, PlaceStageTest,
    ::testing::Values(
        // Largest whole size: 3x, 2x, 1x, centred; a whole factor exactly.
        PlaceCase{3840, 2160, kPictureLargestWhole, {0, 0, 800, 600, 720, 180, 2400, 1800, 3}},
        PlaceCase{2560, 1440, kPictureLargestWhole, {0, 0, 800, 600, 480, 120, 1600, 1200, 2}},
        PlaceCase{1920, 1080, kPictureLargestWhole, {0, 0, 800, 600, 560, 240, 800, 600, 1}},
        PlaceCase{1600, 1200, kPictureLargestWhole, {0, 0, 800, 600, 0, 0, 1600, 1200, 2}},
        PlaceCase{2399, 1800, kPictureLargestWhole, {0, 0, 800, 600, 399, 300, 1600, 1200, 2}},
        // Original: today's picture, centred.
        PlaceCase{3840, 2160, kPictureOriginal, {0, 0, 800, 600, 1520, 780, 800, 600, 1}},
        // Fill the height: smooth, unless the fit is a whole factor.
        PlaceCase{1920, 1080, kPictureFillHeight, {0, 0, 800, 600, 240, 0, 1440, 1080, 0}},
        PlaceCase{3840, 2160, kPictureFillHeight, {0, 0, 800, 600, 480, 0, 2880, 2160, 0}},
        PlaceCase{1600, 1200, kPictureFillHeight, {0, 0, 800, 600, 0, 0, 1600, 1200, 2}},
        PlaceCase{800, 600, kPictureFillHeight, {0, 0, 800, 600, 0, 0, 800, 600, 1}},
        // Narrower than 4:3 (5:4, portrait): the width fits, nothing is cut.
        PlaceCase{1280, 1024, kPictureFillHeight, {0, 0, 800, 600, 0, 32, 1280, 960, 0}},
        PlaceCase{1080, 1920, kPictureFillHeight, {0, 0, 800, 600, 0, 555, 1080, 810, 0}},
        // Smaller than the stage in either direction: the central part at
        // the original size, whatever the picture size.
        PlaceCase{640, 480, kPictureLargestWhole, {80, 60, 640, 480, 0, 0, 640, 480, 1}},
        PlaceCase{640, 480, kPictureFillHeight, {80, 60, 640, 480, 0, 0, 640, 480, 1}},
        PlaceCase{1024, 576, kPictureFillHeight, {0, 12, 800, 576, 112, 0, 800, 576, 1}},
        PlaceCase{799, 2000, kPictureLargestWhole, {0, 0, 799, 600, 0, 700, 799, 600, 1}},
        // A value outside the choices is the largest whole size.
        PlaceCase{2560, 1440, 7, {0, 0, 800, 600, 480, 120, 1600, 1200, 2}},
        PlaceCase{2560, 1440, -1, {0, 0, 800, 600, 480, 120, 1600, 1200, 2}}));

// Over a sweep of output sizes: the picture stays inside the output,
// centred to the pixel, a crisp one is exactly its factor times the part
// shown, a smooth one fills the height or the width, and the largest whole
// factor is the largest that fits.
TEST(PlaceStageSweepTest, EveryPlacementFitsIsCentredAndKeepsItsScale) {
    for (int nWidth = 1; nWidth <= 4000; nWidth += 37) {
        for (int nHeight = 1; nHeight <= 2500; nHeight += 29) {
            for (int nSize : {kPictureLargestWhole, kPictureOriginal, kPictureFillHeight}) {
                const StagePlacement p = PlaceStage(800, 600, nWidth, nHeight, nSize);
                SCOPED_TRACE(std::to_string(nWidth) + "x" + std::to_string(nHeight) + " size " +
                             std::to_string(nSize) + ": " + Text(p));
                ASSERT_GE(p.nLeft, 0);
                ASSERT_GE(p.nTop, 0);
                ASSERT_LE(p.nLeft + p.nWidth, nWidth);
                ASSERT_LE(p.nTop + p.nHeight, nHeight);
                ASSERT_EQ(p.nLeft, (nWidth - p.nWidth) / 2);
                ASSERT_EQ(p.nTop, (nHeight - p.nHeight) / 2);
                ASSERT_LE(p.nSourceX + p.nSourceWidth, 800);
                ASSERT_LE(p.nSourceY + p.nSourceHeight, 600);
                if (p.nScale > 0) {
                    ASSERT_EQ(p.nWidth, p.nSourceWidth * p.nScale);
                    ASSERT_EQ(p.nHeight, p.nSourceHeight * p.nScale);
                } else {
                    ASSERT_EQ(nSize, kPictureFillHeight);
                    ASSERT_TRUE(p.nHeight == nHeight || p.nWidth == nWidth);
                }
                if (nWidth >= 800 && nHeight >= 600 && nSize == kPictureLargestWhole) {
                    ASSERT_GE(p.nScale, 1);
                    ASSERT_TRUE(800 * (p.nScale + 1) > nWidth || 600 * (p.nScale + 1) > nHeight);
                }
            }
        }
    }
}

// ---- Every output of a window ---------------------------------------------------------
class OutputsTest : public CoreTest {
protected:
    static OutputLayout Layout(std::vector<HostRect> outputs, int nPictureSize) {
        OutputLayout layout = {};
        for (const HostRect& r : outputs) layout.outputs[layout.nOutputs++] = r;
        layout.nPictureSize = nPictureSize;
        return layout;
    }
    static std::vector<std::string> Presented() {
        std::vector<std::string> views;
        for (int i = 0; i < StageView.nOutputs; ++i) {
            const StageOutput& o = StageView.outputs[i];
            views.push_back(FakeRectText(o.source) + ">" + FakeRectText(o.dest) + (o.bSmooth ? ",smooth" : ""));
        }
        return views;
    }
    static void SetUpLayout(const OutputLayout& layout) {
        LoadTestBackdrops(800, 600);
        ASSERT_TRUE(BuildShowPalette(FakeWindow()));
        ASSERT_TRUE(CreateFrameBuffer(FakeWindow(), layout));
    }
};

TEST_F(OutputsTest, EachOutputShowsTheStageAsPlacedOnItAndTheBufferHoldsTheLargestOutputsPart) {
    struct Case {
        const char* szName;
        OutputLayout layout;
        int nBufferWidth, nBufferHeight;
        std::vector<std::string> views;
    } cases[] = {
        {"two monitors side by side",
         Layout({{0, 0, 1024, 768}, {1024, 0, 1024, 768}}, kPictureLargestWhole), 800, 600,
         {"0,0,800x600>112,84,800x600", "0,0,800x600>1136,84,800x600"}},
        {"a large main monitor right of a smaller one, whose top is lower",
         Layout({{1920, 0, 3840, 2160}, {0, 540, 1920, 1080}}, kPictureLargestWhole), 800, 600,
         {"0,0,800x600>2640,180,2400x1800", "0,0,800x600>560,780,800x600"}},
        {"fill the height on two sizes",
         Layout({{0, 0, 1920, 1080}, {1920, 0, 1600, 1200}}, kPictureFillHeight), 800, 600,
         {"0,0,800x600>240,0,1440x1080,smooth", "0,0,800x600>1920,0,1600x1200"}},
        {"a monitor smaller than the stage beside a larger one",
         Layout({{0, 0, 640, 480}, {640, 0, 1024, 768}}, kPictureLargestWhole), 800, 600,
         {"80,60,640x480>0,0,640x480", "0,0,800x600>752,84,800x600"}},
        {"two monitors smaller than the stage",
         Layout({{0, 0, 640, 480}, {640, 0, 720, 400}}, kPictureLargestWhole), 720, 480,
         {"40,0,640x480>0,0,640x480", "0,40,720x400>640,0,720x400"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        SetUpLayout(c.layout);
        EXPECT_EQ(FrameBuffer.nWidth, c.nBufferWidth);
        EXPECT_EQ(FrameBuffer.nHeight, c.nBufferHeight);
        EXPECT_EQ(Presented(), c.views);
        // Each frame reaches every output, in order, between two flushes.
        FakeHost.calls.clear();
        PresentStage();
        std::vector<std::string> expected = {"Flush()"};
        for (const std::string& szView : c.views) {
            const bool bSmooth = szView.find(",smooth") != std::string::npos;
            expected.push_back("Present(" + szView.substr(0, szView.find(",smooth")) + (bSmooth ? ",smooth)" : ")"));
        }
        expected.push_back("Flush()");
        EXPECT_EQ(FakeHost.calls, expected);
        StopShow(FakeWindow());
    }
}

// The start-up and the two settings, as the profile holds them.
class OutputSettingsTest : public OutputsTest {
protected:
    void SetUp() override {
        OutputsTest::SetUp();
        Show.nClientWidth = 4864;
        Show.nClientHeight = 2160;
        FakeHost.outputs = {{1024, 0, 3840, 2160}, {0, 0, 1024, 768}};
        SetFakeProfileText(kProfileSection, SettingKeys[kSettingMusic].szKey, "0");
        AddLoadListPictures();
    }
    void TearDown() override {
        StopShow(FakeWindow());
        OutputsTest::TearDown();
    }
    static void Set(SettingId id, const char* szText) {
        SetFakeProfileText(kProfileSection, SettingKeys[id].szKey, szText);
    }
};

TEST_F(OutputSettingsTest, TitleFillsEveryMonitorAndTheShowPlaysOnEach) {
    StartShow(FakeWindow());
    ASSERT_TRUE(ShowReady());
    EXPECT_EQ(FakeCalls("StretchPicture"),
              (std::vector<std::string>{"StretchPicture(142,1024,0,3840x2160)", "StretchPicture(142,0,0,1024x768)"}));
    EXPECT_EQ(FakeCalls("Wave"), std::vector<std::string>{"Wave(149)"}) << "the opening sound plays once";
    EXPECT_EQ(Presented(), (std::vector<std::string>{"0,0,800x600>1744,180,2400x1800", "0,0,800x600>112,84,800x600"}));
}

TEST_F(OutputSettingsTest, MainMonitorOnlyLeavesTheOthersToTheBlackWindow) {
    for (const char* szValue : {"1", "5"}) {  // a value beyond the range is its top
        SCOPED_TRACE(szValue);
        OutputSettingsTest::SetUp();
        Set(kSettingMonitors, szValue);
        StartShow(FakeWindow());
        EXPECT_EQ(FakeCalls("StretchPicture"), std::vector<std::string>{"StretchPicture(142,1024,0,3840x2160)"});
        EXPECT_EQ(Presented(), std::vector<std::string>{"0,0,800x600>1744,180,2400x1800"});
        StopShow(FakeWindow());
    }
}

TEST_F(OutputSettingsTest, PictureSizeSettingPlacesTheStage) {
    struct Case {
        const char* szValue;
        std::string szMain;
    } cases[] = {
        {nullptr, "0,0,800x600>1744,180,2400x1800"},  // absent: the largest whole size
        {"0", "0,0,800x600>1744,180,2400x1800"},
        {"1", "0,0,800x600>2544,780,800x600"},
        {"2", "0,0,800x600>1504,0,2880x2160,smooth"},
        {"-4", "0,0,800x600>1744,180,2400x1800"},  // below the range: its bottom
        {"9", "0,0,800x600>1504,0,2880x2160,smooth"},  // above: its top
        {"x", "0,0,800x600>1744,180,2400x1800"},  // no number reads as 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szValue ? c.szValue : "absent");
        OutputSettingsTest::SetUp();
        if (c.szValue) Set(kSettingPictureSize, c.szValue);
        StartShow(FakeWindow());
        ASSERT_TRUE(ShowReady());
        EXPECT_EQ(Presented().at(0), c.szMain);
        StopShow(FakeWindow());
    }
}

TEST_F(OutputSettingsTest, HostThatNamesNoOutputGivesTheWholeClient) {
    FakeHost.outputs.clear();
    Show.nClientWidth = 1024;
    Show.nClientHeight = 768;
    StartShow(FakeWindow());
    EXPECT_EQ(FakeCalls("StretchPicture"), std::vector<std::string>{"StretchPicture(142,0,0,1024x768)"});
    EXPECT_EQ(Presented(), std::vector<std::string>{"0,0,800x600>112,84,800x600"});
}

// ---- A display that changes while the show runs ------------------------------------
TEST_F(OutputSettingsTest, DisplayChangeRepaintsTheTitleOrTheLastFrameOnTheNewMonitors) {
    StartShow(FakeWindow());
    ASSERT_TRUE(ShowReady());
    const uint8_t* pPixels = FrameBuffer.pPixels;

    // During the title: black, then the title on every monitor of the new
    // layout (a third one left of the others, the window now wider).
    FakeHost.outputs = {{2048, 0, 3840, 2160}, {1024, 0, 1024, 768}, {0, 0, 1024, 768}};
    FakeHost.calls.clear();
    FollowDisplayChange(FakeWindow(), true);
    EXPECT_EQ(FakeHost.calls, (std::vector<std::string>{"BeginFrame()", "ClearWindow()",
                                                        "StretchPicture(142,2048,0,3840x2160)",
                                                        "StretchPicture(142,1024,0,1024x768)",
                                                        "StretchPicture(142,0,0,1024x768)", "EndFrame()"}));
    EXPECT_EQ(FrameBuffer.pPixels, pPixels) << "the frame buffer holds the whole stage and is kept";

    // Later: black, then the last frame on every monitor; one monitor gone.
    FakeHost.outputs = {{0, 0, 2560, 1440}};
    FakeHost.calls.clear();
    FollowDisplayChange(FakeWindow(), false);
    EXPECT_EQ(FakeHost.calls, (std::vector<std::string>{"BeginFrame()", "ClearWindow()", "Flush()",
                                                        "Present(0,0,800x600>480,120,1600x1200)", "Flush()",
                                                        "EndFrame()"}));
}

TEST_F(OutputsTest, DisplayChangeThatNeedsMoreOfTheStageRemakesTheBufferWithItsPixelsInPlace) {
    SetUpLayout(Layout({{0, 0, 640, 480}}, kPictureLargestWhole));
    ASSERT_EQ(FrameBuffer.nWidth, 640);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) FrameBuffer.pPixels[y * 640 + x] = uint8_t(x + 3 * y);

    // A part of the stage that the buffer holds: kept as it is.
    FakeHost.calls.clear();
    ASSERT_TRUE(PlaceOutputs(FakeWindow(), Layout({{0, 0, 640, 480}, {640, 0, 600, 400}}, kPictureLargestWhole)));
    EXPECT_TRUE(FakeCalls("CreateFrameBuffer").empty());
    EXPECT_EQ(Presented(), (std::vector<std::string>{"0,0,640x480>0,0,640x480", "20,40,600x400>640,0,600x400"}))
        << "the second monitor's part of the stage starts at (100, 100), the buffer's at (80, 60)";

    // The whole stage: a new buffer, the old pixels where the same stage
    // pixels now are (80 columns and 60 rows further in), black around.
    ASSERT_TRUE(PlaceOutputs(FakeWindow(), Layout({{0, 0, 1024, 768}}, kPictureLargestWhole)));
    EXPECT_EQ(FakeCalls("CreateFrameBuffer").size(), 1u);
    ASSERT_EQ(FrameBuffer.nWidth, 800);
    ASSERT_EQ(FrameBuffer.nHeight, 600);
    EXPECT_EQ(StageView.nStageOriginX, 0);
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {639, 0}, {0, 479}, {639, 479}, {300, 200}})
        EXPECT_EQ(FramePixel(x + 80, y + 60), uint8_t(x + 3 * y)) << x << "," << y;
    EXPECT_EQ(FramePixel(79, 60), 0);
    EXPECT_EQ(FramePixel(720, 540), 0);
    EXPECT_EQ(SpriteStore.backdrops[0].nSourceX, 0) << "the backdrops are placed anew";
    EXPECT_EQ(Presented(), std::vector<std::string>{"0,0,800x600>112,84,800x600"});
}

TEST_F(OutputSettingsTest, DisplayChangeIsIgnoredByAPreviewAndBeforeStartUp) {
    FollowDisplayChange(FakeWindow(), false);
    EXPECT_TRUE(FakeHost.calls.empty()) << "before start-up";
    Show.bPreviewShow = true;
    Show.nClientWidth = 152;
    Show.nClientHeight = 112;
    StartShow(FakeWindow());
    FakeHost.calls.clear();
    FollowDisplayChange(FakeWindow(), false);
    EXPECT_TRUE(FakeHost.calls.empty()) << "a preview";
}

}  // namespace
