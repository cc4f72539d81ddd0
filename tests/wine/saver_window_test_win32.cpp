// The real saver as a user and the display settings meet it: started with
// its command line, ended by real X input (xdotool on the bed's screen), a
// preview inside a host window of this program, the tune files in the
// temporary directory, and what the screen shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "saver_checks.h"

namespace {

std::string SaverLine(const std::string& szArgs) { return "\"" + SaverPath() + "\" " + szArgs; }

std::string Decimal(HWND hWindow) {
    return std::to_string(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(hWindow)));
}

// ---- Input -----------------------------------------------------------------------
DWORD LastInputTime() {
    LASTINPUTINFO info = {sizeof info, 0};
    GetLastInputInfo(&info);
    return info.dwTime;
}

// Gives real X input and waits until it has been handled by the thread of
// hWindow: first until Wine has queued it (the last input time moves), then
// through round trips of a sent message, each of which the window's thread
// takes only when it next asks for a message, so the input queued before
// them has been dispatched, and a close that it posted dispatched too.
// False when the window went away meanwhile.
bool GiveInputAndSettle(const std::string& szXdotoolArgs, HWND hWindow) {
    const DWORD nBefore = LastInputTime();
    if (!RunHostCommand("xdotool " + szXdotoolArgs)) {
        ADD_FAILURE() << "xdotool " << szXdotoolArgs << " failed";
        return false;
    }
    EXPECT_TRUE(WaitUntil([&] { return LastInputTime() != nBefore; }))
        << "xdotool " << szXdotoolArgs << " reached no window";
    for (int i = 0; i < 3; ++i) {
        DWORD_PTR nResult = 0;
        if (SendMessageTimeoutA(hWindow, WM_NULL, 0, 0, SMTO_NORMAL, kLongWaitMs, &nResult) == 0) return false;
    }
    return IsWindow(hWindow) != FALSE;
}

// ---- The fixture: settings and tune files -------------------------------------
class SaverWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearSettings();
        for (const std::string& szPath : TunePaths()) DeleteFileA(szPath.c_str());
        ASSERT_NE(saver.Handle(), nullptr);
        tunes = {saver.Tune(kTune1ResourceId), saver.Tune(kTune2ResourceId)};
        ASSERT_EQ(tunes[0].size(), kTune1Bytes);
        ASSERT_EQ(tunes[1].size(), kTune2Bytes);
    }
    void TearDown() override { ClearSettings(); }
    static void ClearSettings() { WriteProfileStringA("Harborgast", nullptr, nullptr); }

    bool TunesWritten() const {
        const std::vector<std::string> paths = TunePaths();
        return FileBytes(paths[0]) == tunes[0] && FileBytes(paths[1]) == tunes[1];
    }
    // Starts a full-screen saver and waits until its show has started:
    // the window is there and both tunes are written, byte for byte.
    HWND StartShow(SaverProcess& process) const {
        EXPECT_TRUE(process.IsStarted());
        HWND hWindow = process.WaitForWindow(nullptr);
        EXPECT_NE(hWindow, nullptr) << "no saver window";
        EXPECT_TRUE(WaitUntil([&] { return TunesWritten() || process.HasEnded(); }) && TunesWritten())
            << "the tune files are not the tune resources";
        return hWindow;
    }

    SaverModule saver;
    std::vector<std::string> tunes;
};

int CountSaverWindows() {
    int nCount = 0;
    EnumWindows(
        [](HWND hWindow, LPARAM lParam) -> BOOL {
            char szClass[64] = {};
            GetClassNameA(hWindow, szClass, sizeof szClass);
            if (std::string(szClass) == "WindowsScreenSaverClass") ++*reinterpret_cast<int*>(lParam);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&nCount));
    return nCount;
}

TEST_F(SaverWindowTest, KeyButtonsAndMoveEndTheShowWithZeroAndDeleteTheTunes) {
    const char* szInputs[] = {"key space", "click 1", "click 3", "click 2", "mousemove_relative 10 0"};
    for (const char* szInput : szInputs) {
        SCOPED_TRACE(szInput);
        SaverProcess process(SaverPath(), SaverLine("/s"));
        ASSERT_NE(StartShow(process), nullptr);
        ASSERT_TRUE(RunHostCommand(std::string("xdotool ") + szInput));
        EXPECT_EQ(process.WaitForExit(), 0u);
        EXPECT_TRUE(TunesGone());
    }
}

TEST_F(SaverWindowTest, SmallMovesEndTheShowOnlyOnceTheyAddUpToMoreThanFourPixels) {
    SaverProcess process(SaverPath(), SaverLine("/s"));
    HWND hWindow = StartShow(process);
    ASSERT_NE(hWindow, nullptr);
    EXPECT_TRUE(GiveInputAndSettle("mousemove_relative 3 0", hWindow)) << "a move of 3 pixels ended the saver";
    EXPECT_FALSE(process.HasEnded());
    EXPECT_TRUE(TunesWritten());
    // The reference point stays where the show started: 3 more make 6.
    ASSERT_TRUE(RunHostCommand("xdotool mousemove_relative 3 0"));
    EXPECT_EQ(process.WaitForExit(), 0u);
    EXPECT_TRUE(TunesGone());
}

