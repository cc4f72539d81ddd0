// harborgast-soak: the whole show, through the real start-up, engine,
// scenes and assets, for many cycles in one window size with one choice of
// blood and sound, under the sanitizers. Besides what the sanitizers report
// (and the leak check at exit), it checks that the heap in use at the end
// of every cycle is what it was at the end of the first, that both outcomes
// came up, that the sound mode held for the whole run, and that shut-down
// gave back everything start-up took and left no file behind.
//
//   harborgast-soak WIDTHxHEIGHT BLOOD SOUND CYCLES
//
// runs at least CYCLES cycles, and on until both outcomes have come up (at
// most four times CYCLES). One line of figures on standard output; each
// failed check on standard error, with exit status 1.

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "config/settings.h"
#include "host/asset_files.h"
#include "host/memory_window.h"
#include "host/posix/temp_dir.h"
#include "render_host.h"
#include "shell/driver.h"
#include "shell/saver_window.h"

#ifndef HARBORGAST_ASSET_DIR
#define HARBORGAST_ASSET_DIR "assets"
#endif

// The sanitizers' allocator: bytes handed out and not yet freed.
extern "C" size_t __sanitizer_get_current_allocated_bytes();

namespace {

struct CycleFigures {
    size_t nHeapBytes;    // in use at the cycle's end
    long nResidentKiB;
    int nWaves;           // sound effects played during the cycle
    int nTunesOpened;     // tunes the sequencer opened during the cycle
};

long ResidentKiB() {
    long nPages = 0, nResident = 0;
    if (std::FILE* pFile = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(pFile, "%ld %ld", &nPages, &nResident) != 2) nResident = 0;
        std::fclose(pFile);
    }
    return nResident * (sysconf(_SC_PAGESIZE) / 1024);
}

int nFailures = 0;
void Check(bool bHolds, const std::string& szWhat) {
    if (bHolds) return;
    std::fprintf(stderr, "harborgast-soak: %s\n", szWhat.c_str());
    ++nFailures;
}

// The soak as the driver's host: the clock jumps to each tick; each frame
// is counted into its cycle, and a cycle ends as the dissolve hands over to
// the first scene. The run ends once there are enough cycles and both
// outcomes, or at four times enough.
class SoakRun final : public DriverHost {
public:
    SoakRun(int nCycles, std::vector<CycleFigures>& cycles) : nCycles(nCycles), cycles(cycles) {}

    int nOutcomes[2] = {};  // pirates, kraken

    bool WaitUntil(uint32_t nDue) override {
        RenderHost.nTickCount = nDue;
        return true;
    }

    bool FrameDone(const DriverFrame& frame) override {
        current.nWaves += int(RenderHost.wavesPlayed.size());
        for (const std::string& szEvent : RenderHost.musicEvents) current.nTunesOpened += szEvent.rfind("open", 0) == 0;
        RenderHost.wavesPlayed.clear();
        RenderHost.musicEvents.clear();
        if (frame.nSceneRan == kSceneFaceOff && frame.nNextScene != kSceneFaceOff)
            ++nOutcomes[frame.nNextScene == kSceneKrakenWins ? 1 : 0];
        if (frame.nSceneRan == kSceneDissolve && frame.nNextScene == kSceneShipsAtSea) {
            current.nHeapBytes = __sanitizer_get_current_allocated_bytes();
            current.nResidentKiB = ResidentKiB();
            cycles.push_back(current);
            current = {};
        }
        return int(cycles.size()) < 4 * nCycles &&
               (int(cycles.size()) < nCycles || nOutcomes[0] == 0 || nOutcomes[1] == 0);
    }

private:
    int nCycles;
    std::vector<CycleFigures>& cycles;
    CycleFigures current = {};
};

}  // namespace

