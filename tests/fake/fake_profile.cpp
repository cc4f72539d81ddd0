// The fake profile behind HostGetProfileInt and HostWriteProfileString.
// Reading goes through the core's ReadProfileTextAsInt, which follows what
// the profile does under Wine; the Wine tests check the same table of texts
// against the real profile.
#include "fake_profile.h"

#include <cctype>

#include "config/profile_text.h"
#include "host/host.h"

FakeProfileState FakeProfile;

std::string ProfileEntryName(const char* szSection, const char* szKey) {
    std::string szName = std::string(szSection) + '\n' + szKey;
    for (char& c : szName) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return szName;
}

void SetFakeProfileText(const char* szSection, const char* szKey, const char* szText) {
    FakeProfile.entries[ProfileEntryName(szSection, szKey)] = szText;
}

int HostGetProfileInt(const char* szSection, const char* szKey, int nDefault) {
    auto it = FakeProfile.entries.find(ProfileEntryName(szSection, szKey));
    if (it == FakeProfile.entries.end()) return nDefault;
    return ReadProfileTextAsInt(it->second, nDefault);
}

bool HostWriteProfileString(const char* szSection, const char* szKey, const char* szValue) {
    FakeProfile.writes.push_back({szSection, szKey, szValue});
    SetFakeProfileText(szSection, szKey, szValue);
    return true;
}
