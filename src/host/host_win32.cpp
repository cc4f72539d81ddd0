// The host seam on Win32: GDI for the frame buffer, the palette and the
// window, WINMM for sounds and the MIDI sequencer, KERNEL for resources.
// The profile and the clock live in host_profile_win32.cpp.

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>

#include "audio/wave_sound.h"
#include "host/host.h"

namespace {

struct Win32HostState {
    HBITMAP hFrameBuffer;
    HPALETTE hShowPalette;
    HWND hPaletteWindow;  // where the show palette is selected
    bool bPaletteIndices;  // the frame buffer holds indices into the show palette
    // Holds the frame buffer from the first frame until the frame buffer is
    // deleted: under Wine, making and deleting it on every frame cost more
    // than all of the frame's drawing.
    HDC hMemoryDC;
    HGDIOBJ hSavedObject;
    // Held for one frame step only.
    HWND hFrameWindow;
    HDC hWindowDC;
    // One sound output, opened at the first sound and kept: under Wine every
    // asynchronous PlaySound starts threads of its own and opens the device
    // anew, which cost more than all of the show's drawing.
    HWAVEOUT hWaveOut;
    WAVEFORMATEX waveFormat;  // of the open output
    WAVEHDR waveHeader;       // the sound playing, read in place from its resource
    bool bWaveOpenFailed;
    DWORD nWaveOpenFailedAt;  // GetTickCount of the last failed open
};
Win32HostState Host;

HWND WindowOf(HostWindow hWindow) { return reinterpret_cast<HWND>(hWindow); }

// The saver's own module: the .scr is the process's executable.
HMODULE SaverModule() { return GetModuleHandleA(nullptr); }

template <typename Parms>
MCIERROR SendMci(uint32_t nDevice, UINT nCommand, DWORD nFlags, Parms* pParms) {
    return mciSendCommandA(MCIDEVICEID(nDevice), nCommand, nFlags, reinterpret_cast<DWORD_PTR>(pParms));
}

// A missing sound device is asked again only after this long, as every
// failed open costs a thread under Wine.
constexpr DWORD kWaveOpenRetryMs = 10000;

bool OpenWaveOut(const WAVEFORMATEX& format) {
    if (Host.bWaveOpenFailed && GetTickCount() - Host.nWaveOpenFailedAt < kWaveOpenRetryMs) return false;
    WAVEFORMATEX wanted = format;
    Host.bWaveOpenFailed = waveOutOpen(&Host.hWaveOut, WAVE_MAPPER, &wanted, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR;
    if (Host.bWaveOpenFailed) {
        Host.hWaveOut = nullptr;
        Host.nWaveOpenFailedAt = GetTickCount();
        return false;
    }
    Host.waveFormat = format;
    return true;
}

bool SameWaveFormat(const WAVEFORMATEX& a, const WAVEFORMATEX& b) {
    return a.nChannels == b.nChannels && a.nSamplesPerSec == b.nSamplesPerSec &&
           a.nAvgBytesPerSec == b.nAvgBytesPerSec && a.nBlockAlign == b.nBlockAlign &&
           a.wBitsPerSample == b.wBitsPerSample;
}

// Cuts off the sound playing and gives its header back.
void StopWave() {
    if (Host.hWaveOut == nullptr || (Host.waveHeader.dwFlags & WHDR_PREPARED) == 0) return;
    waveOutReset(Host.hWaveOut);
    waveOutUnprepareHeader(Host.hWaveOut, &Host.waveHeader, sizeof Host.waveHeader);
    Host.waveHeader = {};
}

void SelectShowPalette(HDC hDC) {
    if (Host.hShowPalette == nullptr) return;
    SelectPalette(hDC, Host.hShowPalette, FALSE);
    RealizePalette(hDC);
}

}  // namespace

bool HostSetTimer(HostWindow hWindow, int nTimerId, uint32_t nPeriodMs) {
    // Timer 0 is a valid window timer; only a null result is a failure.
    return SetTimer(WindowOf(hWindow), UINT_PTR(nTimerId), nPeriodMs, nullptr) != 0;
}

void HostKillTimer(HostWindow hWindow, int nTimerId) { KillTimer(WindowOf(hWindow), UINT_PTR(nTimerId)); }

HostResource HostFindResource(HostResourceType nType, int nId) {
    LPCSTR szType = nType == kHostResourceBitmap ? MAKEINTRESOURCEA(2)  // RT_BITMAP
                    : nType == kHostResourceWave ? "WAVE"
                                                 : "MIDI";
    HRSRC hInfo = FindResourceA(SaverModule(), MAKEINTRESOURCEA(nId), szType);
    if (hInfo == nullptr) return {nullptr, 0};
    HGLOBAL hData = LoadResource(SaverModule(), hInfo);
    const void* pData = hData != nullptr ? LockResource(hData) : nullptr;
    if (pData == nullptr) return {nullptr, 0};
    return {static_cast<const uint8_t*>(pData), size_t(SizeofResource(SaverModule(), hInfo))};
}

void HostMessageBox(HostWindow hOwner, const char* szText, const char* szCaption, HostIcon nIcon) {
    UINT nStyle = MB_OK;
    if (nIcon == kHostIconError) nStyle |= MB_ICONERROR;
    if (nIcon == kHostIconWarning) nStyle |= MB_ICONWARNING;
    if (nIcon == kHostIconInformation) nStyle |= MB_ICONINFORMATION;
    MessageBoxA(WindowOf(hOwner), szText, szCaption, nStyle);
}

void HostBeep() { MessageBeep(0); }

void HostRequestQuit(int nExitCode) { PostQuitMessage(nExitCode); }

uint32_t HostGetTempPath(char* szBuffer, uint32_t nBufferLength) {
    return GetTempPathA(nBufferLength, szBuffer);
}

int HostGetOutputs(HostWindow hWindow, HostRect* pOutputs, int nMax) {
    struct Search {
        HostRect* pOutputs;
        int nMax;
        int nCount;
        POINT origin;  // the client area's top-left corner on the screen
    } search = {pOutputs, nMax, 0, {0, 0}};
    if (nMax <= 0 || !ClientToScreen(WindowOf(hWindow), &search.origin)) return 0;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam) -> BOOL {
            Search& s = *reinterpret_cast<Search*>(lParam);
            MONITORINFO info = {};
            info.cbSize = sizeof info;
            if (!GetMonitorInfoA(hMonitor, &info)) return TRUE;
            const RECT& r = info.rcMonitor;
            const HostRect output = {r.left - s.origin.x, r.top - s.origin.y, r.right - r.left, r.bottom - r.top};
            // The main monitor first, the others in the system's order.
            const bool bMain = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
            if (s.nCount == s.nMax && !bMain) return TRUE;
            HostRect* pAt = bMain ? s.pOutputs : s.pOutputs + s.nCount;
            for (HostRect* p = s.pOutputs + std::min(s.nCount, s.nMax - 1); bMain && p > s.pOutputs; --p) p[0] = p[-1];
            *pAt = output;
            s.nCount = std::min(s.nCount + 1, s.nMax);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.nCount;
}

HostDisplayCaps HostQueryDisplay(HostWindow hWindow) {
    HostDisplayCaps caps = {false, 0, 0};
    HDC hDC = GetDC(WindowOf(hWindow));
    if (hDC == nullptr) return caps;
    caps.bHasPalette = (GetDeviceCaps(hDC, RASTERCAPS) & RC_PALETTE) != 0;
    caps.nNumColors = GetDeviceCaps(hDC, NUMCOLORS);
    caps.nSizePalette = GetDeviceCaps(hDC, SIZEPALETTE);
    ReleaseDC(WindowOf(hWindow), hDC);
    return caps;
}

bool HostCreateShowPalette(const uint32_t (&nColours)[256]) {
    struct {
        WORD palVersion;
        WORD palNumEntries;
        PALETTEENTRY entries[256];
    } palette = {0x300, 256, {}};
    for (int i = 0; i < 256; ++i) {
        palette.entries[i] = {BYTE(nColours[i] >> 16), BYTE(nColours[i] >> 8), BYTE(nColours[i]), 0};
    }
    HostDeleteShowPalette();
    Host.hShowPalette = CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette));
    return Host.hShowPalette != nullptr;
}

