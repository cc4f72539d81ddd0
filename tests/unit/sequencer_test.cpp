// The frame step: the generator, the outcome draw, the first frame and the
// scene dispatch, driven through small test scenes.

#include <gtest/gtest.h>

#include <vector>

#include "audio/music.h"
#include "config/run_flags.h"
#include "core_support.h"
#include "engine/sequencer.h"
#include "show/show.h"

namespace {

class SequencerTest : public CoreTest {};

TEST_F(SequencerTest, GeneratorIsTheClassicLinearCongruentialOne) {
    SeedRandom(1);
    std::vector<int> values;
    for (int i = 0; i < 5; ++i) values.push_back(NextRandom());
    EXPECT_EQ(values, (std::vector<int>{41, 18467, 6334, 26500, 19169}));
    // Worked by hand: 5000 x 214013 + 2531011 = 1072596011, bits 16.. give
    // 16366; from 2^32 - 1 the state wraps to 2316998, giving 35; from
    // 100000 it wraps to 4223961827, whose bit 31 the result drops: 31684.
    struct Case { uint32_t nSeed; int v; };
    for (const Case c : {Case{5000, 16366}, Case{0xFFFFFFFFu, 35}, Case{100000, 31684}}) {
        SeedRandom(c.nSeed);
        EXPECT_EQ(NextRandom(), c.v) << "seed " << c.nSeed;
    }
}

TEST_F(SequencerTest, OutcomeTruncatesTheScaledValue) {
    struct Case { int v, nChance, nScene; };
    for (const Case c : {Case{32767, 1, 7},   // r = 100 > 98
                         Case{32766, 1, 7},   // r = 99
                         Case{32439, 1, 4},   // r = 98.999.. truncates to 98
                         Case{32440, 1, 7},
                         Case{0, 99, 4},      // r = 0, never above 0
                         Case{328, 99, 7},    // r = 1
                         Case{16383, 50, 4},  // r = 49
                         Case{16384, 50, 7}}) {
        EXPECT_EQ(OutcomeForRandom(c.v, c.nChance), c.nScene) << "v " << c.v << ", chance " << c.nChance;
    }
}

TEST_F(SequencerTest, KrakenWinsAboutItsChance) {
    for (int nChance : {1, 5, 50, 95, 99}) {
        int nKraken = 0;
        for (int v = 0; v <= 32767; ++v) nKraken += OutcomeForRandom(v, nChance) == kSceneKrakenWins;
        EXPECT_NEAR(nKraken * 100.0 / 32768, nChance, 0.6) << "chance " << nChance;
    }
}

// A test scene: records the frame numbers it sees and ends after three.
std::vector<int> gFramesSeen;
int ThreeFrameScene(HostWindow, int nScene) {
    gFramesSeen.push_back(Sequencer.nSceneFrame);
    if (Sequencer.nSceneFrame < 3) return nScene;
    Sequencer.nSceneFrame = 0;
    return nScene + 1;
}

class FrameStepTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        gFramesSeen.clear();
        SetUpStage(800, 600);
        for (SceneEntry& scene : SceneTable) scene.pfnPlay = ThreeFrameScene;
        RunFlags.bSoundOn = true;
        RunFlags.bMusicOn = true;
        RunFlags.nKrakenChance = 50;
        std::snprintf(Music.szTune1Path, sizeof Music.szTune1Path, "/tmp/t1.mid");
        FakeHost.calls.clear();
    }
};

TEST_F(FrameStepTest, FirstStepClearsStartsTuneOneDrawsTheOutcomeAndRunsSceneOne) {
    FakeHost.nTickCount = 1;  // seeds the draw: first value 41, r = 0 -> pirates
    EXPECT_EQ(ShowFrameStep(FakeWindow(), 1), 1);
    EXPECT_EQ(FakeHost.calls, (std::vector<std::string>{"BeginFrame()", "Open(/tmp/t1.mid)", "Status(1)",
                                                        "Play(1,window)", "ClearWindow()", "EndFrame()"}));
    EXPECT_FALSE(Sequencer.bShowStarting);
    EXPECT_TRUE(RunFlags.bMusicWanted);
    EXPECT_TRUE(Sequencer.bOutcomeDrawn);
    EXPECT_EQ(Sequencer.nOutcomeScene, kScenePiratesWin);
    EXPECT_EQ(gFramesSeen, std::vector<int>{1});
    EXPECT_EQ(Sequencer.nSceneFrame, 2);

    // Later steps neither clear nor start music again.
    FakeHost.calls.clear();
    ShowFrameStep(FakeWindow(), 1);
    EXPECT_EQ(FakeHost.calls, (std::vector<std::string>{"BeginFrame()", "EndFrame()"}));
}

