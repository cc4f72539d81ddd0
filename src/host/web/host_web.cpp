// The browser host's services. Drawing (in the shared window in memory) and
// resources (the shared asset files) are done in the module; the page does
// only what needs the browser (the canvas, Web Audio, localStorage), through
// the bridge functions declared below.

#include "host_web.h"

#include <cstring>
#include <fstream>
#include <map>
#include <vector>

#include "audio/music.h"
#include "config/profile_text.h"
#include "host/asset_files.h"
#include "host/memory_window.h"
#include "host/memory_window_host.h"
#include "shell/driver.h"

WebHostState WebHost;

// The page's side (web_bridge.js).
extern "C" {
int web_profile_get(const char* szKey, char* szBuffer, int nBufferLength);
int web_profile_set(const char* szKey, const char* szValue);
void web_show_window(const uint32_t* pPixels, int nWidth, int nHeight, int nLeft, int nTop, int nRight,
                     int nBottom);
void web_play_wave(int nId, const uint8_t* pData, size_t nSize);
void web_stop_wave();
void web_tune_play(uint32_t nDevice, int nTune);
void web_tune_seek_to_start(uint32_t nDevice);
void web_tune_stop(uint32_t nDevice);
void web_tune_close(uint32_t nDevice);
void web_message(const char* szText, const char* szCaption, int nIcon);
void web_quit(int nExitCode);
}

namespace {

struct WebWindowTag {} gWindowTag;

constexpr uint32_t kFileNotFound = 275;  // the sequencer's errors
constexpr uint32_t kInvalidDeviceId = 257;

// The sequencer devices: which tune each plays and whether a play with
// notification is running on it.
struct TuneDevice {
    int nTune;
    bool bPlayingWithNotify;
};
std::map<uint32_t, TuneDevice> gDevices;

}  // namespace

HostWindow WebWindow() { return reinterpret_cast<HostWindow>(&gWindowTag); }

void SetWebWindowSize(int nWidth, int nHeight) { ResizeMemoryWindow(nWidth, nHeight); }

// The window in memory holds the canvas's pixels: R, G, B, A bytes (as
// 0xAABBGGRR words). The frame buffer's colours are given in that order, so
// a frame is presented in one pass; a picture the window draws from its own
// colours (the title) is turned once, as it is drawn.
uint32_t CanvasPixel(uint32_t nColour) {
    return 0xff000000u | (nColour & 0xffu) << 16 | (nColour & 0xff00u) | (nColour >> 16 & 0xffu);
}

void TurnWindowToCanvasPixels(const DirtyRect& d) {
    RgbImage& w = MemoryWindow.window;
    for (int y = d.nTop; y < d.nBottom; ++y) {
        uint32_t* p = w.pixels.data() + size_t(y) * w.nWidth;
        for (int x = d.nLeft; x < d.nRight; ++x) p[x] = CanvasPixel(p[x]);
    }
}

void ShowWebWindow() {
    const DirtyRect d = TakeMemoryWindowDirtyRect();
    if (d.nLeft >= d.nRight || d.nTop >= d.nBottom) return;
    const RgbImage& w = MemoryWindow.window;
    web_show_window(w.pixels.data(), w.nWidth, w.nHeight, d.nLeft, d.nTop, d.nRight, d.nBottom);
}

void NoteWebTuneEnded(uint32_t nDevice) {
    auto it = gDevices.find(nDevice);
    if (it == gDevices.end() || !it->second.bPlayingWithNotify) return;
    it->second.bPlayingWithNotify = false;
    DriverQueueMusicNotify();
}

// ---- Profile: localStorage, read as the Windows profile reads its text ----

int HostGetProfileInt(const char*, const char* szKey, int nDefault) {
    char szText[256];
    if (web_profile_get(szKey, szText, sizeof szText) < 0) return nDefault;
    return ReadProfileTextAsInt(szText, nDefault);
}

bool HostWriteProfileString(const char*, const char* szKey, const char* szValue) {
    return web_profile_set(szKey, szValue) != 0;
}

uint32_t HostGetTickCount() { return WebHost.nTickCount; }

// The driver keeps the window's timers.
bool HostSetTimer(HostWindow, int nTimerId, uint32_t nPeriodMs) { return DriverSetTimer(nTimerId, nPeriodMs); }

void HostKillTimer(HostWindow, int nTimerId) { DriverKillTimer(nTimerId); }

// A resource is its packed asset file (the module's /assets folder).
HostResource HostFindResource(HostResourceType nType, int nId) { return FindAssetFile(nType, nId); }

