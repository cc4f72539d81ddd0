// The Windows profile's reading of a key's text as an integer.
#include "config/profile_text.h"

#include <cstdint>

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
