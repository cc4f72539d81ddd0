// The bitmap loaders: format checks with their messages, sizes checked
// against the resource, upright rows and strip split, the store's limit.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

#include "core_support.h"
#include "actor_slots.h"
#include "engine/actors.h"
#include "catalogue.h"
#include "gfx/frame_buffer.h"
#include "gfx/sprite_store.h"
#include "resource_ids.h"

namespace {

const char kWrongDepth[] = "Sprite bitmap must be stored as a 8-bit (256 color) bitmap.";
const char kCompressed[] = "Sprite bitmap must not be compressed and must have a palette.";
const char kTruncated[] =
    "Sprite bitmap 300 is truncated: its header, colour table or pixel rows run past its end.";
const char kInvalid[] = "Sprite bitmap 300 has an invalid header.";

uint8_t RowNumber(int, int y) { return uint8_t(y); }

struct RejectCase {
    const char* szWhat;
    std::function<std::vector<uint8_t>()> make;  // an empty result: no resource at all
    const char* szMessage;
};

// The first nSize bytes in an allocation of exactly that size, so that the
// sanitizer sees a read past the end.
std::vector<uint8_t> Cut(const std::vector<uint8_t>& bytes, size_t nSize) {
    return std::vector<uint8_t>(bytes.begin(), bytes.begin() + std::ptrdiff_t(nSize));
}

std::vector<uint8_t> WithU32(std::vector<uint8_t> bytes, size_t nAt, uint32_t nValue) {
    for (int i = 0; i < 4; ++i) bytes[nAt + i] = uint8_t(nValue >> (8 * i));
    return bytes;
}

class LoadersTest : public CoreTest {};

TEST_F(LoadersTest, RejectsWhatItCannotLoadWithItsMessage) {
    const std::vector<uint8_t> good = MakeDib({8, 6}, RowNumber);  // 40 + 1024 + 48 bytes
    const RejectCase cases[] = {
        {"4-bit", [] { return MakeDib({8, 6, 4}, RowNumber); }, kWrongDepth},
        {"24-bit", [] { return MakeDib({8, 6, 24}, RowNumber); }, kWrongDepth},
        {"RLE", [] { return MakeDib({8, 6, 8, 1}, RowNumber); }, kCompressed},
        {"missing", [] { return std::vector<uint8_t>(); }, "Sprite bitmap 300 is missing."},
        {"header cut", [&] { return Cut(good, 39); }, kTruncated},
        {"colour table cut", [&] { return Cut(good, 40 + 1000); }, kTruncated},
        {"last row cut by a byte", [&] { return Cut(good, good.size() - 1); }, kTruncated},
        {"236 colours, rows cut", [] { return Cut(MakeDib({8, 6, 8, 0, 236}, RowNumber), 40 + 944 + 40); },
         kTruncated},
        {"header size past the end", [&] { return WithU32(good, 0, 5000); }, kTruncated},
        {"height past the end", [&] { return WithU32(good, 8, 0x10000000); }, kTruncated},
        {"width times height wraps", [&] { return WithU32(WithU32(good, 4, 0x10000), 8, 0x10000); },
         kTruncated},
        {"short header size", [&] { return WithU32(good, 0, 12); }, kInvalid},
        {"header size one short", [&] { return WithU32(good, 0, 39); }, kInvalid},
        {"300 colours", [&] { return WithU32(good, 32, 300); }, kInvalid},
        {"257 colours", [&] { return WithU32(good, 32, 257); }, kInvalid},
        {"top-down rows", [&] { return WithU32(good, 8, uint32_t(-6)); }, kInvalid},
        {"zero width", [&] { return WithU32(good, 4, 0); }, kInvalid},
    };
    for (const RejectCase& c : cases) {
        FakeHost = {};
        ReleaseActors();
        std::vector<uint8_t> bytes = c.make();
        if (!bytes.empty()) AddFakeResource(kHostResourceBitmap, 300, std::move(bytes));
        EXPECT_FALSE(LoadActorStrip(300, 0, 1)) << c.szWhat;
        ASSERT_EQ(FakeHost.boxes.size(), 1u) << c.szWhat;
        EXPECT_EQ(FakeHost.boxes[0].szText, c.szMessage) << c.szWhat;
        EXPECT_EQ(FakeHost.boxes[0].szCaption, "LoadBitmaps");
        EXPECT_EQ(FakeHost.boxes[0].hOwner, nullptr);
        EXPECT_EQ(FakeHost.boxes[0].nIcon, kHostIconError);
        EXPECT_EQ(SpriteStore.nCount, 0) << c.szWhat;
        EXPECT_EQ(ActorTable.slots[0].nFrameCount, 0) << c.szWhat;
    }
}

// The limits that the rejections above pass by one: a resource of exactly
// the size its header gives or a byte more, 256 colours named, a header of
// exactly 40 bytes or a longer one (its colour table starts after it).
TEST_F(LoadersTest, LoadsAtEachLimit) {
    const std::vector<uint8_t> good = MakeDib({8, 6}, RowNumber);
    std::vector<uint8_t> longer = good;
    longer.push_back(0xEE);
    // A 44-byte header: four more bytes before the colour table.
    std::vector<uint8_t> longHeader = WithU32(good, 0, 44);
    longHeader.insert(longHeader.begin() + 40, 4, 0xEE);
    const std::pair<const char*, std::vector<uint8_t>> cases[] = {
        {"exact size", good},
        {"one byte more", longer},
        {"256 colours named", WithU32(good, 32, 256)},
        {"44-byte header", longHeader},
    };
    for (const auto& [szWhat, bytes] : cases) {
        FakeHost = {};
        ReleaseActors();
        AddFakeResource(kHostResourceBitmap, 300, bytes);
        ASSERT_TRUE(LoadActorStrip(300, 0, 1)) << szWhat;
        EXPECT_TRUE(FakeHost.boxes.empty()) << szWhat;
        const uint8_t* pPixels = SpriteStore.entries[0].pPixels;
        for (int y = 0; y < 6; ++y) EXPECT_EQ(pPixels[y * 8 + 3], RowNumber(3, y)) << szWhat << " row " << y;
        EXPECT_EQ(SpriteStore.colourTable[4 * 7 + 2], uint8_t(TestColour(7) >> 16)) << szWhat;
    }
}

TEST_F(LoadersTest, StripOfThirtySevenRowsGivesTwoFramesOfEighteen) {
    AddFakeResource(kHostResourceBitmap, IDB_ENSIGN_TINY, MakeDib({32, 37}, RowNumber));
    ASSERT_TRUE(LoadActorStrip(IDB_ENSIGN_TINY, kSlotEnsignTiny, 2));
    const Actor& actor = ActorTable.slots[kSlotEnsignTiny];
    EXPECT_EQ(actor.nFrameCount, 2);
    EXPECT_EQ(actor.nFrameHeight, 18);
    EXPECT_EQ(actor.nFrameWidth, 32);
    EXPECT_EQ(actor.nFrame, 0);
    const uint8_t* pPixels = SpriteStore.entries[actor.nStore].pPixels;
    EXPECT_EQ(actor.pFrame, pPixels);
    // Frame 0: the lowest band (picture rows 19..36), upright.
    for (int r = 0; r < 18; ++r) EXPECT_EQ(pPixels[r * 32 + 5], 19 + r) << "frame 0 row " << r;
    // Frame 1: the band above (rows 1..18); row 0 of the picture is unused.
    for (int r = 0; r < 18; ++r) EXPECT_EQ(pPixels[(18 + r) * 32 + 5], 1 + r) << "frame 1 row " << r;
}

// Rows of a DIB are padded to 4 bytes: a picture 13 pixels wide has 16
// bytes a row, the last three padding. Every catalogue width is a multiple
// of 8, so only such a width shows a loader that reads the rows unpadded.
TEST_F(LoadersTest, OddWidthsSkipEachRowsPadding) {
    const auto pixel = [](int x, int y) { return uint8_t(x + 16 * y); };
    for (int nWidth : {13, 14, 15, 16}) {
        FakeHost = {};
        ReleaseActors();
        AddFakeResource(kHostResourceBitmap, 300, MakeDib({nWidth, 6}, pixel));
        ASSERT_TRUE(LoadActorStrip(300, 0, 2)) << nWidth;
        AddFakeResource(kHostResourceBitmap, 301, MakeDib({nWidth, 5}, pixel));
        ASSERT_TRUE(LoadBackdrop(301, 0)) << nWidth;
        // The strip: frame 0 is the lower band (picture rows 3..5), upright.
        const uint8_t* pStrip = SpriteStore.entries[ActorTable.slots[0].nStore].pPixels;
        for (int f = 0; f < 2; ++f)
            for (int r = 0; r < 3; ++r)
                for (int x = 0; x < nWidth; ++x)
                    ASSERT_EQ(pStrip[(f * 3 + r) * nWidth + x], pixel(x, (1 - f) * 3 + r))
                        << "width " << nWidth << " frame " << f << " row " << r << " column " << x;
        const Backdrop& b = SpriteStore.backdrops[0];
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < nWidth; ++x)
                ASSERT_EQ(b.pPixels[y * nWidth + x], pixel(x, y)) << "width " << nWidth << " row " << y;
    }
    // The last row's padding belongs to the picture: without it, it is cut.
    FakeHost = {};
    ReleaseActors();
    const std::vector<uint8_t> odd = MakeDib({13, 6}, pixel);
    AddFakeResource(kHostResourceBitmap, 300, Cut(odd, odd.size() - 1));
    EXPECT_FALSE(LoadActorStrip(300, 0, 1));
    ASSERT_EQ(FakeHost.boxes.size(), 1u);
    EXPECT_EQ(FakeHost.boxes[0].szText, kTruncated);
}

