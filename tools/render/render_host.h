// The render tool's host: the saver's window drawn into memory
// (MemoryWindow), resources read from the generated asset files, the
// profile given on the command line, a clock that the driver advances, and
// sound and music recorded for the trace instead of played.
#pragma once

#include "host/host.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct RenderHostState {
    std::string szTempDir;  // private, with a trailing separator
    std::map<std::string, int> profile;
    uint32_t nTickCount = 0;  // the clock, which the driver's host sets
    std::vector<HostRect> outputs;  // the monitors in the window; none: the window is one

    // What the current frame step played and sent, for the trace; the tool
    // clears both after each step.
    std::vector<int> wavesPlayed;
    std::vector<std::string> musicEvents;
    uint32_t nNextDevice = 1;
    std::map<uint32_t, bool> devicesPlayingWithNotify;
};
extern RenderHostState RenderHost;

// The window handle that the tool hands to the show.
HostWindow RenderWindow();
