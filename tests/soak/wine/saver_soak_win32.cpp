// The soak of the real saver under Wine: SSHarborgast.scr full screen at
// the shortest frame period for MINUTES minutes, with the probe module
// hooked into its message loop (see soak_probe_win32.cpp), which samples
// the saver's private bytes and live GDI objects between two frames once a
// minute, with what its heaps hold in use. Then the saver is closed as the
// system closes it, and the run is judged:
//  - the saver played the whole time and ended with 0, its tune files gone;
//  - no sample after the first cycle holds more GDI objects than the one
//    taken at the first cycle's end;
//  - of the samples after the first cycle, the last quarter's median of
//    private bytes is at most 1 MiB (unless given) above the first
//    quarter's, and that of heap bytes in use at most 256 KiB. Single
//    samples swing by a megabyte or two as Wine maps and unmaps its own
//    buffers; a leak raises the median. At the shortest period, some 85
//    frames a second, 16 bytes a frame add 1 MiB within a quarter of an
//    hour, and a picture a cycle at once.
// A plain report goes to standard output; the exit status is 1 when a check
// failed.
//
//   saver_soak MINUTES REPORT_FILE [MARGIN_KIB [KEY=VALUE...]]
//
// Each KEY=VALUE is a further setting of the saver's profile section (the
// sound off, say); the frame period is always the shortest.
//
// REPORT_FILE is a path of the Linux host, where the probe writes its lines.
// The saver and the probe are the copies in this program's folder, so that
// a build during the soak does not touch the files it runs.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bed_support.h"
#include "profile_support.h"
#include "tune_files.h"

namespace {

struct Sample {
    int nMinute;
    long nFrames;
    unsigned long long nPrivateBytes;
    int nGdiObjects;
    unsigned long long nHeapBytes;
};

struct ProbeReport {
    bool bCycle = false;
    Sample cycle = {};  // nMinute holds the seconds the first cycle took
    std::vector<Sample> minutes;
};

ProbeReport ReadProbeReport(const std::string& szPath) {
    ProbeReport report;
    std::ifstream file(szPath);
    std::string szLine;
    while (std::getline(file, szLine)) {
        std::istringstream line(szLine);
        std::string szKind;
        Sample sample = {};
        line >> szKind;
        if (szKind == "cycle" && (line >> sample.nFrames >> sample.nMinute >> sample.nPrivateBytes >> sample.nGdiObjects >>
                                       sample.nHeapBytes)) {
            report.bCycle = true;
            report.cycle = sample;
        } else if (szKind == "minute" &&
                   (line >> sample.nMinute >> sample.nFrames >> sample.nPrivateBytes >> sample.nGdiObjects >>
                    sample.nHeapBytes)) {
            report.minutes.push_back(sample);
        }
    }
    return report;
}

std::string WindowsPath(std::string szPath) {
    for (char& c : szPath)
        if (c == '/') c = '\\';
    return szPath[0] == '\\' ? "Z:" + szPath : szPath;
}

// A file in this program's folder.
std::string BesideThis(const char* szName) {
    char szPath[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string szDir(szPath);
    return szDir.substr(0, szDir.find_last_of('\\') + 1) + szName;
}

constexpr unsigned long long kHeapMarginBytes = 256 * 1024;

// A figure over the samples after the first cycle: its range, and the
// medians of the first and the last quarter of them, which single samples
// taken while something passing (a sound's buffers, say) was allocated do
// not move.
struct Trend {
    unsigned long long nLeast, nMost, nStart, nEnd;
};

Trend TrendOf(const std::vector<Sample>& samples, unsigned long long Sample::*pField) {
    std::vector<unsigned long long> values;
    for (const Sample& sample : samples) values.push_back(sample.*pField);
    const size_t nQuarter = std::max<size_t>(1, values.size() / 4);
    const auto median = [](std::vector<unsigned long long> part) {
        std::sort(part.begin(), part.end());
        return part[part.size() / 2];
    };
    return {*std::min_element(values.begin(), values.end()), *std::max_element(values.begin(), values.end()),
            median({values.begin(), values.begin() + nQuarter}), median({values.end() - nQuarter, values.end()})};
}

int Fail(const char* szWhat) {
    std::printf("FAILED: %s\n", szWhat);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: saver_soak MINUTES REPORT_FILE [MARGIN_KIB [KEY=VALUE...]]\n");
        return 2;
    }
    const int nMinutes = std::atoi(argv[1]);
    const std::string szReport = WindowsPath(argv[2]);
    const unsigned long long nMarginBytes = (argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1024) * 1024;
    if (nMinutes < 2) return Fail("the soak needs at least two minutes");
    setvbuf(stdout, nullptr, _IONBF, 0);

    HMODULE hProbe = LoadLibraryA(BesideThis("soak_probe.dll").c_str());
    const auto pfnProbe = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(hProbe != nullptr ? GetProcAddress(hProbe, "SoakProbe") : nullptr));
    if (pfnProbe == nullptr) return Fail("no probe module beside the soak program");
    const std::string szSaver = BesideThis("SSHarborgast.scr");

