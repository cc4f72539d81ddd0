// What the asset generator must make for the saver, beyond the catalogue's
// pictures: the sounds with their playing times, and the two tunes.
#pragma once

#include <cstddef>

struct ExpectedSound {
    int nId;
    double dSeconds;
    bool bExtraChunk;  // carries one chunk after its data
};

inline constexpr ExpectedSound kExpectedSounds[] = {
    {149, 3.50, false}, {148, 0.64, false}, {190, 0.49, false}, {191, 0.73, false},
    {192, 0.77, false}, {193, 0.24, false}, {194, 0.64, false}, {195, 1.56, false},
    {196, 0.89, false}, {235, 0.05, false}, {227, 1.23, true},  {228, 1.63, false},
    {233, 5.30, false}, {230, 2.80, false}, {231, 2.52, false}, {232, 4.60, false},
};

struct ExpectedTune {
    int nId;
    size_t nBytes;
    unsigned nTracks;
};

inline constexpr ExpectedTune kExpectedTunes[] = {{243, 8921, 4}, {244, 8457, 3}};

inline constexpr const char* kIconGroupName = "SSAVERICON";
inline constexpr int kHandCursorId = 117;
