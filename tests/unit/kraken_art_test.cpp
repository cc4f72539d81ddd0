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
    int nStageX, nStageY;  // where the scene lays it
    int nFirstRow, nLastRow;  // rows that must repeat the backdrop (crests and props excepted)
};

TEST(KrakenArt, CutOutsRepeatTheirBackdropWhereverPainted) {
    const CutOut cutOuts[] = {
        {202, 141, 352, 274, 0, 245},  // below row 245 the near water's crest crosses it
        {203, 141, 560, 300, 0, 299},
        {188, 130, 194, 475, 50, 124},  // under the crest line, tapered ends included
        {201, 130, 287, 475, 50, 124},
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
                ASSERT_EQ(i, backdrop.At(c.nStageX + x, c.nStageY + y)) << "at " << x << "," << y;
            }
        }
        EXPECT_GT(nPainted, pic.nWidth * 20) << "hardly anything painted";
    }
}

}  // namespace