TEST_F(LoadersTest, BackdropIsThePictureUprightAndSetsTheStageSize) {
    AddFakeResource(kHostResourceBitmap, 130, MakeDib({12, 5}, [](int x, int y) { return uint8_t(x + 16 * y); }));
    ASSERT_TRUE(LoadBackdrop(130, 1));
    const Backdrop& b = SpriteStore.backdrops[1];
    EXPECT_EQ(SpriteStore.nBackdropCount, 1);
    EXPECT_EQ(SpriteStore.nStageWidth, 12);
    EXPECT_EQ(SpriteStore.nStageHeight, 5);
    EXPECT_EQ(b.nWidth, 12);
    EXPECT_EQ(b.nHeight, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 12; ++x) EXPECT_EQ(b.pPixels[y * 12 + x], x + 16 * y);
}

TEST_F(LoadersTest, ColourTableOfFewerEntriesLeavesTheRestBlack) {
    AddFakeResource(kHostResourceBitmap, 300,
                    MakeDib({8, 2}, RowNumber, [](int i) { return 0x102030u + uint32_t(i); }));
    AddFakeResource(kHostResourceBitmap, 301,
                    MakeDib({8, 2, 8, 0, 236}, [](int x, int) { return uint8_t(x + 1); }));
    ASSERT_TRUE(LoadActorStrip(300, 0, 1));
    ASSERT_TRUE(LoadActorStrip(301, 1, 1));
    const uint8_t* pTable = SpriteStore.colourTable;
    // Entry 235 as stored: blue, green, red, 0.
    const uint32_t nColour = TestColour(235);
    EXPECT_EQ(std::vector<uint8_t>(pTable + 4 * 235, pTable + 4 * 236),
              (std::vector<uint8_t>{uint8_t(nColour), uint8_t(nColour >> 8), uint8_t(nColour >> 16), 0}));
    for (int i = 236 * 4; i < 1024; ++i) EXPECT_EQ(pTable[i], 0) << "byte " << i;
    // The rows start right after the 236 entries.
    EXPECT_EQ(SpriteStore.entries[1].pPixels[0], 1);
    EXPECT_EQ(SpriteStore.entries[1].pPixels[7], 8);
}

