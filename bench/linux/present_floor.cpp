// The Linux player's floor: the least any SDL2 program does to show the
// show at its default speed. An 800x600 8-bit surface with a palette, one
// row changed per tick so that something is new, converted into the window
// surface centred and presented every frame period, until SIGTERM.
//   present-floor-sdl PERIOD_MS

#include <SDL.h>

#include <cstdlib>

int main(int argc, char** argv) {
    const Uint32 nPeriod = argc > 1 ? Uint32(std::atoi(argv[1])) : 51;
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");  // as the player presents
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return 1;
    SDL_Window* pWindow = SDL_CreateWindow("floor", 0, 0, mode.w, mode.h, SDL_WINDOW_BORDERLESS);
    SDL_Surface* pPicture = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 8, SDL_PIXELFORMAT_INDEX8);
    if (pWindow == nullptr || pPicture == nullptr) return 1;
    SDL_Color colours[256];
    for (int i = 0; i < 256; ++i) colours[i] = {Uint8(i), Uint8(255 - i), Uint8(i * 7), 255};
    SDL_SetPaletteColors(pPicture->format->palette, colours, 0, 256);
    SDL_Rect dest = {(mode.w - 800) / 2, (mode.h - 600) / 2, 800, 600};
    Uint32 nDue = SDL_GetTicks() + nPeriod;
    for (int nTick = 0;; ++nTick) {
        SDL_Event event;
        const Sint32 nLeft = Sint32(nDue - SDL_GetTicks());
        if (SDL_WaitEventTimeout(&event, nLeft > 0 ? nLeft : 0) && event.type == SDL_QUIT) break;
        if (Sint32(nDue - SDL_GetTicks()) > 0) continue;
        nDue += nPeriod;
        Uint8* pRow = static_cast<Uint8*>(pPicture->pixels) + (nTick % 600) * pPicture->pitch;
        for (int x = 0; x < 800; ++x) pRow[x] = Uint8(x + nTick);
        SDL_Surface* pScreen = SDL_GetWindowSurface(pWindow);
        SDL_BlitSurface(pPicture, nullptr, pScreen, &dest);
        SDL_UpdateWindowSurfaceRects(pWindow, &dest, 1);
    }
    SDL_FreeSurface(pPicture);
    SDL_DestroyWindow(pWindow);
    SDL_Quit();
    return 0;
}
