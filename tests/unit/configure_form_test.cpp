// The configure dialog's values and rules, against the fake profile and host.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config/configure_form.h"
#include "fake_host.h"
#include "fake_profile.h"

namespace {

class ConfigureFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        FakeProfile = {};
        FakeHost = {};
        ConfigureForm = {};
    }
    static void Store(SettingId id, const char* szText) {
        SetFakeProfileText("Harborgast", SettingKeys[id].szKey, szText);
    }
    static std::string MusicText() {
        char szText[96];
        FormatMusicCheckBox(szText, sizeof szText);
        return szText;
    }
};

TEST_F(ConfigureFormTest, EmptyProfileShowsTheDefaults) {
    LoadConfigureForm();
    EXPECT_EQ(ConfigureForm.nSpeed, 510);
    EXPECT_EQ(ConfigureForm.nOutcome, 50);
    EXPECT_EQ(ConfigureForm.nSoundMode, 1035);
    EXPECT_EQ(ConfigureForm.nBlood, 1);
    EXPECT_EQ(ConfigureForm.nMusic, 1);
    EXPECT_EQ(ConfigureForm.nMonitors, 0);
    EXPECT_EQ(ConfigureForm.nPictureSize, 0);
    EXPECT_TRUE(MusicCheckBoxEnabled());
}

// What a hand-edited profile shows; OK would write exactly this back.
TEST_F(ConfigureFormTest, HandEditedValuesShowWithinTheDialogsRanges) {
    struct Case {
        const char* szSpeed;
        const char* szOutcome;
        const char* szBlood;
        const char* szMusic;
        const char* szSound;
        const char* szMonitors;
        const char* szPictureSize;
        int nExpected[kSettingCount];
    };
    const Case cases[] = {
        {"600", "0", "2", "0", "999", "1", "2", {561, 5, 1, 0, 999, 1, 2}},
        {"10", "96", "0", "-1", "1037", "2", "-1", {11, 95, 0, 1, 1037, 1, 0}},
        {"-2147483648", "2147483647", "yes", "7", "1036", "all", "9", {11, 95, 0, 1, 1036, 0, 2}},
        {"11", "5", "1", "1", "0", "0", "1", {11, 5, 1, 1, 0, 0, 1}},
    };
    for (const Case& c : cases) {
        FakeProfile = {};
        Store(kSettingSpeed, c.szSpeed);
        Store(kSettingKraken, c.szOutcome);
        Store(kSettingBlood, c.szBlood);
        Store(kSettingMusic, c.szMusic);
        Store(kSettingSound, c.szSound);
        Store(kSettingMonitors, c.szMonitors);
        Store(kSettingPictureSize, c.szPictureSize);
        LoadConfigureForm();
        SaveConfigureForm();
        ASSERT_EQ(FakeProfile.writes.size(), size_t{kSettingCount});
        for (int i = 0; i < kSettingCount; ++i) {
            EXPECT_EQ(FakeProfile.writes[i].szKey, SettingKeys[i].szKey);
            EXPECT_EQ(FakeProfile.writes[i].szValue, std::to_string(c.nExpected[i]))
                << SettingKeys[i].szKey << " stored as " << c.szSpeed << "/" << c.szOutcome;
        }
    }
}

