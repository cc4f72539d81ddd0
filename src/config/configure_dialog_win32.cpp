// The configure dialog on Win32. The values and their rules are the
// configure form's; this procedure carries them to and from the controls,
// draws the link and opens the About dialog.
#include "config/configure_dialog_win32.h"

#include <initializer_list>

#include "config/about_dialog_win32.h"
#include "config/configure_form.h"
#include "config/dialog_pictures_win32.h"
#include "config/web_link_win32.h"
#include "resource_ids.h"

namespace {

constexpr INT_PTR kResultSaved = 42;
constexpr INT_PTR kResultCancelled = 0;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr COLORREF kVisitedLinkColour = RGB(128, 0, 128);
constexpr int kLinkTextLength = 256;  // 255 characters and the terminator
constexpr int kMusicTextLength = 96;

struct ConfigureDialogState {
    HFONT hLinkFont;          // an underlined copy of the link's font
    HFONT hPreviousLinkFont;  // the link's own, given back at the end
    ScaledPicture icon;       // the saver's icon at the display's size, while open
};
ConfigureDialogState ConfigureDialog;

void ShowSlider(HWND hDialog, int nId, int nLow, int nHigh, int nPosition) {
    HWND hSlider = GetDlgItem(hDialog, nId);
    SetScrollRange(hSlider, SB_CTL, nLow, nHigh, TRUE);
    SetScrollPos(hSlider, SB_CTL, nPosition, TRUE);
}

void EnableMusic(HWND hDialog) {
    const BOOL bEnable = MusicCheckBoxEnabled() ? TRUE : FALSE;
    EnableWindow(GetDlgItem(hDialog, IDC_MUSIC_ON), bEnable);
    EnableWindow(GetDlgItem(hDialog, IDC_MUSIC_GROUP), bEnable);
}

void AddAboutToSystemMenu(HWND hDialog) {
    HMENU hMenu = GetSystemMenu(hDialog, FALSE);
    if (hMenu == nullptr) return;
    // Before Maximize; a dialog's menu may have dropped that entry, and then
    // the About entry goes before Close.
    if (!InsertMenuA(hMenu, SC_MAXIMIZE, MF_BYCOMMAND | MF_STRING, IDM_ABOUT, "&About..."))
        InsertMenuA(hMenu, SC_CLOSE, MF_BYCOMMAND | MF_STRING, IDM_ABOUT, "&About...");
}

void StartDialog(HWND hDialog) {
    ConfigureDialog = {};
    LoadConfigureForm();
    // A stored mode outside the three leaves every button clear.
    CheckRadioButton(hDialog, IDC_SOUND_ON, IDC_SOUND_OFF, ConfigureForm.nSoundMode);
    CheckDlgButton(hDialog, IDC_SHOW_BLOOD, ConfigureForm.nBlood);
    CheckDlgButton(hDialog, IDC_MUSIC_ON, ConfigureForm.nMusic);
    for (SettingId nChoice : {kSettingMonitors, kSettingPictureSize}) {
        const ChoiceButtons buttons = ChoiceButtonsOf(nChoice);
        CheckRadioButton(hDialog, buttons.nFirst, buttons.nLast, ChosenButton(nChoice));
    }
    ShowSlider(hDialog, IDC_SPEED_SLIDER, SettingKeys[kSettingSpeed].nLow, SettingKeys[kSettingSpeed].nHigh,
               ConfigureForm.nSpeed);
    ShowSlider(hDialog, IDC_OUTCOME_SLIDER, SettingKeys[kSettingKraken].nLow,
               SettingKeys[kSettingKraken].nHigh, ConfigureForm.nOutcome);
    char szMusic[kMusicTextLength];
    FormatMusicCheckBox(szMusic, sizeof szMusic);
    SetDlgItemTextA(hDialog, IDC_MUSIC_ON, szMusic);
    EnableMusic(hDialog);
    AddAboutToSystemMenu(hDialog);
    // The icon comes from the module that holds the dialog's template.
    const auto hModule = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hDialog, GWLP_HINSTANCE));
    ConfigureDialog.icon = SizeIconControl(GetDlgItem(hDialog, IDC_SAVER_ICON), hModule, "SSAVERICON",
                                           ConfigureIconSize(WindowDpi(hDialog)));
}

void RestoreLinkFont(HWND hDialog) {
    if (ConfigureDialog.hLinkFont == nullptr) return;
    SendDlgItemMessageA(hDialog, IDC_LIBRARY_LINK, WM_SETFONT,
                        reinterpret_cast<WPARAM>(ConfigureDialog.hPreviousLinkFont), TRUE);
    DeleteObject(ConfigureDialog.hLinkFont);
    ConfigureDialog.hLinkFont = nullptr;
}

void EndConfigureDialog(HWND hDialog, INT_PTR nResult) {
    if (nResult == kResultSaved) SaveConfigureForm();
    RestoreLinkFont(hDialog);
    PutBackPicture(ConfigureDialog.icon);
    EndDialog(hDialog, nResult);
}

