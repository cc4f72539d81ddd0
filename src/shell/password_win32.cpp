// The password modules, looked up by name at run time: none of them is
// linked, since they exist only on the Windows 95 family.
#include <windows.h>

#include "shell/password.h"
#include "shell/saver_running.h"
#include "shell/shell.h"

namespace {

using VerifyFn = BOOL(WINAPI*)(HWND);
using ChangeFn = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, LPVOID);

struct PasswordState {
    HMODULE hModule;     // PASSWORD.CPL while loaded
    VerifyFn pfnVerify;  // its VerifyScreenSavePwd
};
PasswordState Password;

// "ScreenSaveUsePassword" under the user's desktop settings, read into
// four bytes whatever its type; a value that does not fit is no password.
bool UserWantsPassword() {
    HKEY hKey;
    if (RegOpenKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &hKey) != ERROR_SUCCESS) return false;
    DWORD nValue = 0;
    DWORD nSize = sizeof nValue;
    const bool bWanted = RegQueryValueExA(hKey, "ScreenSaveUsePassword", nullptr, nullptr,
                                          reinterpret_cast<BYTE*>(&nValue), &nSize) == ERROR_SUCCESS &&
                         nValue != 0;
    RegCloseKey(hKey);
    return bWanted;
}

}  // namespace

void LoadPasswordModule() {
    if (!Shell.bWindows95Family) return;
    UnloadPasswordModule();
    if (!UserWantsPassword()) return;
    Password.hModule = LoadLibraryA("PASSWORD.CPL");
    if (Password.hModule == nullptr) return;
    Password.pfnVerify = reinterpret_cast<VerifyFn>(
        reinterpret_cast<void*>(GetProcAddress(Password.hModule, "VerifyScreenSavePwd")));
    if (Password.pfnVerify != nullptr)
        SetSaverRunning(true);
    else
        UnloadPasswordModule();
}

void UnloadPasswordModule() {
    if (!Shell.bWindows95Family || Password.hModule == nullptr) return;
    FreeLibrary(Password.hModule);
    Password.hModule = nullptr;
    if (Password.pfnVerify != nullptr) {
        Password.pfnVerify = nullptr;
        SetSaverRunning(false);
    }
}

bool PasswordRequired() { return Password.pfnVerify != nullptr; }

bool VerifySaverPassword(HostWindowTag* hWindow) {
    if (Password.pfnVerify == nullptr) return true;
    return Password.pfnVerify(reinterpret_cast<HWND>(hWindow)) != FALSE;
}

void ChangeSaverPassword(HostWindowTag* hOwner) {
    HMODULE hMpr = LoadLibraryA("MPR.DLL");
    if (hMpr == nullptr) return;
    const auto pfnChange =
        reinterpret_cast<ChangeFn>(reinterpret_cast<void*>(GetProcAddress(hMpr, "PwdChangePasswordA")));
    if (pfnChange != nullptr) pfnChange("SCRSAVE", reinterpret_cast<HWND>(hOwner), 0, nullptr);
    FreeLibrary(hMpr);
}
