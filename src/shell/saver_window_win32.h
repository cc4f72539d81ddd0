// The saver window's Win32 procedures and its run, for the process entry
// and the tests.
#pragma once

#include <windows.h>

#include <cstdint>

// Held by the full-screen saver from its start to its end; a full-screen
// start that finds it ends at once.
constexpr char kFullScreenMutexName[] = "Harborgast full-screen saver";

// Makes the saver window (a preview child of hParent, or full screen when
// it is null) and runs the message loop until the window is gone. Returns
// the exit code: 0 after a normal run, -1 when no window could be made.
int RunSaverWindow(HWND hParent);
// The preview mode: -1 unless nWindow names an existing window.
int StartPreview(uint32_t nWindow);

LRESULT CALLBACK SaverWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
extern "C" __declspec(dllexport) LRESULT WINAPI ScreenSaverProc(HWND hWnd, UINT nMessage, WPARAM wParam,
                                                                 LPARAM lParam);
LRESULT WINAPI SaverDefaultProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
// True when the saver may close now: at once without a password, otherwise
// after the password dialog accepted one.
bool ConfirmClose(HWND hWnd);
