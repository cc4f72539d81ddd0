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

// The tune this dissolve switches to, 0 for none. Only the dissolves into
// and out of the kraken's last scene change the tune; after the brig sinks
// tune 1 plays on into the next cycle.
int TuneAfterDissolve() {
    if (Sequencer.nNextScene == kSceneGalleonGoesDown) return 2;
    if (Sequencer.nNextScene == kSceneShipsAtSea && Sequencer.nLastScene != kSceneBrigSinks) return 1;
    return 0;
}
}  // namespace

void DissolveStep(int f, int n) {
    if (FrameBuffer.pPixels == nullptr || n <= 0) return;
    const uint32_t nMaxX = uint32_t(std::max(0, std::min(SpriteStore.nStageWidth, FrameBuffer.nWidth)));
    const uint32_t nMaxY = uint32_t(std::max(0, std::min(SpriteStore.nStageHeight, FrameBuffer.nHeight)));
    const uint32_t nSteps = kPeriodSteps / uint32_t(n);
    // Each fifth of the register's states is spread over the whole view.
    MarkDrawn(0, 0, FrameBuffer.nWidth, FrameBuffer.nHeight);
    if (f == 1) {
        Dissolve.nRegister = 1;
        std::memset(FrameBuffer.pPixels, kDissolveColour,
                    size_t(std::min(kFirstRowBytes, FrameBuffer.nWidth * FrameBuffer.nHeight)));
    }
    // Which side of the view a state falls on is as random as the register
    // itself, so the loop must not branch on it: states outside the view
    // store into a spare byte instead.
    const uintptr_t nPixels = reinterpret_cast<uintptr_t>(FrameBuffer.pPixels);
    const uintptr_t nStride = uintptr_t(FrameBuffer.nWidth);
    uint8_t nSpare = 0;
    const uintptr_t nSpareAt = reinterpret_cast<uintptr_t>(&nSpare);
    uint32_t s = Dissolve.nRegister;
    for (uint32_t i = 0; i < nSteps; ++i) {
        const uint32_t y = s >> kRowShift;
        const uint32_t x = s & kColumnMask;
        // All ones when y < nMaxY and x < nMaxX (both below 2^31).
        const uintptr_t nInside = uintptr_t(0) - (((y - nMaxY) & (x - nMaxX)) >> 31);
        const uintptr_t nAt = ((nPixels + y * nStride + x) & nInside) | (nSpareAt & ~nInside);
        *reinterpret_cast<uint8_t*>(nAt) = kDissolveColour;
        s = (s >> 1) ^ (-(s & 1u) & kDissolveMask);
        if (s == 1) break;
    }
    Dissolve.nRegister = s;
}

int Scene0(HostWindow hWindow, int /*nScene*/) {
    SwitchTuneInDissolve(hWindow, Sequencer.nSceneFrame, TuneAfterDissolve());
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
