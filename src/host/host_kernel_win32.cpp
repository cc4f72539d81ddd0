// The host seam on Win32, the system's own services: resources and the
// temporary folder (KERNEL), window timers, message boxes, the beep and the
// quit message (USER). Drawing is in host_gdi_win32.cpp, sound in
// host_wave_win32.cpp, music in host_mci_win32.cpp, the profile and the
// clock in host_profile_win32.cpp.

#include <windows.h>

#include "host/host.h"
#include "host/host_win32.h"

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
