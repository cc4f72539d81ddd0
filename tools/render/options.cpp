// harborgast-render's command line: the options, their ranges and the
// usage text.

#include "options.h"

#include "config/settings.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

bool ParseLong(const char* sz, long long nLow, long long nHigh, long long& nOut) {
    if (!sz || !*sz) return false;
    errno = 0;
    char* pEnd = nullptr;
    const long long n = std::strtoll(sz, &pEnd, 10);
    if (errno || *pEnd || n < nLow || n > nHigh) return false;
    nOut = n;
    return true;
}

struct SettingFlag { const char* szFlag; SettingId id; long long nLow, nHigh; };
constexpr SettingFlag kSettingFlags[] = {
    {"--speed", kSettingSpeed, INT_MIN, INT_MAX},
    {"--kraken", kSettingKraken, INT_MIN, INT_MAX},
    {"--blood", kSettingBlood, 0, 1},
    {"--music", kSettingMusic, 0, 1},
    {"--sound", kSettingSound, INT_MIN, INT_MAX},
    {"--monitors", kSettingMonitors, kMonitorsEvery, kMonitorsMainOnly},
    {"--picture-size", kSettingPictureSize, kPictureLargestWhole, kPictureFillHeight},
};
static_assert(sizeof kSettingFlags / sizeof kSettingFlags[0] == kSettingCount, "every setting has its flag");

// "WxH+X+Y[,WxH+X+Y...]": each rectangle of a positive size, with no
// other character anywhere.
bool ParseOutputs(const char* sz, std::vector<RenderOutput>& outputs) {
    outputs.clear();
    std::string szRest = sz;
    while (true) {
        const size_t nEnd = szRest.find(',');
        const std::string szItem = szRest.substr(0, nEnd);
        const size_t nX = szItem.find('x'), nPlus1 = szItem.find('+'), nPlus2 = szItem.find('+', nPlus1 + 1);
        long long w = 0, h = 0, x = 0, y = 0;
        if (nX == std::string::npos || nPlus1 == std::string::npos || nPlus2 == std::string::npos ||
            nX > nPlus1 || !ParseLong(szItem.substr(0, nX).c_str(), 1, 16384, w) ||
            !ParseLong(szItem.substr(nX + 1, nPlus1 - nX - 1).c_str(), 1, 16384, h) ||
            !ParseLong(szItem.substr(nPlus1 + 1, nPlus2 - nPlus1 - 1).c_str(), 0, 16384, x) ||
            !ParseLong(szItem.substr(nPlus2 + 1).c_str(), 0, 16384, y))
            return false;
        outputs.push_back({int(x), int(y), int(w), int(h)});
        if (nEnd == std::string::npos) return true;
        szRest = szRest.substr(nEnd + 1);
    }
}

}  // namespace

const char kRenderUsage[] =
    "usage: harborgast-render --out DIR [options]\n"
    "Plays the show headless and writes the window as DIR/frame-NNNNNN.png.\n"
    "  --out DIR           where the frames go (required)\n"
    "  --frames N          frame steps to run (906, one pirates' cycle)\n"
    "  --every K           write only frames K, 2K, 3K, ... (1)\n"
    "  --size WxH          the window's client size (800x600); narrower than 639 is a preview\n"
    "  --outputs WxH+X+Y[,WxH+X+Y...]\n"
    "                      the monitors inside the window, the main one first (the window)\n"
    "  --tick-count T      the millisecond clock at the first frame step (0)\n"
    "  --speed N  --kraken N  --blood 0/1  --sound N  --music 0/1\n"
    "  --monitors 0/1  --picture-size 0/1/2\n"
    "                      the settings, as the profile would hold them\n"
    "  --trace             one line per frame step on standard output\n"
    "  --sheet FILE        also a contact sheet of the frames written\n"
    "  --assets DIR        where the generated assets are (the build's own by default)\n"
    "  --help              this text\n";

bool ParseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& szError) {
    for (int i = 1; i < argc; ++i) {
        const char* szArg = argv[i];
        const char* szValue = i + 1 < argc ? argv[i + 1] : nullptr;
        auto bad = [&](const char* szWhy) {
            szError = std::string("harborgast-render: ") + szWhy + ": " + szArg +
                      (szValue && std::strncmp(szArg, "--", 2) == 0 ? std::string(" ") + szValue : "");
            return false;
        };
        long long n = 0;
        if (!std::strcmp(szArg, "--help") || !std::strcmp(szArg, "-h")) {
            options.bHelp = true;
            return true;
        }
        if (!std::strcmp(szArg, "--trace")) {
            options.bTrace = true;
            continue;
        }
        if (std::strncmp(szArg, "--", 2) != 0) return bad("unexpected argument");
        if (!szValue) {
            return bad("missing value");
        }
        ++i;
        if (!std::strcmp(szArg, "--out")) {
            options.szOutDir = szValue;
        } else if (!std::strcmp(szArg, "--sheet")) {
            options.szSheetPath = szValue;
        } else if (!std::strcmp(szArg, "--assets")) {
            options.szAssetDir = szValue;
        } else if (!std::strcmp(szArg, "--frames")) {
            if (!ParseLong(szValue, 0, INT_MAX, n)) return bad("bad frame count");
            options.nFrames = static_cast<int>(n);
        } else if (!std::strcmp(szArg, "--every")) {
            if (!ParseLong(szValue, 1, INT_MAX, n)) return bad("bad frame interval");
            options.nEvery = static_cast<int>(n);
        } else if (!std::strcmp(szArg, "--tick-count")) {
            if (!ParseLong(szValue, 0, UINT32_MAX, n)) return bad("bad tick count");
            options.nTickCount = n;
        } else if (!std::strcmp(szArg, "--outputs")) {
            if (!ParseOutputs(szValue, options.outputs)) return bad("bad outputs (WxH+X+Y,...)");
        } else if (!std::strcmp(szArg, "--size")) {
            const char* pX = std::strchr(szValue, 'x');
            long long w = 0, h = 0;
            if (!pX || !ParseLong(std::string(szValue, pX).c_str(), 1, 16384, w) ||
                !ParseLong(pX + 1, 1, 16384, h))
                return bad("bad window size (WxH)");
            options.nWidth = static_cast<int>(w);
            options.nHeight = static_cast<int>(h);
        } else {
            const SettingFlag* pFlag = nullptr;
            for (const SettingFlag& f : kSettingFlags)
                if (!std::strcmp(szArg, f.szFlag)) pFlag = &f;
            if (!pFlag) return bad("unknown option");
            if (!ParseLong(szValue, pFlag->nLow, pFlag->nHigh, n)) return bad("bad setting value");
            options.bHasSetting[pFlag->id] = true;
            options.nSetting[pFlag->id] = static_cast<int>(n);
        }
    }
    for (const RenderOutput& o : options.outputs) {
        if (o.nLeft + o.nWidth > options.nWidth || o.nTop + o.nHeight > options.nHeight) {
            szError = "harborgast-render: --outputs reach beyond the window's --size";
            return false;
        }
    }
    if (options.szOutDir.empty()) {
        szError = "harborgast-render: missing required argument: --out DIR";
        return false;
    }
    return true;
}
