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

// A view presented into the window, with the frame-buffer pixels it showed,
// while nothing else has drawn over it: the next present of the same view
// draws only the part of the frame buffer that changed since, looking only
// where the show drew since the present it last showed.
struct ShownView {
    HostRect source, dest;
    bool bSmooth;
    std::vector<uint8_t> pixels;  // source.nWidth x source.nHeight
    uint64_t nPresent;            // the show's number of that present
};

struct MemoryWindowState {
    // The window's size, and its pixels: window.pixels, or pixels the host
    // lent (AttachMemoryWindowPixels) with their own row pitch.
    RgbImage window;
    uint32_t* pPixels = nullptr;
    size_t nPitch = 0;  // pixels from one row to the next
    std::vector<uint8_t> frameBuffer;
    int nBufferWidth = 0, nBufferHeight = 0;
    uint32_t bufferColours[256] = {};  // 0xRRGGBB per index, from the header
    DirtyRect dirty;
    std::vector<ShownView> shown;
};
extern MemoryWindowState MemoryWindow;

// A black window of this size (a new size drops what was drawn).
void ResizeMemoryWindow(int nWidth, int nHeight);
// The window drawn straight into the host's own pixels (the screen's
// surface, say: 0x00RRGGBB words, nPitch words a row), made black.
void AttachMemoryWindowPixels(uint32_t* pPixels, int nWidth, int nHeight, size_t nPitch);
// The first pixel of the window's row y.
inline uint32_t* MemoryWindowRow(int y) { return MemoryWindow.pPixels + static_cast<size_t>(y) * MemoryWindow.nPitch; }
// The part drawn since the last call, which then starts afresh.
DirtyRect TakeMemoryWindowDirtyRect();

// What the host services of the same names do (see host.h).
uint8_t* MemoryWindowCreateFrameBuffer(const HostDibHeader& header);
void MemoryWindowDeleteFrameBuffer();
bool MemoryWindowStretchPicture(int nResourceId, const HostRect& dest);
bool MemoryWindowHasFrameBuffer();
void MemoryWindowClear();
void MemoryWindowPresentView(const HostRect& source, const HostRect& dest, bool bSmooth, const HostDrawnRows& drawn);
