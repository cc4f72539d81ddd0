// The host's profile and clock services on Windows: the user's WIN.INI
// through the profile API, and the system tick count.
#include <windows.h>

#include <vector>

#include "host/host.h"

namespace {

// How many lines of szKey the section holds: the profile lists a key's name
// once for each line of it.
int CountKeyLines(const char* szSection, const char* szKey) {
    std::vector<char> names(32768);
    const DWORD nLength = GetProfileStringA(szSection, nullptr, "", names.data(), DWORD(names.size()));
    int nLines = 0;
    for (DWORD i = 0; i < nLength && names[i] != '\0'; i += DWORD(lstrlenA(&names[i])) + 1)
        nLines += lstrcmpiA(&names[i], szKey) == 0;
    return nLines;
}

}  // namespace

int HostGetProfileInt(const char* szSection, const char* szKey, int nDefault) {
    // The API returns the 32 bits of a signed number as UINT.
    return static_cast<int>(GetProfileIntA(szSection, szKey, nDefault));
}

bool HostWriteProfileString(const char* szSection, const char* szKey, const char* szValue) {
    // A hand edit may have left the key twice; the profile writes the first
    // line and removes one line a call. Only the last is kept, and written.
    for (int nExtra = CountKeyLines(szSection, szKey) - 1; nExtra > 0; --nExtra)
        WriteProfileStringA(szSection, szKey, nullptr);
    return WriteProfileStringA(szSection, szKey, szValue) != 0;
}

uint32_t HostGetTickCount() {
    return GetTickCount();
}
