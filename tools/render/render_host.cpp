// The host services for the render tool: the window as an image in memory,
// resources from the asset files, the profile and clock the tool sets, and
// sound and music noted down for the trace.

#include "render_host.h"

#include "audio/music.h"
#include "host/asset_files.h"
#include "host/memory_window.h"
#include "host/memory_window_host.h"
#include "shell/driver.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>

RenderHostState RenderHost;

namespace {

struct RenderWindowTag {} gWindowTag;

}  // namespace

HostWindow RenderWindow() { return reinterpret_cast<HostWindow>(&gWindowTag); }

int HostGetProfileInt(const char*, const char* szKey, int nDefault) {
    auto it = RenderHost.profile.find(szKey);
    return it == RenderHost.profile.end() ? nDefault : it->second;
}

bool HostWriteProfileString(const char*, const char* szKey, const char* szValue) {
    RenderHost.profile[szKey] = std::atoi(szValue);
    return true;
}

uint32_t HostGetTickCount() { return RenderHost.nTickCount; }

bool HostSetTimer(HostWindow, int nTimerId, uint32_t nPeriodMs) { return DriverSetTimer(nTimerId, nPeriodMs); }
void HostKillTimer(HostWindow, int nTimerId) { DriverKillTimer(nTimerId); }

HostResource HostFindResource(HostResourceType nType, int nId) { return FindAssetFile(nType, nId); }

void HostMessageBox(HostWindow, const char* szText, const char* szCaption, HostIcon) {
    std::fprintf(stderr, "%s: %s\n", szCaption, szText);
}

void HostBeep() {}

void HostRequestQuit(int nExitCode) { DriverRequestQuit(nExitCode); }

uint32_t HostGetTempPath(char* szBuffer, uint32_t nBufferLength) {
    return CopyTempPath(RenderHost.szTempDir.c_str(), szBuffer, nBufferLength);
}

uint8_t* HostCreateFrameBuffer(HostWindow, const HostDibHeader& header, bool) {
    return MemoryWindowCreateFrameBuffer(header);
}
void HostDeleteFrameBuffer() { MemoryWindowDeleteFrameBuffer(); }

bool HostStretchPicture(HostWindow, int nResourceId, const HostRect& dest) {
    return MemoryWindowStretchPicture(nResourceId, dest);
}

int HostGetOutputs(HostWindow, HostRect* pOutputs, int nMax) {
    const int nCount = std::min(nMax, static_cast<int>(RenderHost.outputs.size()));
    std::copy(RenderHost.outputs.begin(), RenderHost.outputs.begin() + nCount, pOutputs);
    return nCount;
}

bool HostBeginFrame(HostWindow) { return MemoryWindowHasFrameBuffer(); }
void HostEndFrame(HostWindow) {}
void HostClearWindow(HostWindow) { MemoryWindowClear(); }
void HostPresentView(const HostRect& source, const HostRect& dest, bool bSmooth, const HostDrawnRows& drawn) {
    MemoryWindowPresentView(source, dest, bSmooth, drawn);
}

void HostFlush() {}
void HostInvalidateWindow(HostWindow) {}

void HostPlayWave(int nResourceId) { RenderHost.wavesPlayed.push_back(nResourceId); }
void HostReleaseSound() {}

uint32_t HostSequencerOpen(const char* szPath, uint32_t* pnDevice) {
    std::ifstream file(szPath, std::ios::binary);
    if (!file) return 275;  // the sequencer's "file not found"
    *pnDevice = RenderHost.nNextDevice++;
    RenderHost.musicEvents.push_back(!std::strcmp(szPath, Music.szTune2Path) ? "open2" : "open1");
    return 0;
}

uint32_t HostSequencerStatusPort(uint32_t) { return 0; }

uint32_t HostSequencerPlay(uint32_t nDevice, HostWindow hNotify) {
    if (hNotify) RenderHost.devicesPlayingWithNotify[nDevice] = true;
    return 0;
}

uint32_t HostSequencerSeekToStart(uint32_t) { return 0; }

// A stop cuts the play short, which reports to the window, and reports its
// own completion too.
uint32_t HostSequencerStop(uint32_t nDevice, HostWindow hNotify) {
    RenderHost.musicEvents.push_back("stop");
    auto it = RenderHost.devicesPlayingWithNotify.find(nDevice);
    if (it != RenderHost.devicesPlayingWithNotify.end() && it->second) {
        it->second = false;
        DriverQueueMusicNotify();
    }
    if (hNotify) DriverQueueMusicNotify();
    return 0;
}

uint32_t HostSequencerClose(uint32_t nDevice) {
    RenderHost.musicEvents.push_back("close");
    RenderHost.devicesPlayingWithNotify.erase(nDevice);
    return 0;
}
