// The real saver on displays of other shapes, each made by the screen bed
// (tests/wine/screens) for one suite or case: two monitors side by side,
// large screens, and a screen whose size changes while the saver runs.
// What the screen shows is compared with the render tool's frames for the
// same layout and settings (HARBORGAST_SCREEN_FRAMES/<name>).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "saver_checks.h"
#include "shell/saver_window.h"
#include "shell/saver_window_win32.h"
#include "shell/shell.h"
#include "show/show.h"

namespace {

constexpr uint32_t kOtherWindowColour = 0xFF00FF;

std::string FramesDir(const char* szName) { return std::string(HARBORGAST_SCREEN_FRAMES) + "/" + szName; }

// The render tool's frames in a directory, by fingerprint.
std::map<uint64_t, int> LoadFrames(const std::string& szDir, int nWidth, int nHeight,
                                   int nCount = HARBORGAST_SCREEN_FRAME_COUNT) {
    std::map<uint64_t, int> frames;
    EXPECT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    for (int n = 1; n <= nCount; ++n) {
        const Picture frame = LoadPng(ReferenceFramePathIn(szDir, n));
        EXPECT_EQ(frame.nWidth, nWidth) << ReferenceFramePathIn(szDir, n);
        EXPECT_EQ(frame.nHeight, nHeight);
        frames.emplace(Fingerprint(frame), n);
    }
    CoUninitialize();
    return frames;
}

Picture LoadFrame(const std::string& szDir, int n) {
    EXPECT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    Picture frame = LoadPng(ReferenceFramePathIn(szDir, n));
    CoUninitialize();
    return frame;
}

// Pictures side by side, as the screen holds two monitors.
Picture SideBySide(const Picture& left, const Picture& right) {
    Picture both{left.nWidth + right.nWidth, left.nHeight, std::vector<uint32_t>(size_t(left.nWidth + right.nWidth) * left.nHeight)};
    for (int y = 0; y < left.nHeight; ++y) {
        std::copy(left.pixels.begin() + size_t(y) * left.nWidth, left.pixels.begin() + size_t(y + 1) * left.nWidth,
                  both.pixels.begin() + size_t(y) * both.nWidth);
        std::copy(right.pixels.begin() + size_t(y) * right.nWidth, right.pixels.begin() + size_t(y + 1) * right.nWidth,
                  both.pixels.begin() + size_t(y) * both.nWidth + left.nWidth);
    }
    return both;
}

Picture Crop(const Picture& picture, const RECT& area) {
    Picture part{int(area.right - area.left), int(area.bottom - area.top), {}};
    for (int y = area.top; y < area.bottom; ++y)
        part.pixels.insert(part.pixels.end(), picture.pixels.begin() + size_t(y) * picture.nWidth + area.left,
                           picture.pixels.begin() + size_t(y) * picture.nWidth + area.right);
    return part;
}

Picture Black(int nWidth, int nHeight) { return {nWidth, nHeight, std::vector<uint32_t>(size_t(nWidth) * nHeight)}; }

RECT VirtualScreen() {
    const int nLeft = GetSystemMetrics(SM_XVIRTUALSCREEN), nTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {nLeft, nTop, nLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN), nTop + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

DWORD LastInputTime() {
    LASTINPUTINFO info = {sizeof info, 0};
    GetLastInputInfo(&info);
    return info.dwTime;
}

// A window of another program (this one) filled with one colour.
class OtherProgramsWindow {
public:
    explicit OtherProgramsWindow(const RECT& area) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        m_hBrush = CreateSolidBrush(RGB(kOtherWindowColour >> 16, (kOtherWindowColour >> 8) & 0xFF,
                                        kOtherWindowColour & 0xFF));
        windowClass.hbrBackground = m_hBrush;
        windowClass.lpszClassName = "HarborgastOtherProgram";
        RegisterClassA(&windowClass);
        m_hWindow = CreateWindowExA(0, windowClass.lpszClassName, "Mail", WS_POPUP | WS_VISIBLE, area.left, area.top,
                                    area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                                    windowClass.hInstance, nullptr);
        UpdateWindow(m_hWindow);
    }
    ~OtherProgramsWindow() {
        DestroyWindow(m_hWindow);
        DeleteObject(m_hBrush);
    }
    HWND Handle() const { return m_hWindow; }

private:
    HWND m_hWindow;
    HBRUSH m_hBrush;
};

size_t CountColour(const Picture& picture, uint32_t nColour) {
    size_t nCount = 0;
    for (uint32_t nPixel : picture.pixels) nCount += nPixel == nColour;
    return nCount;
}

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearSettings();
        ASSERT_TRUE(WriteProfileStringA("Harborgast", "nSpeedSave", std::to_string(HARBORGAST_SHOW_TEST_SPEED).c_str()));
    }
    void TearDown() override { ClearSettings(); }
    static void ClearSettings() { WriteProfileStringA("Harborgast", nullptr, nullptr); }

    // Waits until the screen shows exactly this picture.
    static void ExpectScreenBecomes(const SaverProcess& process, const RECT& area, const Picture& expected,
                                    const char* szName) {
        Picture seen;
        EXPECT_TRUE(WaitUntil([&] { return (seen = CaptureScreen(area)) == expected || process.HasEnded(); }) &&
                    seen == expected)
            << CountDifferences(seen, expected) << " pixels differ from the " << szName << "; seen "
            << KeepForInspection(seen, (std::string(szName) + "-seen").c_str()) << ", expected "
            << KeepForInspection(expected, (std::string(szName) + "-expected").c_str());
    }

    // Waits until the screen has shown nFrames of the frames, later ones
    // later; returns the last screen that matched.
    static Picture ExpectShowFrames(const SaverProcess& process, const RECT& area,
                                    const std::map<uint64_t, int>& frames, const char* szName,
                                    size_t nFrames = 3) {
        std::vector<int> matched;
        Picture seen, last;
        EXPECT_TRUE(WaitUntil([&] {
            seen = CaptureScreen(area);
            const auto found = frames.find(Fingerprint(seen));
            if (found != frames.end() && (matched.empty() || found->second > matched.back())) {
                matched.push_back(found->second);
                last = seen;
            }
            return matched.size() >= nFrames || process.HasEnded();
        }) && matched.size() >= nFrames)
            << matched.size() << " frames seen; the last screen, which is no frame, is "
            << KeepForInspection(seen, (std::string(szName) + "-seen").c_str());
        std::string szMatched;
        for (int n : matched) szMatched += " " + std::to_string(n);
        std::printf("%s: the screen showed the render tool's frames%s\n", szName, szMatched.c_str());
        return last;
    }

    static void CloseAndExpectZero(SaverProcess& process) {
        PostMessageA(process.WaitForWindow(nullptr), WM_CLOSE, 0, 0);
        EXPECT_EQ(process.WaitForExit(), 0u);
    }
};

