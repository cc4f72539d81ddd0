// The tune files and the sequencer state machine. Every failure here turns
// music off quietly; the show goes on.

#include "audio/music.h"

#include <cstdio>

#include "config/run_flags.h"

MusicState Music;

namespace {

struct TuneFileInfo {
    int nResourceId;
    uint32_t nBytes;
    const char* szNameFormat;  // %s: the temporary directory, separator included
    char* szPath;
};

TuneFileInfo TuneFor(int nTune) {
    if (nTune == 1)
        return {kTune1ResourceId, kTune1Bytes, "%sSSQuillmere's Harborgast01.mid", Music.szTune1Path};
    return {kTune2ResourceId, kTune2Bytes, "%sSSQuillmere's Harborgast06.mid", Music.szTune2Path};
}

// Creates the file and writes the bytes; a partial file is removed.
bool WriteWholeFile(const char* szPath, const uint8_t* pData, size_t nBytes) {
    std::FILE* pFile = std::fopen(szPath, "wb");
    if (pFile == nullptr) return false;
    const bool bWritten = std::fwrite(pData, 1, nBytes, pFile) == nBytes;
    const bool bClosed = std::fclose(pFile) == 0;
    if (bWritten && bClosed) return true;
    std::remove(szPath);
    return false;
}

void DeleteTuneFile(char* szPath) {
    if (szPath[0] == '\0') return;
    std::remove(szPath);
    szPath[0] = '\0';
}

}  // namespace

void WriteTuneFiles() {
    const uint32_t nLength = HostGetTempPath(Music.szTempDir, kTempPathLength);
    if (nLength == 0 || nLength >= uint32_t(kTempPathLength)) {
        Music.szTempDir[0] = '\0';
        RunFlags.bMusicOn = false;
        return;
    }
    // Both are attempted even when the first fails.
    WriteTuneFile(1);
    WriteTuneFile(2);
}

void WriteTuneFile(int nTune) {
    const TuneFileInfo tune = TuneFor(nTune);
    char szPath[kMaxPathLength];
    const int nPathLength = std::snprintf(szPath, sizeof szPath, tune.szNameFormat, Music.szTempDir);
    // The tune's bytes are a constant of the program; a resource that is
    // missing or shorter is never read past its end.
    const HostResource resource = HostFindResource(kHostResourceMidi, tune.nResourceId);
    if (nPathLength < 0 || nPathLength >= kMaxPathLength || resource.pData == nullptr ||
        resource.nSize < tune.nBytes || !WriteWholeFile(szPath, resource.pData, tune.nBytes)) {
        RunFlags.bMusicOn = false;
        return;
    }
    std::snprintf(tune.szPath, kMaxPathLength, "%s", szPath);
}

uint32_t PlayTune(HostWindow hWindow, const char* szPath) {
    uint32_t nDevice = 0;
    uint32_t nError = HostSequencerOpen(szPath, &nDevice);
    if (nError != 0) return nError;
    Music.nMusicDevice = nDevice;
    nError = HostSequencerStatusPort(nDevice);
    if (nError == 0) nError = HostSequencerPlay(nDevice, hWindow);
    if (nError != 0) HostSequencerClose(nDevice);
    return nError;
}

void HandleMusicNotify(HostWindow hWindow) {
    if (RunFlags.bSoundOn && RunFlags.bMusicOn && RunFlags.bMusicWanted) {
        HostSequencerSeekToStart(Music.nMusicDevice);
        HostSequencerPlay(Music.nMusicDevice, hWindow);
    } else {
        HostSequencerClose(Music.nMusicDevice);
    }
}

void StopMusic(HostWindow hWindow) { HostSequencerStop(Music.nMusicDevice, hWindow); }

void SwitchTuneInDissolve(HostWindow hWindow, int nDissolveFrame, int nTune) {
    if (!RunFlags.bSoundOn || !RunFlags.bMusicOn) return;
    if (nDissolveFrame == 1 && nTune != 0) {
        RunFlags.bMusicWanted = false;
        StopMusic(hWindow);
        HostSequencerClose(Music.nMusicDevice);
    } else if (nDissolveFrame == 3) {
        RunFlags.bMusicWanted = true;
        if (nTune == 2) PlayTune(hWindow, Music.szTune2Path);
        if (nTune == 1) PlayTune(hWindow, Music.szTune1Path);
    }
}

void ReleaseMusic() {
    if (RunFlags.bMusicOn) HostSequencerClose(Music.nMusicDevice);
    // A file written before a later failure turned music off is removed too.
    DeleteTuneFile(Music.szTune1Path);
    DeleteTuneFile(Music.szTune2Path);
}
