// Sound cues and the music state machine, checked through the sequencer
// commands that the fake host records; the tune files are written for real
// into a private temporary directory.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "audio/music.h"
#include "audio/sound.h"
#include "config/run_flags.h"
#include "config/settings.h"
#include "core_support.h"
#include "engine/dissolve.h"
#include "engine/scene_script.h"
#include "engine/sequencer.h"
#include "gfx/frame_buffer.h"
#include "gfx/sprite_store.h"
#include "host/posix/temp_dir.h"
#include "show/show.h"

namespace {

using Calls = std::vector<std::string>;

// The tunes' byte counts, constants of the program.
constexpr size_t kTune1Size = 8921;
constexpr size_t kTune2Size = 8457;

std::vector<uint8_t> TuneBytes(size_t nSize, uint8_t nSalt) {
    std::vector<uint8_t> bytes(nSize);
    // Every byte value, the ones a text-mode file would change included.
    for (size_t i = 0; i < nSize; ++i) bytes[i] = uint8_t(i * 7 + nSalt);
    bytes[0] = 0x0A;
    bytes[1] = 0x0D;
    bytes[2] = 0x1A;
    bytes[3] = 0x00;
    return bytes;
}

std::vector<uint8_t> ReadFile(const std::string& szPath) {
    std::ifstream file(szPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool FileExists(const std::string& szPath) { return std::ifstream(szPath).good(); }

class MusicTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        szDir_ = MakeTempDir("harborgast-music");
        ASSERT_FALSE(szDir_.empty());
        FakeHost.szTempPath = szDir_;
        AddFakeResource(kHostResourceMidi, 243, TuneBytes(kTune1Size, 1));
        AddFakeResource(kHostResourceMidi, 244, TuneBytes(kTune2Size, 2));
        RunFlags.bMusicOn = true;
        RunFlags.bSoundOn = true;
    }
    void TearDown() override {
        ReleaseMusic();
        RemoveTempDir(szDir_);
        CoreTest::TearDown();
    }
    std::string Tune1() const { return szDir_ + "SSQuillmere's Harborgast01.mid"; }
    std::string Tune2() const { return szDir_ + "SSQuillmere's Harborgast06.mid"; }

    std::string szDir_;
};

TEST_F(MusicTest, TuneFilesAreByteExactCopies) {
    // A longer resource gives only the tune's own byte count.
    FakeHost.resources[{kHostResourceMidi, 244}].push_back(0x77);
    WriteTuneFiles();
    EXPECT_TRUE(RunFlags.bMusicOn);
    EXPECT_EQ(Music.szTune1Path, Tune1());
    EXPECT_EQ(Music.szTune2Path, Tune2());
    EXPECT_EQ(ReadFile(Tune1()), TuneBytes(kTune1Size, 1));
    EXPECT_EQ(ReadFile(Tune2()), TuneBytes(kTune2Size, 2));

    FakeHost.calls.clear();
    ReleaseMusic();
    EXPECT_EQ(FakeSequencerCalls(), Calls{"Close(0)"});  // closed whether or not a tune is open
    EXPECT_FALSE(FileExists(Tune1()));
    EXPECT_FALSE(FileExists(Tune2()));
}

struct TuneFailureCase {
    const char* szWhat;
    int nResourceId;
    size_t nSize;  // 0: the resource is missing
};
void PrintTo(const TuneFailureCase& c, std::ostream* os) {
    *os << c.szWhat << ": resource " << c.nResourceId << ", " << c.nSize << " bytes";
}

class TuneFailureTest : public MusicTest, public ::testing::WithParamInterface<TuneFailureCase> {};

TEST_P(TuneFailureTest, TurnsMusicOffAndTheOtherTuneIsStillWritten) {
    const TuneFailureCase c = GetParam();
    if (c.nSize == 0)
        FakeHost.resources.erase({kHostResourceMidi, c.nResourceId});
    else
        FakeHost.resources[{kHostResourceMidi, c.nResourceId}].resize(c.nSize);
    WriteTuneFiles();
    const bool bTune1Failed = c.nResourceId == 243;
    EXPECT_FALSE(RunFlags.bMusicOn);
    EXPECT_EQ(FileExists(Tune1()), !bTune1Failed);
    EXPECT_EQ(FileExists(Tune2()), bTune1Failed);
    // Shut-down removes what was written, though music is off.
    ReleaseMusic();
    EXPECT_FALSE(FileExists(Tune1()) || FileExists(Tune2()));
    EXPECT_TRUE(FakeSequencerCalls().empty());
}

INSTANTIATE_TEST_SUITE_P(Resources, TuneFailureTest,
                         ::testing::Values(TuneFailureCase{"Tune1Missing", 243, 0},
                                           TuneFailureCase{"Tune1Short", 243, kTune1Size - 1},
                                           TuneFailureCase{"Tune2Short", 244, 100}),
                         [](const auto& info) { return std::string(info.param.szWhat); });

// A write that fails part of the way (here: past a file-size limit of a
// few kilobytes) leaves no partial tune behind.
TEST_F(MusicTest, APartlyWrittenTuneFileIsRemoved) {
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    void (*pfnOld)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    WriteTuneFiles();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, pfnOld);
    EXPECT_FALSE(RunFlags.bMusicOn);
    EXPECT_FALSE(FileExists(Tune1()));
    EXPECT_FALSE(FileExists(Tune2()));
    EXPECT_EQ(Music.szTune1Path[0], '\0');
    EXPECT_EQ(Music.szTune2Path[0], '\0');
}

