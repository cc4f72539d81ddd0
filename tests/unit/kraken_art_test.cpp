// The cut-outs drawn over the backdrops (the ships' sides over the decks,
// the bands of waves over the open sea) must repeat the backdrop pixel for
// pixel wherever they are painted, or a seam shows around them on stage.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/dib.h"
#include "resource_ids.h"
#include "stage_marks.h"

namespace {

// A generated bitmap file, read past its 14-byte file header by the one DIB
// reader.
struct Bitmap {
    std::vector<uint8_t> bytes;
    Dib8 dib{};
    int nWidth = 0, nHeight = 0;
    uint8_t At(int x, int y) const { return dib.RowFromBottom(nHeight - 1 - y)[x]; }
};

bool LoadBitmap(int nId, Bitmap& bmp) {
    std::ifstream in(std::string(HARBORGAST_ASSET_DIR) + "/bitmap" + std::to_string(nId) + ".bmp", std::ios::binary);
    if (!in) return false;
    bmp.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (bmp.bytes.size() < 14 || ReadDib8(bmp.bytes.data() + 14, bmp.bytes.size() - 14, bmp.dib) != DibCheck::kOk)
        return false;
    bmp.nWidth = bmp.dib.nWidth;
    bmp.nHeight = bmp.dib.nHeight;
    return true;
}

struct CutOut {
    int nId, nBackdrop;
    StageMark at;  // where the scene lays it
    int nFirstRow, nLastRow;  // rows that must repeat the backdrop (crests and props excepted)
};

TEST(KrakenArt, CutOutsRepeatTheirBackdropWhereverPainted) {
    const CutOut cutOuts[] = {
        // Lower down the near water's crest crosses the ships' sides, and the
        // sea boils against each hull where the kraken comes up.
        {IDB_GUN_PORTS, IDB_SHIP_DECKS, marks::kNavySide, 0, 210},
        {IDB_GUN_PORTS_NARROW, IDB_SHIP_DECKS, marks::kPirateSide, 0, 184},
        {IDB_WAVES_WIDE, IDB_OPEN_SEA, marks::kWavesOverBrig, 50, 124},  // under the crest line, tapered ends included
        {IDB_WAVES_NARROW, IDB_OPEN_SEA, marks::kWavesOverGalleon, 50, 124},
    };
    for (const CutOut& c : cutOuts) {
        SCOPED_TRACE("bitmap " + std::to_string(c.nId));
        Bitmap pic, backdrop;
        ASSERT_TRUE(LoadBitmap(c.nId, pic) && LoadBitmap(c.nBackdrop, backdrop)) << "assets not generated";
        const uint8_t nKey = pic.At(0, 0);
        long nPainted = 0;
        for (int y = c.nFirstRow; y <= c.nLastRow; ++y) {
            for (int x = 0; x < pic.nWidth; ++x) {
                uint8_t i = pic.At(x, y);
                if (i == nKey) continue;
                ++nPainted;
                ASSERT_EQ(i, backdrop.At(c.at.x + x, c.at.y + y)) << "at " << x << "," << y;
            }
        }
        EXPECT_GT(nPainted, pic.nWidth * 20) << "hardly anything painted";
    }
}

}  // namespace
