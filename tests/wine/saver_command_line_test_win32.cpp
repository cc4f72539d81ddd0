// The saver started with real command lines: which ones it rejects with -1
// and which mode each accepted one starts. A full-screen or preview saver is
// found by its window and closed from outside; the settings dialog and the
// password change are not there yet, so they end with
// ERROR_CALL_NOT_IMPLEMENTED rather than success.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "bed_support.h"

namespace {

constexpr DWORD kRejected = static_cast<DWORD>(-1);
constexpr DWORD kNotBuilt = ERROR_CALL_NOT_IMPLEMENTED;
constexpr DWORD kNoWindow = 0xDEADu;

struct ArgsCase {
    std::string szArgs;
    DWORD nExitCode;
};

class SaverCommandLineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        hLiveWindow = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 100, 75, nullptr, nullptr,
                                      nullptr, nullptr);
        HWND hGone = CreateWindowExA(0, "STATIC", "gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     nullptr, nullptr);
        szGoneWindow = Decimal(hGone);
        DestroyWindow(hGone);
    }
    static void TearDownTestSuite() { DestroyWindow(hLiveWindow); }

    static std::string Decimal(HWND hWindow) {
        return std::to_string(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(hWindow)));
    }

    static DWORD RunLine(const std::string& szProgram, const std::string& szCommandLine) {
        RunResult result = RunProgram(szProgram, szCommandLine);
        EXPECT_TRUE(result.bStarted) << "cannot start " << szProgram;
        EXPECT_FALSE(result.bTimedOut) << "[" << szCommandLine << "] did not end";
        return result.nExitCode;
    }

    static void ExpectExitCodes(const ArgsCase* pCases, size_t nCount) {
        for (size_t i = 0; i < nCount; ++i) {
            const std::string szLine = "\"" + SaverPath() + "\" " + pCases[i].szArgs;
            EXPECT_EQ(RunLine(SaverPath(), szLine), pCases[i].nExitCode)
                << "args [" << pCases[i].szArgs << "]";
        }
    }

    // Starts the saver, waits for its window (full screen, or a preview
    // inside hLiveWindow), closes it from outside and returns the exit code;
    // kNoWindow when no such window appeared.
    static DWORD RunAndClose(const std::string& szProgram, const std::string& szCommandLine, bool bPreview) {
        SaverProcess saver(szProgram, szCommandLine);
        EXPECT_TRUE(saver.IsStarted()) << "cannot start " << szProgram;
        HWND hWindow = saver.WaitForWindow(bPreview ? hLiveWindow : nullptr);
        if (hWindow == nullptr) return kNoWindow;
        PostMessageA(hWindow, WM_CLOSE, 0, 0);
        return saver.WaitForExit();
    }

    static HWND hLiveWindow;
    static std::string szGoneWindow;
};

HWND SaverCommandLineTest::hLiveWindow;
std::string SaverCommandLineTest::szGoneWindow;

TEST_F(SaverCommandLineTest, RejectedArgumentsEndWithMinusOne) {
    ASSERT_TRUE(IsWindow(hLiveWindow));
    const std::string szLive = Decimal(hLiveWindow);
    const ArgsCase cases[] = {
        {"/x", kRejected},
        {"x", kRejected},
        {"/1", kRejected},
        {"/\x01s", kRejected},
        {"/\xD3", kRejected},
        {"/\xF3", kRejected},
        {"/p", kRejected},
        {"/l", kRejected},
        {"/p 0", kRejected},
        {"/p:" + szLive, kRejected},
        {"/p " + szGoneWindow, kRejected},
        {"/a", kRejected},  // outside the Windows 95 family
        {"/a " + szLive, kRejected},
    };
    ExpectExitCodes(cases, std::size(cases));
}

TEST_F(SaverCommandLineTest, AcceptedModesStartTheirWindowsAndEndWithZero) {
    const std::string szLive = Decimal(hLiveWindow);
    const struct {
        std::string szArgs;
        bool bPreview;
    } cases[] = {
        {"/s", false}, {"-S", false}, {" /- s", false}, {"s", false},
        {"/p " + szLive, true}, {"/p" + szLive, true}, {"-L   " + szLive, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunAndClose(SaverPath(), "\"" + SaverPath() + "\" " + c.szArgs, c.bPreview), 0u)
            << "args [" << c.szArgs << "]";
}

TEST_F(SaverCommandLineTest, ModesStillToComeDoNotClaimSuccess) {
    const ArgsCase cases[] = {
        {"", kNotBuilt},
        {"/c", kNotBuilt},
        {"/c:1234", kNotBuilt},
    };
    ExpectExitCodes(cases, std::size(cases));
}

TEST_F(SaverCommandLineTest, ProgramNameInQuotesWithSpacesIsSkippedWhole) {
    char szTemp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, szTemp), 0u);
    const std::string szDir = std::string(szTemp) + "Harbor Gast Tests";
    const std::string szCopy = szDir + "\\SSHarborgast.scr";
    CreateDirectoryA(szDir.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(SaverPath().c_str(), szCopy.c_str(), FALSE));

    EXPECT_EQ(RunLine(szCopy, "\"" + szCopy + "\" /x"), kRejected);
    EXPECT_EQ(RunLine(szCopy, "\"" + szCopy + "\"/x"), kRejected);
    EXPECT_EQ(RunAndClose(szCopy, "\"" + szCopy + "\" /s", false), 0u);
    EXPECT_EQ(RunLine(szCopy, "\"" + szCopy + "\""), kNotBuilt);
    // Without the closing quote everything is the name: no arguments.
    EXPECT_EQ(RunLine(szCopy, "\"" + szCopy + " /x"), kNotBuilt);
    // Unquoted, the name ends at the first space, tab or control character.
    EXPECT_EQ(RunLine(szCopy, "SSHarborgast.scr\t/x"), kRejected);
    EXPECT_EQ(RunAndClose(szCopy, "SSHarborgast.scr\x01\x02/s", false), 0u);
    EXPECT_EQ(RunLine(szCopy, "Harbor\xE9gast.scr /x"), kRejected);

    DeleteFileA(szCopy.c_str());
    RemoveDirectoryA(szDir.c_str());
}

TEST_F(SaverCommandLineTest, PasswordModeOnTheWindows95Family) {
    ScopedAppVersion win98("SSHarborgast.scr", "win98");
    ASSERT_TRUE(win98.IsSet());
    const ArgsCase cases[] = {
        {"/a", kNotBuilt},
        {"/A " + Decimal(hLiveWindow), kNotBuilt},
        {"/a:1234", kNotBuilt},
        {"/x", kRejected},
        {"/p 0", kRejected},
    };
    ExpectExitCodes(cases, std::size(cases));
}

TEST(SaverResourcesTest, NameAndDescriptionForTheSaverList) {
    HMODULE hSaver = LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(hSaver, nullptr);
    char szName[64] = {};
    EXPECT_GT(LoadStringA(hSaver, 1, szName, sizeof szName), 0);
    EXPECT_STREQ(szName, "Harborgast");

    HRSRC hInfo = FindResourceA(hSaver, "DESCRIPTION", MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    ASSERT_NE(hInfo, nullptr);
    const char* pText = static_cast<const char*>(LockResource(LoadResource(hSaver, hInfo)));
    ASSERT_NE(pText, nullptr);
    EXPECT_EQ(std::string(pText, SizeofResource(hSaver, hInfo)), "\"SCRNSAVE:Harborgast\"");
    FreeLibrary(hSaver);
}

}  // namespace
