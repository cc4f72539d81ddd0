// The soak of the real saver under Wine: SSHarborgast.scr full screen at
// the shortest frame period for MINUTES minutes, with the probe module
// hooked into its message loop (see soak_probe_win32.cpp), which samples
// the saver's private bytes and live GDI objects between two frames once a
// minute. Then the saver is closed as the system closes it, and the run is
// judged:
//  - the saver played the whole time and ended with 0, its tune files gone;
//  - no sample after the first cycle holds more GDI objects than the one
//    taken at the first cycle's end;
//  - none holds more private bytes than that one plus a margin, 1 MiB
//    unless given, for the heaps' growth in whole pages (at the shortest
//    period, some 85 frames a second, a leak of 16 bytes a frame passes it
//    within a quarter of an hour; one of a picture a cycle, at once).
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
        if (szKind == "cycle" && (line >> sample.nFrames >> sample.nMinute >> sample.nPrivateBytes >> sample.nGdiObjects)) {
            report.bCycle = true;
            report.cycle = sample;
        } else if (szKind == "minute" &&
                   (line >> sample.nMinute >> sample.nFrames >> sample.nPrivateBytes >> sample.nGdiObjects)) {
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
                std::printf("minute %d: %ld frames, %llu private bytes, %d GDI objects\n", last.nMinute,
                            last.nFrames, last.nPrivateBytes, last.nGdiObjects);
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
    std::printf("first cycle: ended after %ld frames, %d s of show: %llu private bytes, %d GDI objects\n",
                report.cycle.nFrames, report.cycle.nMinute, report.cycle.nPrivateBytes, report.cycle.nGdiObjects);

    bool bUnmeasured = report.cycle.nPrivateBytes == 0;
    for (const Sample& sample : report.minutes) bUnmeasured |= sample.nPrivateBytes == 0;
    if (bUnmeasured) return Fail("the platform gave no figure for private bytes");

    unsigned long long nMostBytes = 0, nLeastBytes = ~0ull;
    int nMostObjects = 0, nLater = 0;
    for (const Sample& sample : report.minutes) {
        if (sample.nFrames <= report.cycle.nFrames) continue;
        ++nLater;
        nMostBytes = std::max(nMostBytes, sample.nPrivateBytes);
        nLeastBytes = std::min(nLeastBytes, sample.nPrivateBytes);
        nMostObjects = std::max(nMostObjects, sample.nGdiObjects);
    }
    if (nLater == 0) return Fail("no sample after the first cycle");
    const Sample& last = report.minutes.back();
    std::printf("after it, %d samples: private bytes %llu to %llu (%+lld from the first cycle's), "
                "GDI objects at most %d (%+d)\n",
                nLater, nLeastBytes, nMostBytes, static_cast<long long>(nMostBytes - report.cycle.nPrivateBytes),
                nMostObjects, nMostObjects - report.cycle.nGdiObjects);
    std::printf("frames run: %ld in %d minutes (%.1f a second)\n", last.nFrames, last.nMinute,
                last.nFrames / (last.nMinute * 60.0));
    if (nMostObjects > report.cycle.nGdiObjects) nFailures += Fail("GDI objects grew after the first cycle");
    if (nMostBytes > report.cycle.nPrivateBytes + nMarginBytes)
        nFailures += Fail("private bytes grew after the first cycle beyond the margin");
    std::printf("verdict: %s (margin for private bytes %llu KiB)\n", nFailures == 0 ? "flat" : "FAILED",
                nMarginBytes / 1024);
    return nFailures == 0 ? 0 : 1;
}
