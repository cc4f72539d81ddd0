// Actors: clipping at the strict lower bounds, the stage and the frame
// buffer; hidden actors; colour keys; erasing from the backdrop.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core_support.h"
#include "engine/actors.h"
#include "gfx/frame_buffer.h"
#include "gfx/palette.h"
#include "gfx/sprite_store.h"

namespace {

constexpr uint8_t kKey = 200;

// A strip of nFrames frames of w x fh; frame f is filled with 10 + f except
// its top-left pixel, the key.
void LoadSprite(int nSlot, int w, int fh, int nFrames = 1) {
    const int nId = 500 + nSlot;
    AddFakeResource(kHostResourceBitmap, nId,
                    MakeDib({w, fh * nFrames}, [=](int x, int y) {
                        const int nFrame = nFrames - 1 - y / fh;  // frame 0 at the bottom
                        return uint8_t(x == 0 && y % fh == 0 ? kKey : 10 + nFrame);
                    }));
    ASSERT_TRUE(LoadActorStrip(nId, nSlot, nFrames));
}

// Moves an actor to a stage position and frame, as a scene's track does.
void Place(int nSlot, int x, int y, int nFrame) {
    const Keyframe track[2] = {{0, 0, 0}, {x, y, nFrame}};
    Sequencer.nSceneFrame = 1;
    StepActor(nSlot, track);
}

std::vector<uint8_t> FrameCopy() {
    return {FrameBuffer.pPixels, FrameBuffer.pPixels + size_t(FrameBuffer.nWidth) * FrameBuffer.nHeight};
}

class ActorsTest : public CoreTest {};

TEST_F(ActorsTest, ColumnAndRowZeroAreNeverDrawn) {
    SetUpStage(800, 600);
    DrawBackdrop(0);
    LoadSprite(0, 8, 8);
    Place(0, 0, 0, 0);
    DrawActor(0);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(FramePixel(0, i), BackdropPixel(0, 0, i)) << "column 0, row " << i;
        EXPECT_EQ(FramePixel(i, 0), BackdropPixel(0, i, 0)) << "row 0, column " << i;
    }
    EXPECT_EQ(FramePixel(1, 1), 10);

    // At x = 1 the whole first column shows (but for its key pixel on top).
    Place(0, 1, 20, 0);
    DrawActor(0);
    EXPECT_EQ(FramePixel(1, 20), BackdropPixel(0, 1, 20));
    for (int r = 1; r < 8; ++r) EXPECT_EQ(FramePixel(1, 20 + r), 10) << "row " << r;
}

struct ClipCase {
    int nClientWidth, nClientHeight;
    int nStageX, nStageY;    // where the 8 x 8 sprite is put
    int nLastColumn;         // last frame-buffer column drawn
    int nLastRow;            // last frame-buffer row drawn
    int nBackdropWidth = 800, nBackdropHeight = 600;
};
void PrintTo(const ClipCase& c, std::ostream* os) {
    *os << "client " << c.nClientWidth << "x" << c.nClientHeight << ", sprite at " << c.nStageX << ","
        << c.nStageY;
}

class ActorClipTest : public CoreTest, public ::testing::WithParamInterface<ClipCase> {};