// Each stored choice shows as one radio button; a click on a button picks
// its value, which OK writes; other buttons are not the choices'.
TEST_F(ConfigureFormTest, DisplayChoicesShowAsTheirButtonsAndClicksPickThem) {
    const struct {
        const char* szMonitors;
        const char* szPictureSize;
        int nMonitorsButton, nPictureButton;
    } shown[] = {
        {nullptr, nullptr, 1045, 1047},  // absent: every monitor, largest whole size
        {"1", "1", 1046, 1048},
        {"0", "2", 1045, 1049},
        {"9", "-4", 1046, 1047},          // out of range: the nearest end
        {"garbled", "2x", 1045, 1049},
    };
    for (const auto& c : shown) {
        FakeProfile = {};
        if (c.szMonitors) Store(kSettingMonitors, c.szMonitors);
        if (c.szPictureSize) Store(kSettingPictureSize, c.szPictureSize);
        LoadConfigureForm();
        EXPECT_EQ(ChosenButton(kSettingMonitors), c.nMonitorsButton) << c.szMonitors;
        EXPECT_EQ(ChosenButton(kSettingPictureSize), c.nPictureButton) << c.szPictureSize;
    }
    EXPECT_EQ(ChoiceButtonsOf(kSettingMonitors).nFirst, 1045);
    EXPECT_EQ(ChoiceButtonsOf(kSettingMonitors).nLast, 1046);
    EXPECT_EQ(ChoiceButtonsOf(kSettingPictureSize).nFirst, 1047);
    EXPECT_EQ(ChoiceButtonsOf(kSettingPictureSize).nLast, 1049);

    const struct {
        int nButton;
        bool bChoice;
        int nMonitors, nPictureSize;  // the form after the click
    } clicks[] = {
        {1046, true, 1, 0}, {1049, true, 1, 2}, {1037, false, 1, 2}, {1050, false, 1, 2},
        {1044, false, 1, 2}, {1048, true, 1, 1}, {1045, true, 0, 1},
    };
    FakeProfile = {};
    LoadConfigureForm();
    for (const auto& c : clicks) {
        EXPECT_EQ(PickChoiceButton(c.nButton), c.bChoice) << c.nButton;
        EXPECT_EQ(ConfigureForm.nMonitors, c.nMonitors) << c.nButton;
        EXPECT_EQ(ConfigureForm.nPictureSize, c.nPictureSize) << c.nButton;
    }
    SaveConfigureForm();
    ASSERT_EQ(FakeProfile.writes.size(), size_t{kSettingCount});
    EXPECT_EQ(FakeProfile.writes[kSettingMonitors].szValue, "0");
    EXPECT_EQ(FakeProfile.writes[kSettingPictureSize].szValue, "1");
}

TEST_F(ConfigureFormTest, SlidersStepAndStopAtTheirEnds) {
    struct Step {
        SettingId nSlider;
        int nRequest;
        int nThumb;
        int nExpected;
        bool bChanged;
    };
    const Step steps[] = {
        {kSettingSpeed, kSliderPageRight, 0, 520, true},
        {kSettingSpeed, kSliderLineLeft, 0, 519, true},
        {kSettingSpeed, kSliderRight, 0, 561, true},
        {kSettingSpeed, kSliderLineRight, 0, 561, true},  // pushed past the end: shown at it again
        {kSettingSpeed, kSliderRight, 0, 561, false},
        {kSettingSpeed, kSliderPageLeft, 0, 551, true},
        {kSettingSpeed, kSliderLeft, 0, 11, true},
        {kSettingSpeed, kSliderPageLeft, 0, 11, true},
        {kSettingSpeed, kSliderThumbTrack, 300, 300, true},
        {kSettingSpeed, kSliderThumbPosition, 300, 300, false},
        {kSettingSpeed, 8 /* SB_ENDSCROLL */, 0, 300, false},
        {kSettingKraken, kSliderLineRight, 0, 51, true},
        {kSettingKraken, kSliderLeft, 0, 5, true},
        {kSettingKraken, kSliderLineLeft, 0, 5, true},
        {kSettingKraken, kSliderRight, 0, 95, true},
        {kSettingKraken, kSliderPageLeft, 0, 85, true},
        {kSettingKraken, kSliderThumbTrack, -7, 5, true},
    };
    LoadConfigureForm();
    for (const Step& s : steps) {
        EXPECT_EQ(MoveSlider(s.nSlider, s.nRequest, s.nThumb), s.bChanged) << s.nRequest << " to " << s.nExpected;
        EXPECT_EQ(s.nSlider == kSettingSpeed ? ConfigureForm.nSpeed : ConfigureForm.nOutcome, s.nExpected);
    }
    EXPECT_EQ(ConfigureForm.nSpeed, 300);  // each slider moves only itself
}

