// The frame buffer every frame is composed in (8-bit palette indices, rows
// top-down, stride = width) and the placement of the 800 x 600 stage on
// every output (monitor) of a window of any size.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/stage_placement.h"
#include "host/host.h"

struct FrameBufferState {
    int32_t nWidth;     // client width less its remainder modulo 4, at most the stage's
    int32_t nHeight;    // client height, at most the stage's
    uint8_t* pPixels;   // null while there is no frame buffer
    HostDibHeader header;
    bool bHeaderReady;  // built by the palette step
    bool bPalette;      // the display has a hardware palette
    // Where and when each row was last drawn on, as the host's presents
    // read it (HostDrawnRows): the number of the present that follows the
    // drawing, and the columns drawn on since the present before it.
    std::vector<HostDrawnRow> drawnRows;
    uint64_t nPresents;  // presents counted so far
};
extern FrameBufferState FrameBuffer;

// Every drawing on the frame buffer tells the box it drew in (columns
// [nLeft, nRight) of rows [nTop, nBottom)), so that the next present looks
// at it again.
void MarkDrawn(int32_t nLeft, int32_t nTop, int32_t nRight, int32_t nBottom);
// Counts a present of the frame buffer: where it was drawn on, for each
// output it shows.
HostDrawnRows CountPresent();

constexpr int kMaxOutputs = 16;

// The outputs the stage is shown on (rectangles of the window's client area,
// the main one first) and the picture-size setting that places it on each.
struct OutputLayout {
    int32_t nOutputs;
    HostRect outputs[kMaxOutputs];
    int nPictureSize;  // a PictureSize value
};
// One output that is the whole client area.
OutputLayout WholeClientLayout(int32_t nClientWidth, int32_t nClientHeight, int nPictureSize);

// One output's share of presenting: the part of the frame buffer it shows
// and where in the window, scaled crisp or smooth.
struct StageOutput {
    HostRect source;
    HostRect dest;
    bool bSmooth;
};

// Which part of the stage the frame buffer holds: the view starts at its
// top-left corner; the origin is the frame-buffer position of stage (0, 0).
// Every output shows a part of the view.
struct StageViewState {
    int32_t nViewWidth;
    int32_t nViewHeight;
    int32_t nStageOriginX;
    int32_t nStageOriginY;
    int32_t nOutputs;
    StageOutput outputs[kMaxOutputs];
};
extern StageViewState StageView;

// Makes (or remakes) the frame buffer for a layout and places every loaded
// backdrop and the stage on every output. The frame buffer holds the part
// of the stage that the largest output shows (all of it unless every
// output is smaller than the stage). False when the platform could not
// make it.
bool CreateFrameBuffer(HostWindow hWindow, const OutputLayout& layout);
// The display changed while the show runs: places the stage on the new
// layout's outputs. The frame buffer is kept when it holds every output's
// part of the stage; otherwise it is made anew with the pixels it had
// copied to their place. False when a new one could not be made.
bool PlaceOutputs(HostWindow hWindow, const OutputLayout& layout);
void DeleteFrameBuffer();
