// What the Win32 host's files share: the window and module handles behind
// the seam's own types.
#pragma once

#include <windows.h>

#include "host/host.h"

inline HWND WindowOf(HostWindow hWindow) { return reinterpret_cast<HWND>(hWindow); }

// The saver's own module: the .scr is the process's executable.
inline HMODULE SaverModule() { return GetModuleHandleA(nullptr); }