TEST_F(MusicTest, NoTemporaryDirectoryOrNoRoomForTheNamesMeansNoMusic) {
    struct Case { const char* szWhat; bool bNoTempPath; std::string szTempPath; };
    const Case cases[] = {
        {"no directory", true, "/tmp/"},
        {"directory too long for the buffer", false, "/tmp/" + std::string(300, 'd') + "/"},
        {"names do not fit 260 characters", false, "/tmp/" + std::string(230, 'd') + "/"},
        {"directory does not exist", false, "/nonexistent/harborgast/"},
    };
    for (const Case& c : cases) {
        Music = {};
        RunFlags.bMusicOn = true;
        FakeHost.bNoTempPath = c.bNoTempPath;
        FakeHost.szTempPath = c.szTempPath;
        WriteTuneFiles();
        EXPECT_FALSE(RunFlags.bMusicOn) << c.szWhat;
        EXPECT_EQ(Music.szTune1Path[0], '\0') << c.szWhat;
        EXPECT_EQ(Music.szTune2Path[0], '\0') << c.szWhat;
    }
}

// A tune's path must fit 260 characters with its terminating zero: real
// directories whose paths make the tunes' paths 259, 260 and 261 long.
TEST_F(MusicTest, TunePathsOfUpTo259CharactersAreWritten) {
    const size_t nName = std::string("SSQuillmere's Harborgast01.mid").size();
    for (const size_t nPath : {259, 260, 261}) {
        SCOPED_TRACE(nPath);
        const std::string szDir = szDir_ + std::string(nPath - nName - szDir_.size() - 1, 'd') + "/";
        ASSERT_EQ(szDir.size() + nName, nPath);
        ASSERT_EQ(mkdir(szDir.c_str(), 0700), 0);
        Music = {};
        RunFlags.bMusicOn = true;
        FakeHost.szTempPath = szDir;
        WriteTuneFiles();
        EXPECT_EQ(RunFlags.bMusicOn, nPath < 260);
        EXPECT_EQ(FileExists(szDir + "SSQuillmere's Harborgast01.mid"), nPath < 260);
        EXPECT_EQ(std::string(Music.szTune2Path).size(), nPath < 260 ? nPath : 0);
        ReleaseMusic();
        EXPECT_EQ(rmdir(szDir.c_str()), 0) << "a tune file was left behind";
    }
}

TEST_F(MusicTest, PlayTuneOpensChecksThePortAndPlaysWithNotification) {
    EXPECT_EQ(PlayTune(FakeWindow(), "a.mid"), 0u);
    EXPECT_EQ(FakeSequencerCalls(), (Calls{"Open(a.mid)", "Status(1)", "Play(1,window)"}));
    EXPECT_EQ(Music.nMusicDevice, 1u);
}

TEST_F(MusicTest, PlayTuneClosesWhatItOpenedOnAnError) {
    struct Case { uint32_t nOpen, nStatus, nPlay; Calls calls; uint32_t nDevice; };
    const Case cases[] = {
        {263, 0, 0, {"Open(a.mid)"}, 7},  // the device of the last open stays
        {0, 264, 0, {"Open(a.mid)", "Status(1)", "Close(1)"}, 1},
        {0, 0, 265, {"Open(a.mid)", "Status(1)", "Play(1,window)", "Close(1)"}, 1},
    };
    for (const Case& c : cases) {
        FakeHost = {};
        Music.nMusicDevice = 7;
        FakeHost.nOpenError = c.nOpen;
        FakeHost.nStatusError = c.nStatus;
        FakeHost.nPlayError = c.nPlay;
        EXPECT_EQ(PlayTune(FakeWindow(), "a.mid"), c.nOpen + c.nStatus + c.nPlay);
        EXPECT_EQ(FakeSequencerCalls(), c.calls);
        EXPECT_EQ(Music.nMusicDevice, c.nDevice);
    }
}

