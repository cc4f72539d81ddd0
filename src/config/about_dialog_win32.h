// The About dialog: the title artwork, the credits with their links to the
// project's home page, the tunes' origins and the opening sound.
#pragma once

#include <windows.h>

// Opens it modally over hOwner, in the layout that suits the system font.
void ShowAboutDialog(HWND hOwner);

INT_PTR CALLBACK AboutDialogProc(HWND hDialog, UINT nMessage, WPARAM wParam, LPARAM lParam);
