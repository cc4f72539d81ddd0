// The saver window on Win32: its class, the full-screen and preview windows,
// the message loop, and the chain of window procedures (its stages and their
// order are together below). The show itself is the portable saver-window
// logic; the stages only translate messages into its calls.
#include <windows.h>
#include <mmsystem.h>

#include "shell/command_line.h"
#include "shell/dismissal.h"
#include "shell/password.h"
#include "shell/saver_running.h"
#include "shell/saver_window.h"
#include "shell/saver_window_win32.h"
#include "shell/shell.h"
#include "show/show.h"

namespace {

constexpr char kSaverClassName[] = "WindowsScreenSaverClass";
constexpr char kFullScreenTitle[] = "Screen Saver";
constexpr char kPreviewTitle[] = "Preview";
// Sent by the saver to itself to run the password check.
constexpr UINT kVerifyPasswordMessage = WM_APP;

using ImmAssociateContextFn = HIMC(WINAPI*)(HWND, HIMC);

struct SaverShellState {
    bool bInHostWindow;  // a child of the host's window (the /p preview), not full screen
    ScreenPoint mouseReference;
    bool bClosing;          // a close was granted
    bool bPasswordDialog;   // the password dialog is open
    uint32_t nLastPasswordCheck = kNoPasswordCheck;
    // The input method is only touched when the process already has it.
    HMODULE hImm;
    ImmAssociateContextFn pfnImmAssociateContext;
    HIMC hSavedInputContext;
};
SaverShellState SaverShell;

HostWindow HostWindowOf(HWND hWnd) { return reinterpret_cast<HostWindow>(hWnd); }

void HideCursor() { SetCursor(nullptr); }

ScreenPoint CursorPosition() {
    POINT point = {};
    GetCursorPos(&point);
    return {point.x, point.y};
}

// The whole virtual screen, which may start left of or above the main
// monitor's corner: every monitor is covered.
RECT VirtualScreen() {
    const int nLeft = GetSystemMetrics(SM_XVIRTUALSCREEN), nTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {nLeft, nTop, nLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN), nTop + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

void RefreshClientSize(HWND hWnd) {
    RECT client = {};
    GetClientRect(hWnd, &client);
    OnSaverClientSize(client.right, client.bottom);
}

void DetachInputMethod(HWND hWnd) {
    SaverShell.hImm = GetModuleHandleA("IMM32.DLL");
    if (SaverShell.hImm == nullptr) return;
    SaverShell.pfnImmAssociateContext = reinterpret_cast<ImmAssociateContextFn>(
        reinterpret_cast<void*>(GetProcAddress(SaverShell.hImm, "ImmAssociateContext")));
    if (SaverShell.pfnImmAssociateContext != nullptr)
        SaverShell.hSavedInputContext = SaverShell.pfnImmAssociateContext(hWnd, nullptr);
}

void RestoreInputMethod(HWND hWnd) {
    if (SaverShell.hImm != nullptr && SaverShell.pfnImmAssociateContext != nullptr &&
        SaverShell.hSavedInputContext != nullptr)
        SaverShell.pfnImmAssociateContext(hWnd, SaverShell.hSavedInputContext);
}

bool IsInputMessage(UINT nMessage) {
    switch (nMessage) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            return true;
    }
    return false;
}

}  // namespace

bool ConfirmClose(HWND hWnd) {
    if (SaverShell.bPasswordDialog || SaverShell.bClosing) return false;
    if (!PasswordRequired()) {
        SaverShell.bClosing = true;
        return true;
    }
    if (PasswordAskedRecently(SaverShell.nLastPasswordCheck, GetTickCount())) return false;
    SaverShell.bPasswordDialog = true;
    // Ticks queued behind the close request would run frames under the
    // dialog; the dialog's own loop lets new ones through.
    MSG msg;
    PeekMessageA(&msg, hWnd, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD);
    PeekMessageA(&msg, hWnd, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD);
    SaverShell.bClosing = SendMessageA(hWnd, kVerifyPasswordMessage, 0, 0) != 0;
    SaverShell.bPasswordDialog = false;
    if (!SaverShell.bClosing) HideCursor();
    SaverShell.nLastPasswordCheck = GetTickCount();
    return SaverShell.bClosing;
}

