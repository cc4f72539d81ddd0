// The frame's byte work (sprite, erase, backdrop, dissolve) at two screen
// sizes and start-up's loading with the palette step, each printed beside
// its peer or floor from the same run: SDL2's colour-keyed 8-bit blit for
// the sprite, memcpy or memset of the same bytes for the rest.

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "dib_builder.h"
#include "engine/actors.h"
#include "engine/dissolve.h"
#include "engine/sequencer.h"
#include "fake_host.h"
#include "catalogue.h"
#include "gfx/frame_buffer.h"
#include "gfx/palette.h"
#include "gfx/sprite_store.h"
#include "show_reset.h"

namespace {

constexpr int kSpriteWidth = 512;
constexpr int kSpriteHeight = 324;
constexpr int kSpriteX = 150;  // stage position: wholly inside the stage
constexpr int kSpriteY = 140;
constexpr uint8_t kKey = 17;

// A diamond filling half of the box, the rest the key: one opaque run per
// row, as the show's silhouettes have.
uint8_t SpritePixel(int x, int y) {
    const double dx = std::abs(x + 0.5 - kSpriteWidth / 2.0) / (kSpriteWidth / 2.0);
    const double dy = std::abs(y + 0.5 - kSpriteHeight / 2.0) / (kSpriteHeight / 2.0);
    return dx + dy <= 1.0 ? uint8_t(40 + (x + y) % 150) : kKey;
}

// Two backdrops, the sprite in actor slot 0 and a frame buffer of w x h.
void SetUpStage(int nWidth, int nHeight) {
    ResetShowState();
    for (int b = 0; b < 2; ++b) {
        AddFakeResource(kHostResourceBitmap, 900 + b,
                        MakeDib({800, 600}, [b](int x, int y) { return uint8_t(x * 3 + y * 5 + b); }));
        LoadBackdrop(900 + b, b);
    }
    AddFakeResource(kHostResourceBitmap, 950, MakeDib({kSpriteWidth, kSpriteHeight}, SpritePixel));
    LoadActorStrip(950, 0, 1);
    BuildShowPalette(FakeWindow());
    CreateFrameBuffer(FakeWindow(), WholeClientLayout(nWidth, nHeight, kPictureLargestWhole));
    const Keyframe track[2] = {{0, 0, 0}, {kSpriteX, kSpriteY, 0}};
    Sequencer.nSceneFrame = 1;
    StepActor(0, track);
    DrawBackdrop(0);
}

void SetPixelsProcessed(benchmark::State& state, int64_t nBytes) {
    state.SetBytesProcessed(int64_t(state.iterations()) * nBytes);
}

// Copies nRows rows of nBytes between buffers of the given strides.
void CopyRows(uint8_t* pDst, size_t nDstStride, const uint8_t* pSrc, size_t nSrcStride, int nRows,
              size_t nBytes) {
    for (int r = 0; r < nRows; ++r) std::memcpy(pDst + r * nDstStride, pSrc + r * nSrcStride, nBytes);
}

uint8_t* ActorBoxInFrame() {
    const Actor& actor = ActorTable.slots[0];
    return FrameBuffer.pPixels + size_t(actor.y) * FrameBuffer.nWidth + actor.x;
}

void DrawActorBench(benchmark::State& state, int w, int h) {
    SetUpStage(w, h);
    for (auto _ : state) {
        DrawActor(0);
        benchmark::ClobberMemory();
    }
    SetPixelsProcessed(state, kSpriteWidth * kSpriteHeight);
}

void SdlKeyedBlitBench(benchmark::State& state, int w, int h) {
    SetUpStage(w, h);
    SDL_Surface* pDst = SDL_CreateRGBSurfaceWithFormatFrom(FrameBuffer.pPixels, FrameBuffer.nWidth,
                                                           FrameBuffer.nHeight, 8, FrameBuffer.nWidth,
                                                           SDL_PIXELFORMAT_INDEX8);
    SDL_Surface* pSrc = SDL_CreateRGBSurfaceWithFormat(0, kSpriteWidth, kSpriteHeight, 8, SDL_PIXELFORMAT_INDEX8);
    // One palette for both: an index-for-index blit, as the show's.
    SDL_Palette* pPalette = SDL_AllocPalette(256);
    SDL_SetSurfacePalette(pDst, pPalette);
    SDL_SetSurfacePalette(pSrc, pPalette);
    const Actor& actor = ActorTable.slots[0];
    CopyRows(static_cast<uint8_t*>(pSrc->pixels), size_t(pSrc->pitch), actor.pFrame, kSpriteWidth,
             kSpriteHeight, kSpriteWidth);
    SDL_SetColorKey(pSrc, SDL_TRUE, kKey);
    SDL_SetSurfaceRLE(pSrc, 1);
    SDL_Rect where = {actor.x, actor.y, kSpriteWidth, kSpriteHeight};
    SDL_BlitSurface(pSrc, nullptr, pDst, &where);  // encodes the runs once
    for (auto _ : state) {
        SDL_Rect rect = where;
        SDL_BlitSurface(pSrc, nullptr, pDst, &rect);
        benchmark::ClobberMemory();
    }
    SetPixelsProcessed(state, kSpriteWidth * kSpriteHeight);
    SDL_FreeSurface(pSrc);
    SDL_FreeSurface(pDst);
    SDL_FreePalette(pPalette);
}

void MemcpyActorBoxBench(benchmark::State& state, int w, int h) {
    SetUpStage(w, h);
    const Actor& actor = ActorTable.slots[0];
    for (auto _ : state) {
        CopyRows(ActorBoxInFrame(), size_t(FrameBuffer.nWidth), actor.pFrame, kSpriteWidth, kSpriteHeight,
                 kSpriteWidth);
        benchmark::ClobberMemory();
    }
    SetPixelsProcessed(state, kSpriteWidth * kSpriteHeight);
}

void EraseActorBench(benchmark::State& state, int w, int h) {
    SetUpStage(w, h);
    for (auto _ : state) {
        EraseActor(0, 0);
        benchmark::ClobberMemory();
    }
    SetPixelsProcessed(state, kSpriteWidth * kSpriteHeight);
}

// The floor of an erase: the same rows copied from the backdrop.
void MemcpyEraseBoxBench(benchmark::State& state, int w, int h) {
    SetUpStage(w, h);
    const Backdrop& b = SpriteStore.backdrops[0];
    const Actor& actor = ActorTable.slots[0];
    const uint8_t* pSrc = b.pPixels + size_t(b.nSourceY + actor.y) * b.nWidth + b.nSourceX + actor.x;
    for (auto _ : state) {
        CopyRows(ActorBoxInFrame(), size_t(FrameBuffer.nWidth), pSrc, size_t(b.nWidth), kSpriteHeight,
                 kSpriteWidth);
        benchmark::ClobberMemory();
    }
    SetPixelsProcessed(state, kSpriteWidth * kSpriteHeight);
}

void DrawBackdropBench(benchmark::State& state, int w, int h) {
    SetUpStage(w, h);
    for (auto _ : state) {
        DrawBackdrop(0);
        benchmark::ClobberMemory();
    }
    SetPixelsProcessed(state, int64_t(StageView.nViewWidth) * StageView.nViewHeight);
}

void MemcpyBackdropBench(benchmark::State& state, int w, int h) {
    SetUpStage(w, h);
    const Backdrop& b = SpriteStore.backdrops[0];
    for (auto _ : state) {
        CopyRows(FrameBuffer.pPixels, size_t(FrameBuffer.nWidth), b.pPixels, size_t(b.nWidth),
                 b.nVisibleHeight, size_t(b.nVisibleWidth));
        benchmark::ClobberMemory();
    }
    SetPixelsProcessed(state, int64_t(StageView.nViewWidth) * StageView.nViewHeight);
}

void DissolveFrameBench(benchmark::State& state, int w, int h) {
    SetUpStage(w, h);
    int nFrame = 1;
    for (auto _ : state) {
        DissolveStep(nFrame, kDissolveFrames);
        nFrame = nFrame % kDissolveFrames + 1;
        benchmark::ClobberMemory();
    }
    SetPixelsProcessed(state, int64_t(StageView.nViewWidth) * StageView.nViewHeight / kDissolveFrames);
}

// The floor of a dissolve frame: setting its share of the view in one run.
void MemsetDissolveShareBench(benchmark::State& state, int w, int h) {
    SetUpStage(w, h);
    const size_t nShare = size_t(StageView.nViewWidth) * StageView.nViewHeight / kDissolveFrames;
    for (auto _ : state) {
        std::memset(FrameBuffer.pPixels, kDissolveColour, nShare);
        benchmark::ClobberMemory();
    }
    SetPixelsProcessed(state, int64_t(nShare));
}

int64_t LoadListBytes() {
    int64_t nBytes = 0;
    for (const LoadListEntry& e : LoadList) nBytes += int64_t(e.nWidth) * e.nHeight;
    return nBytes;
}

void SetUpLoadList(bool bPaletteDevice) {
    ResetShowState();
    AddLoadListPictures();
    if (bPaletteDevice) {
        FakeHost.caps = {true, 20, 256};
        FakeHost.systemPalette.assign(SharedColourTable, SharedColourTable + 256);
    }
}

void LoadBitmapsBench(benchmark::State& state, bool bPaletteDevice) {
    SetUpLoadList(bPaletteDevice);
    for (auto _ : state) {
        const bool bLoaded = LoadBitmaps(FakeWindow());
        benchmark::DoNotOptimize(bLoaded);
        state.PauseTiming();
        ReleaseActors();
        FakeHost.calls.clear();
        state.ResumeTiming();
    }
    SetPixelsProcessed(state, LoadListBytes());
}

// The floor of loading: every picture's pixels copied once into memory
// freshly allocated, as the loaders get it.
void MemcpyLoadListBench(benchmark::State& state) {
    SetUpLoadList(false);
    std::vector<uint8_t*> stored(kLoadListCount);
    for (auto _ : state) {
        for (int i = 0; i < kLoadListCount; ++i) {
            const LoadListEntry& e = LoadList[i];
            const size_t nBytes = size_t(e.nWidth) * e.nHeight;
            stored[i] = static_cast<uint8_t*>(std::malloc(nBytes));
            const std::vector<uint8_t>& dib = FakeHost.resources[{kHostResourceBitmap, e.nResourceId}];
            std::memcpy(stored[i], dib.data() + 40 + 1024, nBytes);
        }
        benchmark::ClobberMemory();
        state.PauseTiming();
        for (uint8_t* p : stored) std::free(p);
        state.ResumeTiming();
    }
    SetPixelsProcessed(state, LoadListBytes());
}

// Prints each figure as a ratio to its peer or floor at the end: medians
// of the repetitions, in CPU time, which other work on a shared machine
// disturbs least.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.aggregate_name == "median") fTimes_[run.run_name.function_name] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nRatios of median CPU times (below 1: faster than the peer or floor):\n");
        const char* szSizes[] = {"1024x768", "1920x1080"};
        for (const char* szSize : szSizes) {
            const std::string s = std::string("/") + szSize;
            Print("DrawActor" + s, "SdlKeyedBlit" + s);
            Print("DrawActor" + s, "MemcpyActorBox" + s);
            Print("SdlKeyedBlit" + s, "MemcpyActorBox" + s);
            Print("EraseActor" + s, "MemcpyEraseBox" + s);
            Print("DrawBackdrop" + s, "MemcpyBackdrop" + s);
            Print("DissolveFrame" + s, "MemsetDissolveShare" + s);
        }
        Print("LoadBitmaps/truecolour", "MemcpyLoadList");
        Print("LoadBitmaps/palette", "MemcpyLoadList");
    }

