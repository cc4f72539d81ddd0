// The Linux player's host services: the profile in the settings file, the
// SDL clock, the driver's timers, the generated assets as resources,
// messages on standard error, and the window drawn in memory and copied to
// the SDL window.

#include <cstdio>

#include "config/profile_text.h"
#include "host/asset_files.h"
#include "host/linux/linux_host.h"
#include "host/memory_window.h"
#include "host/memory_window_host.h"
#include "shell/driver.h"

LinuxHostState LinuxHost;

namespace {

struct LinuxWindowTag {} gWindowTag;

}  // namespace

HostWindow LinuxWindow() { return reinterpret_cast<HostWindow>(&gWindowTag); }

int HostGetProfileInt(const char* szSection, const char* szKey, int nDefault) {
    std::string szValue;
    if (!FindIniValue(LinuxHost.settings, szSection, szKey, szValue)) return nDefault;
    return ReadProfileTextAsInt(szValue, nDefault);
}

bool HostWriteProfileString(const char* szSection, const char* szKey, const char* szValue) {
    SetIniValue(LinuxHost.settings, szSection, szKey, szValue);
    return SaveSettingsFile();
}

uint32_t HostGetTickCount() { return SDL_GetTicks(); }

bool HostSetTimer(HostWindow, int nTimerId, uint32_t nPeriodMs) { return DriverSetTimer(nTimerId, nPeriodMs); }
void HostKillTimer(HostWindow, int nTimerId) { DriverKillTimer(nTimerId); }

HostResource HostFindResource(HostResourceType nType, int nId) { return FindAssetFile(nType, nId); }

void HostMessageBox(HostWindow, const char* szText, const char* szCaption, HostIcon) {
    std::string szLine = szText;
    for (char& c : szLine)
        if (c == '\r' || c == '\n') c = ' ';
    std::fprintf(stderr, "harborgast: %s: %s\n", szCaption, szLine.c_str());
}

void HostBeep() {}

void HostRequestQuit(int nExitCode) { DriverRequestQuit(nExitCode); }

uint32_t HostGetTempPath(char* szBuffer, uint32_t nBufferLength) {
    return CopyTempPath(LinuxHost.szTempDir.c_str(), szBuffer, nBufferLength);
}

uint8_t* HostCreateFrameBuffer(HostWindow, const HostDibHeader& header, bool) {
    return MemoryWindowCreateFrameBuffer(header);
}
void HostDeleteFrameBuffer() { MemoryWindowDeleteFrameBuffer(); }

bool HostStretchPicture(HostWindow, int nResourceId, const HostRect& dest) {
    if (!MemoryWindowStretchPicture(nResourceId, dest)) return false;
    PresentWindow(false);
    return true;
}

bool HostBeginFrame(HostWindow) { return MemoryWindowHasFrameBuffer(); }
void HostEndFrame(HostWindow) { PresentWindow(false); }
void HostClearWindow(HostWindow) { MemoryWindowClear(); }
// Full screen: each display's bounds in the window, the main (SDL's first)
// first. Any other window is the one output (the whole client).
int HostGetOutputs(HostWindow, HostRect* pOutputs, int nMax) {
    if (!LinuxHost.bFullScreen || LinuxHost.pWindow == nullptr) return 0;
    int nWindowX = 0, nWindowY = 0;
    SDL_GetWindowPosition(LinuxHost.pWindow, &nWindowX, &nWindowY);
    int nCount = 0;
    const int nDisplays = SDL_GetNumVideoDisplays();
    for (int i = 0; i < nDisplays && nCount < nMax; ++i) {
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(i, &bounds) != 0 || bounds.w <= 0 || bounds.h <= 0) continue;
        pOutputs[nCount++] = {bounds.x - nWindowX, bounds.y - nWindowY, bounds.w, bounds.h};
    }
    return nCount;
}
void HostPresentView(const HostRect& source, const HostRect& dest, bool bSmooth, const HostDrawnRows& drawn) {
    MemoryWindowPresentView(source, dest, bSmooth, drawn);
}
void HostFlush() {}
void HostInvalidateWindow(HostWindow) {}