void HostAdoptSystemPalette(HostWindow hWindow, const uint8_t* pFlags, int nEntries) {
    HWND hWnd = WindowOf(hWindow);
    HDC hDC = GetDC(hWnd);
    if (hDC == nullptr || Host.hShowPalette == nullptr || nEntries <= 0) {
        if (hDC != nullptr) ReleaseDC(hWnd, hDC);
        return;
    }
    // Switching to no static colours and straight back makes the system
    // palette take the show's colours in its free entries.
    SetSystemPaletteUse(hDC, SYSPAL_NOSTATIC);
    SetSystemPaletteUse(hDC, SYSPAL_STATIC);
    HPALETTE hPrevious = SelectPalette(hDC, Host.hShowPalette, FALSE);
    RealizePalette(hDC);
    SelectPalette(hDC, hPrevious, FALSE);
    PALETTEENTRY entries[256] = {};
    GetSystemPaletteEntries(hDC, 0, UINT(nEntries), entries);
    for (int i = 0; i < nEntries; ++i) entries[i].peFlags = pFlags[i];
    ResizePalette(Host.hShowPalette, UINT(nEntries));
    SetPaletteEntries(Host.hShowPalette, 0, UINT(nEntries), entries);
    ReleaseDC(hWnd, hDC);
}

