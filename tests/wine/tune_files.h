// Where the saver writes its tune files, and whether they are gone.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The temporary directory of this process (and of the savers it starts),
// with its trailing separator.
inline std::string TempDir() {
    char szDir[MAX_PATH + 1] = {};
    GetTempPathA(sizeof szDir, szDir);
    return szDir;
}

// Where the saver writes tune 1 and tune 2.
inline std::vector<std::string> TunePaths(const std::string& szDir = TempDir()) {
    return {szDir + "SSQuillmere's Harborgast01.mid", szDir + "SSQuillmere's Harborgast06.mid"};
}

inline bool TunesGone(const std::string& szDir = TempDir()) {
    for (const std::string& szPath : TunePaths(szDir))
        if (GetFileAttributesA(szPath.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    return true;
}
