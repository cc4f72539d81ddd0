// The page's entry: the saver window's logic driven by the browser's
// animation frames, with the frame period as the clock, and the few calls
// the page makes into the module (the settings panel, tune ends, status).
//
// Arguments (the page passes them from its test query):
//   --frames N       run frame steps 1..N at once, then stop (N >= 0)
//   --tick-count T   the clock at frame step 1, advancing by the frame period

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "audio/music.h"
#include "audio/sound.h"
#include "config/configure_form.h"
#include "config/settings.h"
#include "engine/sequencer.h"
#include "gfx/show.h"
#include "host_web.h"
#include "shell/saver_window.h"

namespace {

// The page's window is the stage; the page places and scales it.
constexpr int kStageWidth = 800;
constexpr int kStageHeight = 600;
// Steps a test run makes per animation frame, so that the page stays live.
constexpr int kTestStepsPerAnimationFrame = 60;

struct WebDriveState {
    bool bTest = false;
    long long nFrames = 0;     // test: the last frame step
    long long nTickStart = 0;  // test: the clock at frame step 1
    long long nStep = 0;       // frame steps run
    double tCreated = 0;       // ms, the page's clock
    double tNextFrame = 0;
    uint32_t nClockBase = 0;  // the tick count at tCreated
    bool bDone = false;
    double nStepMsTotal = 0;  // time spent in frame steps and their presenting
};
WebDriveState Drive;

struct StagePlacementInArea {
    int nLeft, nTop, nWidth, nHeight;
    bool bSmooth;
};
StagePlacementInArea Placement;

int ReadPictureSize() {
    const int n = HostGetProfileInt(kProfileSection, "nPictureSize", 0);
    return n < 0 || n > 2 ? 0 : n;
}

StagePlacementInArea PlaceStageInArea(int nAreaW, int nAreaH, int nStageW, int nStageH, int nMode) {
    int nScale = 1;
    if (nMode == 2 && nAreaH > nStageH) {
        const int nW = int(int64_t(nStageW) * nAreaH / nStageH);
        return {(nAreaW - nW) / 2, 0, nW, nAreaH, true};
    }
    if (nMode == 0) nScale = std::max(1, std::min(nAreaW / nStageW, nAreaH / nStageH));
    return {(nAreaW - nScale * nStageW) / 2, (nAreaH - nScale * nStageH) / 2, nScale * nStageW, nScale * nStageH,
            false};
}

bool ParseCount(const char* sz, long long nHigh, long long& nOut) {
    if (!sz || !*sz) return false;
    char* pEnd = nullptr;
    const long long n = std::strtoll(sz, &pEnd, 10);
    if (*pEnd || n < 0 || n > nHigh) return false;
    nOut = n;
    return true;
}

void DeliverMusicNotifications() {
    while (WebHost.nPendingNotifies > 0) {
        --WebHost.nPendingNotifies;
        OnSaverMusicNotify(WebWindow());
    }
}

void Tick(int nTimerId) {
    OnSaverTick(WebWindow(), nTimerId);
    DeliverMusicNotifications();
}

void FinishRun() {
    Drive.bDone = true;
    emscripten_cancel_main_loop();
}

// One frame step, timed with its presenting.
void TimedFrameStep() {
    const double t0 = emscripten_get_now();
    Tick(kFrameTimerId);
    Drive.nStepMsTotal += emscripten_get_now() - t0;
    ++Drive.nStep;
}

// A test run: the render tool's sequence of ticks, with its clock.
void TestAnimationFrame() {
    const uint32_t nPeriod = SaverWindow.nFramePeriod;
    for (int i = 0; i < kTestStepsPerAnimationFrame && Drive.nStep < Drive.nFrames; ++i) {
        WebHost.nTickCount = uint32_t(Drive.nTickStart + Drive.nStep * int64_t(nPeriod));
        TimedFrameStep();
        if (WebHost.bQuitRequested) break;
    }
    if (Drive.nStep >= Drive.nFrames || WebHost.bQuitRequested) FinishRun();
}

// The show: the frame timer's ticks at its period and the start-up timer's
// one tick, as the timers of the saver window would deliver them.
void ShowAnimationFrame() {
    const double tNow = emscripten_get_now();
    WebHost.nTickCount = Drive.nClockBase + uint32_t(int64_t(tNow - Drive.tCreated));
    if (SaverWindow.bStartupTimerArmed && tNow - Drive.tCreated >= kStartupDelayMs) Tick(kStartupTimerId);
    if (tNow < Drive.tNextFrame) return;
    if (SaverWindow.bFirstTick || SaverWindow.bStartupDelay)
        Tick(kFrameTimerId);  // starts the show, then idles through the delay
    else
        TimedFrameStep();
    // A timer does not queue the ticks that a busy or hidden page missed.
    Drive.tNextFrame += SaverWindow.nFramePeriod;
    if (Drive.tNextFrame <= tNow) Drive.tNextFrame = tNow + SaverWindow.nFramePeriod;
    if (WebHost.bQuitRequested) FinishRun();
}

void AnimationFrame() {
    if (Drive.bTest)
        TestAnimationFrame();
    else
        ShowAnimationFrame();
}

}  // namespace