namespace {

// ---- The chain of window procedures ----------------------------------------
// Every message to the saver window runs down one chain, outermost stage
// first, until a stage answers it; what no stage answers goes to
// DefWindowProcA. A stage returns true with the answer in nResult, or
// false to pass the message on. Each of the three procedures that the
// platform and the tests know enters the chain at its own stage.

// 1. The class's procedure (SaverWindowProc): the input method, the cursor,
//    system commands, the end of the session, help in a preview, and input
//    after a close was granted.
bool FilterStage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& nResult) {
    switch (nMessage) {
        case WM_CREATE:
            DetachInputMethod(hWnd);
            SaverShell.mouseReference = CursorPosition();
            if (!SaverShell.bInHostWindow) HideCursor();
            break;
        case WM_DESTROY:
            RestoreInputMethod(hWnd);
            PostQuitMessage(0);
            break;
        case WM_SETTEXT:
            nResult = 0;
            return true;
        case WM_PAINT:
            if (SaverShell.bClosing) {
                nResult = DefWindowProcA(hWnd, nMessage, wParam, lParam);
                return true;
            }
            if (!SaverShell.bInHostWindow) HideCursor();
            break;
        case WM_HELP:
        case WM_CONTEXTMENU:
            if (SaverShell.bInHostWindow) {
                HWND hParent = GetParent(hWnd);
                if (hParent != nullptr && IsWindow(hParent))
                    PostMessageA(hParent, nMessage, reinterpret_cast<WPARAM>(hParent), lParam);
                nResult = 1;
                return true;
            }
            break;
        case WM_SYSCOMMAND:
            if (!SaverShell.bInHostWindow &&
                (wParam == SC_NEXTWINDOW || wParam == SC_PREVWINDOW || wParam == SC_SCREENSAVE)) {
                nResult = 0;
                return true;
            }
            break;
        case WM_TIMER:
            if (SaverShell.bClosing) {
                nResult = 0;
                return true;
            }
            Sleep(0);
            break;
        case WM_ENDSESSION:
            // The session ends as soon as this returns, without WM_DESTROY:
            // go now, so that the show is released, the tune files deleted
            // and the screen-saver-running state turned off. An open
            // password dialog runs this from inside its module, which may
            // only go once the dialog has returned (after the loop).
            if (wParam != 0) {
                DestroyWindow(hWnd);
                if (SaverShell.bPasswordDialog)
                    SetSaverRunning(false);
                else
                    UnloadPasswordModule();
                nResult = 0;
                return true;
            }
            break;
        default:
            if (IsInputMessage(nMessage) && SaverShell.bClosing) {
                nResult = DefWindowProcA(hWnd, nMessage, wParam, lParam);
                return true;
            }
            break;
    }
    return false;
}

// 2. The show (ScreenSaverProc, exported): start-up and shut-down, paint,
//    the timers and the music's notifications, as calls of the portable
//    saver-window logic.
bool ShowStage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM /*lParam*/, LRESULT& nResult) {
    switch (nMessage) {
        case WM_CREATE:
            OnSaverCreate(HostWindowOf(hWnd));
            break;
        case WM_DESTROY:
            OnSaverDestroy(HostWindowOf(hWnd));
            break;
        case WM_PAINT:
            RefreshClientSize(hWnd);
            if (IsPreviewWidth(Show.nClientWidth)) {
                PAINTSTRUCT paint;
                BeginPaint(hWnd, &paint);
                OnPreviewPaint(HostWindowOf(hWnd));
                EndPaint(hWnd, &paint);
                nResult = 0;
                return true;
            }
            break;
        case WM_ERASEBKGND:
            RefreshClientSize(hWnd);
            break;
        case WM_TIMER:
            OnSaverTick(HostWindowOf(hWnd), int(wParam));
            nResult = 0;
            return true;
        case MM_MCINOTIFY:
            OnSaverMusicNotify(HostWindowOf(hWnd));
            break;
        case WM_DISPLAYCHANGE:
            // A monitor came or went, or a resolution changed: the window
            // covers the new virtual screen and the show follows its
            // monitors. The system may have moved the pointer off a monitor
            // that went, which is no movement of the user's.
            if (!SaverShell.bInHostWindow) {
                const RECT screen = VirtualScreen();
                SetWindowPos(hWnd, HWND_TOPMOST, screen.left, screen.top, screen.right - screen.left,
                             screen.bottom - screen.top, SWP_NOACTIVATE);
                SaverShell.mouseReference = CursorPosition();
                RECT client = {};
                GetClientRect(hWnd, &client);
                OnSaverDisplayChange(HostWindowOf(hWnd), client.right, client.bottom);
            }
            break;
    }
    return false;
}

// 3. Input (SaverDefaultProc): keys, buttons and mouse movement turned into
//    close requests, the close confirmed by the password on the Windows 95
//    family, the cursor kept hidden. Nothing for a window inside a host.
bool InputStage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM /*lParam*/, LRESULT& nResult) {
    if (SaverShell.bInHostWindow || SaverShell.bClosing) return false;
    switch (nMessage) {
        case WM_CLOSE:
            if (Shell.bWindows95Family && !ConfirmClose(hWnd)) {
                SaverShell.mouseReference = CursorPosition();
                nResult = 0;
                return true;
            }
            return false;
        case kVerifyPasswordMessage:
            if (!Shell.bWindows95Family) return false;
            nResult = VerifySaverPassword(HostWindowOf(hWnd)) ? 1 : 0;
            return true;
    }
    if (SaverShell.bPasswordDialog) return false;
    switch (nMessage) {
        case WM_SHOWWINDOW:
            if (wParam != 0) HideCursor();
            break;
        case WM_ACTIVATEAPP:
            if (wParam == 0) PostMessageA(hWnd, WM_CLOSE, 0, 0);
            break;
        case WM_SETCURSOR:
            HideCursor();
            nResult = 1;
            return true;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            PostMessageA(hWnd, WM_CLOSE, 0, 0);
            break;
        case WM_MOUSEMOVE: {
            // The message's own coordinates are client-relative and may be
            // synthesised; the cursor's screen position is what moved.
            const ScreenPoint now = CursorPosition();
            if (MovedBeyondThreshold(SaverShell.mouseReference, now)) {
                PostMessageA(hWnd, WM_CLOSE, 0, 0);
                SaverShell.mouseReference = now;
            }
            break;
        }
    }
    return false;
}

