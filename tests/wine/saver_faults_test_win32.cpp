// The real saver against the faults of real machines: no sound device,
// tune files taken away or locked while the show plays, the saver ended
// from outside, a garbled profile, savers started in the same instant, and
// temporary directories that are missing, read-only, full or too long.
// Each must leave the show playing or end it cleanly, and leave no tune
// file, no screen-saver-running state and no changed profile behind.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "dialog_support.h"
#include "profile_support.h"
#include "resource_ids.h"
#include "saver_checks.h"
#include "shell/saver_window_win32.h"

namespace {

std::string FullScreenLine() { return "\"" + SaverPath() + "\" /s"; }

bool FileExists(const std::string& szPath) { return GetFileAttributesA(szPath.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool WriteWholeFile(const std::string& szPath, const std::string& szBytes) {
    HANDLE hFile = CreateFileA(szPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    DWORD nWritten = 0;
    const bool bWritten = WriteFile(hFile, szBytes.data(), DWORD(szBytes.size()), &nWritten, nullptr) &&
                          nWritten == szBytes.size();
    CloseHandle(hFile);
    return bWritten;
}

// The names in a directory, without "." and "..".
std::vector<std::string> DirectoryEntries(const std::string& szDir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE hFind = FindFirstFileA((szDir + "*").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string szName = found.cFileName;
        if (szName != "." && szName != "..") names.push_back(szName);
    } while (FindNextFileA(hFind, &found));
    FindClose(hFind);
    return names;
}

bool ScreenSaverRunning() {
    BOOL bRunning = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &bRunning, 0);
    return bRunning != FALSE;
}

// The screen keeps changing while the saver lives: frames are playing, not
// a black window, a still title or one frozen frame. Counted from the
// window's appearance: black, title, first frame, then frames.
bool ShowPlays(const SaverProcess& saver) {
    Picture last = CaptureScreen(ScreenRect());
    int nChanges = 0;
    return WaitUntil([&] {
               if (saver.HasEnded()) return true;
               Picture now = CaptureScreen(ScreenRect());
               nChanges += !(now == last);
               last = std::move(now);
               return nChanges >= 6;
           }) &&
           !saver.HasEnded();
}

std::string TunePath(const std::string& szDir, int nTune) { return TunePaths(szDir)[nTune - 1]; }

std::string TuneResource(int nTune) { return SaverModule().Tune(nTune == 1 ? kTune1ResourceId : kTune2ResourceId); }

// The saver's window once its show has started, both tunes written whole;
// null if it did not get that far.
HWND WaitForShowStart(const SaverProcess& saver) {
    HWND hWindow = saver.WaitForWindow(nullptr);
    if (hWindow == nullptr || !WaitUntil([&] { return TunesWhole() || saver.HasEnded(); }) || !TunesWhole())
        return nullptr;
    return hWindow;
}

// Closes the saver as another program would, and returns its exit code.
DWORD CloseFromOutside(const SaverProcess& saver, HWND hWindow) {
    PostMessageA(hWindow, WM_CLOSE, 0, 0);
    return saver.WaitForExit();
}

// The [Harborgast] section of WIN.INI exactly as the file holds it.
std::string WinIniPath() {
    char szDir[MAX_PATH] = {};
    GetWindowsDirectoryA(szDir, sizeof szDir);
    return std::string(szDir) + "\\win.ini";
}

std::string HarborgastSection() {
    const std::string szIni = FileBytes(WinIniPath());
    const size_t nStart = szIni.find("[Harborgast]");
    if (nStart == std::string::npos) return {};
    const size_t nEnd = szIni.find("\n[", nStart);
    return szIni.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd + 1 - nStart);
}

// Replaces the section with exactly these lines, which the profile calls
// could not write (a key twice, say).
void SetHarborgastSection(const std::vector<std::string>& lines) {
    WriteProfileStringA("Harborgast", nullptr, nullptr);
    std::string szIni = FileBytes(WinIniPath());
    if (!szIni.empty() && szIni.back() != '\n') szIni += "\r\n";
    szIni += "[Harborgast]\r\n";
    for (const std::string& szLine : lines) szIni += szLine + "\r\n";
    ASSERT_TRUE(WriteWholeFile(WinIniPath(), szIni));
}

// Sets TMP and TEMP of this process, and so of every saver that it starts,
// to szDir while it lives.
class ScopedTempDir {
public:
    explicit ScopedTempDir(const std::string& szDir) {
        for (int i = 0; i < 2; ++i) {
            char szOld[4096] = {};
            const DWORD nLength = GetEnvironmentVariableA(kNames[i], szOld, sizeof szOld);
            m_bHad[i] = nLength > 0 && nLength < sizeof szOld;
            m_szOld[i] = szOld;
            SetEnvironmentVariableA(kNames[i], szDir.c_str());
        }
    }
    ~ScopedTempDir() {
        for (int i = 0; i < 2; ++i) SetEnvironmentVariableA(kNames[i], m_bHad[i] ? m_szOld[i].c_str() : nullptr);
    }
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;

private:
    static constexpr const char* kNames[2] = {"TMP", "TEMP"};
    bool m_bHad[2] = {};
    std::string m_szOld[2];
};

// Every case starts from sound settings in the profile, no saver and no
// tune file, and must end with no saver, no tune file, the running state
// off and the profile as the case left it.
class SaverFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(FindWindowA("WindowsScreenSaverClass", nullptr), nullptr) << "a saver from before is still up";
        for (int nTune = 1; nTune <= 2; ++nTune) DeleteFileA(TunePath(TempDir(), nTune).c_str());
        SetHarborgastSection({"nSpeedSave=510", "nKrakenSave=50", "nShowBlood=1", "nPlayMIDI=1", "nPlaySound=1035"});
        m_szSection = HarborgastSection();
    }
    void TearDown() override {
        EXPECT_TRUE(TunesGone());
        EXPECT_FALSE(ScreenSaverRunning());
        EXPECT_EQ(HarborgastSection(), m_szSection) << "the saver changed the profile";
        WriteProfileStringA("Harborgast", nullptr, nullptr);
    }
    // After the case changed the section on purpose.
    void ProfileIsNow() { m_szSection = HarborgastSection(); }

