// What the settings read from a profile: the native tests hold the fake
// profile to these tables and the Wine tests hold the real profile to them.
#pragma once

#include "config/settings.h"

// An empty profile gives these.
constexpr int kSettingDefaults[kSettingCount] = {510, 50, 1, 1, 1035, 0, 0};

// Hand-edited values read as stored, whatever the dialog's ranges.
struct HandEditCase {
    SettingId id;
    const char* szText;
    int nExpected;
};
constexpr HandEditCase kHandEditCases[] = {
    {kSettingSpeed, "600", 600},
    {kSettingKraken, "0", 0},
    {kSettingBlood, "yes", 0},
    {kSettingMusic, "12abc", 12},
    {kSettingSound, "999", 999},
    {kSettingMonitors, "7", 7},
    {kSettingPictureSize, "-1", -1},
};

// A limited read of hand-edited, garbled and absent values. The numbers are
// the profile's contract: monitors 0 every, 1 the main one only; picture
// size 0 largest whole, 1 original, 2 fill the height.
struct LimitedReadCase {
    SettingId id;
    const char* szText;  // nullptr: the key is absent
    int nExpected;
};
static_assert(kMonitorsMainOnly == 1 && kPictureOriginal == 1 && kPictureFillHeight == 2);
constexpr LimitedReadCase kLimitedReadCases[] = {
    {kSettingMonitors, nullptr, 0},
    {kSettingMonitors, "1", 1},
    {kSettingMonitors, "7", 1},
    {kSettingMonitors, "-1", 0},
    {kSettingMonitors, "main", 0},  // no number reads as 0
    {kSettingMonitors, "", 0},      // empty reads as absent
    {kSettingMonitors, "4294967297", 1},
    {kSettingPictureSize, nullptr, 0},
    {kSettingPictureSize, "1", 1},
    {kSettingPictureSize, "2", 2},
    {kSettingPictureSize, "3", 2},
    {kSettingPictureSize, "-2147483648", 0},
    {kSettingPictureSize, "1x", 1},
    {kSettingPictureSize, "0x2", 2},
    {kSettingSpeed, "600", 561},
    {kSettingKraken, "0", 5},
};

// Texts a user might leave in a profile key, and the integer that the
// profile reads from each (with the default 77).

struct ProfileTextCase {
    const char* szText;
    int nExpected;
};

constexpr int kProfileTextDefault = 77;

constexpr ProfileTextCase kProfileTextCases[] = {
    {"600", 600},
    {"0", 0},
    {"-5", -5},
    {"+3", 3},
    {" 7", 7},
    {"12\t", 12},
    {"12abc", 12},       // the number that the text starts with
    {"1 2", 1},
    {"abc", 0},          // text that is not a number reads as 0, not the default
    {"--5", 0},
    {"- 5", 0},
    {"", kProfileTextDefault},   // an empty value counts as absent
    {"   ", kProfileTextDefault},
    {"0x1f", 31},        // lower-case base prefixes only
    {"0X1f", 0},
    {"0b101", 5},
    {"0o17", 15},
    {"010", 10},
    {"-0x10", -16},
    {"\"12\"", 12},      // one pair of enclosing quotes is dropped
    {"'5'", 5},
    {"\"12", 0},
    {"4294967295", -1},  // digits wrap at 32 bits
    {"2147483648", -2147483647 - 1},
    {"99999999999", 1215752191},
    {"-4294967295", 1},
    // Only the first 29 characters are read.
    {"00000000000000000000000000000042", 0},
    {"00000000000000000000000000042", 42},
};
