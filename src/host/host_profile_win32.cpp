// The host's profile and clock services on Windows: the user's WIN.INI
// through the profile API, and the system tick count.
#include <windows.h>

#include "host/host.h"

int HostGetProfileInt(const char* szSection, const char* szKey, int nDefault) {
    // The API returns the 32 bits of a signed number as UINT.
    return static_cast<int>(GetProfileIntA(szSection, szKey, nDefault));
}

bool HostWriteProfileString(const char* szSection, const char* szKey, const char* szValue) {
    return WriteProfileStringA(szSection, szKey, szValue) != 0;
}

uint32_t HostGetTickCount() {
    return GetTickCount();
}
