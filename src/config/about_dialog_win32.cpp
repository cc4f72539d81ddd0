// The About dialog on Win32, opened from the configure dialog: its pictures
// and texts are all in the template; the procedure enlarges the pictures
// for the display, plays the opening sound and opens the home page from
// the two names in the credits.
#include "config/about_dialog_win32.h"

#include "config/configure_form.h"
#include "config/dialog_pictures_win32.h"
#include "config/web_link_win32.h"
#include "resource_ids.h"

namespace {

struct AboutDialogState {
    int nTemplate;
    int nDpi;
    ScaledPicture art;  // the pictures enlarged for the display, while open
    ScaledPicture credits;
};
AboutDialogState AboutDialog;

void StartAboutDialog(HWND hDialog) {
    const PictureScale scale = AboutPictureScale(AboutDialog.nTemplate, AboutDialog.nDpi);
    AboutDialog.art = ScaleBitmapControl(GetDlgItem(hDialog, IDC_ABOUT_ART), scale);
    AboutDialog.credits = ScaleBitmapControl(GetDlgItem(hDialog, IDC_ABOUT_CREDITS), scale);
}

bool IsMouseOverHotSpot(HWND hDialog, LPARAM lParam) {
    return IsMouseOverControl(hDialog, lParam, IDC_HOT_SPOT_ANIMATOR) ||
           IsMouseOverControl(hDialog, lParam, IDC_HOT_SPOT_PROGRAMMER);
}

}  // namespace

void ShowAboutDialog(HWND hOwner) {
    // Large system fonts get the smaller layout, so the dialog still fits.
    TEXTMETRICA metrics = {};
    HDC hDC = GetDC(hOwner);
    GetTextMetricsA(hDC, &metrics);
    ReleaseDC(hOwner, hDC);
    AboutDialog = {};
    AboutDialog.nDpi = WindowDpi(hOwner);
    AboutDialog.nTemplate = AboutTemplateFor(metrics.tmHeight, AboutDialog.nDpi);
    const auto hInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hOwner, GWLP_HINSTANCE));
    DialogBoxParamA(hInstance, MAKEINTRESOURCEA(AboutDialog.nTemplate), hOwner, AboutDialogProc, 0);
}

INT_PTR CALLBACK AboutDialogProc(HWND hDialog, UINT nMessage, WPARAM wParam, LPARAM lParam) {
    switch (nMessage) {
        case WM_INITDIALOG:
            StartAboutDialog(hDialog);
            PlayAboutSound();
            return 1;
        case WM_DESTROY:
            PutBackPicture(AboutDialog.art);
            PutBackPicture(AboutDialog.credits);
            return 0;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                case IDC_SAVE:
                    EndDialog(hDialog, 1);
                    break;
                case IDCANCEL:
                    EndDialog(hDialog, 0);
                    break;
                default:
                    break;
            }
            return 1;
        case WM_SETCURSOR:
            ShowLinkCursor(hDialog);
            return 1;
        case WM_MOUSEMOVE:
            TrackLinkCursor(hDialog, IsMouseOverHotSpot(hDialog, lParam));
            return 1;
        case WM_LBUTTONDOWN:
            if (IsMouseOverHotSpot(hDialog, lParam)) OpenWebLink(HARBORGAST_HOME_ADDRESS);
            return 1;
        default:
            return 0;
    }
}
