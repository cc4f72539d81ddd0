// The browser host's services. Drawing and resources are done here, in the
// module; the page does only what needs the browser (the canvas, Web Audio,
// localStorage), through the bridge functions declared below.

#include "host_web.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "audio/music.h"
#include "config/profile_text.h"
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

constexpr uint32_t kOpaqueBlack = 0xff000000u;
constexpr uint32_t kFileNotFound = 275;      // the sequencer's errors
constexpr uint32_t kInvalidDeviceId = 257;

// RGBA bytes in memory, as the canvas takes them, from 0xRRGGBB.
uint32_t WindowPixel(uint8_t nRed, uint8_t nGreen, uint8_t nBlue) {
    return kOpaqueBlack | uint32_t(nBlue) << 16 | uint32_t(nGreen) << 8 | nRed;
}

void MarkDirty(int nLeft, int nTop, int nRight, int nBottom) {
    WebHostState& h = WebHost;
    if (h.nDirtyRight <= h.nDirtyLeft || h.nDirtyBottom <= h.nDirtyTop) {
        h.nDirtyLeft = nLeft, h.nDirtyTop = nTop, h.nDirtyRight = nRight, h.nDirtyBottom = nBottom;
        return;
    }
    h.nDirtyLeft = std::min(h.nDirtyLeft, nLeft);
    h.nDirtyTop = std::min(h.nDirtyTop, nTop);
    h.nDirtyRight = std::max(h.nDirtyRight, nRight);
    h.nDirtyBottom = std::max(h.nDirtyBottom, nBottom);
}

const char* ResourceFileName(HostResourceType nType) {
    switch (nType) {
        case kHostResourceBitmap: return "bitmap%d.bmp";
        case kHostResourceWave: return "wave%d.wav";
        case kHostResourceMidi: return "midi%d.mid";
    }
    return "";
}

// The sequencer devices: which tune each plays and whether a play with
// notification is running on it.
struct TuneDevice {
    int nTune;
    bool bPlayingWithNotify;
};
std::map<uint32_t, TuneDevice> gDevices;

}  // namespace

HostWindow WebWindow() { return reinterpret_cast<HostWindow>(&gWindowTag); }

void SetWebWindowSize(int nWidth, int nHeight) {
    WebHost.nWidth = nWidth;
    WebHost.nHeight = nHeight;
    WebHost.window.assign(size_t(nWidth) * size_t(nHeight), kOpaqueBlack);
    MarkDirty(0, 0, nWidth, nHeight);
}

void ShowWebWindow() {
    WebHostState& h = WebHost;
    if (h.nDirtyRight <= h.nDirtyLeft || h.nDirtyBottom <= h.nDirtyTop) return;
    web_show_window(h.window.data(), h.nWidth, h.nHeight, h.nDirtyLeft, h.nDirtyTop, h.nDirtyRight,
                    h.nDirtyBottom);
    h.nDirtyLeft = h.nDirtyTop = h.nDirtyRight = h.nDirtyBottom = 0;
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

// A resource is its packed asset file; an RT_BITMAP resource is the file
// less its 14-byte file header, as the resource compiler stores it.
HostResource HostFindResource(HostResourceType nType, int nId) {
    const auto key = std::make_pair(static_cast<int>(nType), nId);
    auto it = WebHost.resources.find(key);
    if (it == WebHost.resources.end()) {
        char szPath[64];
        std::snprintf(szPath, sizeof szPath, "/assets/");
        std::snprintf(szPath + 8, sizeof szPath - 8, ResourceFileName(nType), nId);
        std::vector<uint8_t> bytes;
        std::ifstream file(szPath, std::ios::binary);
        if (file) bytes.assign(std::istreambuf_iterator<char>(file), {});
        if (nType == kHostResourceBitmap) {
            if (bytes.size() >= 14 && bytes[0] == 'B' && bytes[1] == 'M')
                bytes.erase(bytes.begin(), bytes.begin() + 14);
            else
                bytes.clear();
        }
        it = WebHost.resources.emplace(key, std::move(bytes)).first;
    }
    if (it->second.empty()) return {nullptr, 0};
    return {it->second.data(), it->second.size()};
}

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
    static const char kTempDir[] = "/tmp/";
    const uint32_t nLength = sizeof kTempDir - 1;
    if (nLength >= nBufferLength) return nLength + 1;
    std::memcpy(szBuffer, kTempDir, nLength + 1);
    return nLength;
}

// ---- Display: a true-colour canvas, so the palette services are never asked ----

HostDisplayCaps HostQueryDisplay(HostWindow) { return {false, 0, 0}; }
bool HostCreateShowPalette(const uint32_t (&)[256]) { return false; }
void HostAdoptSystemPalette(HostWindow, const uint8_t*, int) {}
int HostNearestPaletteIndex(uint32_t) { return 0; }
void HostDeleteShowPalette() {}

