// The configure dialog's values and rules. The window code only carries
// them to and from the controls.
#include "config/configure_form.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <initializer_list>
#include <numeric>

#include "catalogue.h"
#include "host/host.h"
#include "resource_ids.h"

ConfigureFormState ConfigureForm;

namespace {

constexpr int kLineStep = 1;
constexpr int kPageStep = 10;

// The DPI that the dialogs' layouts and pictures are made for, and the
// one of the smaller About layout; the tallest system font at 96 DPI that
// still gets the full About layout; the icon's size at 96 DPI.
constexpr int kBaseDpi = 96;
constexpr int kLargeFontsDpi = 120;
constexpr int kSmallFontHeight = 16;
constexpr int kIconSize = 32;

// The whole factor that a display of nDpi enlarges by, at least 1.
int WholeScale(int nDpi) { return std::max(1, nDpi / kBaseDpi); }

// GetTempPathA's buffer: MAX_PATH and one.
constexpr uint32_t kTempPathLength = 261;

// The dialog is a check box: anything the show reads as on is shown on.
int CheckValue(int nValue) { return nValue != 0 ? 1 : 0; }

}  // namespace

void LoadConfigureForm() {
    ConfigureForm.nSpeed = ReadLimitedSetting(kSettingSpeed);
    ConfigureForm.nOutcome = ReadLimitedSetting(kSettingKraken);
    ConfigureForm.nSoundMode = ReadSetting(kSettingSound);
    ConfigureForm.nBlood = CheckValue(ReadSetting(kSettingBlood));
    ConfigureForm.nMusic = CheckValue(ReadSetting(kSettingMusic));
    ConfigureForm.nMonitors = ReadLimitedSetting(kSettingMonitors);
    ConfigureForm.nPictureSize = ReadLimitedSetting(kSettingPictureSize);
}

void SaveConfigureForm() {
    int nValues[kSettingCount];
    nValues[kSettingSpeed] = ConfigureForm.nSpeed;
    nValues[kSettingKraken] = ConfigureForm.nOutcome;
    nValues[kSettingBlood] = ConfigureForm.nBlood;
    nValues[kSettingMusic] = ConfigureForm.nMusic;
    nValues[kSettingSound] = ConfigureForm.nSoundMode;
    nValues[kSettingMonitors] = ConfigureForm.nMonitors;
    nValues[kSettingPictureSize] = ConfigureForm.nPictureSize;
    WriteSettings(nValues);
}

bool MoveSlider(SettingId nSlider, int nRequest, int nThumb) {
    int& nShown = nSlider == kSettingSpeed ? ConfigureForm.nSpeed : ConfigureForm.nOutcome;
    const SettingKey& key = SettingKeys[nSlider];
    int nWanted = nShown;
    switch (nRequest) {
        case kSliderLineLeft: nWanted -= kLineStep; break;
        case kSliderLineRight: nWanted += kLineStep; break;
        case kSliderPageLeft: nWanted -= kPageStep; break;
        case kSliderPageRight: nWanted += kPageStep; break;
        case kSliderThumbPosition:
        case kSliderThumbTrack: nWanted = nThumb; break;
        case kSliderLeft: nWanted = key.nLow; break;
        case kSliderRight: nWanted = key.nHigh; break;
        default: return false;  // SB_ENDSCROLL and the like
    }
    if (nWanted == nShown) return false;
    // Pushing past an end shows the end again, which it already is.
    nShown = LimitSetting(nSlider, nWanted);
    return true;
}

ChoiceButtons ChoiceButtonsOf(SettingId nChoice) {
    const int nFirst = nChoice == kSettingMonitors ? IDC_MONITORS_EVERY : IDC_PICTURE_LARGEST_WHOLE;
    const SettingKey& key = SettingKeys[nChoice];
    return {nFirst, nFirst + key.nHigh - key.nLow};
}

int ChosenButton(SettingId nChoice) {
    const int nValue = nChoice == kSettingMonitors ? ConfigureForm.nMonitors : ConfigureForm.nPictureSize;
    return ChoiceButtonsOf(nChoice).nFirst + nValue - SettingKeys[nChoice].nLow;
}

bool PickChoiceButton(int nButton) {
    for (SettingId nChoice : {kSettingMonitors, kSettingPictureSize}) {
        const ChoiceButtons buttons = ChoiceButtonsOf(nChoice);
        if (nButton < buttons.nFirst || nButton > buttons.nLast) continue;
        int& nValue = nChoice == kSettingMonitors ? ConfigureForm.nMonitors : ConfigureForm.nPictureSize;
        nValue = SettingKeys[nChoice].nLow + nButton - buttons.nFirst;
        return true;
    }
    return false;
}

bool MusicCheckBoxEnabled() { return ConfigureForm.nSoundMode != IDC_SOUND_OFF; }

void FormatMusicCheckBox(char* szText, size_t nSize) {
    char szTemp[kTempPathLength];
    const uint32_t nLength = HostGetTempPath(szTemp, kTempPathLength);
    // Without a drive letter (no path, or a network path) there is no
    // drive to name.
    if (nLength > 0 && nLength < kTempPathLength && std::isalpha(static_cast<unsigned char>(szTemp[0])) &&
        szTemp[1] == ':')
        std::snprintf(szText, nSize, "Music On (Requires 20K Free Space on Drive %c:)", szTemp[0]);
    else
        std::snprintf(szText, nSize, "Music On (Requires 20K Free Space)");
}

int AboutTemplateFor(int nTextHeight, int nDpi) {
    return nTextHeight <= kSmallFontHeight * WholeScale(nDpi) ? IDD_ABOUT : IDD_ABOUT_LARGE_FONTS;
}

PictureScale AboutPictureScale(int nTemplate, int nDpi) {
    const int nDrawnFor = nTemplate == IDD_ABOUT ? kBaseDpi : kLargeFontsDpi;
    if (nDpi <= nDrawnFor) return {1, 1};
    const int nCommon = std::gcd(nDpi, nDrawnFor);
    return {nDpi / nCommon, nDrawnFor / nCommon};
}

int ConfigureIconSize(int nDpi) { return kIconSize * std::max(nDpi, kBaseDpi) / kBaseDpi; }

void PlayAboutSound() {
    if (ConfigureForm.nSoundMode != IDC_SOUND_OFF) HostPlayWave(kOpeningSoundId);
}

LinkHoverChange TrackLinkHover(bool bOverLink) {
    if (bOverLink == ConfigureForm.bLinkHover) return kLinkHoverUnchanged;
    ConfigureForm.bLinkHover = bOverLink;
    return bOverLink ? kLinkHoverEntered : kLinkHoverLeft;
}
