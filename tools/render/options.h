// Command-line options of harborgast-render.
#pragma once

#include <string>
#include <vector>

// A monitor inside the window: its client-area rectangle.
struct RenderOutput {
    int nLeft, nTop, nWidth, nHeight;
};

#include "config/settings.h"

struct RenderOptions {
    std::string szOutDir;
    std::string szSheetPath;
    std::string szAssetDir;
    int nFrames = 906;
    int nEvery = 1;
    int nWidth = 800;
    int nHeight = 600;
    long long nTickCount = 0;
    // --outputs: the monitors the window covers, the main one first; none
    // makes the whole window one.
    std::vector<RenderOutput> outputs;
    bool bTrace = false;
    bool bHelp = false;  // --help: print the usage and do nothing else
    // Settings as profile values; unset ones read as absent keys.
    bool bHasSetting[kSettingCount] = {};
    int nSetting[kSettingCount] = {};
};

// Parses argv. On a bad argument returns false with a one-line message
// naming it in szError.
bool ParseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& szError);

// The usage text that --help prints.
extern const char kRenderUsage[];
