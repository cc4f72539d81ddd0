// Where the stage lands on one output (a monitor, or a window standing in for
// one) for each picture size: a pure rule that every host applies to each of
// its outputs, so the picture is placed alike on every platform.
#pragma once

#include <cstdint>

#include "config/settings.h"

// The crop of one picture axis (width or height) into an output extent:
// centred when the output is larger, its central part when smaller.
struct StageAxis {
    int32_t nSource;   // offset into the picture
    int32_t nVisible;  // visible extent
    int32_t nWindow;   // output position of the visible part
};
// nBuffer bounds the visible extent (a frame buffer narrower than the
// output); pass nPicture when nothing else bounds it.
StageAxis PlaceStageAxis(int32_t nPicture, int32_t nOutput, int32_t nBuffer);

struct StagePlacement {
    // The part of the stage shown, in stage pixels.
    int32_t nSourceX, nSourceY, nSourceWidth, nSourceHeight;
    // Where it lands, relative to the output's top-left corner, and its size
    // there.
    int32_t nLeft, nTop, nWidth, nHeight;
    // The whole factor of a crisp picture (each stage pixel a block of
    // nScale x nScale), or 0 for a smooth one.
    int32_t nScale;
};

// The stage of nStageWidth x nStageHeight on an output of nOutputWidth x
// nOutputHeight, for a picture-size value (PictureSizeChoice; any value
// other than the original or fill-the-height is the largest whole size: the
// biggest whole factor that fits, crisp). An output
// smaller than the stage in either direction shows its central part at
// the original size, whatever the picture size. "Fill the height" fits
// the width instead on an output narrower than the stage's proportions,
// so the stage is never cut; when the fit is a whole factor it is drawn
// crisp.
StagePlacement PlaceStage(int32_t nStageWidth, int32_t nStageHeight, int32_t nOutputWidth,
                          int32_t nOutputHeight, int nPictureSize);