uint8_t* HostCreateFrameBuffer(HostWindow, const HostDibHeader& header, bool) {
    const int nWidth = header.nWidth, nHeight = header.nHeight < 0 ? -header.nHeight : header.nHeight;
    if (nWidth <= 0 || nHeight <= 0) return nullptr;
    for (int i = 0; i < 256; ++i) {
        const uint8_t* p = header.colours + 4 * i;  // blue, green, red, 0
        WebHost.bufferColours[i] = WindowPixel(p[2], p[1], p[0]);
    }
    WebHost.nBufferWidth = nWidth;
    WebHost.nBufferHeight = nHeight;
    WebHost.frameBuffer.assign(size_t(nWidth) * size_t(nHeight), 0);
    return WebHost.frameBuffer.data();
}

void HostDeleteFrameBuffer() {
    WebHost.frameBuffer.clear();
    WebHost.frameBuffer.shrink_to_fit();
    WebHost.nBufferWidth = WebHost.nBufferHeight = 0;
}

// Decodes an 8-bit uncompressed DIB resource and stretches it over the
// window, nearest pixel, as StretchBlt with SRCCOPY would.
bool HostStretchPicture(HostWindow, int nResourceId, int nWidth, int nHeight) {
    const HostResource res = HostFindResource(kHostResourceBitmap, nResourceId);
    if (res.nSize < 40 + 1024) return false;
    const int32_t nPicW = static_cast<int32_t>(ReadU32(res.pData + 4));
    const int32_t nPicH = static_cast<int32_t>(ReadU32(res.pData + 8));
    const uint16_t nBits = ReadU16(res.pData + 14);
    const uint32_t nColours = ReadU32(res.pData + 32) ? ReadU32(res.pData + 32) : 256;
    if (nBits != 8 || ReadU32(res.pData + 16) != 0 || nPicW <= 0 || nPicH <= 0 || nColours > 256)
        return false;
    const size_t nStride = (static_cast<size_t>(nPicW) + 3) & ~size_t(3);
    const size_t nPixelsAt = ReadU32(res.pData) + 4 * nColours;
    if (nPixelsAt > res.nSize || (res.nSize - nPixelsAt) / nStride < static_cast<size_t>(nPicH))
        return false;
    const uint8_t* pTable = res.pData + ReadU32(res.pData);
    const uint8_t* pPixels = res.pData + nPixelsAt;
    const int nRows = std::min(nHeight, WebHost.nHeight), nCols = std::min(nWidth, WebHost.nWidth);
    for (int y = 0; y < nRows; ++y) {
        const int sy = nPicH - 1 - static_cast<int>(static_cast<int64_t>(y) * nPicH / nHeight);
        for (int x = 0; x < nCols; ++x) {
            const int sx = static_cast<int>(static_cast<int64_t>(x) * nPicW / nWidth);
            const uint8_t* c = pTable + 4 * pPixels[sy * nStride + sx];
            WebHost.window[size_t(y) * WebHost.nWidth + x] = WindowPixel(c[2], c[1], c[0]);
        }
    }
    MarkDirty(0, 0, std::max(nCols, 0), std::max(nRows, 0));
    ShowWebWindow();
    return true;
}

bool HostBeginFrame(HostWindow) {
    if (WebHost.frameBuffer.empty()) return false;
    WebHost.bInFrame = true;
    return true;
}

void HostEndFrame(HostWindow) {
    WebHost.bInFrame = false;
    ShowWebWindow();
}

void HostClearWindow(HostWindow) {
    std::fill(WebHost.window.begin(), WebHost.window.end(), kOpaqueBlack);
    MarkDirty(0, 0, WebHost.nWidth, WebHost.nHeight);
}

void HostPresentView(int nLeft, int nTop, int nWidth, int nHeight) {
    WebHostState& h = WebHost;
    const int x0 = std::max(nLeft, 0), y0 = std::max(nTop, 0);
    const int x1 = std::min({nLeft + std::min(nWidth, h.nBufferWidth), h.nWidth});
    const int y1 = std::min({nTop + std::min(nHeight, h.nBufferHeight), h.nHeight});
    if (x1 <= x0 || y1 <= y0) return;
    for (int y = y0; y < y1; ++y) {
        const uint8_t* pRow = h.frameBuffer.data() + size_t(y - nTop) * h.nBufferWidth + (x0 - nLeft);
        uint32_t* pOut = h.window.data() + size_t(y) * h.nWidth + x0;
        for (int x = x0; x < x1; ++x) *pOut++ = h.bufferColours[*pRow++];
    }
    MarkDirty(x0, y0, x1, y1);
}

void HostFlush() {}
void HostInvalidateWindow(HostWindow) { MarkDirty(0, 0, WebHost.nWidth, WebHost.nHeight); }

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
