// The process entry: isolates the arguments, notes the Windows family,
// runs the mode that the command line asks for under the fault guard, and
// ends the process with its result.
#include <windows.h>

#include <cstdint>

#include "config/configure_dialog_win32.h"
#include "shell/command_line.h"
#include "shell/password.h"
#include "shell/saver_running.h"
#include "shell/saver_window_win32.h"
#include "shell/shell.h"

namespace {

const char* StepCharacter(const char* sz) {
    return CharNextA(sz);
}

bool IsWindows95Family() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

// The password change is owned by the window named on the command line, or
// by the foreground window when none or no real one was named.
int ChangePasswordFor(uint32_t nWindow) {
    HWND hOwner = reinterpret_cast<HWND>(static_cast<uintptr_t>(nWindow));
    if (nWindow == 0 || !IsWindow(hOwner)) hOwner = GetForegroundWindow();
    ChangeSaverPassword(reinterpret_cast<HostWindowTag*>(hOwner));
    return 0;
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
            return ShowConfigureDialog(hInstance, nullptr);
        case kSaverModeConfigureForeground:
            return ShowConfigureDialog(hInstance, GetForegroundWindow());
        case kSaverModePassword:
            return ChangePasswordFor(choice.nWindow);
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