TEST_F(FrameStepTest, WithoutSoundTheFirstStepStillWantsMusicButPlaysNone) {
    RunFlags.bSoundOn = false;
    ShowFrameStep(FakeWindow(), 1);
    EXPECT_TRUE(FakeSequencerCalls().empty());
    EXPECT_TRUE(RunFlags.bMusicWanted);
}

TEST_F(FrameStepTest, ScenesAdvanceAndTheNextSceneStartsOnFrameOne) {
    int nScene = kSceneShipsAtSea;
    for (int i = 0; i < 6; ++i) nScene = ShowFrameStep(FakeWindow(), nScene);
    EXPECT_EQ(nScene, 3);
    EXPECT_EQ(gFramesSeen, (std::vector<int>{1, 2, 3, 1, 2, 3}));
}

// The draw at chances other than even, where a slider that works backwards
// shows: clock 5000 gives v 16366, r 49, which is above 99 - 95 but not
// above 99 - 5; clock 1 gives r 0 and clock 100000 r 96.
TEST_F(FrameStepTest, TheDrawComparesWithTheKrakensChance) {
    struct Case { int nChance; uint32_t nTick; int nOutcome; };
    for (const Case c : {Case{5, 5000, kScenePiratesWin}, Case{95, 5000, kSceneKrakenWins},
                         Case{5, 100000, kSceneKrakenWins}, Case{95, 1, kScenePiratesWin},
                         Case{1, 100000, kScenePiratesWin}, Case{99, 1, kScenePiratesWin}}) {
        Sequencer.bOutcomeDrawn = false;
        RunFlags.nKrakenChance = c.nChance;
        FakeHost.nTickCount = c.nTick;
        ShowFrameStep(FakeWindow(), 1);
        EXPECT_EQ(Sequencer.nOutcomeScene, c.nOutcome) << "chance " << c.nChance << ", clock " << c.nTick;
    }
}

TEST_F(FrameStepTest, ASceneNumberOutsideTheTableRunsNothing) {
    for (int nScene : {-1, int(kSceneCount), 1000}) {
        EXPECT_EQ(ShowFrameStep(FakeWindow(), nScene), nScene);
    }
    EXPECT_TRUE(gFramesSeen.empty());
}

TEST_F(FrameStepTest, OutcomeIsRedrawnOnlyAfterSceneThreeClearsIt) {
    FakeHost.nTickCount = 1;  // first value 41: r = 0, the pirates win
    ShowFrameStep(FakeWindow(), 1);
    EXPECT_EQ(Sequencer.nOutcomeScene, kScenePiratesWin);
    FakeHost.nTickCount = 100000;  // first value 31684: r = 96, the kraken's
    ShowFrameStep(FakeWindow(), 1);
    EXPECT_EQ(Sequencer.nOutcomeScene, kScenePiratesWin);
    Sequencer.bOutcomeDrawn = false;  // as scene 3 does at its end
    ShowFrameStep(FakeWindow(), 1);
    EXPECT_EQ(Sequencer.nOutcomeScene, kSceneKrakenWins);
    EXPECT_TRUE(Sequencer.bOutcomeDrawn);
}

TEST_F(FrameStepTest, NothingRunsUntilTheShowIsReady) {
    Show.bStartingUp = true;  // start-up's message box is open
    EXPECT_EQ(ShowFrameStep(FakeWindow(), 1), 1);
    Show.bStartingUp = false;
    Show.bPreviewShow = true;
    EXPECT_EQ(ShowFrameStep(FakeWindow(), 1), 1);
    EXPECT_TRUE(FakeHost.calls.empty());
    EXPECT_TRUE(gFramesSeen.empty());
    EXPECT_TRUE(Sequencer.bShowStarting);
}

TEST_F(FrameStepTest, AWindowThatCannotBeDrawnOnSkipsTheTick) {
    FakeHost.bCanDraw = false;
    EXPECT_EQ(ShowFrameStep(FakeWindow(), 1), 1);
    EXPECT_EQ(FakeHost.calls, std::vector<std::string>{"BeginFrame()"});
    EXPECT_TRUE(gFramesSeen.empty());
}

}  // namespace
