// The dialogs' pictures at the display's DPI.
#include "config/dialog_pictures_win32.h"

namespace {

constexpr int kBaseDpi = 96;

HBITMAP CreateTrueColourBitmap(int nWidth, int nHeight) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;  // not 32: a 32-bit image would be copied by the control
    void* pBits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
}

// hSource's pixels stretched over the whole of hTarget.
void Stretch(HBITMAP hTarget, HBITMAP hSource, int nMode) {
    BITMAP from = {}, to = {};
    GetObjectA(hSource, sizeof from, &from);
    GetObjectA(hTarget, sizeof to, &to);
    HDC hFrom = CreateCompatibleDC(nullptr);
    HDC hTo = CreateCompatibleDC(nullptr);
    HGDIOBJ hOldFrom = SelectObject(hFrom, hSource);
    HGDIOBJ hOldTo = SelectObject(hTo, hTarget);
    SetStretchBltMode(hTo, nMode);
    SetBrushOrgEx(hTo, 0, 0, nullptr);  // as HALFTONE asks
    StretchBlt(hTo, 0, 0, to.bmWidth, to.bmHeight, hFrom, 0, 0, from.bmWidth, from.bmHeight, SRCCOPY);
    SelectObject(hFrom, hOldFrom);
    SelectObject(hTo, hOldTo);
    DeleteDC(hFrom);
    DeleteDC(hTo);
}

HBITMAP Enlarge(HBITMAP hSource, PictureScale scale) {
    BITMAP source = {};
    if (GetObjectA(hSource, sizeof source, &source) != sizeof source) return nullptr;
    // Each pixel becomes a block of the next whole factor; for a scale
    // between whole ones that is then brought down smoothly, which keeps
    // the edges sharper than smoothing straight from the original.
    const int nWhole = (scale.nNumerator + scale.nDenominator - 1) / scale.nDenominator;
    HBITMAP hBlocks = CreateTrueColourBitmap(source.bmWidth * nWhole, source.bmHeight * nWhole);
    if (hBlocks == nullptr) return nullptr;
    Stretch(hBlocks, hSource, COLORONCOLOR);
    if (scale.IsWhole()) return hBlocks;
    HBITMAP hScaled = CreateTrueColourBitmap(scale.Of(source.bmWidth), scale.Of(source.bmHeight));
    if (hScaled != nullptr) Stretch(hScaled, hBlocks, HALFTONE);
    DeleteObject(hBlocks);
    return hScaled;
}

}  // namespace

int WindowDpi(HWND hWindow) {
    // Looked up, not imported, so that the saver still starts on Windows 7.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto pGetDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (pGetDpiForWindow != nullptr) {
        const UINT nDpi = pGetDpiForWindow(hWindow);
        if (nDpi != 0) return static_cast<int>(nDpi);
    }
    HDC hDC = GetDC(hWindow);
    const int nDpi = hDC != nullptr ? GetDeviceCaps(hDC, LOGPIXELSY) : kBaseDpi;
    if (hDC != nullptr) ReleaseDC(hWindow, hDC);
    return nDpi > 0 ? nDpi : kBaseDpi;
}

ScaledPicture ScaleBitmapControl(HWND hControl, PictureScale scale) {
    ScaledPicture picture;
    if (hControl == nullptr || scale.nNumerator == scale.nDenominator) return picture;
    const auto hOriginal = reinterpret_cast<HBITMAP>(SendMessageA(hControl, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (hOriginal == nullptr) return picture;
    HBITMAP hScaled = Enlarge(hOriginal, scale);
    if (hScaled == nullptr) return picture;  // the original stays
    SendMessageA(hControl, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hScaled));
    return {hControl, hOriginal, hScaled};
}

ScaledPicture SizeIconControl(HWND hControl, HINSTANCE hInstance, const char* szName, int nSize) {
    ScaledPicture picture;
    if (hControl == nullptr) return picture;
    const auto hOriginal = reinterpret_cast<HICON>(SendMessageA(hControl, STM_GETIMAGE, IMAGE_ICON, 0));
    BITMAP mask = {};
    ICONINFO info = {};
    // The control's own icon when it is already of that size.
    if (hOriginal != nullptr && GetIconInfo(hOriginal, &info)) {
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        DeleteObject(info.hbmMask);
        if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
        if (mask.bmWidth == nSize) return picture;
    }
    HANDLE hIcon = LoadImageA(hInstance, szName, IMAGE_ICON, nSize, nSize, LR_DEFAULTCOLOR);
    if (hIcon == nullptr) return picture;
    SendMessageA(hControl, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon));
    return {hControl, hOriginal, hIcon};
}

void PutBackPicture(ScaledPicture& picture) {
    if (picture.hScaled == nullptr) return;
    const LONG nType = GetWindowLongA(picture.hControl, GWL_STYLE) & SS_TYPEMASK;
    const WPARAM nImage = nType == SS_ICON ? IMAGE_ICON : IMAGE_BITMAP;
    SendMessageA(picture.hControl, STM_SETIMAGE, nImage, reinterpret_cast<LPARAM>(picture.hOriginal));
    if (nImage == IMAGE_ICON)
        DestroyIcon(static_cast<HICON>(picture.hScaled));
    else
        DeleteObject(picture.hScaled);
    picture = {};
}
