// The soak's probe inside the running saver: a message hook that the watcher
// puts on the saver's thread (the system loads this module into the saver
// for it). It sees every message that the saver's loop takes, before it is
// dispatched, so each frame tick comes between two frames; there it counts
// the frames and, once a minute, appends a line with the process's private
// bytes and live GDI objects to the report file that the variable
// HARBORGAST_SOAK_REPORT names:
//
//   cycle FRAMES SECONDS PRIVATE_BYTES GDI_OBJECTS HEAP_BYTES   once, after the first cycle
//   minute N FRAMES PRIVATE_BYTES GDI_OBJECTS HEAP_BYTES        every minute from the hook's start
//
// HEAP_BYTES is what the process's heaps hold in blocks in use: all that
// the saver and the system's Windows-side modules allocate, and nothing of
// what Wine's Linux-side libraries do, which private bytes also count.
//
// Frames are the frame ticks after the start-up timer's tick, that is the
// frames the show ran. Every cycle takes at most 906 frames, so the first
// has ended when that many have run.
#include <windows.h>
#include <psapi.h>

#include <cstdarg>
#include <cstdio>

#include "gdi_objects.h"

namespace {

constexpr UINT_PTR kFrameTimer = 0;
constexpr UINT_PTR kStartupTimer = 1;
constexpr long kLongestCycleFrames = 906;
constexpr DWORD kSampleMs = 60000;

struct ProbeState {
    bool bStarted;         // the first message was seen
    bool bShowRunning;     // the start-up timer has fired
    bool bCycleReported;
    long nFrames;
    int nMinute;
    DWORD nStartTicks;
    DWORD nShowStartTicks;
};
ProbeState Probe;

// The memory committed to this process alone. The platform's private-usage
// figure is the same number, but Wine fills in only the older counters, so
// this takes the page-file usage (under Wine: the process's anonymous
// resident memory plus its swap, as Linux counts them).
unsigned long long PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) ? counters.PagefileUsage : 0;
}

unsigned long long HeapBytesInUse() {
    HANDLE heaps[256];
    const DWORD nHeaps = GetProcessHeaps(256, heaps);
    unsigned long long nBytes = 0;
    for (DWORD i = 0; i < nHeaps && i < 256; ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) nBytes += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return nBytes;
}

void Report(const char* szFormat, ...) {
    char szPath[MAX_PATH] = {};
    if (GetEnvironmentVariableA("HARBORGAST_SOAK_REPORT", szPath, MAX_PATH) == 0) return;
    FILE* pFile = std::fopen(szPath, "ab");
    if (pFile == nullptr) return;
    va_list args;
    va_start(args, szFormat);
    std::vfprintf(pFile, szFormat, args);
    va_end(args);
    std::fclose(pFile);
}

bool IsSaverWindow(HWND hWindow) {
    char szClass[64] = {};
    GetClassNameA(hWindow, szClass, sizeof szClass);
    return lstrcmpA(szClass, "WindowsScreenSaverClass") == 0;
}

void OnTimerMessage(const MSG& msg) {
    const DWORD nNow = GetTickCount();
    if (!Probe.bStarted) {
        Probe.bStarted = true;
        Probe.nStartTicks = nNow;
    }
    if (msg.wParam == kStartupTimer && !Probe.bShowRunning) {
        Probe.bShowRunning = true;
        Probe.nShowStartTicks = nNow;
    } else if (msg.wParam == kFrameTimer && Probe.bShowRunning) {
        ++Probe.nFrames;
        if (!Probe.bCycleReported && Probe.nFrames > kLongestCycleFrames) {
            Probe.bCycleReported = true;
            Report("cycle %ld %lu %llu %d %llu\n", Probe.nFrames, (nNow - Probe.nShowStartTicks) / 1000,
                   PrivateBytes(), CountGdiObjects(), HeapBytesInUse());
        }
    }
    if (nNow - Probe.nStartTicks >= DWORD(Probe.nMinute + 1) * kSampleMs) {
        ++Probe.nMinute;
        Report("minute %d %ld %llu %d %llu\n", Probe.nMinute, Probe.nFrames, PrivateBytes(), CountGdiObjects(),
               HeapBytesInUse());
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK SoakProbe(int nCode, WPARAM wParam, LPARAM lParam) {
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg->message == WM_TIMER && IsSaverWindow(pMsg->hwnd))
        OnTimerMessage(*pMsg);
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}
