// The saver window run inside this program (the real procedures, host and
// show, with the saver's resources linked in) at the shortest frame
// period: a known frame of the window equals the render tool's frame of
// that number (on the 8-bit screen, mapped through the window's palette),
// on each screen the process's live GDI objects, counted between frames,
// do not grow, and shut-down with music on gives back all that start-up
// made.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "config/run_flags.h"
#include "gdi_objects.h"
#include "gfx/frame_buffer.h"
#include "gfx/sprite_store.h"
#include "picture_support.h"
#include "saver_checks.h"
#include "shell/command_line.h"
#include "shell/saver_window.h"
#include "shell/saver_window_win32.h"
#include "shell/shell.h"
#include "show/show.h"

namespace {

// The live objects by kind, as "kind:count" pairs, for the report.
std::string DescribeGdiObjects() {
    int nByType[16] = {};
    for (uintptr_t nIndex = 0; nIndex < 0x10000; ++nIndex) {
        const DWORD nType = GetObjectType(reinterpret_cast<HGDIOBJ>(nIndex));
        if (nType != 0 && nType < 16) ++nByType[nType];
    }
    static const char* const szNames[16] = {"", "pen", "brush", "dc", "metadc", "palette", "font", "bitmap",
                                            "region", "metafile", "memdc", "extpen", "enhmetadc", "enhmetafile",
                                            "colorspace", "?"};
    std::string szText;
    for (int i = 1; i < 16; ++i)
        if (nByType[i] != 0) szText += std::string(" ") + szNames[i] + ":" + std::to_string(nByType[i]);
    return szText;
}

// Makes ten bitmaps, a DC and a pen; returns the count while they live.
// The process's first GDI calls also make objects of Wine's own that stay.
int CountWithTwelveMore() {
    std::vector<HBITMAP> bitmaps;
    for (int i = 0; i < 10; ++i) bitmaps.push_back(CreateBitmap(8, 8, 1, 32, nullptr));
    HDC hMemory = CreateCompatibleDC(nullptr);
    HPEN hPen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    const int nCount = CountGdiObjects();
    for (HBITMAP hBitmap : bitmaps) DeleteObject(hBitmap);
    DeleteDC(hMemory);
    DeleteObject(hPen);
    return nCount;
}

TEST(GdiObjectCountTest, SeesEveryObjectMadeAndDeleted) {
    CountWithTwelveMore();
    const int nBefore = CountGdiObjects();
    EXPECT_EQ(CountWithTwelveMore(), nBefore + 12);
    EXPECT_EQ(CountGdiObjects(), nBefore);
}

// What the watcher saw of one in-process run.
struct RunRecord {
    int nFrames = 0;        // frame ticks that ran a frame
    int nCycleEnd = 0;      // frames when the show first came back to scene 1
    int nPreviousScene = 1;
    int nAfterFirstCycle = -1;  // GDI objects at the end of the first cycle
    std::vector<int> samples;   // every kSampleFrames frames after it
    Picture kept;               // the window after frame kKeptFrame
    // The palette selected in the window's own device context, and the
    // system palette, at the same moment.
    UINT nWindowPaletteEntries = 0;
    PALETTEENTRY windowPalette[256] = {};
    PALETTEENTRY systemPalette[256] = {};
    // What start-up made, seen during the run, for the check that shut-down
    // gave it all back: the frame buffer's pixels, the show palette (null on
    // a screen without palettes) and the device of the tune that played.
    const uint8_t* pFramePixels = nullptr;
    HGDIOBJ hShowPalette = nullptr;
    uint32_t nMusicDevice = 0;
};
RunRecord Record;

constexpr int kFramesToWatch = 2000;
constexpr int kSampleFrames = 250;
constexpr int kKeptFrame = 20;  // in the first scene, whatever the outcome

// Sees each message that the saver's loop takes, before it is dispatched,
// that is between two frames.
LRESULT CALLBACK WatchFrames(int nCode, WPARAM wParam, LPARAM lParam) {
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg->message == WM_TIMER &&
        pMsg->wParam == UINT_PTR(kFrameTimerId) && ShowReady() && !SaverWindow.bStartupDelay) {
        if (Record.nFrames == kKeptFrame) {
            Record.kept = CaptureWindow(pMsg->hwnd);
            HDC hWindowDC = GetDC(pMsg->hwnd);
            Record.nWindowPaletteEntries = GetPaletteEntries(static_cast<HPALETTE>(GetCurrentObject(hWindowDC, OBJ_PAL)),
                                                             0, 256, Record.windowPalette);
            GetSystemPaletteEntries(hWindowDC, 0, 256, Record.systemPalette);
            const HGDIOBJ hPalette = GetCurrentObject(hWindowDC, OBJ_PAL);
            if (hPalette != GetStockObject(DEFAULT_PALETTE)) Record.hShowPalette = hPalette;
            Record.pFramePixels = FrameBuffer.pPixels;
            Record.nMusicDevice = Music.nMusicDevice;
            ReleaseDC(pMsg->hwnd, hWindowDC);
        }
        if (Record.nCycleEnd == 0 && Record.nPreviousScene == 0 && SaverWindow.nScene == 1) {
            Record.nCycleEnd = Record.nFrames;
            Record.nAfterFirstCycle = CountGdiObjects();
        }
        Record.nPreviousScene = SaverWindow.nScene;
        if (Record.nCycleEnd > 0) {
            const int nSince = Record.nFrames - Record.nCycleEnd;
            if (nSince > 0 && nSince % kSampleFrames == 0) Record.samples.push_back(CountGdiObjects());
            if (nSince >= kFramesToWatch) PostMessageA(pMsg->hwnd, WM_CLOSE, 0, 0);
        }
        ++Record.nFrames;
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// The live DIB section whose pixels are at pBits, found the way
// CountGdiObjects walks the objects; null when there is none.
HGDIOBJ FindDibSection(const void* pBits) {
    for (uintptr_t nIndex = 0; nIndex < 0x10000; ++nIndex) {
        const HGDIOBJ hObject = reinterpret_cast<HGDIOBJ>(nIndex);
        DIBSECTION section = {};
        if (GetObjectType(hObject) == OBJ_BITMAP && GetObjectA(hObject, sizeof section, &section) == sizeof section &&
            section.dsBm.bmBits == pBits)
            return hObject;
    }
    return nullptr;
}

// Runs the saver window full screen in this process at the shortest frame
// period until kFramesToWatch frames after its first cycle, then checks
// that they added no GDI objects. One run per process: the show starts
// once per process.
void RunAndCountGdiObjects() {
    WriteProfileStringA("Harborgast", nullptr, nullptr);
    ASSERT_TRUE(WriteProfileStringA("Harborgast", "nSpeedSave", "550"));  // the shortest period, 11 ms
    Shell.hInstance = GetModuleHandleA(nullptr);
    HHOOK hHook = SetWindowsHookExA(WH_GETMESSAGE, WatchFrames, nullptr, GetCurrentThreadId());
    ASSERT_NE(hHook, nullptr);

    const int nBeforeRun = CountGdiObjects();
    const std::string szBeforeRun = DescribeGdiObjects();
    EXPECT_EQ(RunSaverWindow(nullptr), 0);
    const int nAfterRun = CountGdiObjects();
    std::printf("GDI objects before the run:%s; after it:%s\n", szBeforeRun.c_str(), DescribeGdiObjects().c_str());
    UnhookWindowsHookEx(hHook);
    WriteProfileStringA("Harborgast", nullptr, nullptr);

    // The run had music on, as the settings' defaults have it, and a tune
    // playing when the window closed; shut-down still did every duty.
    EXPECT_TRUE(RunFlags.bMusicOn) << "the tune files were not written";
    EXPECT_NE(Record.nMusicDevice, 0u) << "no tune played";
    EXPECT_TRUE(TunesGone()) << "the tune files outlived the run";
    ASSERT_NE(Record.pFramePixels, nullptr);
    EXPECT_EQ(FindDibSection(Record.pFramePixels), nullptr) << "the frame buffer outlived the run";
    EXPECT_EQ(FrameBuffer.pPixels, nullptr);
    if (Record.hShowPalette != nullptr) {
        EXPECT_EQ(GetObjectType(Record.hShowPalette), 0u) << "the palette outlived the run";
    }
    EXPECT_EQ(SpriteStore.nCount, 0) << "the sprites outlived the run";

    ASSERT_GT(Record.nCycleEnd, 0) << "the show never finished its first cycle";
    ASSERT_EQ(Record.samples.size(), size_t(kFramesToWatch / kSampleFrames));
    std::string szSamples;
    int nMost = 0;
    for (int n : Record.samples) {
        szSamples += " " + std::to_string(n);
        nMost = std::max(nMost, n);
    }
    EXPECT_LE(nMost, Record.nAfterFirstCycle) << "after the first cycle (" << Record.nCycleEnd
                                              << " frames): " << Record.nAfterFirstCycle << "; every "
                                              << kSampleFrames << " frames:" << szSamples;
    std::printf("GDI objects: %d before the run, %d after the first cycle (%d frames), every %d frames:%s, "
                "%d after the run\n",
                nBeforeRun, Record.nAfterFirstCycle, Record.nCycleEnd, kSampleFrames, szSamples.c_str(), nAfterRun);
}

Picture ReferenceFrame(int nFrame) {
    EXPECT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    Picture frame = LoadPng(ReferenceFramePath(nFrame));
    CoUninitialize();
    return frame;
}

void ExpectKeptFrame(const Picture& expected) {
    EXPECT_EQ(Record.kept.nWidth, expected.nWidth);
    EXPECT_TRUE(Record.kept == expected) << CountDifferences(Record.kept, expected) << " pixels differ; the window "
                                         << KeepForInspection(Record.kept, "in-process-seen") << ", expected "
                                         << KeepForInspection(expected, "in-process-expected");
}

TEST(SaverInProcessTest, DrawsTheRenderToolsFrameAndKeepsItsGdiObjects) {
    RunAndCountGdiObjects();
    ExpectKeptFrame(ReferenceFrame(kKeptFrame));
}

COLORREF EntryColour(const PALETTEENTRY& entry) { return RGB(entry.peRed, entry.peGreen, entry.peBlue); }

TEST(SaverInProcessOnPaletteDisplay, DrawsTheRenderToolsFrameThroughItsPaletteAndKeepsItsGdiObjects) {
    RunAndCountGdiObjects();
    // Realised in the foreground, the show's palette is the system palette
    // entry for entry: the frame buffer's indices are the screen's own.
    ASSERT_EQ(Record.nWindowPaletteEntries, 256u);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(EntryColour(Record.windowPalette[i]), EntryColour(Record.systemPalette[i])) << "entry " << i;
    ExpectKeptFrame(ThroughWindowPalette(ReferenceFrame(kKeptFrame), Record.windowPalette));
}

// ---- The preview ----------------------------------------------------------------
// The preview made by this program, as the display settings make it with
// "/p HWND", but in the host's own process: under Wine nothing that
// another process draws into a child of the host reaches the screen.
// Its own run of the program, as the show starts once per process.
struct PreviewRecord {
    RECT client;      // the host's client area on the screen
    Picture expected;
    Picture seen;
    DWORD nStart;
};
PreviewRecord Preview;

// Runs in the saver's message loop: once the screen shows the title over
// the host's client area, or after a long wait, the host goes, and with it
// the preview.
void CALLBACK WatchPreview(HWND hHost, UINT /*nMessage*/, UINT_PTR nTimer, DWORD /*nTime*/) {
    Preview.seen = CaptureScreen(Preview.client);
    if (Preview.seen == Preview.expected || GetTickCount() - Preview.nStart > kLongWaitMs) {
        KillTimer(hHost, nTimer);
        DestroyWindow(hHost);
    }
}

TEST(SaverPreviewInProcessTest, TitleFillsTheHostAndTheRunEndsWithIt) {
    Shell.hInstance = GetModuleHandleA(nullptr);
    PreviewHost host;
    ASSERT_NE(host.Handle(), nullptr);
    Preview.client = host.ClientOnScreen();
    Preview.expected = StretchedTitle(GetModuleHandleA(nullptr), PreviewHost::kClientWidth, PreviewHost::kClientHeight);
    Preview.nStart = GetTickCount();
    ASSERT_NE(SetTimer(host.Handle(), 1, 100, WatchPreview), 0u);
    EXPECT_EQ(RunSaverWindow(host.Handle()), 0);
    EXPECT_FALSE(IsWindow(host.Handle()));
    EXPECT_TRUE(Preview.seen == Preview.expected)
        << CountDifferences(Preview.seen, Preview.expected) << " pixels differ; the host's client area "
        << KeepForInspection(Preview.seen, "preview-seen") << ", the stretched title "
        << KeepForInspection(Preview.expected, "preview-expected");
}

}  // namespace