using SaverStageFn = bool (*)(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& nResult);

// The chain's order, in one place.
enum SaverStage { kStageFilter, kStageShow, kStageInput, kStageCount };
constexpr SaverStageFn kSaverChain[kStageCount] = {FilterStage, ShowStage, InputStage};

LRESULT RunSaverChain(SaverStage nFrom, HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
    for (int i = nFrom; i < kStageCount; ++i) {
        LRESULT nResult = 0;
        if (kSaverChain[i](hWnd, nMessage, wParam, lParam, nResult)) return nResult;
    }
    return DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK SaverWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
    return RunSaverChain(kStageFilter, hWnd, nMessage, wParam, lParam);
}

extern "C" __declspec(dllexport) LRESULT WINAPI ScreenSaverProc(HWND hWnd, UINT nMessage, WPARAM wParam,
                                                                 LPARAM lParam) {
    return RunSaverChain(kStageShow, hWnd, nMessage, wParam, lParam);
}

LRESULT WINAPI SaverDefaultProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
    return RunSaverChain(kStageInput, hWnd, nMessage, wParam, lParam);
}

int RunSaverWindow(HWND hParent) {
    const HINSTANCE hInstance = static_cast<HINSTANCE>(Shell.hInstance);
    WNDCLASSA windowClass = {};
    windowClass.style = CS_OWNDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = SaverWindowProc;
    windowClass.hInstance = hInstance;
    windowClass.hIcon = LoadIconA(hInstance, "SSAVERICON");
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kSaverClassName;

    int nLeft = 0, nTop = 0, nWidth, nHeight;
    const char* szTitle;
    HANDLE hOnlySaver = nullptr;  // full screen: held for the whole run
    DWORD nStyle, nExStyle;
    if (hParent != nullptr) {
        RECT parent = {};
        GetClientRect(hParent, &parent);
        nWidth = parent.right;
        nHeight = parent.bottom;
        szTitle = kPreviewTitle;
        nStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
        nExStyle = 0;
        SaverShell.bInHostWindow = true;
    } else {
        const RECT screen = VirtualScreen();
        nLeft = screen.left;
        nTop = screen.top;
        nWidth = screen.right - screen.left;
        nHeight = screen.bottom - screen.top;
        szTitle = kFullScreenTitle;
        nStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        nExStyle = WS_EX_TOPMOST;
        // One full-screen saver at a time: a second start brings the first
        // to the front and ends. A running saver is found by its window; one
        // still starting, by the mutex that every full-screen saver makes
        // first. So of two started in the same instant exactly one plays,
        // and it brings its own window forward once it has one.
        hOnlySaver = CreateMutexA(nullptr, FALSE, kFullScreenMutexName);
        const bool bOtherStarting = hOnlySaver != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
        HWND hRunning = FindWindowA(kSaverClassName, kFullScreenTitle);
        const bool bOtherRunning = hRunning != nullptr && IsWindow(hRunning);
        if (bOtherRunning) SetForegroundWindow(hRunning);
        if (bOtherRunning || bOtherStarting) {
            if (hOnlySaver != nullptr) CloseHandle(hOnlySaver);
            return 0;
        }
        LoadPasswordModule();
    }

    int nExitCode = kExitRejected;  // no window could be made
    HWND hWnd = nullptr;
    if (RegisterClassA(&windowClass) != 0)
        hWnd = CreateWindowExA(nExStyle, kSaverClassName, szTitle, nStyle, nLeft, nTop, nWidth, nHeight, hParent,
                               nullptr, hInstance, nullptr);
    if (hWnd != nullptr) {
        if (hParent == nullptr) SetForegroundWindow(hWnd);
        MSG msg = {};
        BOOL nGot;
        while ((nGot = GetMessageA(&msg, nullptr, 0, 0)) != 0 && nGot != -1) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        nExitCode = int(msg.wParam);
        // A start-up failure ends the loop with the window still there: its
        // destruction is what releases the show and deletes the tune files.
        if (IsWindow(hWnd)) DestroyWindow(hWnd);
    }
    UnloadPasswordModule();
    if (hOnlySaver != nullptr) CloseHandle(hOnlySaver);
    return nExitCode;
}

int StartPreview(uint32_t nWindow) {
    HWND hParent = reinterpret_cast<HWND>(static_cast<uintptr_t>(nWindow));
    if (nWindow == 0 || !IsWindow(hParent)) return kExitRejected;
    return RunSaverWindow(hParent);
}
