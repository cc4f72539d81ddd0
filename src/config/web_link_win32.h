// What the configure and About dialogs share about their web links: the
// hit test over a control, the hand cursor, and opening an address.
#pragma once

#include <windows.h>

// True when the mouse position of a message (lParam, client coordinates of
// hDialog) lies over the control nId, wherever the dialog has been moved.
bool IsMouseOverControl(HWND hDialog, LPARAM lParam, int nId);
// Follows the mouse over a link: the hand on entering, the arrow on leaving.
void TrackLinkCursor(HWND hDialog, bool bOverLink);
// WM_SETCURSOR: the hand while over a link, otherwise the arrow.
void ShowLinkCursor(HWND hDialog);
// Opens szAddress with the shell; on failure beeps and says so. True when
// it was opened.
bool OpenWebLink(const char* szAddress);
