// The configure dialog's values and rules, apart from its window: the
// settings as the dialog shows them, the sliders' steps and limits, the
// music check box's text, and the link state that the About dialog shares.
#pragma once

#include <cstddef>

#include "config/settings.h"

struct ConfigureFormState {
    int nSpeed;      // slider positions as last shown, always within range
    int nOutcome;
    int nSoundMode;  // as stored, a radio-button id: outside IDC_SOUND_ON..IDC_SOUND_OFF none is on
    int nBlood;      // 0 or 1
    int nMusic;      // 0 or 1
    int nMonitors;     // a MonitorsChoice
    int nPictureSize;  // a PictureSizeChoice
    bool bLinkHover;    // the mouse is over a link of either dialog
    bool bLinkVisited;  // the library link has been opened once
};
extern ConfigureFormState ConfigureForm;

// Reads the settings and brings them into what the dialog can show.
// The link state is kept: it lasts for the process.
void LoadConfigureForm();
// Writes every value in the settings' order (OK).
void SaveConfigureForm();

// The platform's scroll requests (SB_LINELEFT ... SB_RIGHT).
enum SliderRequest {
    kSliderLineLeft = 0,
    kSliderLineRight = 1,
    kSliderPageLeft = 2,
    kSliderPageRight = 3,
    kSliderThumbPosition = 4,
    kSliderThumbTrack = 5,
    kSliderLeft = 6,
    kSliderRight = 7,
};
// Moves the speed or outcome slider by one request; nThumb is the thumb's
// position for the two thumb requests. True when the slider's position
// changed and must be shown: it is then ConfigureForm.nSpeed or nOutcome.
bool MoveSlider(SettingId nSlider, int nRequest, int nThumb);

// The radio buttons of the two display choices (kSettingMonitors and
// kSettingPictureSize): the first and last of a setting's buttons, and the
// one that shows its value in the form.
struct ChoiceButtons {
    int nFirst;
    int nLast;
};
ChoiceButtons ChoiceButtonsOf(SettingId nChoice);
int ChosenButton(SettingId nChoice);
// A click on a button: true when it was one of the choices' buttons, whose
// value the form now holds.
bool PickChoiceButton(int nButton);

// Sound off also silences the music, so its check box is then disabled.
bool MusicCheckBoxEnabled();

// The music check box's text, naming the temporary directory's drive.
void FormatMusicCheckBox(char* szText, size_t nSize);

// The About dialog's template for the system font's text height on a
// display of nDpi dots per inch. Its pictures are drawn for the layout at
// 96 DPI (and the smaller one at 120): the full layout is kept while the
// text is no larger, against the pictures' whole scale, than at 96 DPI.
int AboutTemplateFor(int nTextHeight, int nDpi);

// How much the About dialog's pictures are enlarged: nDpi over the DPI
// that the template was drawn for, never below 1.
struct PictureScale {
    int nNumerator;
    int nDenominator;
    bool IsWhole() const { return nNumerator % nDenominator == 0; }
    int Of(int nLength) const { return nLength * nNumerator / nDenominator; }
};
PictureScale AboutPictureScale(int nTemplate, int nDpi);

// The configure dialog's icon size on a display of nDpi dots per inch.
int ConfigureIconSize(int nDpi);
// The About dialog's opening sound, unless the dialog's sound mode is off.
void PlayAboutSound();

// Hover over a link: what to do with the cursor.
enum LinkHoverChange {
    kLinkHoverUnchanged,
    kLinkHoverEntered,  // show the hand
    kLinkHoverLeft,     // show the arrow
};
LinkHoverChange TrackLinkHover(bool bOverLink);