// ---- Two monitors (two:1024x768) -------------------------------------------------------
class ScreenTwoMonitors : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2) << "the bed made no two-monitor display";
        const RECT screen = VirtualScreen();
        ASSERT_EQ(screen.left, 0);
        ASSERT_EQ(screen.right, 2 * kWidth);
        ASSERT_EQ(screen.bottom, kHeight);
    }
    static constexpr int kWidth = 1024, kHeight = 768;
};

TEST_F(ScreenTwoMonitors, EveryMonitorShowsTheTitleThenTheShowOverAnotherProgramsWindow) {
    const SaverModule saver;
    const Picture title = StretchedTitle(saver.Handle(), kWidth, kHeight);
    const std::map<uint64_t, int> frames = LoadFrames(FramesDir("two"), 2 * kWidth, kHeight);
    const RECT screen = VirtualScreen();

    // Another program's window on the second monitor, on the screen.
    const RECT mail = {kWidth + 100, 100, kWidth + 700, 500};
    OtherProgramsWindow other(mail);
    Picture seen;
    ASSERT_TRUE(WaitUntil([&] { return CountColour(seen = CaptureScreen(mail), kOtherWindowColour) == seen.pixels.size(); }))
        << "the other program's window never showed";

    SaverProcess process(SaverPath(), SaverLine("/s"));
    ASSERT_NE(process.WaitForWindow(nullptr), nullptr);
    ExpectScreenBecomes(process, screen, SideBySide(title, title), "two-title");
    const Picture last = ExpectShowFrames(process, screen, frames, "two-show");
    EXPECT_EQ(CountColour(last, kOtherWindowColour), 0u) << "the other program's window shows through";
    CloseAndExpectZero(process);
}

