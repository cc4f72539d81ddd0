// harborgast's command line.

#include "host/linux/options.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "resource_ids.h"

namespace {

bool ParseInt(const char* sz, int& nOut) {
    if (sz == nullptr || *sz == '\0') return false;
    errno = 0;
    char* pEnd = nullptr;
    const long long n = std::strtoll(sz, &pEnd, 10);
    if (errno != 0 || *pEnd != '\0' || n < INT_MIN || n > INT_MAX) return false;
    nOut = int(n);
    return true;
}

// A named value an option takes besides its number.
struct Word {
    const char* szWord;
    int nValue;
};

struct SettingOption {
    const char* szName;  // without the dashes
    SettingId id;
    Word words[3];
};
constexpr SettingOption kSettingOptions[] = {
    {"speed", kSettingSpeed, {}},
    {"kraken", kSettingKraken, {}},
    {"blood", kSettingBlood, {{"on", 1}, {"off", 0}}},
    {"music", kSettingMusic, {{"on", 1}, {"off", 0}}},
    {"sound", kSettingSound, {{"on", IDC_SOUND_ON}, {"once", IDC_SOUND_FIRST_TIME}, {"off", IDC_SOUND_OFF}}},
    {"monitors", kSettingMonitors, {{"every", kMonitorsEvery}, {"main", kMonitorsMainOnly}}},
    {"picture-size", kSettingPictureSize,
     {{"largest", kPictureLargestWhole}, {"original", kPictureOriginal}, {"fill", kPictureFillHeight}}},
};
static_assert(sizeof kSettingOptions / sizeof kSettingOptions[0] == kSettingCount,
              "every setting has its option");

// "-name" or "--name": the name; null for anything else.
const char* OptionName(const char* szArg) {
    if (szArg[0] != '-') return nullptr;
    return szArg[1] == '-' ? szArg + 2 : szArg + 1;
}

}  // namespace

namespace {

const char kPlayerUsage[] =
    "usage: harborgast [options]\n"
    "Plays the Harborgast show: in a window, full screen, or for xscreensaver.\n"
    "  (no mode)            a resizable window; Esc or closing it ends the show\n"
    "  --fullscreen         every monitor; a key, a click or moving the mouse ends it\n"
    "  --root               the root window, or the one $XSCREENSAVER_WINDOW names\n"
    "  --window-id ID       a window another program made (decimal or 0x hex)\n"
    "Settings (remembered in $XDG_CONFIG_HOME/harborgast/settings.ini, or\n"
    "~/.config/harborgast/settings.ini, for the next run):\n"
    "  --speed N            %d (slowest) to %d (fastest); default %d\n"
    "  --kraken N           %d to %d: the lower, the likelier the kraken wins; default %d\n"
    "  --blood on|off       default on\n"
    "  --music on|off       the two tunes; default on\n"
    "  --sound on|once|off  sound effects and music: always, the first cycle only, never\n"
    "  --monitors every|main  full screen on every monitor (default) or the main one only\n"
    "  --picture-size largest|original|fill\n"
    "                       the largest whole size (default), the original size, or\n"
    "                       filling the height\n"
    "Numbers are taken too (--blood 0, --sound 1037, --picture-size 2, as the\n"
    "settings file holds them); values beyond a range are brought into it.\n"
    "  --trace              one line per frame step (and one per new window size) on standard output\n"
    "  --assets DIR         where the generated pictures, sounds and tunes are\n"
    "  --help               this text\n"
    "Each option may also be written with one dash (-root, -window-id ID).\n";

}  // namespace

void PrintPlayerUsage() {
    const SettingKey& speed = SettingKeys[kSettingSpeed];
    const SettingKey& kraken = SettingKeys[kSettingKraken];
    std::printf(kPlayerUsage, speed.nLow, speed.nHigh, speed.nDefault, kraken.nLow, kraken.nHigh, kraken.nDefault);
}

bool ParseWindowId(const char* szText, unsigned long& nId) {
    if (szText == nullptr || *szText == '\0' || *szText == '-') return false;
    errno = 0;
    char* pEnd = nullptr;
    const unsigned long n = std::strtoul(szText, &pEnd, 0);
    if (errno != 0 || *pEnd != '\0' || n == 0 || n > 0xFFFFFFFFul) return false;
    nId = n;
    return true;
}

bool ParsePlayerOptions(int argc, char** argv, PlayerOptions& options, std::string& szError) {
    for (int i = 1; i < argc; ++i) {
        const char* szArg = argv[i];
        const char* szName = OptionName(szArg);
        const char* szValue = i + 1 < argc ? argv[i + 1] : nullptr;
        auto bad = [&](const char* szWhy, bool bWithValue) {
            szError = std::string("harborgast: ") + szWhy + ": " + szArg +
                      (bWithValue && szValue ? std::string(" ") + szValue : "");
            return false;
        };
        if (szName == nullptr) return bad("unexpected argument", false);
        const std::string name = szName;
        if (name == "help" || name == "h") {
            options.bHelp = true;
            return true;
        }
        if (name == "fullscreen") {
            options.nMode = kModeFullScreen;
        } else if (name == "root") {
            options.nMode = kModeRoot;
        } else if (name == "trace") {
            options.bTrace = true;
        } else if (name == "window-id") {
            if (!ParseWindowId(szValue, options.nWindowId)) return bad("bad window id", true);
            options.nMode = kModeWindowId;
            ++i;
        } else if (name == "assets") {
            if (szValue == nullptr) return bad("missing value", false);
            options.szAssetDir = szValue;
            ++i;
        } else {
            const SettingOption* pOption = nullptr;
            for (const SettingOption& o : kSettingOptions)
                if (name == o.szName) pOption = &o;
            if (pOption == nullptr) return bad("unknown option", false);
            if (szValue == nullptr) return bad("missing value", false);
            int n = 0;
            bool bKnown = ParseInt(szValue, n);
            for (const Word& w : pOption->words)
                if (w.szWord != nullptr && !std::strcmp(szValue, w.szWord)) n = w.nValue, bKnown = true;
            if (!bKnown) return bad("bad setting value", true);
            options.bHasSetting[pOption->id] = true;
            options.nSetting[pOption->id] = n;
            ++i;
        }
    }
    return true;
}
