// The saver window's loop for hosts without a window system: when its
// ticks come on the host's clock, how the start-up delay is kept or skipped,
// how a loop that fell behind catches up, and where the music's
// notifications reach the show.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/music.h"
#include "config/run_flags.h"
#include "config/settings.h"
#include "core_support.h"
#include "fake_profile.h"
#include "shell/driver.h"
#include "shell/saver_window.h"
#include "show/show.h"

namespace {

constexpr uint32_t kPeriod = 51;  // the default speed's

// A host on the fake's clock: each wait jumps the clock (by nLate more than
// asked), and the run ends after nFrames frame ticks. Every wait and frame
// is logged among the fake's calls.
class ClockHost final : public DriverHost {
public:
    int nFrames = 10;
    uint32_t nLate = 0;
    int nNotifiesPerWait = 0;  // what the sequencer owes the window after each wait
    std::vector<uint32_t> frameTimes;

    bool WaitUntil(uint32_t nDue) override {
        FakeHost.nTickCount = nDue + nLate;
        FakeHost.calls.push_back("Wait(" + std::to_string(nDue) + ")");
        for (int i = 0; i < nNotifiesPerWait; ++i) DriverQueueMusicNotify();
        return true;
    }
    bool FrameDone(const DriverFrame& frame) override {
        frameTimes.push_back(FakeHost.nTickCount);
        FakeHost.calls.push_back("Frame(" + std::to_string(frame.nFrame) + ")");
        return frame.nFrame < nFrames;
    }
};

class DriverTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        SetFakeProfileText(kProfileSection, SettingKeys[kSettingMusic].szKey, "0");
        AddLoadListPictures();
    }
    void TearDown() override {
        DriverClose();
        CoreTest::TearDown();
    }
    size_t FrameSteps() { return FakeCalls("BeginFrame").size(); }
};

TEST_F(DriverTest, AWatchedShowKeepsTheStartupDelayThenStepsOnePeriodApart) {
    FakeHost.nTickCount = 1000;
    DriverOpen(FakeWindow(), 800, 600, kDriverStartupDelay);
    EXPECT_EQ(FakeCalls("StretchPicture").size(), 0u) << "nothing starts before the first tick";
    ClockHost host;
    host.nFrames = 80;
    DriverRun(host);
    // Frame ticks at 1051, 1102, ...; the first starts the show; the start-up
    // timer fires at 4500, so the first frame step is the tick at 4519.
    ASSERT_EQ(host.frameTimes.size(), 80u);
    EXPECT_EQ(host.frameTimes[0], 1000 + kPeriod);
    for (size_t i = 1; i < host.frameTimes.size(); ++i)
        EXPECT_EQ(host.frameTimes[i] - host.frameTimes[i - 1], kPeriod) << i;
    const size_t nIdle = 3500 / kPeriod;  // the ticks up to 4468
    EXPECT_EQ(FrameSteps(), 80 - nIdle);
    EXPECT_FALSE(Driver.timers[kStartupTimerId].bArmed) << "the start-up timer fires once";
    EXPECT_EQ(FakeCalls("Wait(4500)").size(), 1u);
}

TEST_F(DriverTest, AHeadlessShowStepsFromTheOpeningInstant) {
    FakeHost.nTickCount = 7;
    DriverOpen(FakeWindow(), 800, 600, kDriverStartupAtOnce);
    EXPECT_TRUE(ShowReady());
    ClockHost host;
    host.nFrames = 3;
    DriverRun(host);
    EXPECT_EQ(host.frameTimes, (std::vector<uint32_t>{7, 7 + kPeriod, 7 + 2 * kPeriod}));
    EXPECT_EQ(FrameSteps(), 3u);
    EXPECT_EQ(Sequencer.nSceneFrame, 4) << "every tick was a frame of scene 1";
}

TEST_F(DriverTest, ALateLoopTicksOnceAndGoesOnFromThen) {
    FakeHost.nTickCount = 0;
    DriverOpen(FakeWindow(), 800, 600, kDriverStartupAtOnce);
    ClockHost host;
    host.nFrames = 4;
    host.nLate = 5 * kPeriod;  // every wait oversleeps by five periods
    DriverRun(host);
    // Each late wait is followed by one tick, never by five to catch up.
    EXPECT_EQ(FakeCalls("Wait").size(), 3u);
    EXPECT_EQ(host.frameTimes, (std::vector<uint32_t>{0, 6 * kPeriod, 12 * kPeriod, 18 * kPeriod}));
}