    std::string m_szSection;
};

TEST_F(SaverFaultTest, WithoutSoundDevicesTheShowPlaysSilentlyAndEndsOnCloseFromOutside) {
    if (waveOutGetNumDevs() != 0 || midiOutGetNumDevs() != 0)
        GTEST_SKIP() << "this machine has a sound device; the case is a machine without one";
    SaverProcess saver(SaverPath(), FullScreenLine());
    HWND hWindow = WaitForShowStart(saver);
    ASSERT_NE(hWindow, nullptr) << "the tunes are written even without a device";
    EXPECT_TRUE(ShowPlays(saver));
    EXPECT_TRUE(TunesWhole());
    EXPECT_EQ(CloseFromOutside(saver, hWindow), 0u);
}

TEST_F(SaverFaultTest, TuneFilesDeletedByAnotherProgramLeaveTheShowPlaying) {
    SaverProcess saver(SaverPath(), FullScreenLine());
    HWND hWindow = WaitForShowStart(saver);
    ASSERT_NE(hWindow, nullptr);
    // Gone before the first frame opens tune 1.
    for (int nTune = 1; nTune <= 2; ++nTune) ASSERT_TRUE(DeleteFileA(TunePath(TempDir(), nTune).c_str()));
    EXPECT_TRUE(ShowPlays(saver));
    EXPECT_EQ(CloseFromOutside(saver, hWindow), 0u);
}

