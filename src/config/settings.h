// The five user settings: their profile keys, defaults and the limits that
// each user of a value applies. One table, read by the show, the saver
// window and the configure dialog alike.
#pragma once

enum SettingId {
    kSettingSpeed,   // nSpeedSave
    kSettingKraken,  // nKrakenSave
    kSettingBlood,   // nShowBlood
    kSettingMusic,   // nPlayMIDI
    kSettingSound,   // nPlaySound
    kSettingCount
};

struct SettingKey {
    const char* szKey;
    int nDefault;
    int nLow;   // the range the configure dialog writes; never applied on store
    int nHigh;
};

extern const char kProfileSection[];                  // "Harborgast"
extern const SettingKey SettingKeys[kSettingCount];   // in the order they are written

// The stored value as the profile reads it (the default when absent).
int ReadSetting(SettingId id);

// Writes all five values, in table order, as decimal text.
void WriteSettings(const int (&nValues)[kSettingCount]);
