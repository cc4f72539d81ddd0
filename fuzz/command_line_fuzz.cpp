// The command line: the arguments isolated behind the program name with
// single-byte and with double-byte character stepping, the mode picked from
// them for both Windows families, and the window handle that follows.
//
// Input: the command line text, then two bytes at the end: the character
// stepping (the last but one) and the Windows family (the last).

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "shell/command_line.h"

namespace {

const char* StepSingleByte(const char* sz) { return *sz != '\0' ? sz + 1 : sz; }

// A double-byte code page of the 932 kind: a lead byte carries the next
// byte with it, unless that one ends the string.
bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
const char* StepDoubleByte(const char* sz) {
    if (*sz == '\0') return sz;
    if (IsLeadByte(static_cast<unsigned char>(*sz)) && sz[1] != '\0') return sz + 2;
    return sz + 1;
}

bool IsBlank(char c) { return c >= 1 && c <= 32; }  // signed: bytes 128-255 are not

// The character starts of a string, as the stepping sees them, up to and
// including its terminator.
std::vector<const char*> CharacterStarts(const char* sz, CharStepFn pfnStep) {
    std::vector<const char*> starts{sz};
    while (*starts.back() != '\0') starts.push_back(pfnStep(starts.back()));
    return starts;
}

void CheckIsolation(const char* szLine, CharStepFn pfnStep) {
    const char* szArgs = IsolateArguments(szLine, pfnStep);
    const std::vector<const char*> starts = CharacterStarts(szLine, pfnStep);
    // The program name ends at the first character that closes it: the
    // closing quote (taken with the name) or, unquoted, a blank or the end.
    size_t nArgs = 0;
    while (starts[nArgs] != szArgs) {
        ++nArgs;
        FUZZ_CHECK(nArgs < starts.size());  // on a character start, not past the end
    }
    size_t nNameEnd = 0;
    if (szLine[0] == '"') {
        nNameEnd = 1;
        while (*starts[nNameEnd] != '\0' && *starts[nNameEnd] != '"') ++nNameEnd;
        if (*starts[nNameEnd] == '"') ++nNameEnd;
    } else {
        // Bytes 33-255 are all part of an unquoted name.
        while (static_cast<unsigned char>(*starts[nNameEnd]) > 32) ++nNameEnd;
    }
    FUZZ_CHECK(nArgs >= nNameEnd);
    for (size_t i = nNameEnd; i < nArgs; ++i) FUZZ_CHECK(IsBlank(*starts[i]));
    FUZZ_CHECK(!IsBlank(*szArgs));
}

uint32_t HandleOf(const char* sz) {
    uint64_t nValue = 0;
    for (; *sz >= '0' && *sz <= '9'; ++sz) nValue = (nValue * 10 + uint64_t(*sz - '0')) % (uint64_t{1} << 32);
    return uint32_t(nValue);
}

void CheckModeChoice(const char* szArgs, bool bWindows95Family) {
    const SaverModeChoice choice = PickSaverMode(szArgs, bWindows95Family);
    const char* szLetter = szArgs + std::strspn(szArgs, " -/");
    const char* szHandle = szLetter[0] != '\0' ? szLetter + 1 + std::strspn(szLetter + 1, " ") : szLetter;
    FUZZ_CHECK(ParseWindowHandle(szHandle) == HandleOf(szHandle));
    SaverModeChoice expected = {kSaverModeRejected, 0};
    switch (szLetter[0]) {
        case '\0': expected = {kSaverModeConfigure, 0}; break;
        case 'S': case 's': expected = {kSaverModeFullScreen, 0}; break;
        case 'C': case 'c': expected = {kSaverModeConfigureForeground, 0}; break;
        case 'P': case 'p': case 'L': case 'l':
            if (HandleOf(szHandle) != 0) expected = {kSaverModePreview, HandleOf(szHandle)};
            break;
        case 'A': case 'a':
            if (bWindows95Family) expected = {kSaverModePassword, HandleOf(szHandle)};
            break;
    }
    FUZZ_CHECK(choice.nMode == expected.nMode);
    FUZZ_CHECK(choice.nWindow == expected.nWindow);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    FuzzedDataProvider input(pData, nSize);
    const bool bWindows95Family = input.ConsumeBool();
    const CharStepFn pfnStep = input.ConsumeBool() ? StepDoubleByte : StepSingleByte;
    // A command line ends at its first zero byte; the buffer is exactly the
    // text and its terminator.
    const std::vector<char> bytes = input.ConsumeRemainingBytes<char>();
    std::vector<char> line(bytes.begin(), std::find(bytes.begin(), bytes.end(), '\0'));
    line.push_back('\0');

    CheckIsolation(line.data(), pfnStep);
    CheckModeChoice(IsolateArguments(line.data(), pfnStep), bWindows95Family);
    // The picker on its own, as if the line held only arguments.
    CheckModeChoice(line.data(), bWindows95Family);
    return 0;
}
