// What the stand-ins share: the folder the test gives them (the variable
// HARBORGAST_STANDIN_DIR), where they append one line per event to
// calls.txt and read the test's answer from answer.txt.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

inline std::string StandInFile(const char* szName) {
    char szDir[MAX_PATH] = {};
    if (GetEnvironmentVariableA("HARBORGAST_STANDIN_DIR", szDir, MAX_PATH) == 0) return "";
    return std::string(szDir) + "\\" + szName;
}

inline void RecordCall(const std::string& szLine) {
    FILE* pFile = std::fopen(StandInFile("calls.txt").c_str(), "ab");
    if (pFile == nullptr) return;
    std::fprintf(pFile, "%s\n", szLine.c_str());
    std::fclose(pFile);
}

inline std::string Answer() {
    char szAnswer[16] = {};
    FILE* pFile = std::fopen(StandInFile("answer.txt").c_str(), "rb");
    if (pFile == nullptr) return "";
    std::fgets(szAnswer, sizeof szAnswer, pFile);
    std::fclose(pFile);
    return szAnswer;
}

inline std::string Decimal(HWND hWindow) {
    return std::to_string(static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(hWindow)));
}
