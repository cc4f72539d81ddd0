// The command line's decisions. Characters are read as signed bytes, so
// every byte from 128 to 255 is negative: part of an unquoted program name,
// never a separator, never a mode letter.
#include "shell/command_line.h"

namespace {

int SignedByte(const char* sz) {
    return static_cast<signed char>(*sz);
}

const char* SkipSpaces(const char* sz) {
    while (*sz == ' ') ++sz;
    return sz;
}

}  // namespace

const char* IsolateArguments(const char* szCommandLine, CharStepFn pfnStep) {
    const char* sz = szCommandLine;
    if (*sz == '"') {
        // A quoted name may hold spaces; without a closing quote the whole
        // line is the name.
        sz = pfnStep(sz);
        while (*sz != '\0' && *sz != '"') sz = pfnStep(sz);
        if (*sz == '"') sz = pfnStep(sz);
    } else {
        while (static_cast<unsigned>(SignedByte(sz)) > 32u) sz = pfnStep(sz);
    }
    while (SignedByte(sz) >= 1 && SignedByte(sz) <= 32) sz = pfnStep(sz);
    return sz;
}

SaverModeChoice PickSaverMode(const char* szArgs, bool bWindows95Family) {
    const char* sz = szArgs;
    while (*sz == ' ' || *sz == '-' || *sz == '/') ++sz;
    switch (SignedByte(sz)) {
        case '\0':
            return {kSaverModeConfigure, 0};
        case 'S':
        case 's':
            return {kSaverModeFullScreen, 0};
        case 'C':
        case 'c':
            return {kSaverModeConfigureForeground, 0};
        case 'P':
        case 'p':
        case 'L':
        case 'l': {
            uint32_t nWindow = ParseWindowHandle(SkipSpaces(sz + 1));
            if (nWindow == 0) break;
            return {kSaverModePreview, nWindow};
        }
        case 'A':
        case 'a':
            if (!bWindows95Family) break;
            return {kSaverModePassword, ParseWindowHandle(SkipSpaces(sz + 1))};
    }
    return {kSaverModeRejected, 0};
}

uint32_t ParseWindowHandle(const char* szText) {
    uint32_t nHandle = 0;
    for (const char* sz = szText; *sz >= '0' && *sz <= '9'; ++sz)
        nHandle = nHandle * 10u + static_cast<uint32_t>(*sz - '0');
    return nHandle;
}