TEST_F(MusicTest, NotificationLoopsOnlyWhileSoundMusicAndWantAreAllOn) {
    Music.nMusicDevice = 4;
    for (int nMask = 0; nMask < 8; ++nMask) {
        FakeHost = {};
        RunFlags.bSoundOn = nMask & 1;
        RunFlags.bMusicOn = nMask & 2;
        RunFlags.bMusicWanted = nMask & 4;
        HandleMusicNotify(FakeWindow());
        const Calls expected = nMask == 7 ? Calls{"Seek(4)", "Play(4,window)"} : Calls{"Close(4)"};
        EXPECT_EQ(FakeSequencerCalls(), expected) << nMask;
    }
}

struct DissolveMusicCase {
    int nLastScene, nNextScene;
    Calls frame1, frame3;
};
void PrintTo(const DissolveMusicCase& c, std::ostream* os) {
    *os << "scene " << c.nLastScene << " into " << c.nNextScene;
}

class DissolveMusicTest : public MusicTest, public ::testing::WithParamInterface<DissolveMusicCase> {};

TEST_P(DissolveMusicTest, TunesChangeOnlyAroundTheKrakensLastScene) {
    const DissolveMusicCase c = GetParam();
    SetUpStage(800, 600);
    Music.nMusicDevice = 3;
    std::snprintf(Music.szTune1Path, sizeof Music.szTune1Path, "t1");
    std::snprintf(Music.szTune2Path, sizeof Music.szTune2Path, "t2");
    RunFlags.bMusicWanted = true;
    Sequencer.nLastScene = c.nLastScene;
    Sequencer.nNextScene = c.nNextScene;
    FakeHost.nNextDevice = 9;
    std::vector<Calls> frames;
    for (Sequencer.nSceneFrame = 1; Sequencer.nSceneFrame != 0 && Sequencer.nSceneFrame <= 5;) {
        FakeHost.calls.clear();
        const int nFrame = Sequencer.nSceneFrame;
        Scene0(FakeWindow(), 0);
        frames.push_back(FakeSequencerCalls());
        // Wanted again from frame 3 on; off in between only when switching.
        EXPECT_EQ(RunFlags.bMusicWanted, nFrame >= 3 || c.frame1.empty()) << nFrame;
        if (Sequencer.nSceneFrame != 0) ++Sequencer.nSceneFrame;
    }
    EXPECT_EQ(frames, (std::vector<Calls>{c.frame1, {}, c.frame3, {}, {}}));
}

INSTANTIATE_TEST_SUITE_P(
    Cycle, DissolveMusicTest,
    ::testing::Values(DissolveMusicCase{7, 8, {"Stop(3,window)", "Close(3)"},
                                        {"Open(t2)", "Status(9)", "Play(9,window)"}},
                      DissolveMusicCase{8, 1, {"Stop(3,window)", "Close(3)"},
                                        {"Open(t1)", "Status(9)", "Play(9,window)"}},
                      DissolveMusicCase{6, 1, {}, {}}, DissolveMusicCase{1, 2, {}, {}},
                      DissolveMusicCase{2, 3, {}, {}}, DissolveMusicCase{5, 6, {}, {}}),
    [](const auto& info) {
        return "After" + std::to_string(info.param.nLastScene) + "Into" + std::to_string(info.param.nNextScene);
    });

TEST_F(MusicTest, WithSoundOrMusicOffTheDissolveTouchesNoMusic) {
    SetUpStage(800, 600);
    for (const bool bSoundOn : {false, true}) {
        RunFlags.bSoundOn = bSoundOn;
        RunFlags.bMusicOn = !bSoundOn;
        RunFlags.bMusicWanted = false;
        Sequencer.nLastScene = 7;
        Sequencer.nNextScene = 8;
        FakeHost.calls.clear();
        for (Sequencer.nSceneFrame = 1; Sequencer.nSceneFrame != 0; ++Sequencer.nSceneFrame) {
            if (Scene0(FakeWindow(), 0) != 0) break;
        }
        EXPECT_TRUE(FakeSequencerCalls().empty());
        EXPECT_FALSE(RunFlags.bMusicWanted);
    }
}

