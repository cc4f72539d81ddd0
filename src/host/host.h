// The platform seam: every service that the portable show asks of its host,
// in one list. The Windows build links the Win32 implementation, the unit
// tests a recording fake, the render tool a host that draws into memory.
#pragma once

#include <cstdint>

// ---- Profile (the user's WIN.INI) -------------------------------------
// Reads an integer the way the Windows profile does: the default when the
// key is absent, otherwise the number that the text starts with.
int HostGetProfileInt(const char* szSection, const char* szKey, int nDefault);
// Writes text into a key; the result is the host's and may be ignored.
bool HostWriteProfileString(const char* szSection, const char* szKey, const char* szValue);

// ---- Time ---------------------------------------------------------------
// Milliseconds since the system started, wrapping at 32 bits.
uint32_t HostGetTickCount();
