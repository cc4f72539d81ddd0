// Presenting: the window in memory (0xRRGGBB) copied into the SDL window's
// surface, only the part drawn since the last copy.

#include <algorithm>

#include "host/linux/linux_host.h"
#include "host/memory_window.h"

void PresentWindow(bool bWhole) {
    DirtyRect d = TakeMemoryWindowDirtyRect();
    const RgbImage& image = MemoryWindow.window;
    if (bWhole) d = {0, 0, image.nWidth, image.nHeight};
    if (LinuxHost.pWindow == nullptr || d.nLeft >= d.nRight || d.nTop >= d.nBottom) return;
    SDL_Surface* pSurface = SDL_GetWindowSurface(LinuxHost.pWindow);
    if (pSurface == nullptr) return;
    // The surface follows the window; the window in memory may not have yet.
    d.nRight = std::min(d.nRight, pSurface->w);
    d.nBottom = std::min(d.nBottom, pSurface->h);
    if (d.nLeft >= d.nRight || d.nTop >= d.nBottom) return;
    const SDL_Rect rect = {d.nLeft, d.nTop, d.nRight - d.nLeft, d.nBottom - d.nTop};
    if (SDL_MUSTLOCK(pSurface)) SDL_LockSurface(pSurface);
    const uint32_t* pSource = image.pixels.data() + size_t(d.nTop) * image.nWidth + d.nLeft;
    uint8_t* pDest = static_cast<uint8_t*>(pSurface->pixels) + size_t(d.nTop) * pSurface->pitch +
                     size_t(d.nLeft) * pSurface->format->BytesPerPixel;
    SDL_ConvertPixels(rect.w, rect.h, SDL_PIXELFORMAT_RGB888, pSource, image.nWidth * 4,
                      pSurface->format->format, pDest, pSurface->pitch);
    if (SDL_MUSTLOCK(pSurface)) SDL_UnlockSurface(pSurface);
    SDL_UpdateWindowSurfaceRects(LinuxHost.pWindow, &rect, 1);
}
