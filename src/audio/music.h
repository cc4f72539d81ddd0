// Background music: two tunes written to temporary files at start-up and
// looped through the sequencer, switched around the kraken ending.
#pragma once

#include <cstdint>

#include "host/host.h"
#include "catalogue.h"

constexpr int kTempPathLength = 261;
constexpr int kMaxPathLength = 260;

struct MusicState {
    char szTempDir[kTempPathLength];
    char szTune1Path[kMaxPathLength];  // empty until its file is written
    char szTune2Path[kMaxPathLength];
    uint32_t nMusicDevice;  // the device opened last; 0 = none yet
};
extern MusicState Music;

// Start-up: fetches the temporary directory and writes both tune files;
// any failure turns music off for the run.
void WriteTuneFiles();
// Writes tune 1 (nTune 1) or tune 2 (nTune 2) into Music.szTempDir as a
// byte-exact copy of its resource; any failure turns music off.
void WriteTuneFile(int nTune);
// Opens the sequencer on a tune file and starts it with notification to
// hWindow. Returns the sequencer's error, 0 on success.
uint32_t PlayTune(HostWindow hWindow, const char* szPath);
// The sequencer's notification: loops the tune while the show wants it,
// closes the device otherwise.
void HandleMusicNotify(HostWindow hWindow);
// The dissolve's music: a dissolve that changes the tune (nTune 1 or 2;
// 0 keeps the one playing) stops it on its frame 1 and starts nTune on its
// frame 3, where music is wanted again either way.
void SwitchTuneInDissolve(HostWindow hWindow, int nDissolveFrame, int nTune);
// Stops the current tune with notification (its handler then closes it).
void StopMusic(HostWindow hWindow);
// Shut-down: closes the device and deletes the tune files.
void ReleaseMusic();
