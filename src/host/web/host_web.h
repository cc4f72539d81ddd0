// The browser host: host.h for a page. The window is the window in memory
// (host/memory_window.h), whose drawn part goes to the page's canvas after
// each frame; resources are the generated asset files packed with the module
// (host/asset_files.h, from the module's /assets folder); the profile is the
// page's localStorage (under the page's test query, the query's values);
// sounds and tunes play through Web Audio. The page's side of each service is in
// web_bridge.js and page.js.
#pragma once

#include <cstdint>

#include "host/host.h"

struct WebHostState {
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