TEST_F(ConfigureFormTest, MusicCheckBoxNamesTheTemporaryDrive) {
    const struct {
        const char* szTempPath;
        const char* szExpected;
    } cases[] = {
        {"C:\\users\\me\\Temp\\", "Music On (Requires 20K Free Space on Drive C:)"},
        {"z:\\tmp\\", "Music On (Requires 20K Free Space on Drive z:)"},
        {"\\\\server\\share\\", "Music On (Requires 20K Free Space)"},
    };
    for (const auto& c : cases) {
        FakeHost.szTempPath = c.szTempPath;
        EXPECT_EQ(MusicText(), c.szExpected);
    }
    FakeHost.szTempPath = "D:\\" + std::string(300, 'x') + "\\";  // longer than the buffer
    EXPECT_EQ(MusicText(), "Music On (Requires 20K Free Space)");
    FakeHost.bNoTempPath = true;
    EXPECT_EQ(MusicText(), "Music On (Requires 20K Free Space)");
}

// The check box promises 20K: both tunes, written out, must fit in it.
TEST_F(ConfigureFormTest, TheTunesFitInTheSpaceTheCheckBoxNames) {
    uintmax_t nBytes = 0;
    for (const char* szName : {"midi243.mid", "midi244.mid"})
        nBytes += std::filesystem::file_size(std::string(HARBORGAST_ASSET_DIR) + "/" + szName);
    EXPECT_LE(nBytes, 20u * 1024u);
}

TEST_F(ConfigureFormTest, SoundOffDisablesTheMusicCheckBoxAndTheAboutSound) {
    for (int nMode : {1035, 1036, 1037, 999}) {
        FakeHost = {};
        ConfigureForm.nSoundMode = nMode;
        PlayAboutSound();
        const bool bOff = nMode == 1037;
        EXPECT_EQ(MusicCheckBoxEnabled(), !bOff) << nMode;
        EXPECT_EQ(FakeCalls("Wave"), bOff ? std::vector<std::string>{} : std::vector<std::string>{"Wave(149)"})
            << nMode;
    }
}

// The About layout and its pictures' scale for the system font's height
// and the display's DPI: whole factors wherever the DPI is a whole multiple
// of the layout's own.
TEST_F(ConfigureFormTest, AboutLayoutAndPictureScaleFollowTheFontAndTheDpi) {
    const struct {
        int nTextHeight, nDpi;
        int nTemplate;
        int nNumerator, nDenominator;
    } cases[] = {
        {13, 96, 180, 1, 1},   {16, 96, 180, 1, 1},   {17, 96, 2004, 1, 1},  {20, 96, 2004, 1, 1},
        {20, 120, 2004, 1, 1}, {24, 144, 2004, 6, 5}, {32, 192, 180, 2, 1},  {33, 192, 2004, 8, 5},
        {40, 240, 2004, 2, 1}, {48, 288, 180, 3, 1},  {13, 72, 180, 1, 1},   {16, 144, 180, 3, 2},
    };
    for (const auto& c : cases) {
        const int nTemplate = AboutTemplateFor(c.nTextHeight, c.nDpi);
        EXPECT_EQ(nTemplate, c.nTemplate) << c.nTextHeight << " at " << c.nDpi;
        const PictureScale scale = AboutPictureScale(nTemplate, c.nDpi);
        EXPECT_EQ(scale.nNumerator, c.nNumerator) << c.nTextHeight << " at " << c.nDpi;
        EXPECT_EQ(scale.nDenominator, c.nDenominator) << c.nTextHeight << " at " << c.nDpi;
    }
    EXPECT_EQ((PictureScale{6, 5}).Of(360), 432);
    EXPECT_TRUE((PictureScale{2, 1}).IsWhole());
    EXPECT_FALSE((PictureScale{3, 2}).IsWhole());
    EXPECT_EQ(ConfigureIconSize(96), 32);
    EXPECT_EQ(ConfigureIconSize(144), 48);
    EXPECT_EQ(ConfigureIconSize(192), 64);
    EXPECT_EQ(ConfigureIconSize(72), 32);
}

TEST_F(ConfigureFormTest, LinkHoverChangesOnlyOnEnteringAndLeaving) {
    EXPECT_EQ(TrackLinkHover(false), kLinkHoverUnchanged);
    EXPECT_EQ(TrackLinkHover(true), kLinkHoverEntered);
    EXPECT_EQ(TrackLinkHover(true), kLinkHoverUnchanged);
    EXPECT_TRUE(ConfigureForm.bLinkHover);
    EXPECT_EQ(TrackLinkHover(false), kLinkHoverLeft);
    EXPECT_FALSE(ConfigureForm.bLinkHover);
}

}  // namespace
