// The host services for the render tool: the window as an image in memory,
// resources from the asset files, the profile and clock the tool sets, and
// sound and music noted down for the trace.

#include "render_host.h"

#include "audio/music.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

RenderHostState RenderHost;

namespace {

struct RenderWindowTag {} gWindowTag;

const char* TypeName(HostResourceType nType) {
    switch (nType) {
        case kHostResourceBitmap: return "bitmap";
        case kHostResourceWave: return "wave";
        case kHostResourceMidi: return "midi";
    }
    return "";
}

const char* TypeExtension(HostResourceType nType) {
    switch (nType) {
        case kHostResourceBitmap: return ".bmp";
        case kHostResourceWave: return ".wav";
        case kHostResourceMidi: return ".mid";
    }
    return "";
}

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

// The tool delivers the ticks itself; it only needs to know the periods.
bool HostSetTimer(HostWindow, int nTimerId, uint32_t nPeriodMs) {
    RenderHost.timers[nTimerId] = nPeriodMs;
    return true;
}

void HostKillTimer(HostWindow, int nTimerId) { RenderHost.timers.erase(nTimerId); }

// A resource is its generated file; an RT_BITMAP resource is the file less
// its 14-byte file header, as the resource compiler stores it.
HostResource HostFindResource(HostResourceType nType, int nId) {
    const auto key = std::make_pair(static_cast<int>(nType), nId);
    auto it = RenderHost.resources.find(key);
    if (it == RenderHost.resources.end()) {
        std::vector<uint8_t> bytes;
        const std::string path =
            RenderHost.szAssetDir + "/" + TypeName(nType) + std::to_string(nId) + TypeExtension(nType);
        std::ifstream file(path, std::ios::binary);
        if (file) bytes.assign(std::istreambuf_iterator<char>(file), {});
        if (nType == kHostResourceBitmap) {
            if (bytes.size() >= 14 && bytes[0] == 'B' && bytes[1] == 'M')
                bytes.erase(bytes.begin(), bytes.begin() + 14);
            else
                bytes.clear();
        }
        it = RenderHost.resources.emplace(key, std::move(bytes)).first;
    }
    if (it->second.empty()) return {nullptr, 0};
    return {it->second.data(), it->second.size()};
}

void HostMessageBox(HostWindow, const char* szText, const char* szCaption, HostIcon) {
    std::fprintf(stderr, "%s: %s\n", szCaption, szText);
}

void HostBeep() {}

void HostRequestQuit(int nExitCode) {
    RenderHost.bQuitRequested = true;
    RenderHost.nQuitCode = nExitCode;
}

uint32_t HostGetTempPath(char* szBuffer, uint32_t nBufferLength) {
    const uint32_t nLength = static_cast<uint32_t>(RenderHost.szTempDir.size());
    if (nLength == 0) return 0;
    if (nLength >= nBufferLength) return nLength + 1;
    std::memcpy(szBuffer, RenderHost.szTempDir.c_str(), nLength + 1);
    return nLength;
}

// The window is a true-colour display: no hardware palette, so the palette
// services below are never asked for.
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
        RenderHost.bufferColours[i] = uint32_t(p[2]) << 16 | p[1] << 8 | p[0];
    }
    RenderHost.nBufferWidth = nWidth;
    RenderHost.nBufferHeight = nHeight;
    RenderHost.frameBuffer.assign(static_cast<size_t>(nWidth) * nHeight, 0);
    return RenderHost.frameBuffer.data();
}

void HostDeleteFrameBuffer() {
    RenderHost.frameBuffer.clear();
    RenderHost.frameBuffer.shrink_to_fit();
    RenderHost.nBufferWidth = RenderHost.nBufferHeight = 0;
}

// Decodes an 8-bit uncompressed DIB resource and stretches it over a
// rectangle of the window, nearest pixel, as StretchBlt with SRCCOPY would.
bool HostStretchPicture(HostWindow, int nResourceId, const HostRect& dest) {
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
    RgbImage& w = RenderHost.window;
    for (int y = 0; y < dest.nHeight; ++y) {
        const int wy = dest.nTop + y;
        if (wy < 0 || wy >= w.nHeight) continue;
        const int sy = nPicH - 1 - static_cast<int>(static_cast<int64_t>(y) * nPicH / dest.nHeight);
        for (int x = 0; x < dest.nWidth; ++x) {
            const int wx = dest.nLeft + x;
            if (wx < 0 || wx >= w.nWidth) continue;
            const int sx = static_cast<int>(static_cast<int64_t>(x) * nPicW / dest.nWidth);
            const uint8_t* c = pTable + 4 * pPixels[sy * nStride + sx];
            w.pixels[static_cast<size_t>(wy) * w.nWidth + wx] = uint32_t(c[2]) << 16 | c[1] << 8 | c[0];
        }
    }
    return true;
}

