// harborgast: the show on Linux. A window of its own, every monitor, or a
// window that xscreensaver (or any program) names; the saver window's logic
// runs through the portable driver, on the SDL clock.

#include <X11/Xlib.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "config/configure_form.h"
#include "config/settings.h"
#include "host/asset_files.h"
#include "host/linux/linux_host.h"
#include "host/linux/options.h"
#include "host/memory_window.h"
#include "host/posix/temp_dir.h"
#include "shell/dismissal.h"
#include "shell/driver.h"
#include "shell/saver_window.h"
#include "show/show.h"

#ifndef HARBORGAST_ASSET_DIR
#define HARBORGAST_ASSET_DIR "assets"
#endif

namespace {

constexpr int kDefaultWidth = 800, kDefaultHeight = 600;
const char* const kSoundFonts[] = {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2"};

// Set by the X error handler when the window we draw into has gone.
volatile bool gWindowGone = false;
bool gXErrorSeen = false;

int OnXError(Display*, XErrorEvent* pError) {
    gXErrorSeen = true;
    if (pError->error_code == BadWindow || pError->error_code == BadDrawable) gWindowGone = true;
    return 0;
}

// The generated assets: --assets, else installed beside the program, else
// the build's own.
std::string FindAssets(const std::string& szGiven) {
    if (!szGiven.empty()) return szGiven;
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::canonical("/proc/self/exe", ec);
    if (!ec) {
        for (const char* szUp : {"../../share/harborgast", "../share/harborgast"}) {
            const std::filesystem::path dir = exe.parent_path() / szUp;
            if (std::filesystem::is_directory(dir, ec)) return dir.string();
        }
    }
    return HARBORGAST_ASSET_DIR;
}

// The options' settings joined to the remembered ones, limited as the
// configure dialog limits them, and remembered. A file not yet written gets
// every setting, so there is one to edit.
void ApplySettings(const PlayerOptions& options) {
    const bool bExists = access(LinuxHost.szSettingsPath.c_str(), F_OK) == 0;
    bool bGiven = false;
    for (bool b : options.bHasSetting) bGiven = bGiven || b;
    if (bExists && !bGiven) return;
    LoadConfigureForm();
    int* pFormValue[kSettingCount] = {};
    pFormValue[kSettingSpeed] = &ConfigureForm.nSpeed;
    pFormValue[kSettingKraken] = &ConfigureForm.nOutcome;
    pFormValue[kSettingBlood] = &ConfigureForm.nBlood;
    pFormValue[kSettingMusic] = &ConfigureForm.nMusic;
    pFormValue[kSettingSound] = &ConfigureForm.nSoundMode;
    pFormValue[kSettingMonitors] = &ConfigureForm.nMonitors;
    pFormValue[kSettingPictureSize] = &ConfigureForm.nPictureSize;
    for (int i = 0; i < kSettingCount; ++i)
        if (options.bHasSetting[i]) *pFormValue[i] = LimitSetting(SettingId(i), options.nSetting[i]);
    SaveConfigureForm();
}

// The X window to draw into for --root and --window-id; 0 after a message
// when there is none such.
unsigned long ForeignWindow(const PlayerOptions& options) {
    unsigned long nId = options.nWindowId;
    Display* pDisplay = XOpenDisplay(nullptr);
    if (pDisplay == nullptr) return 0;
    if (options.nMode == kModeRoot) {
        const char* szNamed = std::getenv("XSCREENSAVER_WINDOW");
        if (szNamed != nullptr && *szNamed != '\0') {
            if (!ParseWindowId(szNamed, nId)) {
                std::fprintf(stderr, "harborgast: bad window id in XSCREENSAVER_WINDOW: %s\n", szNamed);
                XCloseDisplay(pDisplay);
                return 0;
            }
        } else {
            nId = DefaultRootWindow(pDisplay);
        }
    }
    XErrorHandler pOld = XSetErrorHandler(OnXError);
    gXErrorSeen = false;
    XWindowAttributes attributes;
    const bool bExists = XGetWindowAttributes(pDisplay, nId, &attributes) != 0 && !gXErrorSeen;
    XSync(pDisplay, False);
    XSetErrorHandler(pOld);
    XCloseDisplay(pDisplay);
    if (!bExists) {
        std::fprintf(stderr, "harborgast: bad window id: no window 0x%lx on the display\n", nId);
        return 0;
    }
    gWindowGone = false;
    return nId;
}

// Every monitor: the union of the displays' bounds.
SDL_Rect AllMonitors() {
    SDL_Rect all = {0, 0, 0, 0};
    const int nDisplays = SDL_GetNumVideoDisplays();
    for (int i = 0; i < nDisplays; ++i) {
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(i, &bounds) != 0) continue;
        if (all.w == 0) {
            all = bounds;
        } else {
            SDL_UnionRect(&all, &bounds, &all);
        }
    }
    if (all.w == 0) all = {0, 0, kDefaultWidth, kDefaultHeight};
    return all;
}

// The player as the driver's host: waits on SDL's events until a tick is
// due, handles input and the window's changes, and polls the music.
class Player final : public DriverHost {
public:
    explicit Player(const PlayerOptions& options) : options(options) {
        int x = 0, y = 0;
        SDL_GetGlobalMouseState(&x, &y);
        mouseReference = {x, y};
    }

