// The settings as a hand-edited profile may hold them, through every
// limit that uses them: the frame period, the run flags of the show's
// start-up (sound mode, music, blood, the kraken's chance and the outcome
// draw that it biases), the tune files that music asks for, and the
// configure dialog's writing, which must read back as it was written; the
// limited reads stay in their ranges.
//
// Input: the texts of the keys in their write order, one per line, then one
// byte at the end whose low seven bits say which keys are present.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "audio/music.h"
#include "audio/sound.h"
#include "config/run_flags.h"
#include "config/settings.h"
#include "engine/sequencer.h"
#include "fake_host.h"
#include "fake_profile.h"
#include "fuzz_support.h"
#include "show/show.h"
#include "show_reset.h"
#include "resource_ids.h"
#include "shell/frame_period.h"

namespace {

void CheckFramePeriod(int nSpeed) {
    const uint32_t nPeriod = FramePeriodFromSpeed(nSpeed);
    // Faster with speed up to the shortest period; a speed of 0 or less, or
    // above the slider's top, is the slowest.
    if (nSpeed >= 0 && nSpeed <= 550)
        FUZZ_CHECK(nPeriod == uint32_t(561 - nSpeed));
    else if (nSpeed > 550 && nSpeed <= 561)
        FUZZ_CHECK(nPeriod == 11);
    else
        FUZZ_CHECK(nPeriod == 561);
}

// Both outcomes stay possible whatever the bias, and the kraken wins close
// to its chance in percent over every value the generator can give.
void CheckOutcomeBias(int nKrakenChance) {
    FUZZ_CHECK(nKrakenChance >= 1 && nKrakenChance <= 99);
    static bool bChecked[100];  // the draw depends on the chance alone
    if (bChecked[nKrakenChance]) return;
    bChecked[nKrakenChance] = true;
    int nKrakenWins = 0;
    for (int v = 0; v <= 32767; ++v) {
        const int nOutcome = OutcomeForRandom(v, nKrakenChance);
        FUZZ_CHECK(nOutcome == 4 || nOutcome == 7);
        nKrakenWins += nOutcome == 7;
    }
    FUZZ_CHECK(nKrakenWins > 0 && nKrakenWins < 32768);
    const int nExpected = 32768 * nKrakenChance / 100;
    FUZZ_CHECK(nKrakenWins >= nExpected - 328 && nKrakenWins <= nExpected + 328);
}

const std::vector<uint8_t>& TuneBytes(uint32_t nBytes) {
    static const std::vector<uint8_t> tune1(kTune1Bytes, 0x4D), tune2(kTune2Bytes, 0x54);
    return nBytes == kTune1Bytes ? tune1 : tune2;
}

void CheckRunFlags(const int (&nValues)[kSettingCount]) {
    const int64_t nKraken = nValues[kSettingKraken], nSound = nValues[kSettingSound];
    FUZZ_CHECK(!RunFlags.bMusicWanted);
    FUZZ_CHECK(RunFlags.bShowBlood == (nValues[kSettingBlood] != 0));
    FUZZ_CHECK(RunFlags.nKrakenChance == std::clamp<int64_t>(100 - nKraken, 1, 99));
    // Only the off button's id is off and only the first-time button's id
    // first time only.
    FUZZ_CHECK(RunFlags.bSoundOn == (nSound != IDC_SOUND_OFF));
    FUZZ_CHECK((RunFlags.nSoundMode == kSoundOff) == (nSound == IDC_SOUND_OFF));
    FUZZ_CHECK((RunFlags.nSoundMode == kSoundFirstTimeOnly) == (nSound == IDC_SOUND_FIRST_TIME));
    if (nSound - IDC_SOUND_ON >= INT32_MIN) FUZZ_CHECK(RunFlags.nSoundMode == nSound - IDC_SOUND_ON);
    FUZZ_CHECK(FakeCalls("Wave(149)").size() == (RunFlags.bSoundOn ? 1u : 0u));
    // Music asks for its two files, written whole, and for nothing else.
    FUZZ_CHECK(RunFlags.bMusicOn == (nValues[kSettingMusic] != 0));
    FUZZ_CHECK(CountFuzzTempFiles() == (RunFlags.bMusicOn ? 2u : 0u));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    FuzzedDataProvider input(pData, nSize);
    const uint8_t nPresent = input.ConsumeIntegral<uint8_t>();
    const std::string szText = input.ConsumeRemainingBytesAsString();

    ResetShowState();
    FakeHost.szTempPath = FuzzTempDir();
    AddFakeResource(kHostResourceMidi, kTune1ResourceId, TuneBytes(kTune1Bytes));
    AddFakeResource(kHostResourceMidi, kTune2ResourceId, TuneBytes(kTune2Bytes));
    size_t nLineStart = 0;
    for (int i = 0; i < kSettingCount; ++i) {
        const size_t nLineEnd = std::min(szText.find('\n', nLineStart), szText.size());
        if (nPresent & (1u << i))
            SetFakeProfileText(kProfileSection, SettingKeys[i].szKey,
                               szText.substr(nLineStart, nLineEnd - nLineStart).c_str());
        nLineStart = std::min(nLineEnd + 1, szText.size());
    }
    int nValues[kSettingCount];
    for (int i = 0; i < kSettingCount; ++i) {
        nValues[i] = ReadSetting(SettingId(i));
        if (!(nPresent & (1u << i))) FUZZ_CHECK(nValues[i] == SettingKeys[i].nDefault);
        const int nLimited = ReadLimitedSetting(SettingId(i));
        FUZZ_CHECK(nLimited >= SettingKeys[i].nLow && nLimited <= SettingKeys[i].nHigh);
        FUZZ_CHECK(nLimited == nValues[i] || nValues[i] < SettingKeys[i].nLow || nValues[i] > SettingKeys[i].nHigh);
    }

    CheckFramePeriod(nValues[kSettingSpeed]);
    Show.nClientWidth = 64;
    Show.nClientHeight = 48;
    StartShow(FakeWindow());
    CheckRunFlags(nValues);
    CheckOutcomeBias(RunFlags.nKrakenChance);
    StopShow(FakeWindow());
    FUZZ_CHECK(CountFuzzTempFiles() == 0);

    WriteSettings(nValues);
    for (int i = 0; i < kSettingCount; ++i) FUZZ_CHECK(ReadSetting(SettingId(i)) == nValues[i]);
    return 0;
}
