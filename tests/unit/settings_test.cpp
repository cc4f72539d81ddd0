// The settings store against the fake profile, and the fake profile against
// the table of texts that the real profile is held to under Wine.
#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <string>

#include "config/settings.h"
#include "fake_profile.h"
#include "profile_cases.h"

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { FakeProfile = {}; }
    void Store(SettingId id, const char* szText) {
        SetFakeProfileText("Harborgast", SettingKeys[id].szKey, szText);
    }
};

TEST_F(SettingsTest, EmptyProfileGivesEveryDefault) {
    for (int i = 0; i < kSettingCount; ++i)
        EXPECT_EQ(ReadSetting(static_cast<SettingId>(i)), kSettingDefaults[i]) << SettingKeys[i].szKey;
}

TEST_F(SettingsTest, KeysAreTheProfileNamesInWriteOrder) {
    const char* const szExpected[] = {"nSpeedSave", "nKrakenSave", "nShowBlood",  "nPlayMIDI",
                                      "nPlaySound", "nMonitors",   "nPictureSize"};
    static_assert(std::size(szExpected) == kSettingCount);
    for (int i = 0; i < kSettingCount; ++i) EXPECT_STREQ(SettingKeys[i].szKey, szExpected[i]);
    EXPECT_STREQ(kProfileSection, "Harborgast");
}

TEST_F(SettingsTest, DefaultsLieWithinTheDialogRanges) {
    for (const SettingKey& key : SettingKeys) {
        EXPECT_LE(key.nLow, key.nDefault) << key.szKey;
        EXPECT_LE(key.nDefault, key.nHigh) << key.szKey;
    }
}

// Reading never applies the limits: each user of a value does that.
TEST_F(SettingsTest, HandEditedValuesReadAsStored) {
    for (const HandEditCase& c : kHandEditCases) Store(c.id, c.szText);
    for (const HandEditCase& c : kHandEditCases) EXPECT_EQ(ReadSetting(c.id), c.nExpected) << c.szText;
}

TEST_F(SettingsTest, OtherSectionsAreNotRead) {
    SetFakeProfileText("Harborgast2", "nSpeedSave", "100");
    SetFakeProfileText("Desktop", "nKrakenSave", "10");
    EXPECT_EQ(ReadSetting(kSettingSpeed), 510);
    EXPECT_EQ(ReadSetting(kSettingKraken), 50);
}

TEST_F(SettingsTest, LimitedReadsKeepEachValueInItsRange) {
    for (const LimitedReadCase& c : kLimitedReadCases) {
        FakeProfile = {};
        if (c.szText) Store(c.id, c.szText);
        EXPECT_EQ(ReadLimitedSetting(c.id), c.nExpected)
            << SettingKeys[c.id].szKey << " [" << (c.szText ? c.szText : "absent") << "]";
    }
}

TEST_F(SettingsTest, WritesEveryKeyInOrderAsDecimalText) {
    const int nValues[kSettingCount] = {600, -3, 0, INT_MIN, 1036, 1, 2};
    WriteSettings(nValues);
    const std::string szExpected[][2] = {{"nSpeedSave", "600"},
                                         {"nKrakenSave", "-3"},
                                         {"nShowBlood", "0"},
                                         {"nPlayMIDI", "-2147483648"},
                                         {"nPlaySound", "1036"},
                                         {"nMonitors", "1"},
                                         {"nPictureSize", "2"}};
    ASSERT_EQ(FakeProfile.writes.size(), std::size(szExpected));
    for (size_t i = 0; i < std::size(szExpected); ++i) {
        EXPECT_EQ(FakeProfile.writes[i].szSection, "Harborgast");
        EXPECT_EQ(FakeProfile.writes[i].szKey, szExpected[i][0]);
        EXPECT_EQ(FakeProfile.writes[i].szValue, szExpected[i][1]);
    }
}

TEST_F(SettingsTest, WrittenValuesReadBack) {
    const int nValues[kSettingCount] = {11, 95, 0, 0, 1037, 1, 1};
    WriteSettings(nValues);
    for (int i = 0; i < kSettingCount; ++i)
        EXPECT_EQ(ReadSetting(static_cast<SettingId>(i)), nValues[i]) << SettingKeys[i].szKey;
}

TEST(FakeProfileTest, ReadsTextAsTheProfileDoes) {
    for (const ProfileTextCase& c : kProfileTextCases) {
        EXPECT_EQ(ReadProfileTextAsInt(c.szText, kProfileTextDefault), c.nExpected)
            << "text [" << c.szText << "]";
    }
}

TEST(FakeProfileTest, SectionsAndKeysIgnoreCase) {
    FakeProfile = {};
    SetFakeProfileText("HARBORGAST", "NSPEEDSAVE", "42");
    EXPECT_EQ(ReadSetting(kSettingSpeed), 42);
}

}  // namespace
