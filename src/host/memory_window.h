// The saver's window kept in memory as 0xRRGGBB pixels, with the frame
// buffer and its colours: the drawing services of host.h for the hosts that
// have no drawing system of their own to hand the frames to (the render
// tool writes the window out as pictures; the Linux player copies it to the
// screen). Each host's drawing services forward to these.
#pragma once

#include <cstdint>
#include <vector>

#include "host/host.h"

// An RGB picture, 0x00RRGGBB per pixel, rows top-down.
struct RgbImage {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint32_t> pixels;
};

// The part of the window drawn since it was last taken (empty: nothing).
struct DirtyRect {
    int nLeft = 0, nTop = 0, nRight = 0, nBottom = 0;
};

struct MemoryWindowState {
    RgbImage window;
    std::vector<uint8_t> frameBuffer;
    int nBufferWidth = 0, nBufferHeight = 0;
    uint32_t bufferColours[256] = {};  // 0xRRGGBB per index, from the header
    DirtyRect dirty;
};
extern MemoryWindowState MemoryWindow;

// A black window of this size (a new size drops what was drawn).
void ResizeMemoryWindow(int nWidth, int nHeight);
// The part drawn since the last call, which then starts afresh.
DirtyRect TakeMemoryWindowDirtyRect();

// What the host services of the same names do (see host.h).
uint8_t* MemoryWindowCreateFrameBuffer(const HostDibHeader& header);
void MemoryWindowDeleteFrameBuffer();
bool MemoryWindowStretchPicture(int nResourceId, const HostRect& dest);
bool MemoryWindowHasFrameBuffer();
void MemoryWindowClear();
void MemoryWindowPresentView(const HostRect& source, const HostRect& dest, bool bSmooth);
