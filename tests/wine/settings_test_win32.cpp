// The settings store against the real profile: the section Harborgast of
// WIN.INI in the bed's prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/settings.h"
#include "host/host.h"
#include "profile_cases.h"
#include "profile_support.h"

namespace {

class ProfileSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ClearSaverSection(); }
    void TearDown() override { ClearSaverSection(); }

    static void HandEdit(SettingId id, const char* szText) {
        ASSERT_TRUE(WriteProfileStringA("Harborgast", SettingKeys[id].szKey, szText));
    }
};

TEST_F(ProfileSettingsTest, EmptyProfileGivesEveryDefault) {
    for (int i = 0; i < kSettingCount; ++i)
        EXPECT_EQ(ReadSetting(static_cast<SettingId>(i)), kSettingDefaults[i]) << SettingKeys[i].szKey;
}

TEST_F(ProfileSettingsTest, HandEditedValuesReadAsStored) {
    for (const HandEditCase& c : kHandEditCases) HandEdit(c.id, c.szText);
    for (const HandEditCase& c : kHandEditCases) EXPECT_EQ(ReadSetting(c.id), c.nExpected) << c.szText;
}

TEST_F(ProfileSettingsTest, LimitedReadsKeepEachValueInItsRange) {
    for (const LimitedReadCase& c : kLimitedReadCases) {
        ClearSaverSection();
        if (c.szText) HandEdit(c.id, c.szText);
        EXPECT_EQ(ReadLimitedSetting(c.id), c.nExpected)
            << SettingKeys[c.id].szKey << " [" << (c.szText ? c.szText : "absent") << "]";
    }
}

TEST_F(ProfileSettingsTest, WritesEveryKeyInOrder) {
    const int nValues[kSettingCount] = {561, 5, 0, 1, 1037, 1, 2};
    WriteSettings(nValues);
    const std::vector<std::string> expected = {"nSpeedSave=561", "nKrakenSave=5", "nShowBlood=0", "nPlayMIDI=1",
                                               "nPlaySound=1037", "nMonitors=1", "nPictureSize=2"};
    EXPECT_EQ(SaverSectionLines(), expected);
}

TEST_F(ProfileSettingsTest, RewritingKeepsOneLinePerKey) {
    const int nFirst[kSettingCount] = {11, 95, 1, 0, 1036, 1, 1};
    const int nSecond[kSettingCount] = {-7, 2147483647, 2, 0, 1035, 0, 2};
    WriteSettings(nFirst);
    WriteSettings(nSecond);
    const std::vector<std::string> expected = {"nSpeedSave=-7", "nKrakenSave=2147483647", "nShowBlood=2",
                                               "nPlayMIDI=0",   "nPlaySound=1035",        "nMonitors=0",
                                               "nPictureSize=2"};
    EXPECT_EQ(SaverSectionLines(), expected);
    for (int i = 0; i < kSettingCount; ++i)
        EXPECT_EQ(ReadSetting(static_cast<SettingId>(i)), nSecond[i]) << SettingKeys[i].szKey;
}

// The same table holds the native tests' fake profile.
TEST_F(ProfileSettingsTest, ProfileReadsTextsAsTheFakeDoes) {
    for (const ProfileTextCase& c : kProfileTextCases) {
        ASSERT_TRUE(WriteProfileStringA("Harborgast", "nProbe", c.szText));
        EXPECT_EQ(HostGetProfileInt("Harborgast", "nProbe", kProfileTextDefault), c.nExpected)
            << "text [" << c.szText << "]";
    }
}

}  // namespace
