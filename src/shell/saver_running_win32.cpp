// The screen-saver-running state and the process's fault guard.
#include <windows.h>

#include "shell/saver_running.h"
#include "shell/shell.h"

namespace {

LPTOP_LEVEL_EXCEPTION_FILTER pfnPlatformFilter;

// Runs first on an unhandled fault; the filter that was in place before
// (the run time's, then the platform's own handling) still gets it.
LONG WINAPI SaverFaultFilter(EXCEPTION_POINTERS* pInfo) {
    SetSaverRunning(false);
    return pfnPlatformFilter ? pfnPlatformFilter(pInfo) : EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void SetSaverRunning(bool bRunning) {
    if (!Shell.bWindows95Family) return;
    UINT nPrevious = 0;  // the call wants somewhere to put it
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, bRunning ? 1 : 0, &nPrevious, 0);
}

void InstallFaultGuard() {
    pfnPlatformFilter = SetUnhandledExceptionFilter(SaverFaultFilter);
}