TEST_F(ScreenTwoMonitors, MainMonitorOnlyLeavesTheOtherBlack) {
    ASSERT_TRUE(WriteProfileStringA("Harborgast", "nMonitors", "1"));
    const SaverModule saver;
    const std::map<uint64_t, int> frames = LoadFrames(FramesDir("two-main"), 2 * kWidth, kHeight);
    const RECT screen = VirtualScreen();

    SaverProcess process(SaverPath(), SaverLine("/s"));
    ASSERT_NE(process.WaitForWindow(nullptr), nullptr);
    ExpectScreenBecomes(process, screen, SideBySide(StretchedTitle(saver.Handle(), kWidth, kHeight), Black(kWidth, kHeight)),
                        "main-title");
    ExpectShowFrames(process, screen, frames, "main-show");
    CloseAndExpectZero(process);
}

TEST_F(ScreenTwoMonitors, MovesOnTheSecondMonitorAreMeasuredAsOnTheFirst) {
    ASSERT_TRUE(RunHostCommand("xdotool mousemove " + std::to_string(kWidth + 500) + " 400"));
    SaverProcess process(SaverPath(), SaverLine("/s"));
    HWND hWindow = process.WaitForWindow(nullptr);
    ASSERT_NE(hWindow, nullptr);
    ExpectScreenBecomes(process, {kWidth, 0, 2 * kWidth, kHeight},
                        StretchedTitle(SaverModule().Handle(), kWidth, kHeight), "second-title");

    // 3 pixels are not enough; the input is handled before the check.
    const DWORD nBefore = LastInputTime();
    ASSERT_TRUE(RunHostCommand("xdotool mousemove_relative 3 0"));
    EXPECT_TRUE(WaitUntil([&] { return LastInputTime() != nBefore; }));
    for (int i = 0; i < 3; ++i) {
        DWORD_PTR nResult = 0;
        ASSERT_NE(SendMessageTimeoutA(hWindow, WM_NULL, 0, 0, SMTO_NORMAL, kLongWaitMs, &nResult), 0u)
            << "a move of 3 pixels ended the saver";
    }
    EXPECT_FALSE(process.HasEnded());
    // 10 more end it, with 0.
    ASSERT_TRUE(RunHostCommand("xdotool mousemove_relative 10 0"));
    EXPECT_EQ(process.WaitForExit(), 0u);
}

// ---- Large screens (one:WxH each) ---------------------------------------------------------
class ScreenLarge : public ScreenTest {
protected:
    // The title fills the screen, then the show is the render tool's frames
    // for the same screen; returns the frame seen. Reading a whole large
    // screen back takes long enough to miss the title's few seconds, so the
    // title is looked for in a band of rows across the whole width, and one
    // frame of the show is enough (the order of frames is the main bed's).
    static Picture PlayOn(int nWidth, int nHeight, const char* szFrames) {
        EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), nWidth);
        EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), nHeight);
        const SaverModule saver;
        const std::map<uint64_t, int> frames = LoadFrames(FramesDir(szFrames), nWidth, nHeight);
        const Picture title = StretchedTitle(saver.Handle(), nWidth, nHeight);
        SaverProcess process(SaverPath(), SaverLine("/s"));
        EXPECT_NE(process.WaitForWindow(nullptr), nullptr);
        const RECT band = {0, nHeight / 2 - 32, nWidth, nHeight / 2 + 32};
        ExpectScreenBecomes(process, band, Crop(title, band), "large-title");
        const Picture last = ExpectShowFrames(process, {0, 0, nWidth, nHeight}, frames, szFrames, 1);
        CloseAndExpectZero(process);
        return last;
    }

    // Every k x k block of the stage's place is one colour, and nothing
    // outside it is drawn.
    static void ExpectCrispStage(const Picture& screen, int nScale) {
        ASSERT_FALSE(screen.pixels.empty());
        const int nLeft = (screen.nWidth - 800 * nScale) / 2, nTop = (screen.nHeight - 600 * nScale) / 2;
        size_t nBlocksBroken = 0, nDrawnOutside = 0;
        for (int y = 0; y < screen.nHeight; ++y) {
            for (int x = 0; x < screen.nWidth; ++x) {
                const uint32_t nPixel = screen.pixels[size_t(y) * screen.nWidth + x];
                const int sx = x - nLeft, sy = y - nTop;
                if (sx < 0 || sy < 0 || sx >= 800 * nScale || sy >= 600 * nScale) {
                    nDrawnOutside += nPixel != 0;
                    continue;
                }
                const int bx = nLeft + sx / nScale * nScale, by = nTop + sy / nScale * nScale;
                nBlocksBroken += nPixel != screen.pixels[size_t(by) * screen.nWidth + bx];
            }
        }
        EXPECT_EQ(nBlocksBroken, 0u) << "pixels unlike their block's first";
        EXPECT_EQ(nDrawnOutside, 0u) << "pixels drawn outside the stage";
    }
};

