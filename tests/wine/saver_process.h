// A saver process that a test drives from outside, as a user would: started
// with its own command line and environment, its windows found by caption,
// its exit awaited. Whatever is left running at the end is ended.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

// Waits nMs while handling this thread's messages: the saver's dialogs send
// messages to their owner, which may be a window of the test.
inline void PumpMessages(DWORD nMs) {
    const DWORD nStart = GetTickCount();
    for (DWORD nElapsed = 0; nElapsed < nMs; nElapsed = GetTickCount() - nStart) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, nMs - nElapsed, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
}

class SaverProcess {
public:
    SaverProcess() = default;
    SaverProcess(const SaverProcess&) = delete;
    SaverProcess& operator=(const SaverProcess&) = delete;
    ~SaverProcess() {
        if (m_process.hProcess == nullptr) return;
        if (WaitForSingleObject(m_process.hProcess, 0) != WAIT_OBJECT_0) {
            TerminateProcess(m_process.hProcess, WAIT_TIMEOUT);
            WaitForSingleObject(m_process.hProcess, 10000);
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }

    // Runs szProgram with the command line "szProgram" szArgs. Each entry of
    // environment ("NAME=value") replaces or adds a variable.
    bool Start(const std::string& szProgram, const std::string& szArgs,
               const std::vector<std::string>& environment = {}) {
        return StartWithLine(szProgram, "\"" + szProgram + "\" " + szArgs, environment);
    }
    // The same with exactly szLine as the command line.
    bool StartWithLine(const std::string& szProgram, std::string szLine,
                       const std::vector<std::string>& environment = {}) {
        std::vector<char> block = EnvironmentWith(environment);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        return CreateProcessA(szProgram.c_str(), &szLine[0], nullptr, nullptr, FALSE, 0, block.data(), nullptr,
                              &startup, &m_process) != FALSE;
    }

    // The process's visible top-level window with this caption, waited for
    // up to nTimeoutMs; null if none came.
    HWND WaitForWindow(const char* szCaption, DWORD nTimeoutMs = 30000) const {
        const DWORD nStart = GetTickCount();
        do {
            HWND hFound = FindWindowOf(szCaption);
            if (hFound != nullptr) return hFound;
            if (!IsRunning()) return FindWindowOf(szCaption);
            PumpMessages(50);
        } while (GetTickCount() - nStart < nTimeoutMs);
        return nullptr;
    }

    // Waits until the window is gone (closed, or the process ended).
    static bool WaitUntilGone(HWND hWindow, DWORD nTimeoutMs = 30000) {
        const DWORD nStart = GetTickCount();
        while (IsWindow(hWindow) && IsWindowVisible(hWindow)) {
            if (GetTickCount() - nStart >= nTimeoutMs) return false;
            PumpMessages(20);
        }
        return true;
    }

    // The exit code once the process has ended; fails the test on a time-out.
    DWORD WaitForExit(DWORD nTimeoutMs = 30000) const {
        DWORD nCode = STILL_ACTIVE;
        const DWORD nStart = GetTickCount();
        while (IsRunning() && GetTickCount() - nStart < nTimeoutMs) PumpMessages(20);
        EXPECT_FALSE(IsRunning()) << "the saver did not end";
        GetExitCodeProcess(m_process.hProcess, &nCode);
        return nCode;
    }

    bool IsRunning() const { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }
    DWORD ThreadId() const { return m_process.dwThreadId; }

private:
    HWND FindWindowOf(const char* szCaption) const {
        struct Search {
            DWORD nProcessId;
            const char* szCaption;
            HWND hFound;
        } search = {m_process.dwProcessId, szCaption, nullptr};
        EnumWindows(
            [](HWND hWindow, LPARAM lParam) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(lParam);
                DWORD nProcessId = 0;
                GetWindowThreadProcessId(hWindow, &nProcessId);
                char szText[256] = {};
                GetWindowTextA(hWindow, szText, sizeof szText);
                if (nProcessId != s.nProcessId || !IsWindowVisible(hWindow) || strcmp(szText, s.szCaption) != 0)
                    return TRUE;
                s.hFound = hWindow;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.hFound;
    }

    static std::vector<char> EnvironmentWith(const std::vector<std::string>& changes) {
        std::vector<std::string> entries;
        char* pBlock = GetEnvironmentStringsA();
        for (const char* p = pBlock; *p; p += strlen(p) + 1) entries.emplace_back(p);
        FreeEnvironmentStringsA(pBlock);
        for (const std::string& szChange : changes) {
            const std::string szName = szChange.substr(0, szChange.find('=') + 1);
            for (auto it = entries.begin(); it != entries.end();)
                it = _strnicmp(it->c_str(), szName.c_str(), szName.size()) == 0 ? entries.erase(it) : it + 1;
            entries.push_back(szChange);
        }
        std::vector<char> block;
        for (const std::string& szEntry : entries) block.insert(block.end(), szEntry.c_str(), szEntry.c_str() + szEntry.size() + 1);
        block.push_back('\0');
        return block;
    }

    PROCESS_INFORMATION m_process = {};
};