void OnCommand(HWND hDialog, int nId) {
    switch (nId) {
        case IDOK:
        case IDC_SAVE:
            EndConfigureDialog(hDialog, kResultSaved);
            break;
        case IDCANCEL:
            EndConfigureDialog(hDialog, kResultCancelled);
            break;
        case IDC_SOUND_ON:
        case IDC_SOUND_FIRST_TIME:
        case IDC_SOUND_OFF:
            ConfigureForm.nSoundMode = nId;
            EnableMusic(hDialog);
            break;
        case IDC_SHOW_BLOOD:
            ConfigureForm.nBlood = !ConfigureForm.nBlood;
            CheckDlgButton(hDialog, IDC_SHOW_BLOOD, ConfigureForm.nBlood);
            break;
        case IDC_MUSIC_ON:
            ConfigureForm.nMusic = !ConfigureForm.nMusic;
            CheckDlgButton(hDialog, IDC_MUSIC_ON, ConfigureForm.nMusic);
            break;
        case IDC_ABOUT_BUTTON:
            ShowAboutDialog(hDialog);
            break;
        default:
            PickChoiceButton(nId);  // the buttons check themselves
            break;
    }
}

// Result 0 when a slider was moved, 1 when nothing changed.
INT_PTR OnSlider(WPARAM wParam, HWND hSlider) {
    const int nId = GetDlgCtrlID(hSlider);
    if (nId != IDC_SPEED_SLIDER && nId != IDC_OUTCOME_SLIDER) return 1;
    const SettingId nSlider = nId == IDC_SPEED_SLIDER ? kSettingSpeed : kSettingKraken;
    const int nThumb = static_cast<short>(HIWORD(wParam));
    if (!MoveSlider(nSlider, LOWORD(wParam), nThumb)) return 1;
    SetScrollPos(hSlider, SB_CTL, nSlider == kSettingSpeed ? ConfigureForm.nSpeed : ConfigureForm.nOutcome,
                 TRUE);
    return 0;
}

// The link's text draws blue, purple once opened, underlined, over the
// dialog's own background.
INT_PTR ColourLink(HDC hDC, HWND hLink) {
    SetTextColor(hDC, ConfigureForm.bLinkVisited ? kVisitedLinkColour : kLinkColour);
    SetBkMode(hDC, TRANSPARENT);
    if (ConfigureDialog.hLinkFont == nullptr) {
        const auto hFont = reinterpret_cast<HFONT>(SendMessageA(hLink, WM_GETFONT, 0, 0));
        LOGFONTA font;
        if (GetObjectA(hFont, sizeof font, &font) == sizeof font) {
            font.lfUnderline = TRUE;
            ConfigureDialog.hLinkFont = CreateFontIndirectA(&font);
            if (ConfigureDialog.hLinkFont != nullptr) {
                ConfigureDialog.hPreviousLinkFont = hFont;
                SendMessageA(hLink, WM_SETFONT, reinterpret_cast<WPARAM>(ConfigureDialog.hLinkFont), TRUE);
            }
        }
    }
    return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

void OpenLibraryLink(HWND hDialog) {
    char szAddress[kLinkTextLength] = {};
    GetDlgItemTextA(hDialog, IDC_LIBRARY_LINK, szAddress, sizeof szAddress);
    if (!OpenWebLink(szAddress)) return;
    ConfigureForm.bLinkVisited = true;
    InvalidateRect(GetDlgItem(hDialog, IDC_LIBRARY_LINK), nullptr, TRUE);
}

}  // namespace

int ShowConfigureDialog(HINSTANCE hModule, HWND hOwner) {
    return static_cast<int>(
        DialogBoxParamA(hModule, MAKEINTRESOURCEA(IDD_CONFIGURE), hOwner, ScreenSaverConfigureDialog, 0));
}

extern "C" __declspec(dllexport) INT_PTR CALLBACK ScreenSaverConfigureDialog(HWND hDialog, UINT nMessage,
                                                                             WPARAM wParam, LPARAM lParam) {
    switch (nMessage) {
        case WM_INITDIALOG:
            StartDialog(hDialog);
            return 1;
        case WM_COMMAND:
            OnCommand(hDialog, LOWORD(wParam));
            return 1;
        case WM_SYSCOMMAND:
            if (LOWORD(wParam) == IDM_ABOUT)
                ShowAboutDialog(hDialog);
            else
                DefWindowProcA(hDialog, nMessage, wParam, lParam);  // move, close, ...
            return 1;
        case WM_HSCROLL:
            return OnSlider(wParam, reinterpret_cast<HWND>(lParam));
        case WM_CTLCOLORSTATIC:
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) != IDC_LIBRARY_LINK) return 0;
            return ColourLink(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_SETCURSOR:
            ShowLinkCursor(hDialog);
            return 1;
        case WM_MOUSEMOVE:
            TrackLinkCursor(hDialog, IsMouseOverControl(hDialog, lParam, IDC_LIBRARY_LINK));
            return 1;
        case WM_LBUTTONDOWN:
            if (IsMouseOverControl(hDialog, lParam, IDC_LIBRARY_LINK)) OpenLibraryLink(hDialog);
            return 1;
        case WM_CLOSE:
            // The close box and the system menu's Close act as Cancel.
            PostMessageA(hDialog, WM_COMMAND, IDCANCEL, 0);
            return 1;
        default:
            return 0;
    }
}