    bool WaitUntil(uint32_t nDue) override {
        while (true) {
            if (bQuit || gWindowGone) return false;
            PollMusic();
            if (Driver.nPendingNotifies > 0) return true;
            const int32_t nLeft = int32_t(nDue - SDL_GetTicks());
            if (nLeft <= 0) return true;
            SDL_Event event;
            // Tunes end between events: look at them every tenth of a second.
            if (SDL_WaitEventTimeout(&event, nLeft < 100 ? nLeft : 100)) {
                Handle(event);
                while (!bQuit && SDL_PollEvent(&event)) Handle(event);
            }
        }
    }

    bool FrameDone(const DriverFrame& frame) override {
        // Ticks during the start-up delay step nothing.
        if (options.bTrace && !Show.bPreviewShow && !SaverWindow.bStartupDelay) {
            std::printf("frame=%d scene=%d sceneframe=%d\n", frame.nFrame, frame.nSceneRan, frame.nSceneFrame);
            std::fflush(stdout);
        }
        // A loop that runs late never waits: the events are taken here too.
        SDL_Event event;
        while (!bQuit && SDL_PollEvent(&event)) Handle(event);
        return !bQuit && !gWindowGone;
    }

private:
    void Handle(const SDL_Event& event) {
        const bool bFullScreen = options.nMode == kModeFullScreen;
        switch (event.type) {
            case SDL_QUIT:
                bQuit = true;
                break;
            case SDL_WINDOWEVENT:
                if (event.window.event == SDL_WINDOWEVENT_CLOSE) bQuit = true;
                if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) Resize(false);
                if (event.window.event == SDL_WINDOWEVENT_EXPOSED) Repaint();
                if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) bHadFocus = true;
                if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST && bFullScreen && bHadFocus) bQuit = true;
                break;
            case SDL_DISPLAYEVENT:
                // A monitor came or went: cover the new set and place the
                // stage on each again.
                if (bFullScreen) {
                    const SDL_Rect all = AllMonitors();
                    SDL_SetWindowPosition(LinuxHost.pWindow, all.x, all.y);
                    SDL_SetWindowSize(LinuxHost.pWindow, all.w, all.h);
                    Resize(true);
                }
                break;
            case SDL_KEYDOWN:
                if (bFullScreen || (options.nMode == kModeWindow && event.key.keysym.sym == SDLK_ESCAPE))
                    bQuit = true;
                break;
            case SDL_MOUSEBUTTONDOWN:
                if (bFullScreen) bQuit = true;
                break;
            case SDL_MOUSEMOTION:
                if (bFullScreen) {
                    int x = 0, y = 0;
                    SDL_GetGlobalMouseState(&x, &y);
                    if (MovedBeyondThreshold(mouseReference, {x, y})) bQuit = true;
                }
                break;
        }
    }

    // bOutputsMoved: the displays changed even if the window's size did not.
    void Resize(bool bOutputsMoved) {
        if (!AttachWindowSurface() && !bOutputsMoved) return;
        // The stage is placed anew and shown again at once: the last frame
        // (or the title while it shows), not black until the next scene.
        OnSaverDisplayChange(LinuxWindow(), MemoryWindow.window.nWidth, MemoryWindow.window.nHeight);
        if (options.bTrace) {
            std::printf("size=%dx%d\n", MemoryWindow.window.nWidth, MemoryWindow.window.nHeight);
            std::fflush(stdout);
        }
        Repaint();
    }

    void Repaint() {
        if (Show.bPreviewShow) OnPreviewPaint(LinuxWindow());
        PresentWindow(true);
    }

    const PlayerOptions& options;
    ScreenPoint mouseReference;
    bool bQuit = false;
    bool bHadFocus = false;
};

}  // namespace

