// Show start-up and shut-down: the title picture, the settings' limits,
// the preview, the start-up errors and the ticks during their boxes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/music.h"
#include "config/run_flags.h"
#include "config/settings.h"
#include "core_support.h"
#include "engine/scene_script.h"
#include "fake_profile.h"
#include "gfx/frame_buffer.h"
#include "gfx/sprite_store.h"
#include "show/show.h"

namespace {

void SetSetting(SettingId id, const char* szText) {
    SetFakeProfileText(kProfileSection, SettingKeys[id].szKey, szText);
}

class ShowTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        Show.nClientWidth = 1024;
        Show.nClientHeight = 768;
        SetSetting(kSettingMusic, "0");  // no tune files unless a test wants them
    }
    void TearDown() override {
        StopShow(FakeWindow());
        CoreTest::TearDown();
    }
};

TEST_F(ShowTest, FullStartUpLeavesTheShowReady) {
    AddLoadListPictures();
    StartShow(FakeWindow());
    EXPECT_TRUE(ShowReady());
    EXPECT_TRUE(FakeHost.boxes.empty());
    EXPECT_EQ(FakeCalls("StretchPicture"), std::vector<std::string>{"StretchPicture(142,0,0,1024x768)"});
    EXPECT_EQ(FakeCalls("Wave"), std::vector<std::string>{"Wave(149)"});  // sound on by default
    EXPECT_TRUE(FakeCalls("Quit").empty());
    EXPECT_EQ(SpriteStore.nCount, 51);
    EXPECT_EQ(FrameBuffer.nWidth, 800);  // the stage's width: nothing beyond it is shown
    EXPECT_EQ(StageView.outputs[0].dest.nLeft, 112);
    EXPECT_FALSE(RunFlags.bMusicWanted);
    EXPECT_TRUE(RunFlags.bShowBlood);
    EXPECT_EQ(RunFlags.nKrakenChance, 50);

    FakeHost.calls.clear();
    StopShow(FakeWindow());
    EXPECT_EQ(FakeHost.calls,
              (std::vector<std::string>{"ReleaseSound()", "DeletePalette()", "DeleteFrameBuffer()"}));
    EXPECT_FALSE(ShowReady());
    EXPECT_EQ(SpriteStore.nCount, 0);
    for (const std::vector<Keyframe>& keyframes : SceneTracks.keyframes) EXPECT_EQ(keyframes.capacity(), 0u);
}

TEST_F(ShowTest, OnlyTheFirstCallDoesAnything) {
    AddLoadListPictures();
    StartShow(FakeWindow());
    FakeHost.calls.clear();
    StartShow(FakeWindow());
    EXPECT_TRUE(FakeHost.calls.empty());
}

TEST_F(ShowTest, PreviewShowsOnlyTheTitlePicture) {
    Show.bPreviewShow = true;
    Show.nClientWidth = 152;
    Show.nClientHeight = 112;
    SetSetting(kSettingMusic, "1");
    StartShow(FakeWindow());
    EXPECT_EQ(FakeHost.calls, std::vector<std::string>{"StretchPicture(142,0,0,152x112)"});
    EXPECT_FALSE(RunFlags.bSoundOn);  // settings not read
    EXPECT_FALSE(ShowReady());
    FakeHost.calls.clear();
    StopShow(FakeWindow());
    EXPECT_TRUE(FakeHost.calls.empty());
}

TEST_F(ShowTest, MissingTitlePictureAsksToQuitAndStartUpGoesOn) {
    AddLoadListPictures();
    FakeHost.bTitlePicture = false;
    StartShow(FakeWindow());
    EXPECT_EQ(FakeCalls("Quit"), std::vector<std::string>{"Quit(0)"});
    EXPECT_TRUE(ShowReady());
}

