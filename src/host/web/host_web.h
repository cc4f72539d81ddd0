// The browser host: host.h for a page. The window is an RGBA picture in the
// module's memory that the page puts on its canvas; resources are the
// generated asset files packed with the module; the profile is the page's
// localStorage (under the page's test query, the query's values); sounds and
// tunes play through Web Audio. The page's side of each service is in
// web_bridge.js and page.js.
#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "host/host.h"

struct WebHostState {
    // The window: client pixels as R, G, B, A bytes, rows top-down.
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint32_t> window;
    // The part of the window drawn since the page last took it.
    int nDirtyLeft = 0, nDirtyTop = 0, nDirtyRight = 0, nDirtyBottom = 0;

    // The frame buffer and its colour table as window pixels.
    std::vector<uint8_t> frameBuffer;
    int nBufferWidth = 0;
    int nBufferHeight = 0;
    uint32_t bufferColours[256] = {};
    bool bInFrame = false;

    std::map<std::pair<int, int>, std::vector<uint8_t>> resources;  // (type, id): file bytes

    uint32_t nTickCount = 0;  // the clock: the page's, or a test run's
    uint32_t nNextDevice = 1;
};
extern WebHostState WebHost;

HostWindow WebWindow();
// Sizes the window (client pixels), black.
void SetWebWindowSize(int nWidth, int nHeight);
// Hands the part of the window drawn since the last call to the page.
void ShowWebWindow();
// A tune that the page played to its end (device nDevice): the window is
// owed a notification, unless the play was stopped or closed meanwhile.
void NoteWebTuneEnded(uint32_t nDevice);
