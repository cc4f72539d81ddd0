// The command line's decisions: isolating the arguments, picking the mode,
// reading a window handle.
#include <gtest/gtest.h>

#include <string>

#include "shell/command_line.h"

namespace {

const char* StepByte(const char* sz) {
    return *sz ? sz + 1 : sz;
}

// A double-byte code page: 0x81-0x9F and 0xE0-0xFC lead a two-byte character.
const char* StepDoubleByte(const char* sz) {
    if (!*sz) return sz;
    unsigned char c = static_cast<unsigned char>(*sz);
    bool bLead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    return (bLead && sz[1]) ? sz + 2 : sz + 1;
}

struct IsolateCase {
    const char* szCommandLine;
    const char* szArgs;
};

TEST(IsolateArgumentsTest, SkipsTheProgramNameAndTheSeparators) {
    const IsolateCase cases[] = {
        {"", ""},
        {"SSHarborgast.scr", ""},
        {"SSHarborgast.scr /s", "/s"},
        {"SSHarborgast.scr   -p 123", "-p 123"},
        {"SSHarborgast.scr /s \t", "/s \t"},
        {"\"C:\\Program Files\\SSHarborgast.scr\" /s", "/s"},
        {"\"C:\\Program Files\\SSHarborgast.scr\"/s", "/s"},
        {"\"C:\\Program Files\\SSHarborgast.scr\"", ""},
        {"\"\" /c", "/c"},
        // Without its closing quote the whole line is the name.
        {"\"C:\\Program Files\\SSHarborgast.scr /s", ""},
        // Every byte from 1 to 32 separates; a control character ends an
        // unquoted name.
        {"\"C:\\x.scr\" \t\x01\x1f\x20/p 12", "/p 12"},
        {"x.scr\x01/s", "/s"},
        {"x.scr\x1f\x1e/s", "/s"},
        // Bytes 127 to 255 belong to the name, and are no separators after it.
        {"Harbor\x7f\x80\xE9\xFF.scr /s", "/s"},
        {"x.scr \xA0/s", "\xA0/s"},
        {"x.scr \x85/s", "\x85/s"},
    };
    for (const IsolateCase& c : cases) {
        EXPECT_STREQ(IsolateArguments(c.szCommandLine, StepByte), c.szArgs)
            << "line [" << c.szCommandLine << "]";
    }
}

TEST(IsolateArgumentsTest, StepsOverDoubleByteCharactersWhole) {
    // The second byte of a double-byte character may be a quote or a space.
    const char* const szQuoted = "\"C:\\Dir\x83\"x\\SSHarborgast.scr\" /s";
    const char* const szPlain = "C:\\Dir\x83 x\\SSHarborgast.scr /s";
    EXPECT_STREQ(IsolateArguments(szQuoted, StepDoubleByte), "/s");
    EXPECT_STREQ(IsolateArguments(szPlain, StepDoubleByte), "/s");
    EXPECT_STREQ(IsolateArguments(szQuoted, StepByte), "x\\SSHarborgast.scr\" /s");
    EXPECT_STREQ(IsolateArguments(szPlain, StepByte), "x\\SSHarborgast.scr /s");
}

struct HandleCase {
    const char* szText;
    uint32_t nHandle;
};

TEST(ParseWindowHandleTest, ReadsDecimalDigitsWrappingAt32Bits) {
    const HandleCase cases[] = {
        {"", 0},
        {"0", 0},
        {"7", 7},
        {"65572", 65572},
        {"00123", 123},
        {"12ab", 12},
        {"12 34", 12},
        {" 12", 0},  // no skipping
        {"+5", 0},   // no sign
        {"-5", 0},
        {":5", 0},
        {"\xB5", 0},
        {"4294967295", 4294967295u},
        {"4294967296", 0},
        {"4294967297", 1},
        {"99999999999", 1215752191u},
        {"123456789012345678901234567890", 1312754386u},
    };
    for (const HandleCase& c : cases)
        EXPECT_EQ(ParseWindowHandle(c.szText), c.nHandle) << "text [" << c.szText << "]";
}

struct ModeCase {
    const char* szArgs;
    SaverMode nMode;
    uint32_t nWindow;
};

void ExpectModes(const ModeCase* pCases, size_t nCount, bool bWindows95Family) {
    for (size_t i = 0; i < nCount; ++i) {
        const ModeCase& c = pCases[i];
        SaverModeChoice choice = PickSaverMode(c.szArgs, bWindows95Family);
        EXPECT_EQ(choice.nMode, c.nMode) << "args [" << c.szArgs << "] 95 family " << bWindows95Family;
        EXPECT_EQ(choice.nWindow, c.nWindow) << "args [" << c.szArgs << "]";
    }
}

TEST(PickSaverModeTest, FirstSignificantCharacterDecidesOnEitherFamily) {
    const ModeCase cases[] = {
        {"", kSaverModeConfigure, 0},
        {"   ", kSaverModeConfigure, 0},
        {"-/ /-", kSaverModeConfigure, 0},
        {"s", kSaverModeFullScreen, 0},
        {"S", kSaverModeFullScreen, 0},
        {"/s", kSaverModeFullScreen, 0},
        {"-S", kSaverModeFullScreen, 0},
        {" /-/s", kSaverModeFullScreen, 0},
        {"/save 123", kSaverModeFullScreen, 0},
        {"c", kSaverModeConfigureForeground, 0},
        {"/C", kSaverModeConfigureForeground, 0},
        {"/c:1234", kSaverModeConfigureForeground, 0},
        {"/p 1234", kSaverModePreview, 1234},
        {"/p1234", kSaverModePreview, 1234},
        {"-P    77", kSaverModePreview, 77},
        {"/l 5", kSaverModePreview, 5},
        {"L5x", kSaverModePreview, 5},
        {"/p 4294967297", kSaverModePreview, 1},
        // A preview needs a nonzero handle right after the letter and spaces.
        {"/p", kSaverModeRejected, 0},
        {"/l", kSaverModeRejected, 0},
        {"/p 0", kSaverModeRejected, 0},
        {"/p 000", kSaverModeRejected, 0},
        {"/p 4294967296", kSaverModeRejected, 0},
        {"/p:1234", kSaverModeRejected, 0},
        {"/p\t1234", kSaverModeRejected, 0},
        {"/p -1234", kSaverModeRejected, 0},
        // Anything else first is rejected.
        {"x", kSaverModeRejected, 0},
        {"/x", kSaverModeRejected, 0},
        {"1", kSaverModeRejected, 0},
        {"?", kSaverModeRejected, 0},
        {"\t/s", kSaverModeRejected, 0},
        {"/\x01s", kSaverModeRejected, 0},
        {"\\s", kSaverModeRejected, 0},
    };
    ExpectModes(cases, std::size(cases), false);
    ExpectModes(cases, std::size(cases), true);
}

TEST(PickSaverModeTest, PasswordModeOnlyOnTheWindows95Family) {
    const ModeCase cases95[] = {
        {"/a", kSaverModePassword, 0},
        {"A", kSaverModePassword, 0},
        {"/a 1234", kSaverModePassword, 1234},
        {"-a1234", kSaverModePassword, 1234},
        {"/a:1234", kSaverModePassword, 0},  // the owner becomes the foreground window
    };
    const ModeCase casesNt[] = {
        {"/a", kSaverModeRejected, 0},
        {"A", kSaverModeRejected, 0},
        {"/a 1234", kSaverModeRejected, 0},
    };
    ExpectModes(cases95, std::size(cases95), true);
    ExpectModes(casesNt, std::size(casesNt), false);
}

TEST(PickSaverModeTest, BytesFrom128To255AreNeverModeLetters) {
    for (int nByte = 128; nByte <= 255; ++nByte) {
        const std::string szArgs = std::string("/") + static_cast<char>(nByte) + "s";
        for (bool b95 : {false, true}) {
            EXPECT_EQ(PickSaverMode(szArgs.c_str(), b95).nMode, kSaverModeRejected) << "byte " << nByte;
        }
    }
}

}  // namespace
