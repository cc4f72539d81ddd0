// The screen-saver password of the Windows 95 family, with stand-ins for the
// system's password module and password changer beside a copy of the saver
// (where the system looks first for a module loaded by name). The stand-ins
// record what the saver asks of them; the test says how they answer.
#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "bed_support.h"
#include "dialog_support.h"
#include "saver_checks.h"

namespace {

std::string WinePath(std::string szPath) {
    for (char& c : szPath)
        if (c == '/') c = '\\';
    return "Z:" + szPath;
}

std::string Decimal(HWND hWindow) { return std::to_string(reinterpret_cast<uintptr_t>(hWindow)); }

class PasswordTest : public ::testing::Test {
protected:
    void SetUp() override {
        char szTemp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, szTemp);
        m_szDir = std::string(szTemp) + "harborgast-password";
        CreateDirectoryA(m_szDir.c_str(), nullptr);
        m_szSaver = m_szDir + "\\SSHarborgast.scr";
        ASSERT_TRUE(CopyFileA(SaverPath().c_str(), m_szSaver.c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(WinePath(HARBORGAST_PASSWORD_CPL_PATH).c_str(), (m_szDir + "\\PASSWORD.CPL").c_str(),
                              FALSE));
        ASSERT_TRUE(CopyFileA(WinePath(HARBORGAST_MPR_DLL_PATH).c_str(), (m_szDir + "\\MPR.DLL").c_str(), FALSE));
        DeleteFileA(File("calls.txt").c_str());
    }
    void TearDown() override {
        for (const char* szName : {"SSHarborgast.scr", "PASSWORD.CPL", "MPR.DLL", "calls.txt", "answer.txt"})
            DeleteFileA(File(szName).c_str());
        RemoveDirectoryA(m_szDir.c_str());
    }

    std::string File(const char* szName) const { return m_szDir + "\\" + szName; }