int HostGetOutputs(HostWindow, HostRect* pOutputs, int nMax) {
    const int nCount = std::min(nMax, static_cast<int>(RenderHost.outputs.size()));
    std::copy(RenderHost.outputs.begin(), RenderHost.outputs.begin() + nCount, pOutputs);
    return nCount;
}

bool HostBeginFrame(HostWindow) {
    if (RenderHost.frameBuffer.empty()) return false;
    RenderHost.bInFrame = true;
    return true;
}

void HostEndFrame(HostWindow) { RenderHost.bInFrame = false; }

void HostClearWindow(HostWindow) {
    std::fill(RenderHost.window.pixels.begin(), RenderHost.window.pixels.end(), 0);
}

namespace {

uint32_t BufferColour(int x, int y) {
    return RenderHost.bufferColours[RenderHost.frameBuffer[static_cast<size_t>(y) * RenderHost.nBufferWidth + x]];
}

// The colour at a point of the frame buffer between pixel centres, each
// channel weighted by the distance to the four pixels around it (weights
// in 1/256).
uint32_t BlendedColour(int x0, int y0, int x1, int y1, int fx, int fy) {
    const uint32_t c[4] = {BufferColour(x0, y0), BufferColour(x1, y0), BufferColour(x0, y1), BufferColour(x1, y1)};
    const int weights[4] = {(256 - fx) * (256 - fy), fx * (256 - fy), (256 - fx) * fy, fx * fy};
    uint32_t nResult = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        int nSum = 0;
        for (int i = 0; i < 4; ++i) nSum += static_cast<int>((c[i] >> shift) & 0xFF) * weights[i];
        nResult |= static_cast<uint32_t>((nSum + 32768) >> 16) << shift;
    }
    return nResult;
}

}  // namespace

// Crisp: each window pixel takes the frame-buffer pixel it falls in (a whole
// factor makes blocks). Smooth: the window pixel's centre, mapped into the
// source, blends the four pixels around it.
void HostPresentView(const HostRect& source, const HostRect& dest, bool bSmooth) {
    RgbImage& w = RenderHost.window;
    if (source.nLeft < 0 || source.nTop < 0 || source.nWidth <= 0 || source.nHeight <= 0 ||
        source.nLeft + source.nWidth > RenderHost.nBufferWidth ||
        source.nTop + source.nHeight > RenderHost.nBufferHeight || dest.nWidth <= 0 || dest.nHeight <= 0)
        return;
    for (int y = 0; y < dest.nHeight; ++y) {
        const int wy = dest.nTop + y;
        if (wy < 0 || wy >= w.nHeight) continue;
        // In 1/256 of a source pixel, from the source's first pixel centre.
        const int64_t nFy = ((2 * int64_t{y} + 1) * source.nHeight * 128) / dest.nHeight - 128;
        const int sy = source.nTop + static_cast<int>(int64_t{y} * source.nHeight / dest.nHeight);
        const int y0 = source.nTop + static_cast<int>(std::clamp<int64_t>(nFy >> 8, 0, source.nHeight - 1));
        const int y1 = std::min(y0 + 1, source.nTop + source.nHeight - 1);
        const int fy = nFy < 0 ? 0 : static_cast<int>(nFy & 0xFF);
        for (int x = 0; x < dest.nWidth; ++x) {
            const int wx = dest.nLeft + x;
            if (wx < 0 || wx >= w.nWidth) continue;
            uint32_t& nPixel = w.pixels[static_cast<size_t>(wy) * w.nWidth + wx];
            if (!bSmooth) {
                nPixel = BufferColour(source.nLeft + static_cast<int>(int64_t{x} * source.nWidth / dest.nWidth), sy);
                continue;
            }
            const int64_t nFx = ((2 * int64_t{x} + 1) * source.nWidth * 128) / dest.nWidth - 128;
            const int x0 = source.nLeft + static_cast<int>(std::clamp<int64_t>(nFx >> 8, 0, source.nWidth - 1));
            const int x1 = std::min(x0 + 1, source.nLeft + source.nWidth - 1);
            const int fx = nFx < 0 ? 0 : static_cast<int>(nFx & 0xFF);
            nPixel = BlendedColour(x0, y0, x1, y1, fx, fy);
        }
    }
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
        ++RenderHost.nPendingNotifies;
    }
    if (hNotify) ++RenderHost.nPendingNotifies;
    return 0;
}

uint32_t HostSequencerClose(uint32_t nDevice) {
    RenderHost.musicEvents.push_back("close");
    RenderHost.devicesPlayingWithNotify.erase(nDevice);
    return 0;
}
