// The Linux player's command line: the display mode, xscreensaver's
// conventions, and the settings under the render tool's option names.
#pragma once

#include <string>

#include "config/settings.h"

enum PlayerMode {
    kModeWindow,      // a resizable window of its own (the default)
    kModeFullScreen,  // covering every monitor; input ends it
    kModeRoot,        // the root window, or $XSCREENSAVER_WINDOW
    kModeWindowId,    // a window that another program made
};

struct PlayerOptions {
    PlayerMode nMode = kModeWindow;
    unsigned long nWindowId = 0;  // kModeWindowId
    bool bTrace = false;
    bool bHelp = false;
    std::string szAssetDir;  // empty: beside the program, then the build's
    bool bHasSetting[kSettingCount] = {};
    int nSetting[kSettingCount] = {};  // as the profile stores them
};

// Parses argv (both -option and --option spellings). On a bad argument
// returns false with a one-line message naming it in szError.
bool ParsePlayerOptions(int argc, char** argv, PlayerOptions& options, std::string& szError);

// Reads a window id as xscreensaver writes it: decimal or 0x hexadecimal.
bool ParseWindowId(const char* szText, unsigned long& nId);

// The usage that --help prints, with the settings' ranges.
void PrintPlayerUsage();
