// The host seam on Win32, drawing: the monitors, the display's colour
// capabilities, the show palette, the frame buffer (a DIB section) and its
// presentation to each monitor, the stretched title picture, all through GDI.

#include <windows.h>

#include <algorithm>

#include "host/host.h"
#include "host/host_win32.h"

namespace {

struct GdiHostState {
    HBITMAP hFrameBuffer;
    HPALETTE hShowPalette;
    HWND hPaletteWindow;  // where the show palette is selected
    bool bPaletteIndices;  // the frame buffer holds indices into the show palette
    // Holds the frame buffer from the first frame until the frame buffer is
    // deleted: under Wine, making and deleting it on every frame cost more
    // than all of the frame's drawing.
    HDC hMemoryDC;
    HGDIOBJ hSavedObject;
    // Held for one frame step only.
    HWND hFrameWindow;
    HDC hWindowDC;
};
GdiHostState Gdi;

void SelectShowPalette(HDC hDC) {
    if (Gdi.hShowPalette == nullptr) return;
    SelectPalette(hDC, Gdi.hShowPalette, FALSE);
    RealizePalette(hDC);
}

}  // namespace

int HostGetOutputs(HostWindow hWindow, HostRect* pOutputs, int nMax) {
    struct Search {
        HostRect* pOutputs;
        int nMax;
        int nCount;
        POINT origin;  // the client area's top-left corner on the screen
    } search = {pOutputs, nMax, 0, {0, 0}};
    if (nMax <= 0 || !ClientToScreen(WindowOf(hWindow), &search.origin)) return 0;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam) -> BOOL {
            Search& s = *reinterpret_cast<Search*>(lParam);
            MONITORINFO info = {};
            info.cbSize = sizeof info;
            if (!GetMonitorInfoA(hMonitor, &info)) return TRUE;
            const RECT& r = info.rcMonitor;
            const HostRect output = {r.left - s.origin.x, r.top - s.origin.y, r.right - r.left, r.bottom - r.top};
            // The main monitor first, the others in the system's order.
            const bool bMain = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
            if (s.nCount == s.nMax && !bMain) return TRUE;
            HostRect* pAt = bMain ? s.pOutputs : s.pOutputs + s.nCount;
            for (HostRect* p = s.pOutputs + std::min(s.nCount, s.nMax - 1); bMain && p > s.pOutputs; --p) p[0] = p[-1];
            *pAt = output;
            s.nCount = std::min(s.nCount + 1, s.nMax);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.nCount;
}

HostDisplayCaps HostQueryDisplay(HostWindow hWindow) {
    HostDisplayCaps caps = {false, 0, 0};
    HDC hDC = GetDC(WindowOf(hWindow));
    if (hDC == nullptr) return caps;
    caps.bHasPalette = (GetDeviceCaps(hDC, RASTERCAPS) & RC_PALETTE) != 0;
    caps.nNumColors = GetDeviceCaps(hDC, NUMCOLORS);
    caps.nSizePalette = GetDeviceCaps(hDC, SIZEPALETTE);
    ReleaseDC(WindowOf(hWindow), hDC);
    return caps;
}

bool HostCreateShowPalette(const uint32_t (&nColours)[256]) {
    struct {
        WORD palVersion;
        WORD palNumEntries;
        PALETTEENTRY entries[256];
    } palette = {0x300, 256, {}};
    for (int i = 0; i < 256; ++i) {
        palette.entries[i] = {BYTE(nColours[i] >> 16), BYTE(nColours[i] >> 8), BYTE(nColours[i]), 0};
    }
    HostDeleteShowPalette();
    Gdi.hShowPalette = CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette));
    return Gdi.hShowPalette != nullptr;
}

void HostAdoptSystemPalette(HostWindow hWindow, const uint8_t* pFlags, int nEntries) {
    HWND hWnd = WindowOf(hWindow);
    HDC hDC = GetDC(hWnd);
    if (hDC == nullptr || Gdi.hShowPalette == nullptr || nEntries <= 0) {
        if (hDC != nullptr) ReleaseDC(hWnd, hDC);
        return;
    }
    // Switching to no static colours and straight back makes the system
    // palette take the show's colours in its free entries.
    SetSystemPaletteUse(hDC, SYSPAL_NOSTATIC);
    SetSystemPaletteUse(hDC, SYSPAL_STATIC);
    HPALETTE hPrevious = SelectPalette(hDC, Gdi.hShowPalette, FALSE);
    RealizePalette(hDC);
    SelectPalette(hDC, hPrevious, FALSE);
    PALETTEENTRY entries[256] = {};
    GetSystemPaletteEntries(hDC, 0, UINT(nEntries), entries);
    for (int i = 0; i < nEntries; ++i) entries[i].peFlags = pFlags[i];
    ResizePalette(Gdi.hShowPalette, UINT(nEntries));
    SetPaletteEntries(Gdi.hShowPalette, 0, UINT(nEntries), entries);
    ReleaseDC(hWnd, hDC);
}

int HostNearestPaletteIndex(uint32_t nColour) {
    const UINT nIndex = GetNearestPaletteIndex(
        Gdi.hShowPalette, RGB(BYTE(nColour >> 16), BYTE(nColour >> 8), BYTE(nColour)));
    return nIndex == CLR_INVALID ? 0 : int(nIndex);
}

