// What the tests of the running saver look at: waits that handle this
// thread's messages, files byte for byte, the saver's own resources, the
// tune files in a temporary directory, and what the screen shows.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "audio/music.h"
#include "bed_support.h"
#include "catalogue.h"
#include "picture_support.h"
#include "tune_files.h"

constexpr DWORD kLongWaitMs = 60000;

// Polls bCondition until it holds, at most nTimeoutMs; messages sent or
// posted to this thread (a preview's host lives here) are handled meanwhile.
inline bool WaitUntil(const std::function<bool()>& bCondition, DWORD nTimeoutMs = kLongWaitMs) {
    const DWORD nStart = GetTickCount();
    while (!bCondition()) {
        if (GetTickCount() - nStart > nTimeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    return true;
}

// The whole file, read while others may write or delete it; empty when it
// cannot be opened.
inline std::string FileBytes(const std::string& szPath) {
    std::string bytes;
    HANDLE hFile = CreateFileA(szPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD nRead = 0;
    while (ReadFile(hFile, buffer, sizeof buffer, &nRead, nullptr) && nRead > 0) bytes.append(buffer, nRead);
    CloseHandle(hFile);
    return bytes;
}

// ---- The saver's own resources, read as data --------------------------------
class SaverModule {
public:
    SaverModule() : m_hModule(LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~SaverModule() {
        if (m_hModule != nullptr) FreeLibrary(m_hModule);
    }
    SaverModule(const SaverModule&) = delete;
    SaverModule& operator=(const SaverModule&) = delete;

    HMODULE Handle() const { return m_hModule; }
    std::string Tune(int nResourceId) const {
        HRSRC hInfo = FindResourceA(m_hModule, MAKEINTRESOURCEA(nResourceId), "MIDI");
        if (hInfo == nullptr) return {};
        const char* pData = static_cast<const char*>(LockResource(LoadResource(m_hModule, hInfo)));
        return pData != nullptr ? std::string(pData, SizeofResource(m_hModule, hInfo)) : std::string();
    }

private:
    HMODULE m_hModule;
};

// ---- The tune files ----------------------------------------------------------
// Both files hold their tunes byte for byte.
inline bool TunesWhole(const std::string& szDir = TempDir()) {
    const SaverModule saver;
    const std::vector<std::string> paths = TunePaths(szDir);
    return FileBytes(paths[0]) == saver.Tune(kTune1ResourceId) && FileBytes(paths[1]) == saver.Tune(kTune2ResourceId);
}

// What the screen shows in a rectangle; Wine reads it back from the X server.
inline Picture CaptureScreen(const RECT& area) {
    return DrawPicture(area.right - area.left, area.bottom - area.top, [&](HDC hMemory) {
        HDC hScreen = GetDC(nullptr);
        BitBlt(hMemory, 0, 0, area.right - area.left, area.bottom - area.top, hScreen, area.left, area.top,
               SRCCOPY);
        ReleaseDC(nullptr, hScreen);
    });
}

// The window's client area as its own device context holds it.
inline Picture CaptureWindow(HWND hWindow) {
    RECT client = {};
    GetClientRect(hWindow, &client);
    return DrawPicture(client.right, client.bottom, [&](HDC hMemory) {
        HDC hWindowDC = GetDC(hWindow);
        BitBlt(hMemory, 0, 0, client.right, client.bottom, hWindowDC, 0, 0, SRCCOPY);
        ReleaseDC(hWindow, hWindowDC);
    });
}

// A frame as a palette display shows it (windowPalette: the palette
// selected in the window's device context): every colour becomes the nearest
// entry of the window's palette, by the platform's own rule, as the
// saver's remap does it. The picture is then held as this screen holds it:
// Wine keeps a window on an 8-bit screen in a fixed colour table of its
// own, whatever palette is realised, so the mapped picture goes through a
// bitmap compatible with the screen, as the window's drawing does.
inline Picture ThroughWindowPalette(const Picture& frame, const PALETTEENTRY (&windowPalette)[256]) {
    struct {
        WORD palVersion;
        WORD palNumEntries;
        PALETTEENTRY entries[256];
    } palette = {0x300, 256, {}};
    std::copy(windowPalette, windowPalette + 256, palette.entries);
    HPALETTE hPalette = CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette));
    std::vector<uint8_t> indices(frame.pixels.size());
    std::map<uint32_t, uint8_t> nearest;
    for (size_t i = 0; i < indices.size(); ++i) {
        const uint32_t nPixel = frame.pixels[i];
        auto found = nearest.find(nPixel);
        if (found == nearest.end()) {
            const UINT nIndex = GetNearestPaletteIndex(
                hPalette, RGB(BYTE(nPixel >> 16), BYTE(nPixel >> 8), BYTE(nPixel)));
            found = nearest.emplace(nPixel, uint8_t(nIndex)).first;
        }
        indices[i] = found->second;
    }
    DeleteObject(hPalette);

    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info = {};
    info.header = {sizeof info.header, frame.nWidth, -frame.nHeight, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    for (int i = 0; i < 256; ++i) {
        const PALETTEENTRY& entry = windowPalette[i];
        info.colours[i] = {entry.peBlue, entry.peGreen, entry.peRed, 0};
    }
    return DrawPicture(frame.nWidth, frame.nHeight, [&](HDC hMemory) {
        HDC hScreen = GetDC(nullptr);
        HBITMAP hHeld = CreateCompatibleBitmap(hScreen, frame.nWidth, frame.nHeight);
        SetDIBits(hScreen, hHeld, 0, UINT(frame.nHeight), indices.data(), reinterpret_cast<BITMAPINFO*>(&info),
                  DIB_RGB_COLORS);
        HDC hSource = CreateCompatibleDC(hScreen);
        HGDIOBJ hPrevious = SelectObject(hSource, hHeld);
        BitBlt(hMemory, 0, 0, frame.nWidth, frame.nHeight, hSource, 0, 0, SRCCOPY);
        SelectObject(hSource, hPrevious);
        DeleteDC(hSource);
        DeleteObject(hHeld);
        ReleaseDC(nullptr, hScreen);
    });
}

inline RECT ScreenRect() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

// The title picture of the module that holds it, stretched over a window
// of this size as GDI stretches it (StretchBlt, SRCCOPY, the device
// context's default stretch mode), which is what the saver asks of it.
inline Picture StretchedTitle(HMODULE hModule, int nWidth, int nHeight) {
    return DrawPicture(nWidth, nHeight, [&](HDC hMemory) {
        HBITMAP hTitle = LoadBitmapA(hModule, MAKEINTRESOURCEA(kTitlePictureId));
        BITMAP title = {};
        GetObjectA(hTitle, sizeof title, &title);
        HDC hSource = CreateCompatibleDC(hMemory);
        HGDIOBJ hPrevious = SelectObject(hSource, hTitle);
        StretchBlt(hMemory, 0, 0, nWidth, nHeight, hSource, 0, 0, title.bmWidth, title.bmHeight, SRCCOPY);
        SelectObject(hSource, hPrevious);
        DeleteDC(hSource);
        DeleteObject(hTitle);
    });
}

// ---- The preview's host ---------------------------------------------------------
// A stand-in for the display settings: a captioned window whose client
// area is the size of the settings' preview.
class PreviewHost {
public:
    PreviewHost() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        windowClass.lpszClassName = "HarborgastPreviewHost";
        RegisterClassA(&windowClass);
        RECT frame = {0, 0, kClientWidth, kClientHeight};
        AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
        m_hWindow = CreateWindowExA(0, windowClass.lpszClassName, "Display settings",
                                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                                    200, 200, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                    windowClass.hInstance, nullptr);
        SetForegroundWindow(m_hWindow);
        UpdateWindow(m_hWindow);
    }
    ~PreviewHost() { Destroy(); }
    PreviewHost(const PreviewHost&) = delete;
    PreviewHost& operator=(const PreviewHost&) = delete;

    HWND Handle() const { return m_hWindow; }
    RECT ClientOnScreen() const {
        POINT corner = {0, 0};
        ClientToScreen(m_hWindow, &corner);
        RECT client = {};
        GetClientRect(m_hWindow, &client);
        return {corner.x, corner.y, corner.x + client.right, corner.y + client.bottom};
    }
    void Destroy() {
        if (m_hWindow != nullptr) DestroyWindow(m_hWindow);
        m_hWindow = nullptr;
    }

    static constexpr int kClientWidth = 152;
    static constexpr int kClientHeight = 112;

private:
    HWND m_hWindow = nullptr;
};
