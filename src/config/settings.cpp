// The settings table and its operations. Values go in and out as the
// profile holds them; each user applies limits when it uses one: the
// table's own, or for the show's flags the show's.
#include "config/settings.h"

#include <algorithm>
#include <cstdio>

#include "host/host.h"
#include "resource_ids.h"

const char kProfileSection[] = "Harborgast";

// Write order is table order: speed, outcome bias, blood, music, sound mode,
// monitors, picture size.
const SettingKey SettingKeys[kSettingCount] = {
    {"nSpeedSave", 510, 11, 561},
    {"nKrakenSave", 50, 5, 95},
    {"nShowBlood", 1, 0, 1},
    {"nPlayMIDI", 1, 0, 1},
    {"nPlaySound", IDC_SOUND_ON, IDC_SOUND_ON, IDC_SOUND_OFF},
    {"nMonitors", kMonitorsEvery, kMonitorsEvery, kMonitorsMainOnly},
    {"nPictureSize", kPictureLargestWhole, kPictureLargestWhole, kPictureFillHeight},
};

int ReadSetting(SettingId id) {
    const SettingKey& key = SettingKeys[id];
    return HostGetProfileInt(kProfileSection, key.szKey, key.nDefault);
}

int LimitSetting(SettingId id, int nValue) {
    const SettingKey& key = SettingKeys[id];
    return std::clamp(nValue, key.nLow, key.nHigh);
}

int ReadLimitedSetting(SettingId id) { return LimitSetting(id, ReadSetting(id)); }

int32_t SoundModeOf(int nStored) {
    return int32_t(std::clamp<int64_t>(int64_t{nStored} - IDC_SOUND_ON, INT32_MIN, INT32_MAX));
}

void WriteSettings(const int (&nValues)[kSettingCount]) {
    for (int i = 0; i < kSettingCount; ++i) {
        char szValue[16];  // "-2147483648" and its terminator fit
        std::snprintf(szValue, sizeof szValue, "%d", nValues[i]);
        // A failed write changes nothing the saver could act on.
        HostWriteProfileString(kProfileSection, SettingKeys[i].szKey, szValue);
    }
}