TEST_P(ActorClipTest, CutAtTheStageOrTheFrameBuffer) {
    const ClipCase c = GetParam();
    SetUpStage(c.nClientWidth, c.nClientHeight, c.nBackdropWidth, c.nBackdropHeight);
    LoadSprite(0, 8, 8);
    Place(0, c.nStageX, c.nStageY, 0);
    const int nLeft = StageView.nStageOriginX + c.nStageX;
    const int nTop = StageView.nStageOriginY + c.nStageY;
    const std::vector<uint8_t> before = FrameCopy();
    DrawActor(0);
    for (int y = nTop; y < nTop + 8 && y < FrameBuffer.nHeight; ++y) {
        for (int x = nLeft; x < nLeft + 8 && x < FrameBuffer.nWidth; ++x) {
            const bool bDrawn = (x > nLeft || y > nTop) && x <= c.nLastColumn && y <= c.nLastRow;
            const uint8_t nBefore = before[size_t(y) * FrameBuffer.nWidth + x];
            EXPECT_EQ(FramePixel(x, y), bDrawn ? 10 : nBefore) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, ActorClipTest,
                         ::testing::Values(
                             // Wider than the stage: cut at the stage's column 799.
                             ClipCase{1024, 768, 796, 596, 799, 599},
                             // Smaller: cut at the frame buffer's last column and row.
                             ClipCase{640, 480, 716, 536, 639, 479},
                             // Narrow and not a multiple of 4: 636 columns.
                             ClipCase{639, 479, 712, 534, 635, 478},
                             // A stage of 797 columns in a frame buffer of 800:
                             // cut at the stage's column 796.
                             ClipCase{1024, 768, 790, 590, 796, 596, 797, 597}),
                         ClientAndStageName());

TEST_F(ActorsTest, HiddenActorsAreNeitherDrawnNorErased) {
    SetUpStage(800, 600);
    LoadSprite(0, 8, 8, 2);
    for (int nFrame : {-1, 2, 99}) {  // negative, or at or above the frame count
        Place(0, 100, 100, nFrame);
        const std::vector<uint8_t> before = FrameCopy();
        DrawActor(0);
        EraseActor(0, 0);
        EXPECT_EQ(FrameCopy(), before) << "frame " << nFrame;
    }
}

TEST_F(ActorsTest, EmptySlotDrawsNothing) {
    SetUpStage(800, 600);
    Place(5, 100, 100, 0);  // slot 5 holds no strip
    const std::vector<uint8_t> before = FrameCopy();
    DrawActor(5);
    EraseActor(5, 0);
    EXPECT_EQ(FrameCopy(), before);
}

TEST_F(ActorsTest, StepActorShowsTheTracksFrame) {
    SetUpStage(800, 600);
    LoadSprite(0, 8, 4, 3);
    Place(0, 50, 60, 2);
    DrawActor(0);
    EXPECT_EQ(FramePixel(51, 61), 12);
    EXPECT_EQ(ActorTable.slots[0].x, 50);
    EXPECT_EQ(ActorTable.slots[0].y, 60);
}

TEST_F(ActorsTest, LaterActorCoversEarlierOutsideItsKeyAndEraseRestoresBoth) {
    SetUpStage(800, 600);
    DrawBackdrop(1);
    const std::vector<uint8_t> bare = FrameCopy();
    LoadSprite(0, 8, 8);
    // Slot 1: a key colour that also occurs inside the picture (column 3).
    AddFakeResource(kHostResourceBitmap, 601, MakeDib({8, 8}, [](int x, int y) {
                        return uint8_t((x == 0 && y == 0) || x == 3 ? 77 : 40);
                    }));
    ASSERT_TRUE(LoadActorStrip(601, 1, 1));
    Place(0, 100, 100, 0);
    Place(1, 104, 100, 0);
    DrawActor(0);
    DrawActor(1);
    EXPECT_EQ(FramePixel(104, 101), 40);  // the later one wins
    EXPECT_EQ(FramePixel(107, 101), 10);  // its key shows the earlier one
    EXPECT_EQ(FramePixel(110, 101), 40);
    EXPECT_EQ(FramePixel(104, 100), 10);  // its top-left pixel is its key

    EraseActor(1, 1);
    EraseActor(0, 1);
    EXPECT_EQ(FrameCopy(), bare);
}

// A backdrop smaller than the stage (the stage takes the last one's size):
// erasing against it restores what it holds and reads nothing past it.
TEST_F(ActorsTest, EraseIsCutAtTheBackdropsEdge) {
    AddFakeResource(kHostResourceBitmap, 900, MakeDib({100, 80}, [](int x, int y) { return BackdropPixel(0, x, y); }));
    AddFakeResource(kHostResourceBitmap, 901, MakeDib({800, 600}, [](int x, int y) { return BackdropPixel(1, x, y); }));
    ASSERT_TRUE(LoadBackdrop(900, 0));
    ASSERT_TRUE(LoadBackdrop(901, 1));
    ASSERT_TRUE(BuildShowPalette(FakeWindow()));
    ASSERT_TRUE(CreateFrameBuffer(FakeWindow(), WholeClientLayout(800, 600, kPictureLargestWhole)));
    LoadSprite(0, 8, 8);
    Place(0, 96, 76, 0);  // columns 96..103, rows 76..83
    DrawActor(0);
    EraseActor(0, 0);
    for (int y = 77; y < 84; ++y) {
        for (int x = 97; x < 104; ++x) {
            const bool bOnBackdrop = x < 100 && y < 80;
            EXPECT_EQ(FramePixel(x, y), bOnBackdrop ? BackdropPixel(0, x, y) : 10) << x << "," << y;
        }
    }
}

TEST_F(ActorsTest, VisibleThenHiddenLeavesNoTrace) {
    SetUpStage(800, 600);
    DrawBackdrop(0);
    const std::vector<uint8_t> bare = FrameCopy();
    LoadSprite(0, 8, 8);
    const Keyframe track[3] = {{0, 0, 0}, {30, 40, 0}, {30, 40, -1}};
    for (int nFrame = 1; nFrame <= 2; ++nFrame) {
        Sequencer.nSceneFrame = nFrame;
        StepActor(0, track);
        DrawActor(0);
        if (nFrame == 1) {
            EXPECT_NE(FrameCopy(), bare);
        }
        EraseActor(0, 0);
    }
    EXPECT_EQ(FrameCopy(), bare);
}

// The drawing rule pixel by pixel, as a reference for the run copying.
void DrawByTheRule(const Actor& actor, std::vector<uint8_t>& frame) {
    const int nRight = std::min(FrameBuffer.nWidth, SpriteStore.nStageWidth);
    const int nBottom = std::min(FrameBuffer.nHeight, SpriteStore.nStageHeight);
    for (int r = 0; r < actor.nFrameHeight; ++r) {
        for (int c = 0; c < actor.nFrameWidth; ++c) {
            const int px = actor.x + c;
            const int py = actor.y + r;
            const uint8_t p = actor.pFrame[r * actor.nFrameWidth + c];
            if (px > 0 && py > 0 && px < nRight && py < nBottom && p != actor.pFrame[0])
                frame[size_t(py) * FrameBuffer.nWidth + px] = p;
        }
    }
}

TEST_F(ActorsTest, RandomSpritesDrawAsThePixelRuleSays) {
    SetUpStage(640, 480);
    std::mt19937 random(7);
    for (int nTrial = 0; nTrial < 40; ++nTrial) {
        const int w = 4 * int(1 + random() % 24);
        const int fh = int(1 + random() % 20);
        const int nFrames = int(1 + random() % 3);
        const int nKeyShare = int(random() % 4);  // from no key pixels inside to mostly keys
        std::vector<uint8_t> pixels(size_t(w) * fh * nFrames);
        for (uint8_t& p : pixels) p = random() % 4 < unsigned(nKeyShare) ? 0 : uint8_t(1 + random() % 3);
        AddFakeResource(kHostResourceBitmap, 700, MakeDib({w, fh * nFrames}, [&](int x, int y) {
                            return pixels[size_t(y) * w + x];
                        }));
        ASSERT_TRUE(LoadActorStrip(700, 3, nFrames));
        // Anywhere from off the top-left to off the bottom-right of the view.
        Place(3, int(random() % 700) - 100 - w, int(random() % 560) - 60 - fh, int(random() % nFrames));
        DrawBackdrop(0);
        std::vector<uint8_t> expected = FrameCopy();
        DrawByTheRule(ActorTable.slots[3], expected);
        DrawActor(3);
        ASSERT_EQ(FrameCopy(), expected) << "trial " << nTrial;
    }
}

TEST_F(ActorsTest, BackdropFillsTheViewOfANarrowWindow) {
    SetUpStage(639, 479);  // frame buffer 636 wide, view clamped to it
    EXPECT_EQ(FrameBuffer.nWidth, 636);
    EXPECT_EQ(StageView.nViewWidth, 636);
    DrawBackdrop(0);
    EXPECT_EQ(FramePixel(0, 0), BackdropPixel(0, 80, 60));
    EXPECT_EQ(FramePixel(635, 478), BackdropPixel(0, 80 + 635, 60 + 478));
}

TEST_F(ActorsTest, PresentCopiesTheStageViewBetweenFlushes) {
    SetUpStage(1024, 768);
    FakeHost.calls.clear();
    PresentStage();
    EXPECT_EQ(FakeHost.calls, (std::vector<std::string>{"Flush()", "Present(0,0,800x600>112,84,800x600)", "Flush()"}));
}

}  // namespace