    ClearSaverSection();
    for (int i = 4; i < argc; ++i) {
        const std::string szSetting = argv[i];
        const size_t nEquals = szSetting.find('=');
        if (nEquals == std::string::npos) return Fail("a setting is not KEY=VALUE");
        WriteProfileStringA("Harborgast", szSetting.substr(0, nEquals).c_str(), szSetting.substr(nEquals + 1).c_str());
    }
    WriteProfileStringA("Harborgast", "nSpeedSave", "550");  // the shortest frame period
    DeleteFileA(szReport.c_str());

    int nFailures = 0;
    {
        const SaverProcess saver(szSaver, "\"" + szSaver + "\" /s", {"HARBORGAST_SOAK_REPORT=" + szReport});
        const HWND hWindow = saver.IsStarted() ? saver.WaitForWindow(nullptr) : nullptr;
        if (hWindow == nullptr) return Fail("the saver showed no window");
        const DWORD nThread = GetWindowThreadProcessId(hWindow, nullptr);
        HHOOK hHook = SetWindowsHookExA(WH_GETMESSAGE, pfnProbe, hProbe, nThread);
        if (hHook == nullptr) return Fail("the probe could not be hooked into the saver");

        // The probe writes a line a minute while the saver plays; a stalled
        // saver gets ten minutes more before the soak gives up on it.
        const DWORD nStart = GetTickCount();
        const DWORD nGiveUpMs = DWORD(nMinutes + 10) * 60000;
        size_t nSeen = 0;
        while (!saver.HasEnded() && GetTickCount() - nStart < nGiveUpMs) {
            const ProbeReport progress = ReadProbeReport(szReport);
            if (progress.minutes.size() != nSeen) {
                nSeen = progress.minutes.size();
                const Sample& last = progress.minutes.back();
                std::printf("minute %d: %ld frames, %llu private bytes, %d GDI objects, %llu heap bytes in use\n",
                            last.nMinute, last.nFrames, last.nPrivateBytes, last.nGdiObjects, last.nHeapBytes);
            }
            if (int(nSeen) >= nMinutes) break;
            WaitPumping(saver.Handle(), 1000);
        }
        const bool bPlayedThrough = !saver.HasEnded();
        PostMessageA(hWindow, WM_CLOSE, 0, 0);
        const DWORD nExitCode = saver.WaitForExit();
        UnhookWindowsHookEx(hHook);
        if (!bPlayedThrough) nFailures += Fail("the saver ended before the soak closed it");
        if (nExitCode != 0) nFailures += Fail("the saver did not end with 0 when closed");
    }
    if (!TunesGone()) nFailures += Fail("the tune files were left behind");
    ClearSaverSection();

    const ProbeReport report = ReadProbeReport(szReport);
    if (!report.bCycle) return Fail("the probe never saw the first cycle end");
    if (int(report.minutes.size()) < nMinutes) nFailures += Fail("fewer samples than minutes");
    std::printf("first cycle: ended after %ld frames, %d s of show: %llu private bytes, %d GDI objects, "
                "%llu heap bytes in use\n",
                report.cycle.nFrames, report.cycle.nMinute, report.cycle.nPrivateBytes, report.cycle.nGdiObjects,
                report.cycle.nHeapBytes);

    bool bUnmeasured = report.cycle.nPrivateBytes == 0;
    for (const Sample& sample : report.minutes) bUnmeasured |= sample.nPrivateBytes == 0;
    if (bUnmeasured) return Fail("the platform gave no figure for private bytes");

    std::vector<Sample> later;
    for (const Sample& sample : report.minutes)
        if (sample.nFrames > report.cycle.nFrames) later.push_back(sample);
    if (later.empty()) return Fail("no sample after the first cycle");
    const Trend bytes = TrendOf(later, &Sample::nPrivateBytes);
    const Trend heap = TrendOf(later, &Sample::nHeapBytes);
    int nMostObjects = 0;
    for (const Sample& sample : later) nMostObjects = std::max(nMostObjects, sample.nGdiObjects);
    const Sample& last = report.minutes.back();
    std::printf("after it, %zu samples: private bytes %llu to %llu, the first quarter's median %llu, the last's "
                "%llu (%+lld)\n",
                later.size(), bytes.nLeast, bytes.nMost, bytes.nStart, bytes.nEnd,
                static_cast<long long>(bytes.nEnd - bytes.nStart));
    std::printf("heap bytes in use %llu to %llu, the first quarter's median %llu, the last's %llu (%+lld)\n",
                heap.nLeast, heap.nMost, heap.nStart, heap.nEnd, static_cast<long long>(heap.nEnd - heap.nStart));
    std::printf("GDI objects at most %d (%+d from the first cycle's)\n", nMostObjects,
                nMostObjects - report.cycle.nGdiObjects);
    std::printf("frames run: %ld in %d minutes (%.1f a second)\n", last.nFrames, last.nMinute,
                last.nFrames / (last.nMinute * 60.0));
    if (nMostObjects > report.cycle.nGdiObjects) nFailures += Fail("GDI objects grew after the first cycle");
    if (bytes.nEnd > bytes.nStart + nMarginBytes) nFailures += Fail("private bytes grew beyond their margin");
    if (heap.nEnd > heap.nStart + kHeapMarginBytes) nFailures += Fail("heap bytes in use grew beyond their margin");
    std::printf("verdict: %s (margins: private bytes %llu KiB, heap bytes %llu KiB)\n",
                nFailures == 0 ? "flat" : "FAILED", nMarginBytes / 1024, kHeapMarginBytes / 1024);
    return nFailures == 0 ? 0 : 1;
}