TEST_F(MusicTest, FirstTimeOnlyModeFallsSilentAtTheEndOfTheFirstCycle) {
    Music.nMusicDevice = 2;
    RunFlags.bMusicWanted = true;
    RunFlags.nSoundMode = kSoundOn;
    SwitchOffFirstTimeSound(FakeWindow());
    EXPECT_TRUE(RunFlags.bSoundOn);
    EXPECT_TRUE(FakeHost.calls.empty());

    RunFlags.nSoundMode = kSoundFirstTimeOnly;
    SwitchOffFirstTimeSound(FakeWindow());
    EXPECT_FALSE(RunFlags.bSoundOn);
    EXPECT_FALSE(RunFlags.bMusicWanted);
    EXPECT_EQ(FakeSequencerCalls(), Calls{"Stop(2,window)"});
    // The stop's notification closes the device; no cue sounds any more.
    HandleMusicNotify(FakeWindow());
    PlayCue(13);
    EXPECT_EQ(FakeHost.calls, (Calls{"Stop(2,window)", "Close(2)"}));
}

TEST_F(MusicTest, EveryCuePlaysItsWaveWhileSoundIsOn) {
    // Cue 0 and numbers outside the table play nothing.
    for (int nCue = -1; nCue <= 17; ++nCue) PlayCue(nCue);
    EXPECT_EQ(FakeHost.calls, (Calls{"Wave(149)", "Wave(148)", "Wave(190)", "Wave(191)", "Wave(192)",
                                     "Wave(193)", "Wave(194)", "Wave(195)", "Wave(196)", "Wave(235)",
                                     "Wave(227)", "Wave(228)", "Wave(233)", "Wave(230)", "Wave(231)",
                                     "Wave(232)"}));
    FakeHost.calls.clear();
    RunFlags.bSoundOn = false;
    for (int nCue = 1; nCue <= 16; ++nCue) PlayCue(nCue);
    EXPECT_TRUE(FakeHost.calls.empty());
}

// The whole life of the show with music on, through its real callers:
// start-up writes both tune files, the frame step plays the tunes, and
// shut-down closes the device of the tune playing then, deletes both files
// and releases the sound, sprites, tracks, palette and frame buffer.
TEST_F(MusicTest, ShutDownWithMusicOnDoesEveryDuty) {
    struct Case {
        const char* szWhen;
        uint32_t nClock;  // 100000 draws the kraken, 1 the pirates
        int nSteps;       // frame steps before the window closes
        const char* szClose;
    };
    // Tune 1 from the first frame; the kraken's dissolve into scene 8
    // (frame 1 of scene 0 after step 273+5+197+5+32+85) opens tune 2 on
    // its third frame as device 2.
    const Case cases[] = {
        {"during scene 1", 1, 10, "Close(1)"},
        {"after the switch to tune 2", 100000, 273 + 5 + 197 + 5 + 32 + 85 + 3, "Close(2)"},
        {"before the first frame", 1, 0, "Close(0)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szWhen);
        CoreTest::TearDown();
        CoreTest::SetUp();
        FakeHost.szTempPath = szDir_;
        AddFakeResource(kHostResourceMidi, 243, TuneBytes(kTune1Size, 1));
        AddFakeResource(kHostResourceMidi, 244, TuneBytes(kTune2Size, 2));
        AddLoadListPictures();
        Show.nClientWidth = 800;
        Show.nClientHeight = 600;
        StartShow(FakeWindow());
        ASSERT_TRUE(ShowReady());
        ASSERT_TRUE(RunFlags.bMusicOn);
        EXPECT_TRUE(FileExists(Tune1()) && FileExists(Tune2()));
        FakeHost.nTickCount = c.nClock;
        int nScene = 1;
        for (int i = 0; i < c.nSteps; ++i) nScene = ShowFrameStep(FakeWindow(), nScene);

        FakeHost.calls.clear();
        StopShow(FakeWindow());
        EXPECT_EQ(FakeHost.calls, (Calls{c.szClose, "ReleaseSound()", "DeletePalette()", "DeleteFrameBuffer()"}));
        EXPECT_FALSE(FileExists(Tune1()));
        EXPECT_FALSE(FileExists(Tune2()));
        EXPECT_EQ(Music.szTune1Path[0], '\0');
        EXPECT_EQ(Music.szTune2Path[0], '\0');
        EXPECT_FALSE(ShowReady());
        EXPECT_EQ(SpriteStore.nCount, 0);
        EXPECT_EQ(FrameBuffer.pPixels, nullptr);
        for (const std::vector<Keyframe>& keyframes : SceneTracks.keyframes) EXPECT_EQ(keyframes.capacity(), 0u);
    }
}

}  // namespace
