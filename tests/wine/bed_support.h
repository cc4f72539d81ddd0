// Helpers for the Win32 tests that run in the bed: paths of the build's
// programs, starting a program with an exact command line, and the
// per-program Windows version that Wine reports.
#pragma once

#include <windows.h>

#include <string>

// The saver as the build made it, as a Windows path (the bed's Z: drive is
// the Linux root).
inline std::string SaverPath() {
    std::string szPath = std::string("Z:") + HARBORGAST_SCR_PATH;
    for (char& c : szPath)
        if (c == '/') c = '\\';
    return szPath;
}

// Runs szProgram with exactly szCommandLine as its command line and waits
// for it, at most nTimeoutMs. Returns the exit code; on a time-out the
// program is ended and the result is WAIT_TIMEOUT with bTimedOut set.
struct RunResult {
    DWORD nExitCode;
    bool bStarted;
    bool bTimedOut;
};

inline RunResult RunProgram(const std::string& szProgram, const std::string& szCommandLine,
                            DWORD nTimeoutMs = 60000) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string szLine = szCommandLine;  // CreateProcessA may write into it
    if (!CreateProcessA(szProgram.c_str(), &szLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return {0, false, false};
    RunResult result = {0, true, false};
    if (WaitForSingleObject(process.hProcess, nTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, WAIT_TIMEOUT);
        WaitForSingleObject(process.hProcess, 10000);
        result.bTimedOut = true;
    }
    GetExitCodeProcess(process.hProcess, &result.nExitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

// Makes Wine report another Windows version (e.g. "win98" for the Windows 95
// family) to every program of this file name started while it lives.
class ScopedAppVersion {
public:
    ScopedAppVersion(const char* szExeName, const char* szVersion)
        : m_szKey(std::string("Software\\Wine\\AppDefaults\\") + szExeName) {
        HKEY hKey;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, m_szKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &hKey, nullptr) != ERROR_SUCCESS)
            return;
        m_bSet = RegSetValueExA(hKey, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(szVersion),
                                static_cast<DWORD>(strlen(szVersion) + 1)) == ERROR_SUCCESS;
        RegCloseKey(hKey);
    }
    ~ScopedAppVersion() { RegDeleteKeyA(HKEY_CURRENT_USER, m_szKey.c_str()); }
    ScopedAppVersion(const ScopedAppVersion&) = delete;
    ScopedAppVersion& operator=(const ScopedAppVersion&) = delete;
    bool IsSet() const { return m_bSet; }

private:
    std::string m_szKey;
    bool m_bSet = false;
};
