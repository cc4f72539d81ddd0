// The frame buffer every frame is composed in (8-bit palette indices, rows
// top-down, stride = width) and the placement of the 800 x 600 stage in a
// window of any size.
#pragma once

#include <cstdint>

#include "host/host.h"

struct FrameBufferState {
    int32_t nWidth;     // client width less its remainder modulo 4, at most the stage's
    int32_t nHeight;    // client height, at most the stage's
    uint8_t* pPixels;   // null while there is no frame buffer
    HostDibHeader header;
    bool bHeaderReady;  // built by the palette step
    bool bPalette;      // the display has a hardware palette
};
extern FrameBufferState FrameBuffer;

// Where the stage is shown: the view always starts at the frame buffer's
// top-left corner; the origin is the frame-buffer position of stage (0, 0).
struct StageViewState {
    int32_t nStageLeft;
    int32_t nStageTop;
    int32_t nViewWidth;
    int32_t nViewHeight;
    int32_t nStageOriginX;
    int32_t nStageOriginY;
};
extern StageViewState StageView;

// The crop of one picture axis (width or height) into a client extent.
struct StageAxis {
    int32_t nSource;   // offset into the picture
    int32_t nVisible;  // visible extent
    int32_t nWindow;   // window position of the visible part
};
// nClient is the unrounded client extent, nBuffer the frame buffer's; the
// visible extent never exceeds nBuffer.
StageAxis PlaceStageAxis(int32_t nPicture, int32_t nClient, int32_t nBuffer);

// Makes (or remakes) the frame buffer for a client area and places every
// loaded backdrop and the stage view. False when the platform could not
// make it.
bool CreateFrameBuffer(HostWindow hWindow, int32_t nClientWidth, int32_t nClientHeight);
void DeleteFrameBuffer();
