// The settings file's text: finding a key as the profile does, and setting
// one so that the key holds the value alone and every other line stays.

#include <gtest/gtest.h>

#include <string>

#include "config/ini_profile.h"

namespace {

TEST(IniProfileTest, FindsTheFirstEntryOfTheKeyInItsSectionWhateverTheCase) {
    const IniLines lines = SplitIniText(
        "; a comment\r\n[Other]\nnSpeedSave=1\n[ harborgast ]\n  NSPEEDSAVE = 300 \nnSpeedSave=400\n"
        "nKrakenSave=\n=5\nnotasetting\n[Other]\nnShowBlood=0\n");
    struct {
        const char* szKey;
        bool bFound;
        const char* szValue;
    } cases[] = {
        {"nSpeedSave", true, " 300 "},  // the first entry; the reader trims
        {"nKrakenSave", true, ""},      // present and empty
        {"nShowBlood", false, ""},      // only in another section
        {"notasetting", false, ""},
        {"nPlayMIDI", false, ""},
    };
    for (const auto& c : cases) {
        std::string szValue;
        EXPECT_EQ(FindIniValue(lines, "Harborgast", c.szKey, szValue), c.bFound) << c.szKey;
        if (c.bFound) {
            EXPECT_EQ(szValue, c.szValue) << c.szKey;
        }
    }
}

TEST(IniProfileTest, SettingAKeyReplacesItsEntriesAndKeepsEveryOtherLine) {
    struct {
        const char* szBefore;
        const char* szAfter;
    } cases[] = {
        {"", "[Harborgast]\nnSpeedSave=42\n"},
        {"; mine\n[Other]\na=1\n", "; mine\n[Other]\na=1\n[Harborgast]\nnSpeedSave=42\n"},
        {"[Harborgast]\nnKrakenSave=5\n\n[Other]\nb=2\n", "[Harborgast]\nnKrakenSave=5\nnSpeedSave=42\n\n[Other]\nb=2\n"},
        {"[harborgast]\nnspeedsave=abc\nx\nnSpeedSave=7\n[Other]\nnSpeedSave=9\n",
         "[harborgast]\nnSpeedSave=42\nx\n[Other]\nnSpeedSave=9\n"},
        {"[Harborgast]\r\nnSpeedSave=1", "[Harborgast]\nnSpeedSave=42\n"},
    };
    for (const auto& c : cases) {
        IniLines lines = SplitIniText(c.szBefore);
        SetIniValue(lines, "Harborgast", "nSpeedSave", "42");
        EXPECT_EQ(JoinIniLines(lines), c.szAfter) << c.szBefore;
    }
}

}  // namespace
