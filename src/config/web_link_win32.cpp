// The dialogs' web links on Win32.
#include "config/web_link_win32.h"

#include <shellapi.h>

#include "config/configure_form.h"
#include "resource_ids.h"

namespace {

void SetHandOrArrow(HWND hDialog, bool bHand) {
    if (bHand) {
        const auto hInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hDialog, GWLP_HINSTANCE));
        SetCursor(LoadCursorA(hInstance, MAKEINTRESOURCEA(IDCUR_LINK_HAND)));
    } else {
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    }
}

}  // namespace

bool IsMouseOverControl(HWND hDialog, LPARAM lParam, int nId) {
    RECT rcControl;
    if (!GetWindowRect(GetDlgItem(hDialog, nId), &rcControl)) return false;
    POINT point = {LOWORD(lParam), HIWORD(lParam)};
    ClientToScreen(hDialog, &point);
    return PtInRect(&rcControl, point) != FALSE;
}

void TrackLinkCursor(HWND hDialog, bool bOverLink) {
    const LinkHoverChange nChange = TrackLinkHover(bOverLink);
    if (nChange != kLinkHoverUnchanged) SetHandOrArrow(hDialog, nChange == kLinkHoverEntered);
}

void ShowLinkCursor(HWND hDialog) { SetHandOrArrow(hDialog, ConfigureForm.bLinkHover); }

bool OpenWebLink(const char* szAddress) {
    const auto nResult = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", szAddress, nullptr, nullptr, SW_SHOWNORMAL));
    if (nResult > 32) return true;
    MessageBeep(0);
    MessageBoxA(nullptr, "Unable to launch web browser!", "Error Message", MB_OK | MB_ICONERROR);
    return false;
}
