// The dialogs' pictures at the display's DPI: the DPI a window is shown
// at, and a picture control given an enlarged copy of its image for as
// long as the dialog is open.
#pragma once

#include <windows.h>

#include "config/configure_form.h"

// The DPI of the monitor that hWindow is on, where the system can tell
// (Windows 10, version 1607 and later), else the system's DPI.
int WindowDpi(HWND hWindow);

// A picture control's image replaced by a copy of it enlarged by a scale:
// pixel for pixel by a whole factor, and by a whole factor then smoothly
// down for any other. Put back and deleted by PutBackPicture.
struct ScaledPicture {
    HWND hControl = nullptr;
    HANDLE hOriginal = nullptr;
    HANDLE hScaled = nullptr;
};
ScaledPicture ScaleBitmapControl(HWND hControl, PictureScale scale);
// A picture control's icon replaced by the icon resource szName loaded at
// nSize pixels.
ScaledPicture SizeIconControl(HWND hControl, HINSTANCE hInstance, const char* szName, int nSize);
void PutBackPicture(ScaledPicture& picture);
