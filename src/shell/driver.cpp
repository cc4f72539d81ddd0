// The saver window's loop for hosts without a window system to run it: the
// two timers on the host's clock, ticks one at a time, the music's
// notifications delivered after each tick and after each wait.

#include "shell/driver.h"

#include "engine/sequencer.h"
#include "shell/saver_window.h"

DriverState Driver;

namespace {

constexpr int kTimerCount = sizeof Driver.timers / sizeof Driver.timers[0];

// The clock wraps at 32 bits: a reading is "before" another when the
// difference, taken signed, is negative.
bool Before(uint32_t a, uint32_t b) { return int32_t(a - b) < 0; }

// The armed timer that falls due first (the lower id on a tie), or -1.
int NextTimer() {
    int nNext = -1;
    for (int i = 0; i < kTimerCount; ++i)
        if (Driver.timers[i].bArmed && (nNext < 0 || Before(Driver.timers[i].nDue, Driver.timers[nNext].nDue)))
            nNext = i;
    return nNext;
}

}  // namespace

bool DriverSetTimer(int nTimerId, uint32_t nPeriodMs) {
    if (nTimerId < 0 || nTimerId >= kTimerCount) return false;
    Driver.timers[nTimerId] = {true, nPeriodMs, HostGetTickCount() + nPeriodMs};
    return true;
}

void DriverKillTimer(int nTimerId) {
    if (nTimerId >= 0 && nTimerId < kTimerCount) Driver.timers[nTimerId].bArmed = false;
}

void DriverRequestQuit(int nExitCode) {
    Driver.bQuitRequested = true;
    Driver.nExitCode = nExitCode;
}

void DriverQueueMusicNotify() { ++Driver.nPendingNotifies; }

void DriverDeliverMusicNotifies() {
    // A notification may send commands whose own notifications queue behind it.
    while (Driver.nPendingNotifies > 0) {
        --Driver.nPendingNotifies;
        OnSaverMusicNotify(Driver.hWindow);
    }
}

void DriverOpen(HostWindow hWindow, int nClientWidth, int nClientHeight, DriverStartup nStartup) {
    Driver = DriverState{};
    Driver.hWindow = hWindow;
    OnSaverClientSize(nClientWidth, nClientHeight);
    OnSaverCreate(hWindow);
    if (nStartup == kDriverStartupAtOnce) {
        OnSaverTick(hWindow, kFrameTimerId);
        OnSaverTick(hWindow, kStartupTimerId);
        DriverDeliverMusicNotifies();
        Driver.timers[kFrameTimerId].nDue = HostGetTickCount();
    }
}

void DriverRun(DriverHost& host) {
    while (!Driver.bQuitRequested) {
        // With no timer armed nothing more can happen in the show.
        const int nTimer = NextTimer();
        if (nTimer < 0) return;
        DriverTimer& timer = Driver.timers[nTimer];
        if (Before(HostGetTickCount(), timer.nDue)) {
            if (!host.WaitUntil(timer.nDue)) return;
            DriverDeliverMusicNotifies();
            continue;  // what the host handled may have changed the timers
        }
        // A late tick is one tick: a loop that fell a period or more behind
        // goes on one period after now, rather than ticking again to catch up.
        const uint32_t nNow = HostGetTickCount();
        timer.nDue += timer.nPeriod;
        if (!Before(nNow, timer.nDue)) timer.nDue = nNow + timer.nPeriod;
        const int nSceneRan = SaverWindow.nScene, nSceneFrame = Sequencer.nSceneFrame;
        OnSaverTick(Driver.hWindow, nTimer);
        DriverDeliverMusicNotifies();
        if (nTimer != kFrameTimerId) continue;
        ++Driver.nFrames;
        if (!host.FrameDone({Driver.nFrames, nSceneRan, nSceneFrame, SaverWindow.nScene})) return;
    }
}

void DriverClose() {
    OnSaverDestroy(Driver.hWindow);
    // Notifications owed to a window that is gone reach nobody.
    Driver.nPendingNotifies = 0;
}