int main(int argc, char** argv) {
    int nWidth = 0, nHeight = 0, nBlood = 0, nSound = 0, nCycles = 0;
    if (argc != 5 || std::sscanf(argv[1], "%dx%d", &nWidth, &nHeight) != 2 || nWidth < 639 || nHeight < 1 ||
        std::sscanf(argv[2], "%d", &nBlood) != 1 || std::sscanf(argv[3], "%d", &nSound) != 1 ||
        std::sscanf(argv[4], "%d", &nCycles) != 1 || nCycles < 2) {
        std::fprintf(stderr, "usage: harborgast-soak WIDTHxHEIGHT BLOOD SOUND CYCLES (width 639 or more, 2 cycles or more)\n");
        return 2;
    }
    SetAssetDirectory(HARBORGAST_ASSET_DIR);
    RenderHost.profile[SettingKeys[kSettingBlood].szKey] = nBlood;
    RenderHost.profile[SettingKeys[kSettingSound].szKey] = nSound;
    ResizeMemoryWindow(nWidth, nHeight);
    RenderHost.szTempDir = MakeTempDir("harborgast-soak");
    if (RenderHost.szTempDir.empty()) {
        std::fprintf(stderr, "harborgast-soak: cannot make a temporary directory\n");
        return 1;
    }
    // The soak's records and the host's, emptied on every frame, are made
    // before the first measurement.
    std::vector<CycleFigures> cycles;
    cycles.reserve(size_t(4 * nCycles));
    RenderHost.wavesPlayed.reserve(64);
    RenderHost.musicEvents.reserve(64);
    const size_t nHeapBefore = __sanitizer_get_current_allocated_bytes();

    // The saver window's own logic, driven headless from clock reading 0.
    DriverOpen(RenderWindow(), nWidth, nHeight, kDriverStartupAtOnce);
    Check(!Driver.bQuitRequested, "start-up failed");
    const bool bSoundOn = SoundModeOf(nSound) != kSoundOff, bFirstTimeOnly = SoundModeOf(nSound) == kSoundFirstTimeOnly;
    Check(RenderHost.wavesPlayed.size() == (bSoundOn ? 1u : 0u), "opening sound against the sound mode");
    RenderHost.wavesPlayed.clear();
    RenderHost.musicEvents.clear();
    SoakRun run(nCycles, cycles);
    if (!Driver.bQuitRequested) DriverRun(run);
    const int (&nOutcomes)[2] = run.nOutcomes;
    Check(!Driver.bQuitRequested, "the show asked to quit");
    Check(nOutcomes[0] > 0 && nOutcomes[1] > 0, "not both outcomes came up");

    long nHeapDrift = 0, nResidentMax = 0;
    for (size_t c = 0; c < cycles.size(); ++c) {
        const CycleFigures& f = cycles[c];
        const std::string szCycle = "cycle " + std::to_string(c + 1) + ": ";
        if (c > 0) {
            const long nDrift = long(f.nHeapBytes) - long(cycles[0].nHeapBytes);
            if (std::labs(nDrift) > std::labs(nHeapDrift)) nHeapDrift = nDrift;
            Check(nDrift == 0, szCycle + "heap in use changed by " + std::to_string(nDrift) + " bytes");
        }
        nResidentMax = std::max(nResidentMax, f.nResidentKiB);
        const bool bSounding = bSoundOn && (!bFirstTimeOnly || c == 0);
        Check((f.nWaves > 0) == bSounding, szCycle + std::to_string(f.nWaves) + " sounds against the sound mode");
        if (!bSounding) Check(f.nTunesOpened == 0, szCycle + "a tune opened while silent");
    }
    Check(bSoundOn == (cycles.empty() || cycles[0].nTunesOpened > 0), "music in the first cycle against the sound mode");

    DriverClose();
    Check(!Driver.timers[kFrameTimerId].bArmed && !Driver.timers[kStartupTimerId].bArmed,
          "a timer still armed after the window went");
    // What the host keeps for itself: the resources it read, its records.
    ReleaseAssetFiles();
    RenderHost.wavesPlayed.clear();
    RenderHost.musicEvents.clear();
    const long nHeapKept = long(__sanitizer_get_current_allocated_bytes()) - long(nHeapBefore);
    Check(nHeapKept == 0, "shut-down kept " + std::to_string(nHeapKept) + " bytes of the heap");
    std::error_code ec;
    Check(std::filesystem::is_empty(RenderHost.szTempDir, ec), "files left in the temporary directory");
    RemoveTempDir(RenderHost.szTempDir);

    std::printf("%dx%d blood=%d sound=%d: %zu cycles (%d pirates, %d kraken), %ld frames; heap %zu bytes after "
                "cycle 1, largest change after it %ld; resident %ld KiB after cycle 1, at most %ld KiB; "
                "shut-down kept %ld bytes\n",
                nWidth, nHeight, nBlood, nSound, cycles.size(), nOutcomes[0], nOutcomes[1], long(Driver.nFrames),
                cycles.empty() ? size_t(0) : cycles[0].nHeapBytes, nHeapDrift,
                cycles.empty() ? 0L : cycles[0].nResidentKiB, nResidentMax, nHeapKept);
    return nFailures == 0 ? 0 : 1;
}
