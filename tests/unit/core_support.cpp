// The show-core tests' shared set-up: test backdrops, a stage of a given
// size, and every module's state put back around each test.

#include "core_support.h"

#include <algorithm>
#include <cstring>

#include "engine/actors.h"
#include "engine/scene_script.h"
#include "gfx/frame_buffer.h"
#include "gfx/palette.h"
#include "gfx/sprite_store.h"
#include "show/show.h"
#include "show_reset.h"

uint8_t BackdropPixel(int nBackdrop, int x, int y) { return uint8_t(7 * x + 3 * y + 100 * nBackdrop); }

void LoadTestBackdrops(int nWidth, int nHeight) {
    for (int b = 0; b < 2; ++b) {
        AddFakeResource(kHostResourceBitmap, 900 + b,
                        MakeDib({nWidth, nHeight}, [b](int x, int y) { return BackdropPixel(b, x, y); }));
        ASSERT_TRUE(LoadBackdrop(900 + b, b));
    }
}

void SetUpStage(int nClientWidth, int nClientHeight, int nBackdropWidth, int nBackdropHeight) {
    LoadTestBackdrops(nBackdropWidth, nBackdropHeight);
    ASSERT_TRUE(BuildShowPalette(FakeWindow()));
    ASSERT_TRUE(CreateFrameBuffer(FakeWindow(), WholeClientLayout(nClientWidth, nClientHeight, kPictureLargestWhole)));
    Show.bStartGuard = false;
}

uint8_t FramePixel(int x, int y) { return FrameBuffer.pPixels[size_t(y) * FrameBuffer.nWidth + x]; }

void CoreTest::SetUp() {
    std::copy(SceneTable, SceneTable + kSceneCount, savedScenes_);
    ResetShowState();
}

void CoreTest::TearDown() {
    ReleaseActors();
    std::copy(savedScenes_, savedScenes_ + kSceneCount, SceneTable);
}
