// A recording fake of every host service but the profile: each call is
// logged as one line of text in order, and each result can be set up.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/host.h"

struct FakeMessageBox {
    HostWindow hOwner;
    std::string szText;
    std::string szCaption;
    HostIcon nIcon;
};

struct FakeHostState {
    // "Open(path)", "Play(3,window)", "Wave(149)", ...; a play or stop names
    // the window it notifies: "window" (FakeWindow), "none" or "other".
    std::vector<std::string> calls;
    std::vector<FakeMessageBox> boxes;
    std::function<void()> onMessageBox;  // runs while a box is "open"
    std::function<void()> onPresent;     // runs as each frame is presented
    HostDrawnRows drawn = {};            // what the present being made was told

    uint32_t nTickCount = 0;
    bool bTimersFail = false;  // HostSetTimer's result is the opposite
    std::map<std::pair<int, int>, std::vector<uint8_t>> resources;  // (type, id)
    bool bTitlePicture = true;
    bool bCanDraw = true;  // HostBeginFrame's result

    std::string szTempPath = "/tmp/";
    bool bNoTempPath = false;

    HostDisplayCaps caps = {false, 0, 0};
    bool bPaletteFails = false;
    std::vector<uint32_t> systemPalette;  // 0xRRGGBB; the show palette adopts it
    std::vector<uint32_t> showPalette;
    std::vector<uint8_t> adoptedFlags;

    // What HostGetOutputs gives (none: the host cannot say).
    std::vector<HostRect> outputs;

    bool bFrameBufferFails = false;
    std::vector<uint8_t> frameBuffer;
    HostDibHeader frameBufferHeader = {};
    bool bFrameBufferPaletteIndices = false;

    uint32_t nNextDevice = 1;
    uint32_t nOpenError = 0, nStatusError = 0, nPlayError = 0;
};
extern FakeHostState FakeHost;

HostWindow FakeWindow();
// "left,top,WxH", as the log writes a rectangle.
std::string FakeRectText(const HostRect& r);
// The calls whose text starts with szPrefix, in order.
std::vector<std::string> FakeCalls(const std::string& szPrefix);
// The sequencer commands only (Open, Status, Play, Seek, Stop, Close).
std::vector<std::string> FakeSequencerCalls();
void AddFakeResource(HostResourceType nType, int nId, std::vector<uint8_t> bytes);
