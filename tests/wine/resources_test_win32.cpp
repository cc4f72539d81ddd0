// The saver's own file carries every picture, sound and tune under the id
// and type that the show asks for, and the icon and cursor groups; each is
// found with FindResourceA, as the show finds them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "bed_support.h"
#include "generated_assets.h"
#include "catalogue.h"

namespace {

struct Resource {
    const BYTE* pData = nullptr;
    DWORD nBytes = 0;
};

class SaverAssetResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        hSaver = LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() {
        if (hSaver) FreeLibrary(hSaver);
        hSaver = nullptr;
    }
    void SetUp() override { ASSERT_NE(hSaver, nullptr) << "cannot open " << SaverPath(); }

    static Resource Find(LPCSTR szName, LPCSTR szType) {
        HRSRC hInfo = FindResourceA(hSaver, szName, szType);
        if (!hInfo) return {};
        HGLOBAL hData = LoadResource(hSaver, hInfo);
        return {hData ? static_cast<const BYTE*>(LockResource(hData)) : nullptr, SizeofResource(hSaver, hInfo)};
    }

    static HMODULE hSaver;
};
HMODULE SaverAssetResources::hSaver = nullptr;

uint32_t U16(const BYTE* p) { return p[0] | (p[1] << 8); }
uint32_t U32(const BYTE* p) { return U16(p) | (U16(p + 2) << 16); }

TEST_F(SaverAssetResources, EveryPictureAsAnEightBitBitmap) {
    std::set<int> ids;
    for (const LoadListEntry& e : LoadList) ids.insert(e.nResourceId);
    for (const PictureEntry& e : OtherPictures) ids.insert(e.nResourceId);
    for (int nId : ids) {
        SCOPED_TRACE("bitmap " + std::to_string(nId));
        Resource r = Find(MAKEINTRESOURCEA(nId), RT_BITMAP);
        EXPECT_NE(r.pData, nullptr) << "not found";
        if (!r.pData || r.nBytes < 40u + 1024u) continue;
        const uint32_t nWidth = U32(r.pData + 4), nHeight = U32(r.pData + 8);
        EXPECT_EQ(U32(r.pData), 40u);
        EXPECT_EQ(U16(r.pData + 14), 8u);
        EXPECT_EQ(U32(r.pData + 16), 0u);
        EXPECT_EQ(r.nBytes, 40u + 1024u + ((nWidth + 3) & ~3u) * nHeight) << "a packed DIB, no file header";
    }
}

TEST_F(SaverAssetResources, EverySoundAsARiffWave) {
    for (const ExpectedSound& s : kExpectedSounds) {
        SCOPED_TRACE("wave " + std::to_string(s.nId));
        Resource r = Find(MAKEINTRESOURCEA(s.nId), "WAVE");
        EXPECT_NE(r.pData, nullptr) << "not found";
        if (!r.pData || r.nBytes < 44u) continue;
        EXPECT_EQ(std::memcmp(r.pData, "RIFF", 4), 0);
        EXPECT_EQ(U32(r.pData + 4) + 8, r.nBytes);
        EXPECT_EQ(std::memcmp(r.pData + 8, "WAVE", 4), 0);
    }
}

TEST_F(SaverAssetResources, BothTunesAtTheirExactSizes) {
    for (const ExpectedTune& t : kExpectedTunes) {
        SCOPED_TRACE("midi " + std::to_string(t.nId));
        Resource r = Find(MAKEINTRESOURCEA(t.nId), "MIDI");
        EXPECT_NE(r.pData, nullptr) << "not found";
        if (!r.pData || r.nBytes < 4u) continue;
        EXPECT_EQ(r.nBytes, t.nBytes);
        EXPECT_EQ(std::memcmp(r.pData, "MThd", 4), 0);
    }
}

TEST_F(SaverAssetResources, IconAndCursorGroups) {
    Resource icon = Find(kIconGroupName, RT_GROUP_ICON);
    ASSERT_NE(icon.pData, nullptr) << "icon group not found";
    ASSERT_GE(icon.nBytes, 6u);
    EXPECT_EQ(U16(icon.pData + 4), 4u) << "images in the icon group";
    Resource cursor = Find(MAKEINTRESOURCEA(kHandCursorId), RT_GROUP_CURSOR);
    ASSERT_NE(cursor.pData, nullptr) << "cursor group not found";
    ASSERT_GE(cursor.nBytes, 6u);
    EXPECT_EQ(U16(cursor.pData + 4), 1u) << "images in the cursor group";
}

}  // namespace
