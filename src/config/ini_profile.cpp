// WIN.INI-style text: finding and setting one key of one section.

#include "config/ini_profile.h"

#include <cctype>

namespace {

std::string Trimmed(const std::string& sz) {
    size_t nStart = 0, nEnd = sz.size();
    while (nStart < nEnd && std::isspace(static_cast<unsigned char>(sz[nStart]))) ++nStart;
    while (nEnd > nStart && std::isspace(static_cast<unsigned char>(sz[nEnd - 1]))) --nEnd;
    return sz.substr(nStart, nEnd - nStart);
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// "[Name]" (spaces around allowed): true with the name.
bool SectionOf(const std::string& szLine, std::string& szName) {
    const std::string sz = Trimmed(szLine);
    if (sz.size() < 2 || sz.front() != '[') return false;
    const size_t nClose = sz.find(']');
    if (nClose == std::string::npos) return false;
    szName = Trimmed(sz.substr(1, nClose - 1));
    return true;
}

// "key=value": true with the trimmed key and the value's text.
bool EntryOf(const std::string& szLine, std::string& szKey, std::string& szValue) {
    const size_t nEquals = szLine.find('=');
    if (nEquals == std::string::npos) return false;
    szKey = Trimmed(szLine.substr(0, nEquals));
    if (szKey.empty() || szKey[0] == ';') return false;
    szValue = szLine.substr(nEquals + 1);
    return true;
}

// Calls visit(index) for each entry of szKey in szSection, in order.
template <typename Visit>
void ForEachEntry(const IniLines& lines, const std::string& szSection, const std::string& szKey, Visit visit) {
    bool bInSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string szName, szValue;
        if (SectionOf(lines[i], szName)) {
            bInSection = SameName(szName, szSection);
        } else if (bInSection && EntryOf(lines[i], szName, szValue) && SameName(szName, szKey)) {
            visit(i, szValue);
        }
    }
}

}  // namespace

IniLines SplitIniText(const std::string& szText) {
    IniLines lines;
    size_t nStart = 0;
    while (nStart < szText.size()) {
        size_t nEnd = szText.find('\n', nStart);
        if (nEnd == std::string::npos) nEnd = szText.size();
        std::string szLine = szText.substr(nStart, nEnd - nStart);
        if (!szLine.empty() && szLine.back() == '\r') szLine.pop_back();
        lines.push_back(szLine);
        nStart = nEnd + 1;
    }
    return lines;
}

std::string JoinIniLines(const IniLines& lines) {
    std::string szText;
    for (const std::string& szLine : lines) szText += szLine + "\n";
    return szText;
}

bool FindIniValue(const IniLines& lines, const std::string& szSection, const std::string& szKey,
                  std::string& szValue) {
    bool bFound = false;
    ForEachEntry(lines, szSection, szKey, [&](size_t, const std::string& sz) {
        if (!bFound) szValue = sz;
        bFound = true;
    });
    return bFound;
}

void SetIniValue(IniLines& lines, const std::string& szSection, const std::string& szKey,
                 const std::string& szValue) {
    std::vector<size_t> entries;
    ForEachEntry(lines, szSection, szKey, [&](size_t i, const std::string&) { entries.push_back(i); });
    const std::string szEntry = szKey + "=" + szValue;
    if (!entries.empty()) {
        lines[entries[0]] = szEntry;
        for (size_t k = entries.size() - 1; k > 0; --k) lines.erase(lines.begin() + long(entries[k]));
        return;
    }
    // After the section's last entry (or its header); a new section at the end.
    bool bInSection = false;
    size_t nInsertAt = lines.size();
    bool bHaveSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string szName, szKeyHere, szValueHere;
        if (SectionOf(lines[i], szName)) {
            bInSection = SameName(szName, szSection);
            if (bInSection && !bHaveSection) {
                bHaveSection = true;
                nInsertAt = i + 1;
            }
        } else if (bInSection && EntryOf(lines[i], szKeyHere, szValueHere)) {
            nInsertAt = i + 1;
        }
    }
    if (!bHaveSection) {
        lines.push_back("[" + szSection + "]");
        lines.push_back(szEntry);
        return;
    }
    lines.insert(lines.begin() + long(nInsertAt), szEntry);
}