// A file that another program holds open without delete sharing cannot be
// deleted by anyone: it outlives the saver that wrote it, keeps the next
// saver from writing it (that one plays without music), and the first
// saver after the lock is gone replaces it and removes it.
TEST_F(SaverFaultTest, TuneFileLockedByAnotherProgramIsReplacedAndRemovedOnceFree) {
    const std::string szTune1 = TunePath(TempDir(), 1);
    HANDLE hLock = INVALID_HANDLE_VALUE;
    {
        SaverProcess saver(SaverPath(), FullScreenLine());
        HWND hWindow = WaitForShowStart(saver);
        ASSERT_NE(hWindow, nullptr);
        hLock = CreateFileA(szTune1.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(hLock, INVALID_HANDLE_VALUE);
        EXPECT_TRUE(ShowPlays(saver));
        EXPECT_EQ(CloseFromOutside(saver, hWindow), 0u);
        EXPECT_FALSE(FileExists(TunePath(TempDir(), 2)));
    }
    {
        SaverProcess saver(SaverPath(), FullScreenLine());
        HWND hWindow = saver.WaitForWindow(nullptr);
        ASSERT_NE(hWindow, nullptr);
        EXPECT_TRUE(ShowPlays(saver));
        EXPECT_EQ(CloseFromOutside(saver, hWindow), 0u);
        EXPECT_FALSE(FileExists(TunePath(TempDir(), 2)));
    }
    CloseHandle(hLock);
    EXPECT_EQ(FileBytes(szTune1), TuneResource(1)) << "a locked file was changed";
    SaverProcess saver(SaverPath(), FullScreenLine());
    HWND hWindow = WaitForShowStart(saver);
    ASSERT_NE(hWindow, nullptr);
    EXPECT_EQ(CloseFromOutside(saver, hWindow), 0u);
}

// The platform ends the process as soon as WM_ENDSESSION returns; a
// cancelled session end changes nothing.
TEST_F(SaverFaultTest, SessionEndReleasesTheShowBeforeTheProcessIsEnded) {
    SaverProcess saver(SaverPath(), FullScreenLine());
    HWND hWindow = WaitForShowStart(saver);
    ASSERT_NE(hWindow, nullptr);

    DWORD_PTR nResult = 0;
    ASSERT_TRUE(SendMessageTimeoutA(hWindow, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, kLongWaitMs, &nResult));
    EXPECT_NE(nResult, 0u) << "the saver must not hold up the end of the session";
    ASSERT_TRUE(SendMessageTimeoutA(hWindow, WM_ENDSESSION, FALSE, 0, SMTO_NORMAL, kLongWaitMs, &nResult));
    EXPECT_TRUE(ShowPlays(saver)) << "a cancelled session end stopped the show";
    EXPECT_TRUE(TunesWhole());

    ASSERT_TRUE(SendMessageTimeoutA(hWindow, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, kLongWaitMs, &nResult));
    ASSERT_TRUE(SendMessageTimeoutA(hWindow, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, kLongWaitMs, &nResult));
    EXPECT_TRUE(TunesGone()) << "the tune files outlive the session";
    EXPECT_FALSE(ScreenSaverRunning());
    // Had the platform not ended it, it ends by itself.
    EXPECT_EQ(saver.WaitForExit(), 0u);
}

// Nothing runs in a killed saver: its tune files stay. The next start must
// not be put off by them (or by the killed saver's claim on the screen)
// and writes its own over them, whatever they hold by then.
TEST_F(SaverFaultTest, AfterTheSaverIsKilledTheNextStartReplacesItsLeftovers) {
    {
        SaverProcess saver(SaverPath(), FullScreenLine());
        ASSERT_NE(WaitForShowStart(saver), nullptr);
        ASSERT_TRUE(TerminateProcess(saver.Handle(), 1));
        ASSERT_EQ(saver.WaitForExit(), 1u);
    }
    ASSERT_FALSE(TunesGone());
    ASSERT_TRUE(WriteWholeFile(TunePath(TempDir(), 1), std::string(20000, '\x5A')));
    ASSERT_TRUE(WriteWholeFile(TunePath(TempDir(), 2), ""));

    SaverProcess saver(SaverPath(), FullScreenLine());
    HWND hWindow = WaitForShowStart(saver);
    ASSERT_NE(hWindow, nullptr);
    EXPECT_TRUE(ShowPlays(saver));
    EXPECT_EQ(CloseFromOutside(saver, hWindow), 0u);
}

// Hand-edited sections: text that is no number, empty values, numbers far
// outside every range, keys given twice.
struct GarbledProfileCase {
    const char* szName;
    std::vector<std::string> lines;
};

const GarbledProfileCase kGarbledProfiles[] = {
    {"no numbers, empty values",
     {"nSpeedSave=fast", "nKrakenSave=", "nShowBlood=yes please", "nPlayMIDI=", "nPlaySound=loud",
      "nMonitors=all of them", "nPictureSize="}},
    {"huge numbers, keys twice",
     {"nSpeedSave=99999999999", "nKrakenSave=-99999999999", "nShowBlood=4294967296", "nPlayMIDI=7",
      "nPlaySound=2147483648", "nMonitors=99999999999", "nPictureSize=-4294967298", "nSpeedSave=-1",
      "nKrakenSave=50000", "nPlaySound=1037", "nShowBlood=maybe", "nMonitors=0", "nPictureSize=1"}},
    {"signs and spaces",
     {"nSpeedSave=-2147483648", "nKrakenSave= 2147483647", "nShowBlood=-0", "nPlayMIDI=-1", "nPlaySound=+1036",
      "nMonitors= -1", "nPictureSize=+2"}},
};

// The saver reads them, limits them where it uses them and plays; it never
// writes the profile.
TEST_F(SaverFaultTest, GarbledProfileStillPlaysAndIsLeftAsItWas) {
    for (const GarbledProfileCase& c : kGarbledProfiles) {
        SCOPED_TRACE(c.szName);
        SetHarborgastSection(c.lines);
        ProfileIsNow();
        SaverProcess saver(SaverPath(), FullScreenLine());
        // Music is on in each of them: the tunes are written whole.
        HWND hWindow = WaitForShowStart(saver);
        ASSERT_NE(hWindow, nullptr);
        EXPECT_TRUE(ShowPlays(saver));
        EXPECT_EQ(CloseFromOutside(saver, hWindow), 0u);
        EXPECT_TRUE(TunesGone());
        EXPECT_EQ(HarborgastSection(), m_szSection) << "the saver changed the profile";
    }
}

// Text that reads back as the same 32-bit number: digits, a minus sign
// only before a number other than 0, no leading zero, no space.
bool IsDecimal(const std::string& szValue) {
    const char* p = szValue.c_str();
    if (*p == '-') ++p;
    if (*p < '1' || *p > '9') return szValue == "0";
    for (const char* q = p; *q; ++q)
        if (*q < '0' || *q > '9') return false;
    if (std::strlen(p) > 10) return false;
    const long long nValue = std::atoll(szValue.c_str());
    return nValue >= INT32_MIN && nValue <= INT32_MAX;
}

// The configure dialog shows each garbled value as the platform reads it
// (the first line of a key given twice), limited to its control's range,
// and OK leaves one line with a valid decimal for each key: what the dialog
// showed, and the sound mode as it was read (no radio button is picked for
// one outside the three).
TEST_F(SaverFaultTest, GarbledProfileShowsLimitedInTheDialogAndOkWritesDecimals) {
    for (const GarbledProfileCase& c : kGarbledProfiles) {
        SCOPED_TRACE(c.szName);
        SetHarborgastSection(c.lines);
        const auto read = [](const char* szKey, int nDefault) {
            return static_cast<int>(GetProfileIntA("Harborgast", szKey, nDefault));
        };
        const int nSpeed = std::clamp(read("nSpeedSave", 510), 11, 561);
        const int nKraken = std::clamp(read("nKrakenSave", 50), 5, 95);
        const bool bBlood = read("nShowBlood", 1) != 0;
        const bool bMusic = read("nPlayMIDI", 1) != 0;
        const int nSound = read("nPlaySound", 1035);
        const int nMonitors = std::clamp(read("nMonitors", 0), 0, 1);
        const int nPictureSize = std::clamp(read("nPictureSize", 0), 0, 2);

        SaverProcess saver(SaverPath(), SaverLine("/c"));
        HWND hDialog = saver.WaitForCaption("Configure Screen Saver");
        ASSERT_NE(hDialog, nullptr);
        EXPECT_EQ(SliderPosition(hDialog, IDC_SPEED_SLIDER), nSpeed);
        EXPECT_EQ(SliderPosition(hDialog, IDC_OUTCOME_SLIDER), nKraken);
        EXPECT_EQ(IsChecked(hDialog, IDC_SHOW_BLOOD), bBlood);
        EXPECT_EQ(IsChecked(hDialog, IDC_MUSIC_ON), bMusic);
        for (int nId : {IDC_SOUND_ON, IDC_SOUND_FIRST_TIME, IDC_SOUND_OFF}) EXPECT_EQ(IsChecked(hDialog, nId), nId == nSound);
        for (int nId : {IDC_MONITORS_EVERY, IDC_MONITORS_MAIN_ONLY})
            EXPECT_EQ(IsChecked(hDialog, nId), nId == IDC_MONITORS_EVERY + nMonitors);
        for (int nId : {IDC_PICTURE_LARGEST_WHOLE, IDC_PICTURE_ORIGINAL, IDC_PICTURE_FILL_HEIGHT})
            EXPECT_EQ(IsChecked(hDialog, nId), nId == IDC_PICTURE_LARGEST_WHOLE + nPictureSize);
        ClickLater(hDialog, IDOK);
        EXPECT_EQ(saver.WaitForExit(), 42u);

        // Each key once, where its last line was.
        std::vector<std::string> expected = {
            "nSpeedSave=" + std::to_string(nSpeed), "nKrakenSave=" + std::to_string(nKraken),
            std::string("nShowBlood=") + (bBlood ? "1" : "0"), std::string("nPlayMIDI=") + (bMusic ? "1" : "0"),
            "nPlaySound=" + std::to_string(nSound), "nMonitors=" + std::to_string(nMonitors),
            "nPictureSize=" + std::to_string(nPictureSize)};
        std::vector<std::string> lines = SaverSectionLines();
        std::sort(lines.begin(), lines.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(lines, expected);
        for (const std::string& szLine : lines) EXPECT_TRUE(IsDecimal(szLine.substr(szLine.find('=') + 1))) << szLine;
        ProfileIsNow();
    }
}

// Started suspended and let go together, so that each reaches its check for
// a running saver before any has a window.
TEST_F(SaverFaultTest, OfSaversStartedInTheSameInstantExactlyOnePlays) {
    constexpr int kSavers = 3;
    PROCESS_INFORMATION savers[kSavers] = {};
    for (PROCESS_INFORMATION& process : savers) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string szLine = FullScreenLine();
        ASSERT_TRUE(CreateProcessA(SaverPath().c_str(), &szLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                                   nullptr, nullptr, &startup, &process));
    }
    for (PROCESS_INFORMATION& process : savers) ResumeThread(process.hThread);

    // All but one end with 0 and without a window.
    std::vector<HANDLE> handles;
    for (PROCESS_INFORMATION& process : savers) handles.push_back(process.hProcess);
    int nEnded = 0;
    EXPECT_TRUE(WaitUntil([&] {
        nEnded = 0;
        for (HANDLE hProcess : handles) nEnded += WaitForSingleObject(hProcess, 0) == WAIT_OBJECT_0;
        return nEnded >= kSavers - 1;
    }));
    EXPECT_EQ(nEnded, kSavers - 1);
    HANDLE hPlaying = nullptr;
    for (HANDLE hProcess : handles) {
        DWORD nExitCode = 0;
        GetExitCodeProcess(hProcess, &nExitCode);
        if (nExitCode == STILL_ACTIVE)
            hPlaying = hProcess;
        else
            EXPECT_EQ(nExitCode, 0u);
    }
    ASSERT_NE(hPlaying, nullptr);
    HWND hWindow = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (hWindow = FindWindowA("WindowsScreenSaverClass", "Screen Saver")) != nullptr; }));
    DWORD nOwner = 0;
    GetWindowThreadProcessId(hWindow, &nOwner);
    EXPECT_EQ(nOwner, GetProcessId(hPlaying));
    EXPECT_TRUE(WaitUntil([] { return TunesWhole(); }));

    PostMessageA(hWindow, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitPumping(hPlaying, kLongWaitMs));
    DWORD nExitCode = STILL_ACTIVE;
    GetExitCodeProcess(hPlaying, &nExitCode);
    EXPECT_EQ(nExitCode, 0u);
    for (PROCESS_INFORMATION& process : savers) {
        if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

// A saver that has claimed the screen but not yet made its window counts as
// running: a second start ends with 0 and makes nothing.
TEST_F(SaverFaultTest, FullScreenStartWhileAnotherIsStartingEndsAtOnce) {
    HANDLE hClaim = CreateMutexA(nullptr, FALSE, kFullScreenMutexName);
    ASSERT_NE(hClaim, nullptr);
    SaverProcess saver(SaverPath(), FullScreenLine());
    EXPECT_EQ(saver.WaitForExit(), 0u);
    EXPECT_EQ(FindWindowA("WindowsScreenSaverClass", nullptr), nullptr);
    CloseHandle(hClaim);
}

// ---- Temporary directories --------------------------------------------------
// The read-only and the full directory come from the Linux side (the script
// temp-dir-faults around this suite): a read-only mount, and a disk with
// room for tune 1 and half of tune 2.
struct TempDirCase {
    const char* szName;
    std::string (*pfnDir)();  // with its trailing separator
    bool bCreate;             // made here, as an empty directory
    bool bTune1Written;       // tune 1's file exists while the show plays
};

std::string LinuxPathInWine(const std::string& szPath) {
    std::string szWine = "Z:" + szPath;
    for (char& c : szWine)
        if (c == '/') c = '\\';
    return szWine;
}

std::string PreparedDir(const char* szName) {
    const char* szBed = std::getenv("HARBORGAST_BED");
    return szBed == nullptr ? std::string() : LinuxPathInWine(std::string(szBed) + "/temp-dir-faults/" + szName + "/");
}

// So long that the tune files' names do not fit the platform's 260
// characters after it, though the directory itself does.
std::string DirTooLongForTheNames() {
    std::string szDir = TempDir() + "harborgast-long\\";
    const size_t nNameLength = TunePaths("")[0].size();
    while (szDir.size() + nNameLength < kMaxPathLength - 10) szDir += "deeper-and-deeper\\";
    while (szDir.size() + nNameLength < kMaxPathLength) szDir.insert(szDir.size() - 1, "x");
    return szDir;
}

// Longer than the platform lets a temporary directory be.
std::string DirLongerThanAllowed() { return TempDir() + std::string(300, 'y') + "\\"; }

const TempDirCase kTempDirCases[] = {
    {"OwnDirectory", [] { return TempDir() + "harborgast-own\\"; }, true, true},
    {"Missing", [] { return TempDir() + "harborgast-missing\\"; }, false, false},
    {"ReadOnly", [] { return PreparedDir("read-only"); }, false, false},
    {"Full", [] { return PreparedDir("full"); }, false, true},
    {"TooLongForTheNames", DirTooLongForTheNames, true, false},
    {"LongerThanAllowed", DirLongerThanAllowed, false, false},
};

class SaverTempDirTest : public SaverFaultTest, public ::testing::WithParamInterface<TempDirCase> {};

bool MakeDirectories(const std::string& szDir) {
    for (size_t i = szDir.find('\\', 3); i != std::string::npos; i = szDir.find('\\', i + 1))
        CreateDirectoryA(szDir.substr(0, i).c_str(), nullptr);
    return GetFileAttributesA(szDir.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveDirectories(const std::string& szDir, const std::string& szStop) {
    for (std::string szPart = szDir; szPart.size() > szStop.size();
         szPart = szPart.substr(0, szPart.find_last_of('\\', szPart.size() - 2) + 1))
        RemoveDirectoryA(szPart.c_str());
}

TEST_P(SaverTempDirTest, ShowPlaysAndLeavesNothingInTheDirectory) {
    const TempDirCase& c = GetParam();
    const std::string szDir = c.pfnDir();
    ASSERT_FALSE(szDir.empty()) << "HARBORGAST_BED is not set: run this suite through temp-dir-faults";
    if (c.bCreate) {
        ASSERT_TRUE(MakeDirectories(szDir));
    }
    if (std::string(c.szName) == "Full" && !FileExists(szDir))
        GTEST_SKIP() << "only the superuser can mount the small disk that fills up";
    const std::vector<std::string> before = DirectoryEntries(szDir);
    if (std::string(c.szName) == "ReadOnly") {
        HANDLE hProbe = CreateFileA((szDir + "probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (hProbe != INVALID_HANDLE_VALUE) CloseHandle(hProbe);
        ASSERT_EQ(hProbe, INVALID_HANDLE_VALUE) << "the bed could not make " << szDir << " read-only";
    }
    {
        ScopedTempDir temp(szDir);
        SaverProcess saver(SaverPath(), FullScreenLine());
        HWND hWindow = saver.WaitForWindow(nullptr);
        ASSERT_NE(hWindow, nullptr);
        EXPECT_TRUE(ShowPlays(saver));
        EXPECT_EQ(FileExists(TunePath(szDir, 1)), c.bTune1Written);
        if (c.bTune1Written) {
            EXPECT_EQ(FileBytes(TunePath(szDir, 1)), TuneResource(1));
        }
        EXPECT_EQ(CloseFromOutside(saver, hWindow), 0u);
    }
    EXPECT_EQ(DirectoryEntries(szDir), before);
    EXPECT_TRUE(TunesGone(szDir));
    if (c.bCreate) RemoveDirectories(szDir, TempDir());
}

INSTANTIATE_TEST_SUITE_P(Faults, SaverTempDirTest, ::testing::ValuesIn(kTempDirCases),
                         [](const ::testing::TestParamInfo<TempDirCase>& info) { return info.param.szName; });

}  // namespace