void HostDeleteShowPalette() {
    if (Gdi.hShowPalette == nullptr) return;
    // A palette still selected into the window cannot be deleted.
    if (Gdi.hPaletteWindow != nullptr) {
        HDC hDC = GetDC(Gdi.hPaletteWindow);
        if (hDC != nullptr) {
            SelectPalette(hDC, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
            ReleaseDC(Gdi.hPaletteWindow, hDC);
        }
        Gdi.hPaletteWindow = nullptr;
    }
    DeleteObject(Gdi.hShowPalette);
    Gdi.hShowPalette = nullptr;
}

uint8_t* HostCreateFrameBuffer(HostWindow hWindow, const HostDibHeader& header, bool bPaletteIndices) {
    HostDeleteFrameBuffer();
    HWND hWnd = WindowOf(hWindow);
    HDC hDC = GetDC(hWnd);
    if (hDC == nullptr) return nullptr;
    if (bPaletteIndices && Gdi.hShowPalette != nullptr) {
        // Stays selected: the saver window keeps its own device context.
        SelectShowPalette(hDC);
        Gdi.hPaletteWindow = hWnd;
    }
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(hDC, reinterpret_cast<const BITMAPINFO*>(&header),
                                       bPaletteIndices ? DIB_PAL_COLORS : DIB_RGB_COLORS, &pBits, nullptr, 0);
    ReleaseDC(hWnd, hDC);
    if (hBitmap == nullptr || pBits == nullptr) {
        if (hBitmap != nullptr) DeleteObject(hBitmap);
        return nullptr;
    }
    Gdi.hFrameBuffer = hBitmap;
    Gdi.bPaletteIndices = bPaletteIndices;
    return static_cast<uint8_t*>(pBits);
}

void HostDeleteFrameBuffer() {
    if (Gdi.hFrameBuffer == nullptr) return;
    if (Gdi.hMemoryDC != nullptr) {
        SelectObject(Gdi.hMemoryDC, Gdi.hSavedObject);
        DeleteDC(Gdi.hMemoryDC);
        Gdi.hMemoryDC = nullptr;
        Gdi.hSavedObject = nullptr;
    }
    DeleteObject(Gdi.hFrameBuffer);
    Gdi.hFrameBuffer = nullptr;
}

bool HostStretchPicture(HostWindow hWindow, int nResourceId, const HostRect& dest) {
    HWND hWnd = WindowOf(hWindow);
    HDC hDC = GetDC(hWnd);
    if (hDC == nullptr) return false;
    HDC hMemoryDC = CreateCompatibleDC(hDC);
    HBITMAP hPicture = LoadBitmapA(SaverModule(), MAKEINTRESOURCEA(nResourceId));
    const bool bShown = hMemoryDC != nullptr && hPicture != nullptr;
    if (bShown) {
        HGDIOBJ hPrevious = SelectObject(hMemoryDC, hPicture);
        BITMAP picture = {};
        GetObjectA(hPicture, sizeof picture, &picture);
        StretchBlt(hDC, dest.nLeft, dest.nTop, dest.nWidth, dest.nHeight, hMemoryDC, 0, 0, picture.bmWidth,
                   picture.bmHeight, SRCCOPY);
        SelectObject(hMemoryDC, hPrevious);
    }
    if (hPicture != nullptr) DeleteObject(hPicture);
    if (hMemoryDC != nullptr) DeleteDC(hMemoryDC);
    ReleaseDC(hWnd, hDC);
    return bShown;
}

bool HostBeginFrame(HostWindow hWindow) {
    HWND hWnd = WindowOf(hWindow);
    HDC hDC = GetDC(hWnd);
    if (hDC == nullptr) return false;
    if (Gdi.hMemoryDC == nullptr) {
        // Made at the first frame, so a failure skips frames as before.
        Gdi.hMemoryDC = CreateCompatibleDC(hDC);
        if (Gdi.hMemoryDC == nullptr) {
            ReleaseDC(hWnd, hDC);
            return false;
        }
        Gdi.hSavedObject = SelectObject(Gdi.hMemoryDC, Gdi.hFrameBuffer);
    }
    // Already selected in the saver's own device context; this keeps any
    // other window class right too.
    SelectShowPalette(hDC);
    Gdi.hFrameWindow = hWnd;
    Gdi.hWindowDC = hDC;
    return true;
}

void HostEndFrame(HostWindow /*hWindow*/) {
    ReleaseDC(Gdi.hFrameWindow, Gdi.hWindowDC);
    Gdi.hFrameWindow = nullptr;
    Gdi.hWindowDC = nullptr;
}

void HostClearWindow(HostWindow hWindow) {
    RECT client;
    GetClientRect(WindowOf(hWindow), &client);
    FillRect(Gdi.hWindowDC, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void HostPresentView(const HostRect& source, const HostRect& dest, bool bSmooth, const HostDrawnRows& /*drawn*/) {
    if (source.nWidth == dest.nWidth && source.nHeight == dest.nHeight) {
        BitBlt(Gdi.hWindowDC, dest.nLeft, dest.nTop, dest.nWidth, dest.nHeight, Gdi.hMemoryDC, source.nLeft,
               source.nTop, SRCCOPY);
        return;
    }
    // Whole factors copy each pixel to a block. Smooth scaling blends, which
    // a palette display cannot show: there the nearest pixel goes through
    // the realised palette like every other frame.
    const bool bHalftone = bSmooth && !Gdi.bPaletteIndices;
    SetStretchBltMode(Gdi.hWindowDC, bHalftone ? HALFTONE : COLORONCOLOR);
    if (bHalftone) SetBrushOrgEx(Gdi.hWindowDC, 0, 0, nullptr);
    StretchBlt(Gdi.hWindowDC, dest.nLeft, dest.nTop, dest.nWidth, dest.nHeight, Gdi.hMemoryDC, source.nLeft,
               source.nTop, source.nWidth, source.nHeight, SRCCOPY);
}

void HostFlush() { GdiFlush(); }

void HostInvalidateWindow(HostWindow hWindow) { InvalidateRect(WindowOf(hWindow), nullptr, FALSE); }