TEST_F(ScreenLarge, At3840x2160TheStageIsDrawnThreeTimesItsSizeCentred) {
    ExpectCrispStage(PlayOn(3840, 2160, "3840x2160"), 3);
}

TEST_F(ScreenLarge, At2560x1440TwoTimes) { ExpectCrispStage(PlayOn(2560, 1440, "2560x1440"), 2); }

TEST_F(ScreenLarge, At1920x1080TheOriginalSizeAsBefore) { ExpectCrispStage(PlayOn(1920, 1080, "1920x1080"), 1); }

TEST_F(ScreenLarge, FillTheHeightAt1920x1080IsASmooth1440x1080Picture) {
    ASSERT_TRUE(WriteProfileStringA("Harborgast", "nPictureSize", "2"));
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
    const SaverModule saver;
    const RECT screen = {0, 0, 1920, 1080};
    SaverProcess process(SaverPath(), SaverLine("/s"));
    ASSERT_NE(process.WaitForWindow(nullptr), nullptr);
    const RECT band = {0, 508, 1920, 572};
    ExpectScreenBecomes(process, band, Crop(StretchedTitle(saver.Handle(), 1920, 1080), band), "fill-title");

    // Once the show plays: black but for columns 240 to 1679, all rows.
    auto Drawn = [](const Picture& p, int x) {
        for (int y = 0; y < p.nHeight; ++y)
            if (p.pixels[size_t(y) * p.nWidth + x] != 0) return true;
        return false;
    };
    Picture seen;
    EXPECT_TRUE(WaitUntil([&] {
        seen = CaptureScreen(screen);
        return (!Drawn(seen, 0) && Drawn(seen, 240)) || process.HasEnded();
    }));
    EXPECT_FALSE(Drawn(seen, 239));
    EXPECT_TRUE(Drawn(seen, 1679));
    EXPECT_FALSE(Drawn(seen, 1680));
    size_t nBlackRows = 0;
    for (int y = 0; y < 1080; ++y) nBlackRows += seen.pixels[size_t(y) * 1920 + 960] == 0;
    EXPECT_EQ(nBlackRows, 0u) << "the picture does not fill the height";

    // Blended as the render tool blends it, near enough: of the frames the
    // show is at, the closest differs little on average.
    double nBest = 1e9;
    for (int n = 1; n <= HARBORGAST_SCREEN_FRAME_COUNT; ++n) {
        const Picture frame = LoadFrame(FramesDir("1920x1080-fill"), n);
        if (frame.pixels.size() != seen.pixels.size()) continue;
        double nSum = 0;
        for (size_t i = 0; i < seen.pixels.size(); ++i)
            for (int nShift = 0; nShift < 24; nShift += 8)
                nSum += std::abs(int((seen.pixels[i] >> nShift) & 0xFF) - int((frame.pixels[i] >> nShift) & 0xFF));
        nBest = std::min(nBest, nSum / (3.0 * seen.pixels.size()));
    }
    EXPECT_LT(nBest, 8.0) << "no frame of the render tool is close; seen " << KeepForInspection(seen, "fill-seen");
    std::printf("fill the height: the mean difference to the closest render tool frame is %.2f\n", nBest);
    CloseAndExpectZero(process);
}

// ---- The 8-bit palette screen (palette:1600x1200) ---------------------------------------
// The saver window runs in this process, since on that screen only the
// window's own device context shows what the saver drew (see the README).
struct PaletteRunRecord {
    int nFrames = 0;
    Picture kept;
    UINT nPaletteEntries = 0;
    PALETTEENTRY windowPalette[256] = {};
};
PaletteRunRecord PaletteRun;
constexpr int kPaletteKeptFrame = 20;  // in the first scene, whatever the outcome