TEST_F(LoadersTest, TheFiftySeventhPictureLoadsTheFiftyEighthDoesNot) {
    AddFakeResource(kHostResourceBitmap, 300, MakeDib({4, 2}, RowNumber));
    for (int i = 0; i < 57; ++i) ASSERT_TRUE(LoadActorStrip(300, i % kActorSlotCount, 1)) << i;
    EXPECT_TRUE(FakeHost.boxes.empty());
    EXPECT_FALSE(LoadActorStrip(300, 0, 1));
    EXPECT_FALSE(LoadBackdrop(300, 0));
    ASSERT_EQ(FakeHost.boxes.size(), 2u);
    EXPECT_EQ(FakeHost.boxes[0].szText, "Too many bitmaps.");
    EXPECT_EQ(FakeHost.boxes[1].szText, "Too many bitmaps.");
    EXPECT_EQ(SpriteStore.nCount, 59);
    EXPECT_EQ(ActorTable.slots[0].nStore, 56);  // the failed loads left slot 0 as it was
}

TEST_F(LoadersTest, LoadListFillsTheStoreInOrderWithOwnCopies) {
    AddLoadListPictures();
    ASSERT_TRUE(LoadBitmaps(FakeWindow()));
    EXPECT_TRUE(FakeHost.boxes.empty());
    EXPECT_EQ(SpriteStore.nCount, 51);
    EXPECT_EQ(SpriteStore.nBackdropCount, 2);
    EXPECT_EQ(SpriteStore.backdrops[0].nStore, 0);
    EXPECT_EQ(SpriteStore.backdrops[1].nStore, 1);
    EXPECT_EQ(SpriteStore.nStageWidth, 800);
    EXPECT_EQ(SpriteStore.nStageHeight, 600);
    for (int nSlot = 0; nSlot < kSlotsLoaded; ++nSlot) {
        const LoadListEntry& e = LoadList[2 + nSlot];
        const Actor& actor = ActorTable.slots[nSlot];
        EXPECT_EQ(actor.nStore, 2 + nSlot);
        EXPECT_EQ(actor.nFrameCount, e.nFrames);
        EXPECT_EQ(actor.nFrameHeight, e.nFrameHeight);
        EXPECT_EQ(actor.nFrameWidth, e.nWidth);
        // Frame k's first pixel is its key, the next one its art.
        for (int k = 0; k < e.nFrames; ++k) {
            const uint8_t* pFrame = actor.pFrame + size_t(k) * e.nWidth * e.nFrameHeight;
            EXPECT_EQ(pFrame[0], KeyOf(e.nResourceId)) << "slot " << nSlot << " frame " << k;
            EXPECT_EQ(pFrame[1], ArtOf(e.nResourceId, k)) << "slot " << nSlot << " frame " << k;
        }
    }
    for (int nSlot = kSlotsLoaded; nSlot < kActorSlotCount; ++nSlot)
        EXPECT_EQ(ActorTable.slots[nSlot].nFrameCount, 0);
    // The six cannon-fire slots hold the same strip in separate copies.
    for (int nSlot = kSlotCannonFireB; nSlot <= kSlotCannonFireF; ++nSlot) {
        const Actor& first = ActorTable.slots[kSlotCannonFireA];
        EXPECT_NE(ActorTable.slots[nSlot].pFrame, first.pFrame);
        EXPECT_EQ(std::memcmp(ActorTable.slots[nSlot].pFrame, first.pFrame, 56 * 132), 0);
    }
    // The last picture's colours are the show's.
    EXPECT_EQ(FrameBuffer.header.colours[4 * 10], uint8_t(ColourOf204(10)));
}

TEST_F(LoadersTest, AFailedLoadShowsItsMessageAndLoadingGoesOn) {
    AddLoadListPictures();
    FakeHost.resources.erase({kHostResourceBitmap, IDB_BRIG});
    EXPECT_TRUE(LoadBitmaps(FakeWindow()));
    ASSERT_EQ(FakeHost.boxes.size(), 1u);
    EXPECT_EQ(FakeHost.boxes[0].szText, "Sprite bitmap 132 is missing.");
    EXPECT_EQ(SpriteStore.nCount, 50);
    EXPECT_EQ(ActorTable.slots[kSlotBrig].nFrameCount, 0);
    EXPECT_EQ(ActorTable.slots[kSlotGalleon].nStore, 2);
}

}  // namespace