void HostMessageBox(HostWindow, const char* szText, const char* szCaption, HostIcon nIcon) {
    web_message(szText, szCaption, nIcon);
}

void HostBeep() {}

void HostRequestQuit(int nExitCode) {
    DriverRequestQuit(nExitCode);
    web_quit(nExitCode);
}

// The module's file system keeps the tune files in memory.
uint32_t HostGetTempPath(char* szBuffer, uint32_t nBufferLength) {
    return CopyTempPath("/tmp/", szBuffer, nBufferLength);
}

// ---- Display: a true-colour canvas (palette: memory_window_host.cpp) ----

uint8_t* HostCreateFrameBuffer(HostWindow, const HostDibHeader& header, bool) {
    uint8_t* pPixels = MemoryWindowCreateFrameBuffer(header);
    for (uint32_t& nColour : MemoryWindow.bufferColours) nColour = CanvasPixel(nColour);
    return pPixels;
}

void HostDeleteFrameBuffer() { MemoryWindowDeleteFrameBuffer(); }

// The title picture is on the page as soon as it is drawn.
bool HostStretchPicture(HostWindow, int nResourceId, const HostRect& dest) {
    const bool bDrawn = MemoryWindowStretchPicture(nResourceId, dest);
    TurnWindowToCanvasPixels(MemoryWindow.dirty);
    ShowWebWindow();
    return bDrawn;
}

bool HostBeginFrame(HostWindow) { return MemoryWindowHasFrameBuffer(); }

void HostEndFrame(HostWindow) { ShowWebWindow(); }

// Black is 0 in either order; the page's canvas is opaque.
void HostClearWindow(HostWindow) { MemoryWindowClear(); }

// The page scales the stage itself (in CSS): it is the one output here, and
// the whole window, as the page's client size makes it.
int HostGetOutputs(HostWindow, HostRect*, int) { return 0; }

void HostPresentView(const HostRect& source, const HostRect& dest, bool bSmooth, const HostDrawnRows& drawn) {
    MemoryWindowPresentView(source, dest, bSmooth, drawn);
}

void HostFlush() {}
void HostInvalidateWindow(HostWindow) {}

// ---- Sound: one sound at a time, each new one cutting off the last ----

void HostPlayWave(int nResourceId) {
    const HostResource res = HostFindResource(kHostResourceWave, nResourceId);
    if (res.pData == nullptr) return;
    web_play_wave(nResourceId, res.pData, res.nSize);
}

void HostReleaseSound() { web_stop_wave(); }

// ---- Music: the page's decoded tunes stand in for the sequencer ----
// A device is opened on one of the two tune files; the page plays that
// tune's rendering and reports its end, which becomes the notification.

uint32_t HostSequencerOpen(const char* szPath, uint32_t* pnDevice) {
    std::ifstream file(szPath, std::ios::binary);
    if (!file) return kFileNotFound;
    const int nTune = !std::strcmp(szPath, Music.szTune2Path) ? 2 : 1;
    *pnDevice = WebHost.nNextDevice++;
    gDevices[*pnDevice] = {nTune, false};
    return 0;
}

uint32_t HostSequencerStatusPort(uint32_t nDevice) {
    return gDevices.count(nDevice) ? 0 : kInvalidDeviceId;
}

uint32_t HostSequencerPlay(uint32_t nDevice, HostWindow hNotify) {
    auto it = gDevices.find(nDevice);
    if (it == gDevices.end()) return kInvalidDeviceId;
    it->second.bPlayingWithNotify = hNotify != nullptr;
    web_tune_play(nDevice, it->second.nTune);
    return 0;
}

uint32_t HostSequencerSeekToStart(uint32_t nDevice) {
    if (!gDevices.count(nDevice)) return kInvalidDeviceId;
    web_tune_seek_to_start(nDevice);
    return 0;
}

// A stop cuts the play short, which reports to the window, and reports its
// own completion too.
uint32_t HostSequencerStop(uint32_t nDevice, HostWindow hNotify) {
    auto it = gDevices.find(nDevice);
    if (it == gDevices.end()) return kInvalidDeviceId;
    web_tune_stop(nDevice);
    if (it->second.bPlayingWithNotify) DriverQueueMusicNotify();
    it->second.bPlayingWithNotify = false;
    if (hNotify) DriverQueueMusicNotify();
    return 0;
}

uint32_t HostSequencerClose(uint32_t nDevice) {
    auto it = gDevices.find(nDevice);
    if (it == gDevices.end()) return kInvalidDeviceId;
    web_tune_close(nDevice);
    gDevices.erase(it);
    return 0;
}
