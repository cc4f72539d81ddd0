// The screen-saver-running state and the fault guard that turns it off.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/saver_running.h"
#include "shell/shell.h"

namespace {

bool PlatformSaysRunning() {
    BOOL bRunning = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &bRunning, 0);
    return bRunning != FALSE;
}

void SetPlatformRunning(bool bRunning) {
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, bRunning, nullptr, 0);
}

class SaverRunningTest : public ::testing::Test {
protected:
    void SetUp() override {
        Shell = {};
        SetPlatformRunning(false);
    }
    void TearDown() override {
        Shell = {};
        SetPlatformRunning(false);
    }

    // Installs the guard, takes its filter out again and hands it an
    // exception that no one handled.
    static LONG OfferFaultToGuard() {
        LPTOP_LEVEL_EXCEPTION_FILTER pfnBefore = SetUnhandledExceptionFilter(nullptr);
        SetUnhandledExceptionFilter(pfnBefore);
        InstallFaultGuard();
        LPTOP_LEVEL_EXCEPTION_FILTER pfnGuard = SetUnhandledExceptionFilter(pfnBefore);
        EXPECT_NE(pfnGuard, pfnBefore);
        EXCEPTION_RECORD record = {};
        record.ExceptionCode = 0xE0000001;  // a fault of no one's
        CONTEXT context = {};
        EXCEPTION_POINTERS info = {&record, &context};
        return pfnGuard(&info);
    }
};

TEST_F(SaverRunningTest, OnlyTheWindows95FamilyTellsThePlatform) {
    SetSaverRunning(true);
    EXPECT_FALSE(PlatformSaysRunning());

    Shell.bWindows95Family = true;
    SetSaverRunning(true);
    EXPECT_TRUE(PlatformSaysRunning());
    SetSaverRunning(false);
    EXPECT_FALSE(PlatformSaysRunning());
}

TEST_F(SaverRunningTest, FaultGuardTurnsTheStateOffAndPassesTheFaultOn) {
    Shell.bWindows95Family = true;
    SetSaverRunning(true);
    ASSERT_TRUE(PlatformSaysRunning());
    EXPECT_EQ(OfferFaultToGuard(), EXCEPTION_CONTINUE_SEARCH);
    EXPECT_FALSE(PlatformSaysRunning());
}

TEST_F(SaverRunningTest, FaultGuardLeavesOtherFamiliesAlone) {
    SetPlatformRunning(true);
    EXPECT_EQ(OfferFaultToGuard(), EXCEPTION_CONTINUE_SEARCH);
    EXPECT_TRUE(PlatformSaysRunning());
}

}  // namespace
