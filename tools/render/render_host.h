// The render tool's host: the saver's window drawn into memory, resources
// read from the generated asset files, the profile given on the command
// line, a clock that the tool advances, and sound and music recorded for
// the trace instead of played.
#pragma once

#include "image_out.h"
#include "host/host.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct RenderHostState {
    std::string szAssetDir;
    std::string szTempDir;  // private, with a trailing separator
    std::map<std::string, int> profile;
    uint32_t nTickCount = 0;
    std::map<int, uint32_t> timers;  // armed timer id -> period, ms

    RgbImage window;
    std::vector<HostRect> outputs;  // the monitors in the window; none: the window is one
    bool bInFrame = false;
    std::vector<uint8_t> frameBuffer;
    int nBufferWidth = 0, nBufferHeight = 0;
    uint32_t bufferColours[256] = {};  // 0xRRGGBB per index, from the header

    std::map<std::pair<int, int>, std::vector<uint8_t>> resources;

    bool bQuitRequested = false;
    int nQuitCode = 0;

    // What the current frame step played and sent, for the trace; the tool
    // clears both after each step.
    std::vector<int> wavesPlayed;
    std::vector<std::string> musicEvents;
    // Notifications that the sequencer owes the window.
    int nPendingNotifies = 0;
    uint32_t nNextDevice = 1;
    std::map<uint32_t, bool> devicesPlayingWithNotify;
};
extern RenderHostState RenderHost;

// The window handle that the tool hands to the show.
HostWindow RenderWindow();
