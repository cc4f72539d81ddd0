// Helpers for the Win32 tests that run in the bed: paths of the build's
// programs, starting a program with an exact command line, the per-program
// Windows version that Wine reports, and running a command of the Linux
// host (xdotool on the bed's display).
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
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

// Waits for hObject at most nTimeoutMs while dispatching this thread's
// messages: a preview's host window must answer what its child saver sends
// it (WM_PARENTNOTIFY, say), as a real host does. True when it was signalled.
inline bool WaitPumping(HANDLE hObject, DWORD nTimeoutMs) {
    const DWORD nStart = GetTickCount();
    for (;;) {
        const DWORD nElapsed = GetTickCount() - nStart;
        if (nElapsed >= nTimeoutMs) return WaitForSingleObject(hObject, 0) == WAIT_OBJECT_0;
        const DWORD nResult = MsgWaitForMultipleObjects(1, &hObject, FALSE, nTimeoutMs - nElapsed, QS_ALLINPUT);
        if (nResult == WAIT_OBJECT_0) return true;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

// A saver process started with an exact command line, ended (killed if it
// must be) when the object goes.
class SaverProcess {
public:
    SaverProcess(const std::string& szProgram, const std::string& szCommandLine) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string szLine = szCommandLine;
        m_bStarted = CreateProcessA(szProgram.c_str(), &szLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                    nullptr, &startup, &m_process) != FALSE;
    }
    ~SaverProcess() {
        if (!m_bStarted) return;
        if (WaitForSingleObject(m_process.hProcess, 0) != WAIT_OBJECT_0) {
            TerminateProcess(m_process.hProcess, WAIT_TIMEOUT);
            WaitForSingleObject(m_process.hProcess, 10000);
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    SaverProcess(const SaverProcess&) = delete;
    SaverProcess& operator=(const SaverProcess&) = delete;

    bool IsStarted() const { return m_bStarted; }
    DWORD Id() const { return m_process.dwProcessId; }
    HANDLE Handle() const { return m_process.hProcess; }

    // The saver window of this process: a child of hParent, or a top-level
    // window when hParent is null. Waits up to nTimeoutMs for it; null if
    // it did not appear or the process ended first.
    HWND WaitForWindow(HWND hParent, DWORD nTimeoutMs = 60000) const {
        const DWORD nStart = GetTickCount();
        while (GetTickCount() - nStart < nTimeoutMs) {
            if (HWND hWindow = FindOwnWindow(hParent)) return hWindow;
            if (WaitPumping(m_process.hProcess, 100)) return nullptr;
        }
        return nullptr;
    }

    // The exit code; on a time-out the process is ended and WAIT_TIMEOUT
    // returned.
    DWORD WaitForExit(DWORD nTimeoutMs = 60000) const {
        if (!WaitPumping(m_process.hProcess, nTimeoutMs)) {
            TerminateProcess(m_process.hProcess, WAIT_TIMEOUT);
            WaitForSingleObject(m_process.hProcess, 10000);
            return WAIT_TIMEOUT;
        }
        DWORD nExitCode = 0;
        GetExitCodeProcess(m_process.hProcess, &nExitCode);
        return nExitCode;
    }

    bool HasEnded() const { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0; }

private:
    struct Search {
        DWORD nProcessId;
        HWND hFound;
    };
    static BOOL CALLBACK Match(HWND hWindow, LPARAM lParam) {
        Search* pSearch = reinterpret_cast<Search*>(lParam);
        DWORD nProcessId = 0;
        GetWindowThreadProcessId(hWindow, &nProcessId);
        char szClass[64] = {};
        GetClassNameA(hWindow, szClass, sizeof szClass);
        if (nProcessId == pSearch->nProcessId && std::string(szClass) == "WindowsScreenSaverClass") {
            pSearch->hFound = hWindow;
            return FALSE;
        }
        return TRUE;
    }
    HWND FindOwnWindow(HWND hParent) const {
        Search search = {m_process.dwProcessId, nullptr};
        if (hParent != nullptr)
            EnumChildWindows(hParent, Match, reinterpret_cast<LPARAM>(&search));
        else
            EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
        return search.hFound;
    }

    PROCESS_INFORMATION m_process = {};
    bool m_bStarted = false;
};

// Runs a shell command of the Linux host inside the bed (its DISPLAY is the
// bed's screen) and waits for it, at most nTimeoutMs. Wine starts a Linux
// program but hands back no handle to wait on, so the command writes its
// exit status into a file that this polls. True when it ended with 0.
inline bool RunHostCommand(const std::string& szCommand, DWORD nTimeoutMs = 60000) {
    static int nRun = 0;
    const char* szBed = std::getenv("HARBORGAST_BED");
    if (szBed == nullptr) return false;
    const std::string szMarker = std::string(szBed) + "/host-command-" + std::to_string(GetCurrentProcessId()) +
                                 "-" + std::to_string(++nRun);
    std::string szWindowsMarker = "Z:" + szMarker;
    for (char& c : szWindowsMarker)
        if (c == '/') c = '\\';
    DeleteFileA(szWindowsMarker.c_str());
    std::string szLine = "sh -c \"" + szCommand + "; echo $? >" + szMarker + ".tmp; mv " + szMarker + ".tmp " +
                         szMarker + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA("Z:\\bin\\sh", &szLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    if (process.hThread != nullptr) CloseHandle(process.hThread);
    if (process.hProcess != nullptr) CloseHandle(process.hProcess);
    const DWORD nStart = GetTickCount();
    while (GetFileAttributesA(szWindowsMarker.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - nStart > nTimeoutMs) return false;
        Sleep(20);
    }
    int nStatus = -1;
    if (FILE* pFile = std::fopen(szWindowsMarker.c_str(), "r")) {
        if (std::fscanf(pFile, "%d", &nStatus) != 1) nStatus = -1;
        std::fclose(pFile);
    }
    DeleteFileA(szWindowsMarker.c_str());
    return nStatus == 0;
}