int main(int argc, char** argv) {
    PlayerOptions options;
    std::string szError;
    if (!ParsePlayerOptions(argc, argv, options, szError)) {
        std::fprintf(stderr, "%s (harborgast --help lists the options)\n", szError.c_str());
        return 2;
    }
    if (options.bHelp) {
        PrintPlayerUsage();
        return 0;
    }
    const char* szDisplay = std::getenv("DISPLAY");
    if (szDisplay == nullptr || *szDisplay == '\0') {
        std::fprintf(stderr, "harborgast: no X display (DISPLAY is not set)\n");
        return 1;
    }
    unsigned long nForeign = 0;
    if (options.nMode == kModeRoot || options.nMode == kModeWindowId) {
        nForeign = ForeignWindow(options);
        if (nForeign == 0) return 2;
    }

    LoadSettingsFile(DefaultSettingsPath());
    ApplySettings(options);
    SetAssetDirectory(FindAssets(options.szAssetDir));
    LinuxHost.szTempDir = MakeTempDir("harborgast");
    if (LinuxHost.szTempDir.empty()) std::fprintf(stderr, "harborgast: no temporary directory; no music\n");

    // The window surface straight through X (shared memory images), not
    // through a GL renderer: quicker to start and cheaper per frame.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "harborgast: cannot open the display %s: %s\n", szDisplay, SDL_GetError());
        return 1;
    }
    switch (options.nMode) {
        case kModeWindow:
            LinuxHost.pWindow = SDL_CreateWindow("Harborgast", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                                 kDefaultWidth, kDefaultHeight, SDL_WINDOW_RESIZABLE);
            break;
        case kModeFullScreen: {
            const SDL_Rect all = AllMonitors();
            LinuxHost.pWindow = SDL_CreateWindow("Harborgast", all.x, all.y, all.w, all.h,
                                                 SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP |
                                                     SDL_WINDOW_SKIP_TASKBAR);
            LinuxHost.bFullScreen = true;
            SDL_ShowCursor(SDL_DISABLE);
            if (LinuxHost.pWindow != nullptr) SDL_RaiseWindow(LinuxHost.pWindow);
            break;
        }
        case kModeRoot:
        case kModeWindowId:
            LinuxHost.pWindow = SDL_CreateWindowFrom(reinterpret_cast<void*>(uintptr_t(nForeign)));
            LinuxHost.bForeignWindow = true;
            // From here a window that goes away ends the show, not the process.
            XSetErrorHandler(OnXError);
            break;
    }
    if (LinuxHost.pWindow == nullptr) {
        std::fprintf(stderr, "harborgast: cannot make the window: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }

    const char* szSoundFont = nullptr;
    for (const char* sz : kSoundFonts)
        if (szSoundFont == nullptr && access(sz, R_OK) == 0) szSoundFont = sz;
    bool bAudio = false;
    {
        QuietStderr quiet;
        bAudio = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    if (!bAudio) {
        SaySilent(std::string("no audio output (") + SDL_GetError() + "); the show runs silent");
    } else if (SoundModeOf(ReadSetting(kSettingSound)) != kSoundOff && ReadSetting(kSettingMusic) != 0) {
        // Only a show with music loads the soundfont.
        if (szSoundFont == nullptr)
            SaySilent("no General MIDI soundfont (Debian: fluid-soundfont-gm); the tunes are silent");
        else
            StartMusicSynth(szSoundFont);
    }

    int nWidth = 0, nHeight = 0;
    SDL_GetWindowSize(LinuxHost.pWindow, &nWidth, &nHeight);
    AttachWindowSurface();
    DriverOpen(LinuxWindow(), nWidth, nHeight, kDriverStartupDelay);
    Player player(options);
    DriverRun(player);
    const bool bStartupFailed = Driver.bQuitRequested;
    DriverClose();

    CloseMusicSynth();
    ReleaseAssetFiles();
    if (!LinuxHost.szTempDir.empty()) RemoveTempDir(LinuxHost.szTempDir);
    SDL_DestroyWindow(LinuxHost.pWindow);
    SDL_Quit();
    return bStartupFailed ? 1 : 0;
}
