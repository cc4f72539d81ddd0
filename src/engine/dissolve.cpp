// The dissolve: a maximal-length 20-bit Galois register names every pixel
// of a 1024 x 1024 square but (0, 0) once per period; five frames of a
// fifth of the period each paint the stage view to one flat colour.

#include "engine/dissolve.h"

#include <algorithm>
#include <cstring>

#include "audio/music.h"
#include "engine/actors.h"
#include "engine/sequencer.h"
#include "gfx/frame_buffer.h"
#include "gfx/sprite_store.h"

DissolveState Dissolve;

namespace {
constexpr uint32_t kPeriodSteps = 1u << 20;
constexpr int kRowShift = 10;
constexpr uint32_t kColumnMask = 0x3FF;
constexpr int kFirstRowBytes = 40;  // covers (0, 0), which the register never names
}  // namespace

void DissolveStep(int f, int n) {
    if (FrameBuffer.pPixels == nullptr || n <= 0) return;
    const uint32_t nMaxX = uint32_t(std::max(0, std::min(SpriteStore.nStageWidth, FrameBuffer.nWidth)));
    const uint32_t nMaxY = uint32_t(std::max(0, std::min(SpriteStore.nStageHeight, FrameBuffer.nHeight)));
    const uint32_t nSteps = kPeriodSteps / uint32_t(n);
    if (f == 1) {
        Dissolve.nRegister = 1;
        std::memset(FrameBuffer.pPixels, kDissolveColour,
                    size_t(std::min(kFirstRowBytes, FrameBuffer.nWidth * FrameBuffer.nHeight)));
    }
    uint8_t* const pPixels = FrameBuffer.pPixels;
    const size_t nStride = size_t(FrameBuffer.nWidth);
    // States outside the view store into a spare byte instead of branching:
    // which side a state falls on is as random as the register itself.
    uint8_t nSpare = 0;
    uint32_t s = Dissolve.nRegister;
    for (uint32_t i = 0; i < nSteps; ++i) {
        const uint32_t y = s >> kRowShift;
        const uint32_t x = s & kColumnMask;
        uint8_t* p = (y < nMaxY) & (x < nMaxX) ? pPixels + y * nStride + x : &nSpare;
        *p = kDissolveColour;
        s = (s >> 1) ^ (-(s & 1u) & kDissolveMask);
        if (s == 1) break;
    }
    Dissolve.nRegister = s;
}

int Scene0(HostWindow hWindow, int /*nScene*/) {
    SwitchTuneInDissolve(hWindow, Sequencer.nSceneFrame);
    DissolveStep(Sequencer.nSceneFrame, kDissolveFrames);
    HostFlush();
    HostInvalidateWindow(hWindow);
    PresentStage();
    if (Sequencer.nSceneFrame >= kDissolveFrames) {
        Sequencer.nSceneFrame = 0;
        return Sequencer.nNextScene;
    }
    return 0;
}