int HostNearestPaletteIndex(uint32_t nColour) {
    const UINT nIndex = GetNearestPaletteIndex(
        Host.hShowPalette, RGB(BYTE(nColour >> 16), BYTE(nColour >> 8), BYTE(nColour)));
    return nIndex == CLR_INVALID ? 0 : int(nIndex);
}

void HostDeleteShowPalette() {
    if (Host.hShowPalette == nullptr) return;
    // A palette still selected into the window cannot be deleted.
    if (Host.hPaletteWindow != nullptr) {
        HDC hDC = GetDC(Host.hPaletteWindow);
        if (hDC != nullptr) {
            SelectPalette(hDC, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
            ReleaseDC(Host.hPaletteWindow, hDC);
        }
        Host.hPaletteWindow = nullptr;
    }
    DeleteObject(Host.hShowPalette);
    Host.hShowPalette = nullptr;
}

uint8_t* HostCreateFrameBuffer(HostWindow hWindow, const HostDibHeader& header, bool bPaletteIndices) {
    HostDeleteFrameBuffer();
    HWND hWnd = WindowOf(hWindow);
    HDC hDC = GetDC(hWnd);
    if (hDC == nullptr) return nullptr;
    if (bPaletteIndices && Host.hShowPalette != nullptr) {
        // Stays selected: the saver window keeps its own device context.
        SelectShowPalette(hDC);
        Host.hPaletteWindow = hWnd;
    }
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(hDC, reinterpret_cast<const BITMAPINFO*>(&header),
                                       bPaletteIndices ? DIB_PAL_COLORS : DIB_RGB_COLORS, &pBits, nullptr, 0);
    ReleaseDC(hWnd, hDC);
    if (hBitmap == nullptr || pBits == nullptr) {
        if (hBitmap != nullptr) DeleteObject(hBitmap);
        return nullptr;
    }
    Host.hFrameBuffer = hBitmap;
    Host.bPaletteIndices = bPaletteIndices;
    return static_cast<uint8_t*>(pBits);
}

void HostDeleteFrameBuffer() {
    if (Host.hFrameBuffer == nullptr) return;
    if (Host.hMemoryDC != nullptr) {
        SelectObject(Host.hMemoryDC, Host.hSavedObject);
        DeleteDC(Host.hMemoryDC);
        Host.hMemoryDC = nullptr;
        Host.hSavedObject = nullptr;
    }
    DeleteObject(Host.hFrameBuffer);
    Host.hFrameBuffer = nullptr;
}

bool HostStretchPicture(HostWindow hWindow, int nResourceId, const HostRect& dest) {
    HWND hWnd = WindowOf(hWindow);
    HDC hDC = GetDC(hWnd);
    if (hDC == nullptr) return false;
    HDC hMemoryDC = CreateCompatibleDC(hDC);
    HBITMAP hPicture = LoadBitmapA(SaverModule(), MAKEINTRESOURCEA(nResourceId));
    const bool bShown = hMemoryDC != nullptr && hPicture != nullptr;
    if (bShown) {
        HGDIOBJ hPrevious = SelectObject(hMemoryDC, hPicture);
        BITMAP picture = {};
        GetObjectA(hPicture, sizeof picture, &picture);
        StretchBlt(hDC, dest.nLeft, dest.nTop, dest.nWidth, dest.nHeight, hMemoryDC, 0, 0, picture.bmWidth,
                   picture.bmHeight, SRCCOPY);
        SelectObject(hMemoryDC, hPrevious);
    }
    if (hPicture != nullptr) DeleteObject(hPicture);
    if (hMemoryDC != nullptr) DeleteDC(hMemoryDC);
    ReleaseDC(hWnd, hDC);
    return bShown;
}

bool HostBeginFrame(HostWindow hWindow) {
    HWND hWnd = WindowOf(hWindow);
    HDC hDC = GetDC(hWnd);
    if (hDC == nullptr) return false;
    if (Host.hMemoryDC == nullptr) {
        // Made at the first frame, so a failure skips frames as before.
        Host.hMemoryDC = CreateCompatibleDC(hDC);
        if (Host.hMemoryDC == nullptr) {
            ReleaseDC(hWnd, hDC);
            return false;
        }
        Host.hSavedObject = SelectObject(Host.hMemoryDC, Host.hFrameBuffer);
    }
    // Already selected in the saver's own device context; this keeps any
    // other window class right too.
    SelectShowPalette(hDC);
    Host.hFrameWindow = hWnd;
    Host.hWindowDC = hDC;
    return true;
}

void HostEndFrame(HostWindow /*hWindow*/) {
    ReleaseDC(Host.hFrameWindow, Host.hWindowDC);
    Host.hFrameWindow = nullptr;
    Host.hWindowDC = nullptr;
}

void HostClearWindow(HostWindow hWindow) {
    RECT client;
    GetClientRect(WindowOf(hWindow), &client);
    FillRect(Host.hWindowDC, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void HostPresentView(const HostRect& source, const HostRect& dest, bool bSmooth) {
    if (source.nWidth == dest.nWidth && source.nHeight == dest.nHeight) {
        BitBlt(Host.hWindowDC, dest.nLeft, dest.nTop, dest.nWidth, dest.nHeight, Host.hMemoryDC, source.nLeft,
               source.nTop, SRCCOPY);
        return;
    }
    // Whole factors copy each pixel to a block. Smooth scaling blends, which
    // a palette display cannot show: there the nearest pixel goes through
    // the realised palette like every other frame.
    const bool bHalftone = bSmooth && !Host.bPaletteIndices;
    SetStretchBltMode(Host.hWindowDC, bHalftone ? HALFTONE : COLORONCOLOR);
    if (bHalftone) SetBrushOrgEx(Host.hWindowDC, 0, 0, nullptr);
    StretchBlt(Host.hWindowDC, dest.nLeft, dest.nTop, dest.nWidth, dest.nHeight, Host.hMemoryDC, source.nLeft,
               source.nTop, source.nWidth, source.nHeight, SRCCOPY);
}

void HostFlush() { GdiFlush(); }

void HostInvalidateWindow(HostWindow hWindow) { InvalidateRect(WindowOf(hWindow), nullptr, FALSE); }

void HostPlayWave(int nResourceId) {
    // A new sound cuts off the one playing, even when it cannot play itself.
    StopWave();
    const HostResource resource = HostFindResource(kHostResourceWave, nResourceId);
    const WaveSound sound = FindWaveSound(resource.pData, resource.nSize);
    if (!sound.bValid) return;
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = sound.nChannels;
    format.nSamplesPerSec = sound.nSamplesPerSec;
    format.nAvgBytesPerSec = sound.nAvgBytesPerSec;
    format.nBlockAlign = sound.nBlockAlign;
    format.wBitsPerSample = sound.nBitsPerSample;
    if (Host.hWaveOut != nullptr && !SameWaveFormat(format, Host.waveFormat)) HostReleaseSound();
    if (Host.hWaveOut == nullptr && !OpenWaveOut(format)) return;
    Host.waveHeader = {};
    // The output only reads the samples; the resource stays unchanged.
    Host.waveHeader.lpData = reinterpret_cast<LPSTR>(const_cast<uint8_t*>(sound.pSamples));
    Host.waveHeader.dwBufferLength = DWORD(sound.nSampleBytes);
    if (waveOutPrepareHeader(Host.hWaveOut, &Host.waveHeader, sizeof Host.waveHeader) != MMSYSERR_NOERROR) {
        Host.waveHeader = {};
        return;
    }
    if (waveOutWrite(Host.hWaveOut, &Host.waveHeader, sizeof Host.waveHeader) != MMSYSERR_NOERROR) StopWave();
}

void HostReleaseSound() {
    if (Host.hWaveOut == nullptr) return;
    StopWave();
    waveOutClose(Host.hWaveOut);
    Host.hWaveOut = nullptr;
}

uint32_t HostSequencerOpen(const char* szPath, uint32_t* pnDevice) {
    MCI_OPEN_PARMSA open = {};
    open.lpstrDeviceType = "sequencer";
    open.lpstrElementName = szPath;
    const MCIERROR nError = SendMci(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, &open);
    if (nError == 0) *pnDevice = open.wDeviceID;
    return nError;
}

uint32_t HostSequencerStatusPort(uint32_t nDevice) {
    MCI_STATUS_PARMS status = {};
    status.dwItem = MCI_SEQ_STATUS_PORT;
    return SendMci(nDevice, MCI_STATUS, MCI_STATUS_ITEM, &status);
}

uint32_t HostSequencerPlay(uint32_t nDevice, HostWindow hNotify) {
    MCI_PLAY_PARMS play = {};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(WindowOf(hNotify));
    return SendMci(nDevice, MCI_PLAY, MCI_NOTIFY, &play);
}

uint32_t HostSequencerSeekToStart(uint32_t nDevice) {
    MCI_SEEK_PARMS seek = {};
    return SendMci(nDevice, MCI_SEEK, MCI_SEEK_TO_START, &seek);
}

uint32_t HostSequencerStop(uint32_t nDevice, HostWindow hNotify) {
    MCI_GENERIC_PARMS stop = {};
    stop.dwCallback = reinterpret_cast<DWORD_PTR>(WindowOf(hNotify));
    return SendMci(nDevice, MCI_STOP, MCI_NOTIFY, &stop);
}

uint32_t HostSequencerClose(uint32_t nDevice) { return SendMci<void>(nDevice, MCI_CLOSE, 0, nullptr); }
