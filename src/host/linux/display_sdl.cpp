// Presenting: the window in memory is the SDL window's surface itself when
// the surface holds 0x00RRGGBB words (the frame buffer is coloured straight
// into the screen's image), else a picture of its own copied into the
// surface; either way only the part drawn since the last present is sent.

#include <algorithm>

#include "host/linux/linux_host.h"
#include "host/memory_window.h"

bool AttachWindowSurface() {
    SDL_Surface* pSurface = SDL_GetWindowSurface(LinuxHost.pWindow);
    if (pSurface != nullptr && pSurface->format->format == SDL_PIXELFORMAT_RGB888 && !SDL_MUSTLOCK(pSurface) &&
        pSurface->pitch % 4 == 0) {
        uint32_t* pPixels = static_cast<uint32_t*>(pSurface->pixels);
        if (LinuxHost.bDrawsInSurface && MemoryWindow.pPixels == pPixels && MemoryWindow.window.nWidth == pSurface->w &&
            MemoryWindow.window.nHeight == pSurface->h)
            return false;
        AttachMemoryWindowPixels(pPixels, pSurface->w, pSurface->h, size_t(pSurface->pitch) / 4);
        LinuxHost.bDrawsInSurface = true;
        return true;
    }
    int nWidth = 0, nHeight = 0;
    SDL_GetWindowSize(LinuxHost.pWindow, &nWidth, &nHeight);
    if (!LinuxHost.bDrawsInSurface && MemoryWindow.pPixels != nullptr && MemoryWindow.window.nWidth == nWidth &&
        MemoryWindow.window.nHeight == nHeight)
        return false;
    LinuxHost.bDrawsInSurface = false;
    ResizeMemoryWindow(nWidth, nHeight);
    return true;
}

void PresentWindow(bool bWhole) {
    DirtyRect d = TakeMemoryWindowDirtyRect();
    const RgbImage& image = MemoryWindow.window;
    if (bWhole) d = {0, 0, image.nWidth, image.nHeight};
    if (LinuxHost.pWindow == nullptr || d.nLeft >= d.nRight || d.nTop >= d.nBottom) return;
    const SDL_Rect rect = {d.nLeft, d.nTop, d.nRight - d.nLeft, d.nBottom - d.nTop};
    if (LinuxHost.bDrawsInSurface) {
        SDL_UpdateWindowSurfaceRects(LinuxHost.pWindow, &rect, 1);
        return;
    }
    SDL_Surface* pSurface = SDL_GetWindowSurface(LinuxHost.pWindow);
    if (pSurface == nullptr) return;
    // The surface follows the window; the window in memory may not have yet.
    SDL_Rect shown = rect;
    shown.w = std::min(shown.w, pSurface->w - shown.x);
    shown.h = std::min(shown.h, pSurface->h - shown.y);
    if (shown.w <= 0 || shown.h <= 0) return;
    if (SDL_MUSTLOCK(pSurface)) SDL_LockSurface(pSurface);
    uint8_t* pDest = static_cast<uint8_t*>(pSurface->pixels) + size_t(shown.y) * pSurface->pitch +
                     size_t(shown.x) * pSurface->format->BytesPerPixel;
    SDL_ConvertPixels(shown.w, shown.h, SDL_PIXELFORMAT_RGB888, MemoryWindowRow(shown.y) + shown.x,
                      int(MemoryWindow.nPitch * 4), pSurface->format->format, pDest, pSurface->pitch);
    if (SDL_MUSTLOCK(pSurface)) SDL_UnlockSurface(pSurface);
    SDL_UpdateWindowSurfaceRects(LinuxHost.pWindow, &shown, 1);
}
