// The tune resources through the writing of the tune files: music stays on
// exactly when both resources hold at least their tune's bytes and both
// files could be made; each file written is a byte-exact copy of its tune's
// bytes at the path its name format gives; shut-down leaves no file behind.
//
// Input: resource 243, then resource 244, then three bytes at the end,
// read from the last one back: the length of resource 243 (two bytes, low
// byte first) and the temporary directory's kind.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "audio/music.h"
#include "config/run_flags.h"
#include "engine/sequencer.h"
#include "fake_host.h"
#include "fuzz_support.h"
#include "show_reset.h"

namespace {

enum TempDirKind {
    kTempDirPrivate,     // the fuzz run's own directory
    kTempDirNone,        // the host has no temporary directory
    kTempDirTooLong,     // longer than the buffer it is fetched into
    kTempDirNameTooLong, // fits the buffer, but not with a file name after it
    kTempDirMissing,     // names a directory that does not exist
    kTempDirKinds
};

std::string TempPathOf(int nKind) {
    const std::string& szDir = FuzzTempDir();
    switch (nKind) {
        case kTempDirNone: return "";
        case kTempDirTooLong: return szDir + std::string(kTempPathLength, 'x') + "/";
        case kTempDirNameTooLong: return szDir + std::string(kTempPathLength - 2 - szDir.size(), 'y') + "/";
        case kTempDirMissing: return szDir + "missing/";
    }
    return szDir;
}

std::vector<uint8_t> FileBytes(const std::string& szPath) {
    std::vector<uint8_t> bytes;
    if (std::FILE* pFile = std::fopen(szPath.c_str(), "rb")) {
        int c;
        while ((c = std::fgetc(pFile)) != EOF) bytes.push_back(uint8_t(c));
        std::fclose(pFile);
    }
    return bytes;
}

// A tune that can be written is at its path, as a copy of its first bytes.
bool CheckTuneFile(const char* szPath, const char* szName, const std::vector<uint8_t>& res, uint32_t nBytes) {
    if (szPath[0] == '\0') return false;
    FUZZ_CHECK(szPath == FuzzTempDir() + szName);
    const std::vector<uint8_t> written = FileBytes(szPath);
    FUZZ_CHECK(res.size() >= nBytes && written.size() == nBytes);
    FUZZ_CHECK(std::memcmp(written.data(), res.data(), nBytes) == 0);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    FuzzedDataProvider input(pData, nSize);
    const int nKind = input.ConsumeIntegralInRange<int>(0, kTempDirKinds - 1);
    const size_t nTune1Length = input.ConsumeIntegral<uint16_t>();
    const std::vector<uint8_t> tune1 = input.ConsumeBytes<uint8_t>(nTune1Length);
    const std::vector<uint8_t> tune2 = input.ConsumeRemainingBytes<uint8_t>();

    ResetShowState();
    FakeHost.szTempPath = TempPathOf(nKind);
    FakeHost.bNoTempPath = nKind == kTempDirNone;
    AddFakeResource(kHostResourceMidi, kTune1ResourceId, tune1);
    AddFakeResource(kHostResourceMidi, kTune2ResourceId, tune2);
    RunFlags.bMusicOn = true;
    WriteTuneFiles();

    const bool bTune1 = CheckTuneFile(Music.szTune1Path, "SSQuillmere's Harborgast01.mid", tune1, kTune1Bytes);
    const bool bTune2 = CheckTuneFile(Music.szTune2Path, "SSQuillmere's Harborgast06.mid", tune2, kTune2Bytes);
    const bool bWritable = nKind == kTempDirPrivate;
    FUZZ_CHECK(bTune1 == (bWritable && tune1.size() >= kTune1Bytes));
    FUZZ_CHECK(bTune2 == (bWritable && tune2.size() >= kTune2Bytes));
    FUZZ_CHECK(RunFlags.bMusicOn == (bTune1 && bTune2));
    FUZZ_CHECK(CountFuzzTempFiles() == size_t(bTune1) + size_t(bTune2));

    ReleaseMusic();
    FUZZ_CHECK(CountFuzzTempFiles() == 0);
    FUZZ_CHECK(Music.szTune1Path[0] == '\0' && Music.szTune2Path[0] == '\0');
    return 0;
}
