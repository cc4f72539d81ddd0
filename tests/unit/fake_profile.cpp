// The fake profile behind HostGetProfileInt and HostWriteProfileString.
// Reading follows what the profile does under Wine, step by step: trim the
// text, drop one pair of enclosing quotes, keep at most 29 characters, an
// empty text gives the default, then an optional sign, an optional 0x, 0o
// or 0b prefix, and digits, wrapping at 32 bits. The Wine tests check the
// same table of texts against the real profile.
#include "fake_profile.h"

#include <cctype>
#include <cstdint>

#include "host/host.h"

FakeProfileState FakeProfile;

namespace {

constexpr size_t kReadBufferChars = 30;  // the profile reads into 30 characters

bool IsProfileSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == 0x1a;
}

std::string TrimmedText(const std::string& szText) {
    size_t nStart = 0;
    size_t nEnd = szText.size();
    while (nStart < nEnd && IsProfileSpace(szText[nStart])) ++nStart;
    while (nEnd > nStart && IsProfileSpace(szText[nEnd - 1])) --nEnd;
    return szText.substr(nStart, nEnd - nStart);
}

// The text as it arrives in the read buffer.
std::string BufferedText(const std::string& szText) {
    std::string szValue = TrimmedText(szText);
    bool bQuoted = szValue.size() > 1 && (szValue[0] == '"' || szValue[0] == '\'') &&
                   szValue.back() == szValue[0];
    if (bQuoted) szValue.erase(0, 1);
    bool bFits = szValue.size() < kReadBufferChars;
    std::string szBuffer = szValue.substr(0, kReadBufferChars - 1);
    // The closing quote goes only when the whole value fitted.
    if (bQuoted && bFits) szBuffer.pop_back();
    return szBuffer;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string ProfileEntryName(const char* szSection, const char* szKey) {
    std::string szName = std::string(szSection) + '\n' + szKey;
    for (char& c : szName) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return szName;
}

void SetFakeProfileText(const char* szSection, const char* szKey, const char* szText) {
    FakeProfile.entries[ProfileEntryName(szSection, szKey)] = szText;
}

int ReadProfileTextAsInt(const std::string& szText, int nDefault) {
    const std::string szBuffer = BufferedText(szText);
    if (szBuffer.empty()) return nDefault;

    size_t i = 0;
    while (i < szBuffer.size() && static_cast<unsigned char>(szBuffer[i]) <= ' ') ++i;
    bool bMinus = false;
    if (i < szBuffer.size() && (szBuffer[i] == '+' || szBuffer[i] == '-')) {
        bMinus = szBuffer[i] == '-';
        ++i;
    }
    uint32_t nBase = 10;
    if (i + 1 < szBuffer.size() && szBuffer[i] == '0') {
        switch (szBuffer[i + 1]) {
            case 'b': nBase = 2; break;
            case 'o': nBase = 8; break;
            case 'x': nBase = 16; break;
        }
        if (nBase != 10) i += 2;
    }
    uint32_t nTotal = 0;
    for (; i < szBuffer.size(); ++i) {
        int nDigit = DigitValue(szBuffer[i]);
        if (nDigit < 0 || static_cast<uint32_t>(nDigit) >= nBase) break;
        nTotal = nTotal * nBase + static_cast<uint32_t>(nDigit);
    }
    if (bMinus) nTotal = 0u - nTotal;
    return static_cast<int>(nTotal);
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
