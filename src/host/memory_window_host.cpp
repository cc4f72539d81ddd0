// The host services that every host drawing into the window in memory
// shares: a true-colour display, and its temporary path as text.

#include "host/memory_window_host.h"

#include <cstring>

#include "host/host.h"

uint32_t CopyTempPath(const char* szDir, char* szBuffer, uint32_t nBufferLength) {
    const uint32_t nLength = static_cast<uint32_t>(std::strlen(szDir));
    if (nLength == 0) return 0;
    if (nLength >= nBufferLength) return nLength + 1;
    std::memcpy(szBuffer, szDir, nLength + 1);
    return nLength;
}

// The window is a true-colour display: no hardware palette, so the palette
// services below are never asked for.
HostDisplayCaps HostQueryDisplay(HostWindow) { return {false, 0, 0}; }
bool HostCreateShowPalette(const uint32_t (&)[256]) { return false; }
void HostAdoptSystemPalette(HostWindow, const uint8_t*, int) {}
int HostNearestPaletteIndex(uint32_t) { return 0; }
void HostDeleteShowPalette() {}
