// The saver's command line: isolating the arguments behind the program
// name and picking the mode from them. Decisions only; the Windows entry
// supplies the character stepping, the window checks and the modes.
#pragma once

#include <cstdint>

// Steps over one character of the system code page, as CharNextA does; at
// the terminating zero it returns its argument.
using CharStepFn = const char* (*)(const char* sz);

// The argument string: what follows the program name (quoted or not) and
// the control characters and spaces after it.
const char* IsolateArguments(const char* szCommandLine, CharStepFn pfnStep);

enum SaverMode {
    kSaverModeRejected,
    kSaverModeConfigure,            // no owner window
    kSaverModeConfigureForeground,  // owned by the foreground window
    kSaverModeFullScreen,
    kSaverModePreview,              // nWindow is nonzero; still to be checked as a window
    kSaverModePassword,             // nWindow may be 0 or no window: then the foreground one
};

struct SaverModeChoice {
    SaverMode nMode;
    uint32_t nWindow;  // the handle after P, L or A; 0 otherwise
};

SaverModeChoice PickSaverMode(const char* szArgs, bool bWindows95Family);

// Decimal digits only, wrapping at 32 bits; 0 when szText has no leading digit.
uint32_t ParseWindowHandle(const char* szText);

constexpr int kExitRejected = -1;
