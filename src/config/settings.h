// The user settings: their profile keys, defaults and limits. One table,
// read by the show, the saver window and the configure dialog alike.
#pragma once

#include <cstdint>

enum SettingId {
    kSettingSpeed,        // nSpeedSave
    kSettingKraken,       // nKrakenSave
    kSettingBlood,        // nShowBlood
    kSettingMusic,        // nPlayMIDI
    kSettingSound,        // nPlaySound
    kSettingMonitors,     // nMonitors: kMonitorsEvery or kMonitorsMainOnly
    kSettingPictureSize,  // nPictureSize: kPictureLargestWhole, kPictureOriginal or kPictureFillHeight
    kSettingCount
};

// The values of the two choice settings.
enum MonitorsChoice { kMonitorsEvery = 0, kMonitorsMainOnly = 1 };
enum PictureSizeChoice { kPictureLargestWhole = 0, kPictureOriginal = 1, kPictureFillHeight = 2 };
// The sound mode as the show counts it. The profile's nPlaySound holds the
// configure dialog's radio-button id instead (IDC_SOUND_ON + the mode).
enum SoundMode { kSoundOn = 0, kSoundFirstTimeOnly = 1, kSoundOff = 2 };

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

// A value brought into its setting's range.
int LimitSetting(SettingId id, int nValue);
// The stored value brought into its range: how the dialog shows every
// setting but the sound mode, and how the saver uses the two choices.
int ReadLimitedSetting(SettingId id);

// The sound mode of a stored nPlaySound: the one place that turns the
// dialog's ids into modes. A stored value other than the three ids gives a
// number outside the modes (IDC_SOUND_ON + 5 gives 5), which plays sound
// for the whole run.
int32_t SoundModeOf(int nStored);

// Writes every value, in table order, as decimal text.
void WriteSettings(const int (&nValues)[kSettingCount]);