// Between two frames: keeps the window and its palette after the kept
// frame, then closes it.
LRESULT CALLBACK KeepPaletteFrame(int nCode, WPARAM wParam, LPARAM lParam) {
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg->message == WM_TIMER &&
        pMsg->wParam == UINT_PTR(kFrameTimerId) && ShowReady() && !SaverWindow.bStartupDelay) {
        if (PaletteRun.nFrames == kPaletteKeptFrame) {
            PaletteRun.kept = CaptureWindow(pMsg->hwnd);
            HDC hWindowDC = GetDC(pMsg->hwnd);
            PaletteRun.nPaletteEntries = GetPaletteEntries(
                static_cast<HPALETTE>(GetCurrentObject(hWindowDC, OBJ_PAL)), 0, 256, PaletteRun.windowPalette);
            ReleaseDC(pMsg->hwnd, hWindowDC);
            PostMessageA(pMsg->hwnd, WM_CLOSE, 0, 0);
        }
        ++PaletteRun.nFrames;
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

TEST(ScreenPalette, At1600x1200TheStageIsDrawnTwiceItsSizeThroughTheRealisedPalette) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1600);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 1200);
    HDC hScreen = GetDC(nullptr);
    const bool bPalette = (GetDeviceCaps(hScreen, RASTERCAPS) & RC_PALETTE) != 0;
    ReleaseDC(nullptr, hScreen);
    ASSERT_TRUE(bPalette) << "the bed made no palette screen";

    WriteProfileStringA("Harborgast", nullptr, nullptr);
    ASSERT_TRUE(WriteProfileStringA("Harborgast", "nSpeedSave", "550"));  // the shortest period
    Shell.hInstance = GetModuleHandleA(nullptr);
    HHOOK hHook = SetWindowsHookExA(WH_GETMESSAGE, KeepPaletteFrame, nullptr, GetCurrentThreadId());
    ASSERT_NE(hHook, nullptr);
    EXPECT_EQ(RunSaverWindow(nullptr), 0);
    UnhookWindowsHookEx(hHook);
    WriteProfileStringA("Harborgast", nullptr, nullptr);

    ASSERT_GT(PaletteRun.nFrames, kPaletteKeptFrame) << "the show never reached its kept frame";
    ASSERT_EQ(PaletteRun.nPaletteEntries, 256u);
    const Picture expected =
        ThroughWindowPalette(LoadFrame(FramesDir("1600x1200"), kPaletteKeptFrame), PaletteRun.windowPalette);
    EXPECT_TRUE(PaletteRun.kept == expected)
        << CountDifferences(PaletteRun.kept, expected) << " pixels differ; the window "
        << KeepForInspection(PaletteRun.kept, "palette-seen") << ", expected "
        << KeepForInspection(expected, "palette-expected");
}

// ---- A resolution changed while the saver runs (resize:1024x768) ----------------------
TEST_F(ScreenTest, ScreenChangeResolutionChangedWhileRunningIsFollowed) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    const std::map<uint64_t, int> before =
        LoadFrames(HARBORGAST_REFERENCE_FRAMES, 1024, 768, HARBORGAST_REFERENCE_FRAME_COUNT);
    const std::map<uint64_t, int> after = LoadFrames(FramesDir("1600x1200"), 1600, 1200, HARBORGAST_REFERENCE_FRAME_COUNT);
    SaverProcess process(SaverPath(), SaverLine("/s"));
    ASSERT_NE(process.WaitForWindow(nullptr), nullptr);
    ExpectShowFrames(process, {0, 0, 1024, 768}, before, "change-before");

    // Another program sets 1600x1200: the saver covers it and draws the
    // stage twice as large, centred, and plays on.
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = 1600;
    mode.dmPelsHeight = 1200;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    ASSERT_EQ(ChangeDisplaySettingsExA(nullptr, &mode, nullptr, 0, nullptr), DISP_CHANGE_SUCCESSFUL);
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1600);
    ExpectShowFrames(process, {0, 0, 1600, 1200}, after, "change-after");
    EXPECT_FALSE(process.HasEnded());
    CloseAndExpectZero(process);
}

}  // namespace