TEST_F(DriverTest, TheClockMayWrapBetweenTicks) {
    FakeHost.nTickCount = 0xFFFFFFFFu - 60;
    DriverOpen(FakeWindow(), 800, 600, kDriverStartupAtOnce);
    ClockHost host;
    host.nFrames = 3;
    DriverRun(host);
    EXPECT_EQ(host.frameTimes, (std::vector<uint32_t>{0xFFFFFFFFu - 60, kPeriod - 61, 2 * kPeriod - 61}));
}

TEST_F(DriverTest, NotificationsReachTheShowAfterTheWaitAndNotAfterTheWindowWent) {
    FakeHost.nTickCount = 0;
    DriverOpen(FakeWindow(), 800, 600, kDriverStartupAtOnce);
    // The tune plays as if the settings allowed it, on device 3.
    RunFlags.bSoundOn = RunFlags.bMusicOn = RunFlags.bMusicWanted = true;
    Music.nMusicDevice = 3;
    ClockHost host;
    host.nFrames = 2;
    host.nNotifiesPerWait = 1;  // the tune ended during the wait
    FakeHost.calls.clear();
    DriverRun(host);
    // Frame 1 (which starts tune 1), the wait, the tune restarted, then
    // frame 2's step.
    std::vector<std::string> order;
    for (const std::string& szCall : FakeHost.calls)
        if (szCall.rfind("Frame", 0) == 0 || szCall.rfind("Wait", 0) == 0 || szCall.rfind("Seek", 0) == 0 ||
            szCall.rfind("Play", 0) == 0 || szCall.rfind("BeginFrame", 0) == 0)
            order.push_back(szCall.substr(0, szCall.find('(')));
    EXPECT_EQ(order, (std::vector<std::string>{"BeginFrame", "Play", "Frame", "Wait", "Seek", "Play", "BeginFrame", "Frame"}));

    DriverQueueMusicNotify();
    FakeHost.calls.clear();
    DriverClose();
    DriverDeliverMusicNotifies();
    EXPECT_TRUE(FakeCalls("Seek").empty()) << "a notification owed to a window that went reaches nobody";
    EXPECT_TRUE(FakeCalls("Play").empty());
}

// A host that cannot wait (the page) returns from every wait and calls
// DriverRun again at its next animation frame: the run goes on where it
// stopped, each tick at the first animation frame at or after its time.
TEST_F(DriverTest, AHostThatCannotWaitRunsTheShowInSlices) {
    struct SliceHost final : public DriverHost {
        std::vector<uint32_t> frameTimes;
        int nWaits = 0;
        bool WaitUntil(uint32_t) override {
            ++nWaits;
            return false;
        }
        bool FrameDone(const DriverFrame& frame) override {
            frameTimes.push_back(FakeHost.nTickCount);
            EXPECT_EQ(frame.nFrame, int(frameTimes.size()));
            return true;
        }
    } host;
    constexpr uint32_t kAnimationFrame = 17;
    FakeHost.nTickCount = 1000;
    DriverOpen(FakeWindow(), 800, 600, kDriverStartupDelay);
    int nSlices = 0;
    for (; FakeHost.nTickCount < 1000 + 3500 + 20 * kPeriod; FakeHost.nTickCount += kAnimationFrame, ++nSlices)
        DriverRun(host);
    EXPECT_EQ(host.nWaits, nSlices) << "every slice ends in a wait";
    // The frame ticks keep their period: tick k falls due at 1000 + k * 51
    // and runs in the first slice at or after it.
    ASSERT_EQ(host.frameTimes.size(), size_t((3500 + 20 * kPeriod - 1) / kPeriod));
    for (size_t k = 0; k < host.frameTimes.size(); ++k) {
        const uint32_t nDue = 1000 + uint32_t(k + 1) * kPeriod;
        EXPECT_GE(host.frameTimes[k], nDue) << k;
        EXPECT_LT(host.frameTimes[k], nDue + kAnimationFrame) << k;
    }
    EXPECT_GT(FrameSteps(), 18u) << "the start-up delay ended and the show stepped";
}

TEST_F(DriverTest, AStartupFailureEndsTheRunBeforeAnyFrame) {
    FakeHost.bFrameBufferFails = true;
    DriverOpen(FakeWindow(), 800, 600, kDriverStartupAtOnce);
    EXPECT_TRUE(Driver.bQuitRequested);
    ClockHost host;
    DriverRun(host);
    EXPECT_TRUE(host.frameTimes.empty());
}

}  // namespace