    void Answer(const char* szAnswer) const {
        HANDLE hFile = CreateFileA(File("answer.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
        DWORD nWritten = 0;
        WriteFile(hFile, szAnswer, DWORD(strlen(szAnswer)), &nWritten, nullptr);
        CloseHandle(hFile);
    }

    // What the stand-ins recorded, a line each.
    std::vector<std::string> Calls() const {
        std::vector<std::string> lines;
        HANDLE hFile = CreateFileA(File("calls.txt").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
        if (hFile == INVALID_HANDLE_VALUE) return lines;
        std::string szText(65536, '\0');
        DWORD nRead = 0;
        ReadFile(hFile, &szText[0], DWORD(szText.size()), &nRead, nullptr);
        CloseHandle(hFile);
        std::istringstream in(szText.substr(0, nRead));
        for (std::string szLine; std::getline(in, szLine);) lines.push_back(szLine);
        return lines;
    }

    // The saver copy started with these arguments.
    SaverProcess Start(const std::string& szArgs) const {
        return SaverProcess(m_szSaver, "\"" + m_szSaver + "\" " + szArgs, {"HARBORGAST_STANDIN_DIR=" + m_szDir});
    }

    // The platform's screen-saver-running state, as a fresh process reads it.
    static bool PlatformSaysRunning() {
        const std::string szProbe = WinePath(HARBORGAST_RUNNING_PROBE_PATH);
        const RunResult result = RunProgram(szProbe, "\"" + szProbe + "\"");
        EXPECT_TRUE(result.bStarted && !result.bTimedOut && result.nExitCode <= 1);
        return result.nExitCode == 1;
    }

    // Key presses until the stand-ins have recorded nCalls lines, spaced
    // wider than the saver's 200 ms in which it asks no second time.
    bool PressKeysUntilCalls(HWND hSaver, size_t nCalls) const {
        return WaitFor([&] {
            PostMessageA(hSaver, WM_KEYDOWN, 'A', 1);
            PumpMessages(300);
            return Calls().size() >= nCalls;
        });
    }

    // The saver's window once its show has written both tune files whole.
    static HWND WaitForShow(const SaverProcess& saver) {
        HWND hSaver = saver.WaitForWindow(nullptr);
        if (hSaver == nullptr || !WaitFor([] { return TunesWhole(); }, 60000)) return nullptr;
        return hSaver;
    }

    ScopedRegistryValue UsePassword(DWORD nValue) const {
        return ScopedRegistryValue::Number(HKEY_CURRENT_USER, "Control Panel\\Desktop", "ScreenSaveUsePassword",
                                           nValue);
    }

    std::string m_szDir;
    std::string m_szSaver;
};

// A refused password keeps the saver running and asking; an accepted one
// ends it. The running state is on while the module is loaded, off after.
TEST_F(PasswordTest, RefusedKeepsTheSaverRunningAcceptedEndsIt) {
    const ScopedRegistryValue win98 = SetAppVersion("SSHarborgast.scr", "win98");
    ASSERT_TRUE(win98.IsSet());
    const ScopedRegistryValue password = UsePassword(1);
    Answer("0");
    SaverProcess saver = Start("/s");
    HWND hSaver = saver.WaitForWindow(nullptr);
    ASSERT_NE(hSaver, nullptr);
    EXPECT_TRUE(PlatformSaysRunning());

    ASSERT_TRUE(PressKeysUntilCalls(hSaver, 3)) << "no password asked";
    EXPECT_FALSE(saver.HasEnded()) << "a refused password ended the saver";
    ASSERT_TRUE(PressKeysUntilCalls(hSaver, 4)) << "not asked again after a refusal";
    Answer("1");
    ASSERT_TRUE(PressKeysUntilCalls(hSaver, 5));
    EXPECT_EQ(saver.WaitForExit(), 0u);

    const std::string szVerify = "verify window=" + Decimal(hSaver) + " running=1";
    const std::vector<std::string> calls = Calls();
    ASSERT_GE(calls.size(), 5u);
    EXPECT_EQ(calls[0], "loaded");
    for (size_t i = 1; i < calls.size(); ++i) EXPECT_EQ(calls[i], szVerify) << "call " << i;
    EXPECT_FALSE(PlatformSaysRunning());
}

// Ending the session ends a saver that wants a password without asking for
// it: the user's desktop goes with the session, so nothing is left to
// guard, and a question would hold the session's end up. The show is
// released, the tune files go and the running state is off before the
// platform ends the process, also when the session ends while the password
// dialog is open (which then closes with its owner, and its module stays
// until it has returned). A cancelled session end changes nothing.
TEST_F(PasswordTest, SessionEndAsksNoPasswordAndEndsCleanly) {
    const ScopedRegistryValue win98 = SetAppVersion("SSHarborgast.scr", "win98");
    const ScopedRegistryValue password = UsePassword(1);
    for (const bool bDialogOpen : {false, true}) {
        SCOPED_TRACE(bDialogOpen ? "password dialog open" : "no dialog");
        DeleteFileA(File("calls.txt").c_str());
        Answer(bDialogOpen ? "dialog" : "0");
        SaverProcess saver = Start("/s");
        HWND hSaver = WaitForShow(saver);
        ASSERT_NE(hSaver, nullptr);
        if (bDialogOpen) {
            ASSERT_TRUE(PressKeysUntilCalls(hSaver, 2)) << "no password dialog";
        }
        const size_t nCallsBefore = Calls().size();
        DWORD_PTR nResult = 0;
        ASSERT_TRUE(SendMessageTimeoutA(hSaver, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 60000, &nResult));
        EXPECT_NE(nResult, 0u) << "the saver held up the end of the session";
        ASSERT_TRUE(SendMessageTimeoutA(hSaver, WM_ENDSESSION, FALSE, 0, SMTO_NORMAL, 60000, &nResult));
        EXPECT_EQ(Calls().size(), nCallsBefore) << "the session's end asked for the password";
        EXPECT_FALSE(saver.HasEnded());
        EXPECT_TRUE(PlatformSaysRunning());

        ASSERT_TRUE(SendMessageTimeoutA(hSaver, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 60000, &nResult));
        ASSERT_TRUE(SendMessageTimeoutA(hSaver, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 60000, &nResult));
        EXPECT_TRUE(TunesGone()) << "the tune files outlive the session";
        EXPECT_FALSE(PlatformSaysRunning());
        // Had the platform not ended it, it ends by itself, without a fault.
        EXPECT_EQ(saver.WaitForExit(), 0u);
        std::vector<std::string> expected = {"loaded"};
        if (bDialogOpen) {
            expected.push_back("verify window=" + Decimal(hSaver) + " running=1");
            expected.push_back("dialog ended");
        }
        EXPECT_EQ(Calls(), expected);
    }
}

// Nothing runs in a killed saver: its tune files and the running state stay.
// The next start is not put off by them: it asks for the password as usual
// and, once it is given, leaves neither behind.
TEST_F(PasswordTest, AfterAKillTheNextStartAsksAndEndsAsUsual) {
    const ScopedRegistryValue win98 = SetAppVersion("SSHarborgast.scr", "win98");
    const ScopedRegistryValue password = UsePassword(1);
    Answer("1");
    {
        SaverProcess saver = Start("/s");
        ASSERT_NE(WaitForShow(saver), nullptr);
        ASSERT_TRUE(TerminateProcess(saver.Handle(), 1));
        ASSERT_EQ(saver.WaitForExit(), 1u);
    }
    EXPECT_TRUE(TunesWhole());
    EXPECT_TRUE(PlatformSaysRunning());
    // Emptied, so that the next start is seen to write its own.
    for (const std::string& szTune : TunePaths())
        CloseHandle(CreateFileA(szTune.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, 0, nullptr));

    SaverProcess saver = Start("/s");
    HWND hSaver = WaitForShow(saver);
    ASSERT_NE(hSaver, nullptr);
    ASSERT_TRUE(PressKeysUntilCalls(hSaver, 3)) << "no password asked";
    EXPECT_EQ(saver.WaitForExit(), 0u);
    const std::vector<std::string> expected = {"loaded", "loaded", "verify window=" + Decimal(hSaver) + " running=1"};
    EXPECT_EQ(Calls(), expected);
    EXPECT_TRUE(TunesGone());
    EXPECT_FALSE(PlatformSaysRunning());
}

// A fault while the module is loaded still turns the running state off.
TEST_F(PasswordTest, AFaultStillTurnsTheRunningStateOff) {
    const ScopedRegistryValue win98 = SetAppVersion("SSHarborgast.scr", "win98");
    const ScopedRegistryValue password = UsePassword(1);
    // No crash dialog: the fault ends the process at once.
    const ScopedRegistryValue quiet =
        ScopedRegistryValue::Number(HKEY_CURRENT_USER, "Software\\Wine\\WineDbg", "ShowCrashDialog", 0);
    Answer("fault");
    SaverProcess saver = Start("/s");
    HWND hSaver = saver.WaitForWindow(nullptr);
    ASSERT_NE(hSaver, nullptr);
    EXPECT_TRUE(PlatformSaysRunning());
    ASSERT_TRUE(PressKeysUntilCalls(hSaver, 2));
    EXPECT_TRUE(WaitFor([&] { return saver.HasEnded(); }, 60000));
    EXPECT_FALSE(PlatformSaysRunning());
}

// The module is loaded only for a full-screen saver on the Windows 95 family
// whose user asked for a password; otherwise the first key ends the saver.
TEST_F(PasswordTest, LoadedOnlyForAFullScreenRunThatNeedsAPassword) {
    HWND hHost = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 160, 120, nullptr, nullptr, nullptr, nullptr);
    const struct {
        bool bWindows95;
        DWORD nUsePassword;
        bool bPreview;
    } cases[] = {{false, 1, false}, {true, 0, false}, {true, 1, true}};
    Answer("0");
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "95 family " << c.bWindows95 << ", password " << c.nUsePassword
                                        << ", preview " << c.bPreview);
        const ScopedRegistryValue version = SetAppVersion("SSHarborgast.scr", c.bWindows95 ? "win98" : "win10");
        const ScopedRegistryValue password = UsePassword(c.nUsePassword);
        SaverProcess saver = Start(c.bPreview ? "/p " + Decimal(hHost) : "/s");
        HWND hSaver = saver.WaitForWindow(c.bPreview ? hHost : nullptr);
        ASSERT_NE(hSaver, nullptr);
        EXPECT_FALSE(PlatformSaysRunning());
        if (c.bPreview) {
            PostMessageA(hSaver, WM_CLOSE, 0, 0);
        } else {
            PostMessageA(hSaver, WM_KEYDOWN, 'A', 1);
        }
        EXPECT_EQ(saver.WaitForExit(), 0u);
        EXPECT_EQ(Calls(), std::vector<std::string>{});
    }
    DestroyWindow(hHost);
}

// /a changes the password through the system's changer, owned by the window
// it names or else by the foreground window; outside the family it is -1.
TEST_F(PasswordTest, ChangeCallsTheChangerWithTheProviderAndTheOwner) {
    HWND hOwner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 60, 40, nullptr, nullptr, nullptr, nullptr);
    HWND hForeground = CreateWindowExA(0, "STATIC", "foreground", WS_POPUP | WS_VISIBLE, 100, 0, 60, 40, nullptr,
                                       nullptr, nullptr, nullptr);
    SetForegroundWindow(hForeground);
    PumpMessages(50);
    ASSERT_EQ(GetForegroundWindow(), hForeground);
    {
        const ScopedRegistryValue win98 = SetAppVersion("SSHarborgast.scr", "win98");
        // The system has an MPR.DLL of its own; the saver takes the stand-in.
        const ScopedRegistryValue standIn = ScopedRegistryValue::Text(
            HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\SSHarborgast.scr\\DllOverrides", "mpr", "native");
        for (const std::string& szArgs : {"/a " + Decimal(hOwner), std::string("/a"), std::string("/a 12")}) {
            SaverProcess saver = Start(szArgs);
            EXPECT_EQ(saver.WaitForExit(), 0u) << szArgs;
        }
        const std::vector<std::string> expected = {
            "change provider=SCRSAVE owner=" + Decimal(hOwner) + " 0 0",
            "change provider=SCRSAVE owner=" + Decimal(hForeground) + " 0 0",
            "change provider=SCRSAVE owner=" + Decimal(hForeground) + " 0 0",
        };
        EXPECT_EQ(Calls(), expected);
    }
    DeleteFileA(File("calls.txt").c_str());
    SaverProcess saver = Start("/a " + Decimal(hOwner));
    EXPECT_EQ(saver.WaitForExit(), static_cast<DWORD>(-1));
    EXPECT_EQ(Calls(), std::vector<std::string>{});
    DestroyWindow(hForeground);
    DestroyWindow(hOwner);
}

}  // namespace
