// A stand-in for the system's screen-saver password module, PASSWORD.CPL:
// it records being loaded and each verification, with the window it was
// given and whether the platform then said a screen saver was running, and
// answers as the test says: "1" accepted, "0" refused, "fault" crashes,
// "dialog" stays open as the system's dialog does, handling the thread's
// messages, until its owner window is gone, and then refuses.
#include "standin_log.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD nReason, LPVOID) {
    if (nReason == DLL_PROCESS_ATTACH) RecordCall("loaded");
    return TRUE;
}

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND hWindow) {
    BOOL bRunning = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &bRunning, 0);
    RecordCall("verify window=" + Decimal(hWindow) + " running=" + (bRunning ? "1" : "0"));
    const std::string szAnswer = Answer();
    if (szAnswer == "fault") *static_cast<volatile int*>(nullptr) = 0;
    if (szAnswer == "dialog") {
        MSG msg = {};
        BOOL nGot = TRUE;
        while (IsWindow(hWindow) && (nGot = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        // A dialog's loop hands a quit request on to the loop beneath it.
        if (nGot == 0) PostQuitMessage(int(msg.wParam));
        RecordCall("dialog ended");
    }
    return szAnswer == "1";
}