private:
    void Print(const std::string& szName, const std::string& szPeer) {
        if (fTimes_.count(szName) == 0 || fTimes_.count(szPeer) == 0) return;
        std::printf("  %-28s vs %-28s %6.2f\n", szName.c_str(), szPeer.c_str(),
                    fTimes_[szName] / fTimes_[szPeer]);
    }
    std::map<std::string, double> fTimes_;
};

benchmark::internal::Benchmark* Repeat(benchmark::internal::Benchmark* pBench) {
    return pBench->Repetitions(5)->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv) {
    using Fn = void (*)(benchmark::State&, int, int);
    const std::pair<const char*, Fn> frameBenches[] = {
        {"DrawActor", DrawActorBench},         {"SdlKeyedBlit", SdlKeyedBlitBench},
        {"MemcpyActorBox", MemcpyActorBoxBench}, {"EraseActor", EraseActorBench},
        {"MemcpyEraseBox", MemcpyEraseBoxBench},
        {"DrawBackdrop", DrawBackdropBench},   {"MemcpyBackdrop", MemcpyBackdropBench},
        {"DissolveFrame", DissolveFrameBench}, {"MemsetDissolveShare", MemsetDissolveShareBench},
    };
    for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{1920, 1080}}) {
        for (const auto& [szName, pfn] : frameBenches) {
            const std::string szFull = std::string(szName) + "/" + std::to_string(w) + "x" + std::to_string(h);
            Repeat(benchmark::RegisterBenchmark(szFull.c_str(), pfn, w, h))->Unit(benchmark::kMicrosecond);
        }
    }
    Repeat(benchmark::RegisterBenchmark("LoadBitmaps/truecolour", LoadBitmapsBench, false))
        ->Unit(benchmark::kMillisecond);
    Repeat(benchmark::RegisterBenchmark("LoadBitmaps/palette", LoadBitmapsBench, true))
        ->Unit(benchmark::kMillisecond);
    Repeat(benchmark::RegisterBenchmark("MemcpyLoadList", MemcpyLoadListBench))->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    ResetShowState();
    return 0;
}
