// The saver window's show logic driven tick by tick: the timers it arms,
// the start-up delay, the preview, and the dismissal thresholds.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "config/settings.h"
#include "core_support.h"
#include "fake_profile.h"
#include "gfx/sprite_store.h"
#include "shell/dismissal.h"
#include "shell/saver_window.h"
#include "show/show.h"

namespace {

class SaverWindowTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        SetFakeProfileText(kProfileSection, SettingKeys[kSettingMusic].szKey, "0");
        AddLoadListPictures();
    }
    void TearDown() override {
        OnSaverDestroy(FakeWindow());
        CoreTest::TearDown();
    }
    // Creation and the first paint, as the platform delivers them.
    void Create(int nWidth, int nHeight) {
        OnSaverCreate(FakeWindow());
        OnSaverClientSize(nWidth, nHeight);
    }
    size_t FramesRun() { return FakeCalls("BeginFrame").size(); }
};

TEST_F(SaverWindowTest, CreationArmsTheFrameTimerAtTheSpeedsPeriodAndTheStartupTimer) {
    struct {
        const char* szSpeed;  // null: no entry
        const char* szFrameTimer;
    } cases[] = {{nullptr, "SetTimer(0,51)"}, {"11", "SetTimer(0,550)"}, {"600", "SetTimer(0,561)"}};
    for (const auto& c : cases) {
        FakeProfile = {};
        FakeHost.calls.clear();
        if (c.szSpeed) SetFakeProfileText(kProfileSection, SettingKeys[kSettingSpeed].szKey, c.szSpeed);
        OnSaverCreate(FakeWindow());
        EXPECT_EQ(FakeCalls("SetTimer"), (std::vector<std::string>{c.szFrameTimer, "SetTimer(1,3500)"}))
            << (c.szSpeed ? c.szSpeed : "no entry");
        EXPECT_EQ(SaverWindow.nScene, 1);
    }
}

TEST_F(SaverWindowTest, FramesWaitForTheStartupTimerThenRunFromSceneOne) {
    Create(800, 600);
    OnSaverTick(FakeWindow(), kFrameTimerId);  // the first tick starts the show
    EXPECT_TRUE(ShowReady());
    EXPECT_EQ(FakeCalls("StretchPicture"), std::vector<std::string>{"StretchPicture(142,0,0,800x600)"});
    for (int i = 0; i < 5; ++i) OnSaverTick(FakeWindow(), kFrameTimerId);
    EXPECT_EQ(FramesRun(), 0u) << "frame ticks during the start-up delay run nothing";

    OnSaverTick(FakeWindow(), kStartupTimerId);
    EXPECT_EQ(FakeCalls("KillTimer"), std::vector<std::string>{"KillTimer(1)"});
    EXPECT_EQ(FramesRun(), 0u) << "the start-up tick is not a frame";

    OnSaverTick(FakeWindow(), kFrameTimerId);
    EXPECT_EQ(FramesRun(), 1u);
    EXPECT_EQ(Sequencer.nSceneFrame, 2) << "scene 1 ran its first frame";
    EXPECT_EQ(SaverWindow.nScene, 1);
    EXPECT_EQ(FakeCalls("StretchPicture").size(), 1u) << "start-up ran once";
}

TEST_F(SaverWindowTest, ANarrowWindowIsAPreviewOfTheTitleOnly) {
    struct {
        int nWidth;
        bool bPreview;
    } cases[] = {{638, true}, {152, true}, {639, false}};
    for (const auto& c : cases) {
        CoreTest::TearDown();
        CoreTest::SetUp();
        AddLoadListPictures();
        Create(c.nWidth, 112);
        for (int i = 0; i < 3; ++i) {
            OnSaverTick(FakeWindow(), kStartupTimerId);
            OnSaverTick(FakeWindow(), kFrameTimerId);
        }
        FakeHost.calls.clear();
        EXPECT_EQ(IsPreviewWidth(Show.nClientWidth), c.bPreview) << c.nWidth;
        EXPECT_EQ(Show.bPreviewShow, c.bPreview) << c.nWidth;
        if (c.bPreview) {
            OnPreviewPaint(FakeWindow());
            EXPECT_EQ(FakeHost.calls, std::vector<std::string>{"StretchPicture(142,0,0," + std::to_string(c.nWidth) + "x112)"});
            EXPECT_TRUE(FakeCalls("Wave").empty());
            EXPECT_EQ(SpriteStore.nCount, 0) << "a preview loads nothing";
        } else {
            EXPECT_EQ(SpriteStore.nCount, 51);
        }
        OnSaverDestroy(FakeWindow());
    }
}

TEST_F(SaverWindowTest, DestructionStopsOnlyTheTimersThatWereArmedAndReleasesTheShow) {
    Create(800, 600);
    OnSaverTick(FakeWindow(), kFrameTimerId);
    OnSaverTick(FakeWindow(), kStartupTimerId);
    FakeHost.calls.clear();
    OnSaverDestroy(FakeWindow());
    EXPECT_EQ(FakeCalls("KillTimer"), std::vector<std::string>{"KillTimer(0)"});
    EXPECT_EQ(SpriteStore.nCount, 0);
    EXPECT_FALSE(ShowReady());

    CoreTest::TearDown();
    CoreTest::SetUp();
    FakeHost.bTimersFail = true;
    Create(800, 600);
    OnSaverDestroy(FakeWindow());
    EXPECT_TRUE(FakeCalls("KillTimer").empty());
}

TEST(DismissalTest, MovementBeyondFourPixelsFromTheReferenceCloses) {
    struct {
        ScreenPoint reference, now;
        bool bCloses;
    } cases[] = {
        {{0, 0}, {0, 0}, false},         {{0, 0}, {2, 2}, false},   {{0, 0}, {3, 2}, true},
        {{10, 10}, {6, 10}, false},      {{10, 10}, {5, 10}, true}, {{500, 300}, {500, 295}, true},
        {{INT32_MIN, 0}, {INT32_MAX, 0}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MovedBeyondThreshold(c.reference, c.now), c.bCloses)
            << "(" << c.reference.x << "," << c.reference.y << ") -> (" << c.now.x << "," << c.now.y << ")";
}

TEST(DismissalTest, APasswordIsNotAskedAgainWithin200Milliseconds) {
    struct {
        uint32_t nLast, nNow;
        bool bRecent;
    } cases[] = {
        {kNoPasswordCheck, 0, false},  {kNoPasswordCheck, 100, false}, {1000, 1000, true},
        {1000, 1199, true},            {1000, 1200, false},            {0xFFFFFFF0u, 0x10, true},
        {0xFFFFFF00u, 0x50, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PasswordAskedRecently(c.nLast, c.nNow), c.bRecent) << c.nLast << " -> " << c.nNow;
}

}  // namespace