TEST_F(ShowTest, KrakenChanceIsLimitedWhereItIsUsed) {
    const std::pair<const char*, int> cases[] = {{"50", 50}, {"5", 95},   {"95", 5},          {"0", 99},
                                                 {"100", 1}, {"250", 1}, {"-20", 99}, {"-2147483648", 99},
                                                 // each limit at one less, exactly and one more
                                                 {"2", 98},  {"1", 99},  {"98", 2},   {"99", 1}};
    for (const auto& [szStored, nChance] : cases) {
        Show = {};
        SetSetting(kSettingKraken, szStored);
        StartShow(FakeWindow());
        EXPECT_EQ(RunFlags.nKrakenChance, nChance) << "nKrakenSave " << szStored;
    }
}

TEST_F(ShowTest, SoundModeFollowsTheStoredButton) {
    struct Case { const char* szStored; int nMode; bool bSoundOn; };
    for (const Case c : {Case{"1035", 0, true}, Case{"1036", 1, true}, Case{"1037", 2, false},
                         Case{"1040", 5, true}, Case{"-2147483648", INT32_MIN, true}}) {
        Show = {};
        FakeHost.calls.clear();
        SetSetting(kSettingSound, c.szStored);
        StartShow(FakeWindow());
        EXPECT_EQ(RunFlags.nSoundMode, c.nMode) << c.szStored;
        EXPECT_EQ(RunFlags.bSoundOn, c.bSoundOn) << c.szStored;
        EXPECT_EQ(FakeCalls("Wave").size(), c.bSoundOn ? 1u : 0u) << c.szStored;
    }
}

TEST_F(ShowTest, BothStartUpErrorsAreShownOneAfterTheOther) {
    AddLoadListPictures();
    FakeHost.caps = {true, 20, 256};
    FakeHost.bPaletteFails = true;
    FakeHost.bFrameBufferFails = true;
    StartShow(FakeWindow());
    std::vector<std::string> afterLoading;
    for (const std::string& szCall : FakeHost.calls)
        if (szCall == "Beep()" || szCall.rfind("Quit", 0) == 0 || szCall.rfind("Box", 0) == 0)
            afterLoading.push_back(szCall);
    EXPECT_EQ(afterLoading, (std::vector<std::string>{
                                "Box(Insufficient memory.)", "Beep()",
                                "Box(Unable to Load Bitmap Resources.\r\nMay be insufficient memory.)",
                                "Quit(0)", "Beep()",
                                "Box(Unable to Create DIBSection.\r\nMay be insufficient memory.)",
                                "Quit(0)"}));
    for (size_t i = 1; i < FakeHost.boxes.size(); ++i) {
        EXPECT_EQ(FakeHost.boxes[i].hOwner, FakeWindow());
        EXPECT_EQ(FakeHost.boxes[i].szCaption, "Screen Saver Startup Error!");
        EXPECT_EQ(FakeHost.boxes[i].nIcon, kHostIconError);
    }
    EXPECT_FALSE(ShowReady());
}

TEST_F(ShowTest, FrameTicksDuringStartUpBoxesRunNoFrame) {
    AddLoadListPictures();
    FakeHost.resources.erase({kHostResourceBitmap, 177});  // one loader message
    int nTicks = 0;
    FakeHost.onMessageBox = [&] {
        // The box's own message loop delivers a frame tick, and a start-up one.
        EXPECT_EQ(ShowFrameStep(FakeWindow(), 1), 1);
        StartShow(FakeWindow());
        ++nTicks;
    };
    StartShow(FakeWindow());
    EXPECT_EQ(nTicks, 1);
    EXPECT_TRUE(FakeCalls("BeginFrame").empty());
    EXPECT_EQ(FakeCalls("StretchPicture").size(), 1u);
    EXPECT_TRUE(ShowReady());
    EXPECT_TRUE(Sequencer.bShowStarting);
}

TEST_F(ShowTest, NoTuneFilesWithMusicOff) {
    AddLoadListPictures();
    StartShow(FakeWindow());
    EXPECT_FALSE(RunFlags.bMusicOn);
    EXPECT_EQ(Music.szTempDir[0], '\0');
    StopShow(FakeWindow());
    EXPECT_TRUE(FakeSequencerCalls().empty());
}

}  // namespace