TEST_F(SaverWindowTest, SecondFullScreenStartBringsTheFirstForwardAndEndsWithZero) {
    SaverProcess first(SaverPath(), SaverLine("/s"));
    HWND hFirst = StartShow(first);
    ASSERT_NE(hFirst, nullptr);

    const RunResult second = RunProgram(SaverPath(), SaverLine("/s"));
    ASSERT_TRUE(second.bStarted);
    EXPECT_FALSE(second.bTimedOut);
    EXPECT_EQ(second.nExitCode, 0u);
    EXPECT_FALSE(first.HasEnded());
    EXPECT_EQ(CountSaverWindows(), 1);
    EXPECT_EQ(GetForegroundWindow(), hFirst);
    EXPECT_TRUE(TunesWritten()) << "the second saver touched the first one's tunes";

    // A close from outside ends the show like input does.
    PostMessageA(hFirst, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(), 0u);
    EXPECT_TRUE(TunesGone());
}

TEST_F(SaverWindowTest, TitleThenTheShowAsTheRenderToolDrawsIt) {
    const RECT screen = ScreenRect();
    const Picture title = StretchedTitle(saver.Handle(), screen.right, screen.bottom);
    // The render tool's frames for the same settings and screen size, by
    // fingerprint.
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    std::map<uint64_t, int> frames;
    for (int n = 1; n <= HARBORGAST_REFERENCE_FRAME_COUNT; ++n) {
        const Picture frame = LoadPng(ReferenceFramePath(n));
        ASSERT_EQ(frame.nWidth, screen.right) << ReferenceFramePath(n) << ": no frame of the screen's size";
        ASSERT_EQ(frame.nHeight, screen.bottom);
        frames.emplace(Fingerprint(frame), n);
    }
    CoUninitialize();

    // The slowest speed: every frame stays on screen for 550 ms, and the
    // title at least that long after the start-up delay, however slowly
    // the machine starts the show.
    ASSERT_TRUE(WriteProfileStringA("Harborgast", "nSpeedSave", std::to_string(HARBORGAST_SHOW_TEST_SPEED).c_str()));
    SaverProcess process(SaverPath(), SaverLine("/s"));
    ASSERT_NE(process.WaitForWindow(nullptr), nullptr);
    Picture seen;
    EXPECT_TRUE(WaitUntil([&] { return (seen = CaptureScreen(screen)) == title || process.HasEnded(); }) &&
                seen == title)
        << CountDifferences(seen, title) << " pixels differ from the stretched title; seen "
        << KeepForInspection(seen, "title-seen");

    // Then the show: the screen shows the render tool's frames, pixel for
    // pixel, later ones later.
    std::vector<int> matched;
    EXPECT_TRUE(WaitUntil([&] {
        seen = CaptureScreen(screen);
        const auto found = frames.find(Fingerprint(seen));
        if (found != frames.end() && (matched.empty() || found->second > matched.back()))
            matched.push_back(found->second);
        return matched.size() >= 3 || process.HasEnded();
    }) && matched.size() >= 3)
        << matched.size() << " frames seen; the last screen, which is no frame, is "
        << KeepForInspection(seen, "show-seen");
    std::string szMatched;
    for (int n : matched) szMatched += " " + std::to_string(n);
    std::printf("the screen showed the render tool's frames%s\n", szMatched.c_str());
    PostMessageA(process.WaitForWindow(nullptr), WM_CLOSE, 0, 0);
    EXPECT_EQ(process.WaitForExit(), 0u);
}

// ---- The preview -------------------------------------------------------------------
TEST_F(SaverWindowTest, PreviewFillsItsHostIgnoresInputAndEndsWithIt) {
    PreviewHost host;
    ASSERT_NE(host.Handle(), nullptr);
    const RECT client = host.ClientOnScreen();
    ASSERT_EQ(client.right - client.left, PreviewHost::kClientWidth);
    ASSERT_EQ(client.bottom - client.top, PreviewHost::kClientHeight);

    SaverProcess process(SaverPath(), SaverLine("/p " + Decimal(host.Handle())));
    ASSERT_TRUE(process.IsStarted());
    HWND hPreview = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        hPreview = FindWindowExA(host.Handle(), nullptr, "WindowsScreenSaverClass", "Preview");
        return hPreview != nullptr || process.HasEnded();
    }) && hPreview != nullptr);
    // The preview covers the host's client area. Its picture is checked in
    // SaverPreviewInProcessTest: under Wine nothing that a process draws
    // into a child of another process's window reaches the screen (a child
    // that fills itself red on every paint stays the host's grey, while
    // the same child made by the host's own process shows red).
    RECT preview = {};
    GetClientRect(hPreview, &preview);
    EXPECT_EQ(preview.right, PreviewHost::kClientWidth);
    EXPECT_EQ(preview.bottom, PreviewHost::kClientHeight);

    // The pointer onto the preview, then a move, a click and a key there;
    // the preview takes the keyboard focus for the key.
    const std::string szCentre = std::to_string((client.left + client.right) / 2) + " " +
                                 std::to_string((client.top + client.bottom) / 2);
    const DWORD nPreviewThread = GetWindowThreadProcessId(hPreview, nullptr);
    const bool bAttached = AttachThreadInput(GetCurrentThreadId(), nPreviewThread, TRUE) != FALSE;
    SetFocus(hPreview);
    EXPECT_EQ(GetFocus(), hPreview);
    for (const std::string& szInput :
         {"mousemove " + szCentre, std::string("mousemove_relative 10 0"), std::string("click 1"),
          std::string("key space")}) {
        EXPECT_TRUE(GiveInputAndSettle(szInput, hPreview)) << szInput << " ended the preview";
        EXPECT_FALSE(process.HasEnded());
    }
    if (bAttached) AttachThreadInput(GetCurrentThreadId(), nPreviewThread, FALSE);
    EXPECT_TRUE(TunesGone()) << "a preview wrote tune files";

    host.Destroy();
    EXPECT_EQ(process.WaitForExit(), 0u);
    EXPECT_TRUE(TunesGone());
}

}  // namespace
