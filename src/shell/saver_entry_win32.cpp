// The process entry: isolates the arguments, notes the Windows family,
// runs the mode that the command line asks for under the fault guard, and
// ends the process with its result.
#include <windows.h>

#include <cstdint>

#include "shell/command_line.h"
#include "shell/saver_running.h"
#include "shell/saver_window_win32.h"
#include "shell/shell.h"

namespace {

// The modes arrive with their own work. Until one does, asking for it ends
// with the platform's "not implemented" code: never a false success, and
// distinct from a rejected command line.
constexpr int kExitModeNotBuilt = ERROR_CALL_NOT_IMPLEMENTED;

const char* StepCharacter(const char* sz) {
    return CharNextA(sz);
}

bool IsWindows95Family() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = 148;  // the size of OSVERSIONINFOA
    return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

int DispatchSaverMode(HINSTANCE hInstance, const char* szArgs) {
    Shell.hInstance = hInstance;
    Shell.bWindows95Family = IsWindows95Family();
    const SaverModeChoice choice = PickSaverMode(szArgs, Shell.bWindows95Family);
    switch (choice.nMode) {
        case kSaverModeRejected:
            return kExitRejected;
        case kSaverModeFullScreen:
            return RunSaverWindow(nullptr);
        case kSaverModePreview:
            return StartPreview(choice.nWindow);
        case kSaverModeConfigure:
        case kSaverModeConfigureForeground:
        case kSaverModePassword:
            return kExitModeNotBuilt;
    }
    return kExitRejected;
}

[[noreturn]] void SaverEntry() {
    InstallFaultGuard();
    const char* szArgs = IsolateArguments(GetCommandLineA(), StepCharacter);
    ExitProcess(static_cast<UINT>(DispatchSaverMode(GetModuleHandleA(nullptr), szArgs)));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    SaverEntry();
}