extern "C" {

// The page: a tune's play reached its end.
EMSCRIPTEN_KEEPALIVE void web_tune_ended(uint32_t nDevice) {
    NoteWebTuneEnded(nDevice);
    DeliverMusicNotifications();
}

// The settings panel: the five values as the configure dialog shows them
// (0 speed, 1 outcome, 2 sound mode, 3 blood, 4 music), their sliders'
// ranges, and their writing.
EMSCRIPTEN_KEEPALIVE void web_load_form() { LoadConfigureForm(); }

EMSCRIPTEN_KEEPALIVE int web_form_value(int nField) {
    switch (nField) {
        case 0: return ConfigureForm.nSpeed;
        case 1: return ConfigureForm.nOutcome;
        case 2: return ConfigureForm.nSoundMode;
        case 3: return ConfigureForm.nBlood;
        case 4: return ConfigureForm.nMusic;
    }
    return 0;
}

EMSCRIPTEN_KEEPALIVE int web_setting_low(int nSetting) {
    return nSetting >= 0 && nSetting < kSettingCount ? SettingKeys[nSetting].nLow : 0;
}

EMSCRIPTEN_KEEPALIVE int web_setting_high(int nSetting) {
    return nSetting >= 0 && nSetting < kSettingCount ? SettingKeys[nSetting].nHigh : 0;
}

EMSCRIPTEN_KEEPALIVE void web_save_form(int nSpeed, int nOutcome, int nSoundMode, int nBlood, int nMusic) {
    ConfigureForm.nSpeed = LimitSliderValue(kSettingSpeed, nSpeed);
    ConfigureForm.nOutcome = LimitSliderValue(kSettingKraken, nOutcome);
    ConfigureForm.nSoundMode = nSoundMode;
    ConfigureForm.nBlood = nBlood != 0;
    ConfigureForm.nMusic = nMusic != 0;
    SaveConfigureForm();
}

// The stage's place in an area of the page (device pixels): the placement
// of the saver's picture-size setting, read out by web_placement (0 left,
// 1 top, 2 width, 3 height, 4 smooth).
EMSCRIPTEN_KEEPALIVE void web_place_stage(int nAreaWidth, int nAreaHeight, int nStageWidth, int nStageHeight) {
    Placement = PlaceStageInArea(nAreaWidth, nAreaHeight, nStageWidth, nStageHeight, ReadPictureSize());
}

EMSCRIPTEN_KEEPALIVE int web_placement(int nField) {
    const int nFields[] = {Placement.nLeft, Placement.nTop, Placement.nWidth, Placement.nHeight, Placement.bSmooth};
    return nField >= 0 && nField < 5 ? nFields[nField] : 0;
}

EMSCRIPTEN_KEEPALIVE int web_picture_size() { return ReadPictureSize(); }

// Whether the sound setting lets the show make any sound.
EMSCRIPTEN_KEEPALIVE int web_sound_wanted() { return ReadSetting(kSettingSound) - 1035 != kSoundOff; }

EMSCRIPTEN_KEEPALIVE int web_steps() { return int(Drive.nStep); }

// The run as the page reports it, as JSON.
EMSCRIPTEN_KEEPALIVE const char* web_status() {
    static char szStatus[512];
    std::snprintf(szStatus, sizeof szStatus,
                  "{\"step\":%lld,\"done\":%s,\"scene\":%d,\"framePeriod\":%" PRIu32
                  ",\"soundOn\":%s,\"musicOn\":%s,\"blood\":%s,\"soundMode\":%" PRId32
                  ",\"krakenChance\":%" PRId32 ",\"stepMsTotal\":%.3f}",
                  Drive.nStep, Drive.bDone ? "true" : "false", SaverWindow.nScene, SaverWindow.nFramePeriod,
                  RunFlags.bSoundOn ? "true" : "false", RunFlags.bMusicOn ? "true" : "false",
                  RunFlags.bShowBlood ? "true" : "false", RunFlags.nSoundMode, RunFlags.nKrakenChance,
                  Drive.nStepMsTotal);
    return szStatus;
}

}  // extern "C"

int main(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--frames") && ParseCount(argv[i + 1], INT32_MAX, Drive.nFrames)) {
            Drive.bTest = true;
        } else if (!std::strcmp(argv[i], "--tick-count") && ParseCount(argv[i + 1], UINT32_MAX, Drive.nTickStart)) {
        } else {
            std::fprintf(stderr, "harborgast: ignored argument %s %s\n", argv[i], argv[i + 1]);
        }
    }
    SetWebWindowSize(kStageWidth, kStageHeight);
    OnSaverClientSize(kStageWidth, kStageHeight);
    Drive.tCreated = emscripten_get_now();
    // Outside a test the clock starts from the wall clock, so that every
    // visit draws its own outcomes.
    Drive.nClockBase = Drive.bTest ? uint32_t(Drive.nTickStart) : uint32_t(uint64_t(emscripten_date_now()));
    WebHost.nTickCount = Drive.nClockBase;
    OnSaverCreate(WebWindow());
    Drive.tNextFrame = Drive.tCreated + SaverWindow.nFramePeriod;
    if (Drive.bTest) {
        // As the render tool does: the first tick starts the show, the
        // start-up timer ends the delay at once.
        Tick(kFrameTimerId);
        Tick(kStartupTimerId);
    }
    emscripten_set_main_loop(AnimationFrame, 0, 0);
    return 0;
}
