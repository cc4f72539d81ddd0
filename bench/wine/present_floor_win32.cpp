// The floor that the saver's cost under Wine is measured against: a program
// that does nothing but present an 800x600 8-bit picture, centred on a
// full-screen window, at the saver's default frame period: as it is, or
// with a whole factor given on the command line ("3": 2400x1800) stretched
// by StretchDIBits. Any key or mouse button ends it.
#include <windows.h>

#include <cstdint>

#include "config/settings.h"
#include "shell/frame_period.h"

namespace {

constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;
constexpr UINT_PTR kTimerId = 1;

struct FloorState {
    HDC hWindowDC;  // the class's own, kept for the window's life
    HDC hMemoryDC;  // holds the picture, selected once
    int nLeft;
    int nTop;
    int nScale;
    // The picture's header, colours and pixels, for StretchDIBits.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info;
    const void* pBits;
};
FloorState Floor;

// A picture with the show's kind of content: horizontal bands of a 256-colour
// table, so every frame converts real 8-bit pixels to the screen's format.
bool CreatePicture(HDC hWindowDC) {
    auto& info = Floor.info;
    info.header.biSize = sizeof info.header;
    info.header.biWidth = kPictureWidth;
    info.header.biHeight = -kPictureHeight;
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    for (int i = 0; i < 256; ++i) info.colours[i] = {BYTE(i), BYTE(255 - i), BYTE(i * 7), 0};
    void* pBits = nullptr;
    HBITMAP hPicture = CreateDIBSection(hWindowDC, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                        &pBits, nullptr, 0);
    if (hPicture == nullptr || pBits == nullptr) return false;
    uint8_t* pPixels = static_cast<uint8_t*>(pBits);
    for (int y = 0; y < kPictureHeight; ++y)
        for (int x = 0; x < kPictureWidth; ++x) pPixels[y * kPictureWidth + x] = uint8_t((x + y) / 4);
    Floor.pBits = pBits;
    Floor.hMemoryDC = CreateCompatibleDC(hWindowDC);
    if (Floor.hMemoryDC == nullptr) return false;
    SelectObject(Floor.hMemoryDC, hPicture);
    return true;
}

LRESULT CALLBACK FloorWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
    switch (nMessage) {
        case WM_TIMER:
            if (Floor.nScale == 1)
                BitBlt(Floor.hWindowDC, Floor.nLeft, Floor.nTop, kPictureWidth, kPictureHeight, Floor.hMemoryDC, 0,
                       0, SRCCOPY);
            else
                StretchDIBits(Floor.hWindowDC, Floor.nLeft, Floor.nTop, kPictureWidth * Floor.nScale,
                              kPictureHeight * Floor.nScale, 0, 0, kPictureWidth, kPictureHeight, Floor.pBits,
                              reinterpret_cast<const BITMAPINFO*>(&Floor.info), DIB_RGB_COLORS, SRCCOPY);
            return 0;
        case WM_KEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            DestroyWindow(hWnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR szArgs, int) {
    Floor.nScale = szArgs != nullptr && *szArgs >= '1' && *szArgs <= '9' ? *szArgs - '0' : 1;
    WNDCLASSA windowClass = {};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = FloorWindowProc;
    windowClass.hInstance = hInstance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "HarborgastPresentFloor";
    if (RegisterClassA(&windowClass) == 0) return 1;
    const int nWidth = GetSystemMetrics(SM_CXSCREEN);
    const int nHeight = GetSystemMetrics(SM_CYSCREEN);
    HWND hWnd = CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "Present floor", WS_POPUP | WS_VISIBLE,
                                0, 0, nWidth, nHeight, nullptr, nullptr, hInstance, nullptr);
    if (hWnd == nullptr) return 1;
    Floor.nLeft = (nWidth - kPictureWidth * Floor.nScale) / 2;
    Floor.nTop = (nHeight - kPictureHeight * Floor.nScale) / 2;
    Floor.hWindowDC = GetDC(hWnd);
    if (Floor.hWindowDC == nullptr || !CreatePicture(Floor.hWindowDC)) return 1;
    SetStretchBltMode(Floor.hWindowDC, COLORONCOLOR);
    SetTimer(hWnd, kTimerId, FramePeriodFromSpeed(SettingKeys[kSettingSpeed].nDefault), nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
