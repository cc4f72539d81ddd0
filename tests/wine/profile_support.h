// The saver's section of the real profile, WIN.INI in the bed's prefix.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The prefix outlives a run: tests start and end with no section at all.
inline void ClearSaverSection() { WriteProfileStringA("Harborgast", nullptr, nullptr); }

// The section's lines as the file holds them, in file order.
inline std::vector<std::string> SaverSectionLines() {
    std::vector<char> buffer(4096);
    DWORD nLength = GetProfileSectionA("Harborgast", buffer.data(), static_cast<DWORD>(buffer.size()));
    std::vector<std::string> lines;
    for (DWORD i = 0; i < nLength && buffer[i];) {
        lines.emplace_back(&buffer[i]);
        i += static_cast<DWORD>(lines.back().size()) + 1;
    }
    return lines;
}
