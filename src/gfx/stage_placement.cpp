// The placement of the stage on one output.

#include "gfx/stage_placement.h"

#include <algorithm>

StageAxis PlaceStageAxis(int32_t nPicture, int32_t nOutput, int32_t nBuffer) {
    StageAxis axis;
    if (nPicture > nOutput) {
        axis = {(nPicture - nOutput) / 2, nOutput, 0};
    } else {
        axis = {0, nPicture, (nOutput - nPicture) / 2};
    }
    // A client width that is not a multiple of 4 gives a frame buffer a few
    // columns narrower than the client: the view must stay inside it.
    axis.nVisible = std::clamp(axis.nVisible, 0, std::max(nBuffer, 0));
    return axis;
}

StagePlacement PlaceStage(int32_t nStageWidth, int32_t nStageHeight, int32_t nOutputWidth,
                          int32_t nOutputHeight, int nPictureSize) {
    const int32_t w = std::max(nStageWidth, 0), h = std::max(nStageHeight, 0);
    const int32_t nOutW = std::max(nOutputWidth, 0), nOutH = std::max(nOutputHeight, 0);
    if (nPictureSize == kPictureOriginal || w == 0 || h == 0 || nOutW < w || nOutH < h) {
        const StageAxis x = PlaceStageAxis(w, nOutW, w);
        const StageAxis y = PlaceStageAxis(h, nOutH, h);
        return {x.nSource, y.nSource, x.nVisible, y.nVisible, x.nWindow, y.nWindow, x.nVisible, y.nVisible, 1};
    }
    int64_t nWidth, nHeight;
    int32_t nScale;
    if (nPictureSize == kPictureFillHeight) {
        // The height, or the width on an output narrower than the stage's
        // proportions; the other side rounded to the nearest pixel.
        if (int64_t{nOutW} * h >= int64_t{nOutH} * w) {
            nHeight = nOutH;
            nWidth = std::min<int64_t>(nOutW, (int64_t{nOutH} * w + h / 2) / h);
        } else {
            nWidth = nOutW;
            nHeight = std::min<int64_t>(nOutH, (int64_t{nOutW} * h + w / 2) / w);
        }
        nScale = nWidth % w == 0 && nHeight == nWidth / w * h ? int32_t(nWidth / w) : 0;
    } else {
        nScale = std::min(nOutW / w, nOutH / h);
        nWidth = int64_t{w} * nScale;
        nHeight = int64_t{h} * nScale;
    }
    return {0, 0, w, h, int32_t((nOutW - nWidth) / 2), int32_t((nOutH - nHeight) / 2), int32_t(nWidth),
            int32_t(nHeight), nScale};
}
