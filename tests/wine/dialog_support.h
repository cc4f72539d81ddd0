// Driving another process's dialogs: its controls through their messages,
// the mouse and keyboard as real input, the screen as pixels, and the
// registry settings that a dialog test changes for a while.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "bed_support.h"

inline std::string ItemText(HWND hDialog, int nId) {
    char szText[512] = {};
    GetDlgItemTextA(hDialog, nId, szText, sizeof szText);
    return szText;
}

inline int SliderPosition(HWND hDialog, int nId) {
    return static_cast<int>(SendDlgItemMessageA(hDialog, nId, SBM_GETPOS, 0, 0));
}

// One scroll request from slider nId, as the scroll bar sends it.
inline void Scroll(HWND hDialog, int nId, int nRequest, int nThumb = 0) {
    SendMessageA(hDialog, WM_HSCROLL, MAKEWPARAM(nRequest, nThumb),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDialog, nId)));
}

inline bool IsChecked(HWND hDialog, int nId) { return IsDlgButtonChecked(hDialog, nId) == BST_CHECKED; }

// Clicks a button and returns once the dialog has handled it.
inline void Click(HWND hDialog, int nId) { SendDlgItemMessageA(hDialog, nId, BM_CLICK, 0, 0); }
// Clicks a button whose handling does not return at once (a modal dialog).
inline void ClickLater(HWND hDialog, int nId) { PostMessageA(GetDlgItem(hDialog, nId), BM_CLICK, 0, 0); }

// Esc, as the keyboard gives it to the control that has the focus.
inline void PressEscape(DWORD nThreadId) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetGUIThreadInfo(nThreadId, &info));
    ASSERT_NE(info.hwndFocus, nullptr);
    PostMessageA(info.hwndFocus, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageA(info.hwndFocus, WM_KEYUP, VK_ESCAPE, 0xC0000001);
}

inline POINT CentreOf(HWND hWindow) {
    RECT rc = {};
    GetWindowRect(hWindow, &rc);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

// The real mouse: moves to a screen point, and clicks the left button there.
inline void MoveMouseTo(POINT point) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(point.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(point.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}
inline void ClickMouseAt(POINT point) {
    MoveMouseTo(point);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof inputs[0]);
}

// The point of a window's caption where a click hits the close box.
inline bool FindCloseBox(HWND hWindow, POINT* pPoint) {
    RECT rc = {};
    GetWindowRect(hWindow, &rc);
    for (int y = rc.top; y < rc.top + 40 && y < rc.bottom; y += 2)
        for (int x = rc.right - 1; x > rc.right - 60 && x > rc.left; x -= 2)
            if (SendMessageA(hWindow, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                *pPoint = {x, y};
                return true;
            }
    return false;
}

// Waits until the window is gone (closed, or its process ended).
inline bool WaitUntilGone(HWND hWindow, DWORD nTimeoutMs = 30000) {
    const DWORD nStart = GetTickCount();
    while (IsWindow(hWindow) && IsWindowVisible(hWindow)) {
        if (GetTickCount() - nStart >= nTimeoutMs) return false;
        PumpMessages(20);
    }
    return true;
}

// Waits up to nTimeoutMs for bCondition() to hold.
template <typename Condition>
bool WaitFor(Condition bCondition, DWORD nTimeoutMs = 20000) {
    const DWORD nStart = GetTickCount();
    while (!bCondition()) {
        if (GetTickCount() - nStart >= nTimeoutMs) return false;
        PumpMessages(20);
    }
    return true;
}

// The screen's pixels under a window, as 0xRRGGBB, rows top-down.
struct ScreenShot {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint32_t> pixels;
    int Count(uint32_t nColour) const {
        int n = 0;
        for (uint32_t p : pixels) n += p == nColour;
        return n;
    }
};

inline ScreenShot ShootWindow(HWND hWindow) {
    ScreenShot shot;
    RECT rc = {};
    GetWindowRect(hWindow, &rc);
    shot.nWidth = rc.right - rc.left;
    shot.nHeight = rc.bottom - rc.top;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shot.nWidth;
    info.bmiHeader.biHeight = -shot.nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HDC hScreen = GetDC(nullptr);
    HDC hMemory = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateDIBSection(hScreen, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hBitmap != nullptr) {
        HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
        BitBlt(hMemory, 0, 0, shot.nWidth, shot.nHeight, hScreen, rc.left, rc.top, SRCCOPY);
        GdiFlush();
        const auto* pPixels = static_cast<const uint32_t*>(pBits);
        shot.pixels.assign(pPixels, pPixels + size_t(shot.nWidth) * shot.nHeight);
        for (uint32_t& p : shot.pixels) p &= 0xFFFFFF;
        SelectObject(hMemory, hOld);
        DeleteObject(hBitmap);
    }
    DeleteDC(hMemory);
    ReleaseDC(nullptr, hScreen);
    return shot;
}

// A shot once the window has finished painting: two shots in a row alike
// (or the last one after 5 s, should something in it blink).
inline ScreenShot ShootSettled(HWND hWindow) {
    ScreenShot shot = ShootWindow(hWindow);
    const DWORD nStart = GetTickCount();
    while (GetTickCount() - nStart < 5000) {
        PumpMessages(100);
        ScreenShot next = ShootWindow(hWindow);
        const bool bSettled = next.pixels == shot.pixels;
        shot = std::move(next);
        if (bSettled) break;
    }
    return shot;
}

// Writes a shot as a 24-bit BMP file, for a person to look at.
inline bool SaveShot(const ScreenShot& shot, const std::string& szPath) {
    const int nStride = (shot.nWidth * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = shot.nWidth;
    header.biHeight = -shot.nHeight;
    header.biPlanes = 1;
    header.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + DWORD(nStride) * shot.nHeight;
    std::vector<uint8_t> row(nStride);
    HANDLE hFile = CreateFileA(szPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    DWORD nWritten = 0;
    bool bOk = WriteFile(hFile, &file, sizeof file, &nWritten, nullptr) &&
               WriteFile(hFile, &header, sizeof header, &nWritten, nullptr);
    for (int y = 0; bOk && y < shot.nHeight; ++y) {
        for (int x = 0; x < shot.nWidth; ++x) {
            const uint32_t p = shot.pixels[size_t(y) * shot.nWidth + x];
            row[x * 3] = uint8_t(p);
            row[x * 3 + 1] = uint8_t(p >> 8);
            row[x * 3 + 2] = uint8_t(p >> 16);
        }
        bOk = WriteFile(hFile, row.data(), nStride, &nWritten, nullptr) != FALSE;
    }
    CloseHandle(hFile);
    return bOk;
}
