// The configure dialog: the five settings, the About dialog and the link
// to the project's library page.
#pragma once

#include <windows.h>

// Runs the dialog of hModule (the saver's) modally, owned by hOwner (or by
// no window). Returns 42 after OK, 0 after Cancel.
int ShowConfigureDialog(HINSTANCE hModule, HWND hOwner);

// The dialog procedure, exported by name as screen-saver hosts expect.
extern "C" __declspec(dllexport) INT_PTR CALLBACK ScreenSaverConfigureDialog(HWND hDialog, UINT nMessage,
                                                                             WPARAM wParam, LPARAM lParam);
