// The page's entry: the saver window's logic driven by the browser's
// animation frames, with the frame period as the clock, and the few calls
// the page makes into the module (the settings panel, tune ends, status).
//
// Arguments (the page passes them from its test query):
//   --frames N       run frame steps 1..N as fast as the page allows, then
//                    stop (N >= 0), as the render tool numbers them
//   --tick-count T   the clock at the opening, advancing by the frame period

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "audio/music.h"
#include "audio/sound.h"
#include "config/configure_form.h"
#include "config/run_flags.h"
#include "config/settings.h"
#include "engine/sequencer.h"
#include "gfx/stage_placement.h"
#include "host/asset_files.h"
#include "host_web.h"
#include "shell/driver.h"
#include "shell/saver_window.h"

namespace {

// The page's window is the stage; the page places and scales it.
constexpr int kStageWidth = 800;
constexpr int kStageHeight = 600;
// Frame steps a test run makes per animation frame, so that the page stays live.
constexpr int kTestStepsPerAnimationFrame = 60;

bool ParseCount(const char* sz, long long nHigh, long long& nOut) {
    if (!sz || !*sz) return false;
    char* pEnd = nullptr;
    const long long n = std::strtoll(sz, &pEnd, 10);
    if (*pEnd || n < 0 || n > nHigh) return false;
    nOut = n;
    return true;
}

// The stage's place in the page's area (device pixels): the whole canvas
// (the stage) scaled by the placement's factor, so that the part the
// placement shows lands where it says; smooth when not a whole factor.
struct StageInArea {
    int nLeft, nTop, nWidth, nHeight;
    bool bSmooth;
};
StageInArea Placement;

// The driver's host for one animation frame: the driver runs the timers
// that have fallen due and gives the page back; a page cannot wait inside
// a task, so a wait ends the slice and the next animation frame goes on.
class WebRun final : public DriverHost {
public:
    bool bTest = false;
    long long nFrames = 0;  // test: the last frame step
    int nSliceFrames = 0;
    int nSteps = 0;               // frame steps run (frame ticks after the start-up delay)
    double tSliceMark = 0;        // the page's clock when the current step began
    std::vector<float> stepMs;    // test: each frame step's time with its presenting
    bool bDone = false;

    bool WaitUntil(uint32_t nDue) override {
        if (!bTest) return false;
        WebHost.nTickCount = nDue;  // a test run's clock is the frame period
        return true;
    }

    bool FrameDone(const DriverFrame& frame) override {
        const double tNow = emscripten_get_now();
        if (bTest) stepMs.push_back(float(tNow - tSliceMark));
        tSliceMark = tNow;
        if (!SaverWindow.bStartupDelay) ++nSteps;
        if (bTest && frame.nFrame >= nFrames) bDone = true;
        return !bDone && (!bTest || ++nSliceFrames < kTestStepsPerAnimationFrame);
    }
};
WebRun Run;
double tOpened = 0;        // the page's clock when the window was made
uint32_t nClockBase = 0;   // the tick count then

void AnimationFrame() {
    if (!Run.bTest) WebHost.nTickCount = nClockBase + uint32_t(int64_t(emscripten_get_now() - tOpened));
    // Notifications that came between frames (a tune's end).
    DriverDeliverMusicNotifies();
    Run.nSliceFrames = 0;
    Run.tSliceMark = emscripten_get_now();
    if (!Run.bDone) DriverRun(Run);
    if (Run.bDone || Driver.bQuitRequested) {
        Run.bDone = true;
        emscripten_cancel_main_loop();
    }
}

}  // namespace

extern "C" {

// The page: a tune's play reached its end.
EMSCRIPTEN_KEEPALIVE void web_tune_ended(uint32_t nDevice) {
    NoteWebTuneEnded(nDevice);
    DriverDeliverMusicNotifies();
}

// The settings panel: the values as the configure dialog shows them (0 speed,
// 1 outcome, 2 sound mode, 3 blood, 4 music, 5 picture size), the sliders'
// ranges, and their writing. A page has one window, so the monitors setting
// is kept as it is.
EMSCRIPTEN_KEEPALIVE void web_load_form() { LoadConfigureForm(); }

EMSCRIPTEN_KEEPALIVE int web_form_value(int nField) {
    switch (nField) {
        case 0: return ConfigureForm.nSpeed;
        case 1: return ConfigureForm.nOutcome;
        case 2: return ConfigureForm.nSoundMode;
        case 3: return ConfigureForm.nBlood;
        case 4: return ConfigureForm.nMusic;
        case 5: return ConfigureForm.nPictureSize;
    }
    return 0;
}

EMSCRIPTEN_KEEPALIVE int web_setting_low(int nSetting) {
    return nSetting >= 0 && nSetting < kSettingCount ? SettingKeys[nSetting].nLow : 0;
}

EMSCRIPTEN_KEEPALIVE int web_setting_high(int nSetting) {
    return nSetting >= 0 && nSetting < kSettingCount ? SettingKeys[nSetting].nHigh : 0;
}

EMSCRIPTEN_KEEPALIVE void web_save_form(int nSpeed, int nOutcome, int nSoundMode, int nBlood, int nMusic,
                                         int nPictureSize) {
    ConfigureForm.nSpeed = LimitSetting(kSettingSpeed, nSpeed);
    ConfigureForm.nOutcome = LimitSetting(kSettingKraken, nOutcome);
    ConfigureForm.nSoundMode = nSoundMode;
    ConfigureForm.nBlood = nBlood != 0;
    ConfigureForm.nMusic = nMusic != 0;
    ConfigureForm.nPictureSize = LimitSetting(kSettingPictureSize, nPictureSize);
    SaveConfigureForm();
}

// The stage's place in an area of the page (device pixels): the placement
// of the saver's picture-size setting, read out by web_placement (0 left,
// 1 top, 2 width, 3 height, 4 smooth).
EMSCRIPTEN_KEEPALIVE void web_place_stage(int nAreaWidth, int nAreaHeight, int nStageWidth, int nStageHeight) {
    const StagePlacement p =
        PlaceStage(nStageWidth, nStageHeight, nAreaWidth, nAreaHeight, ReadLimitedSetting(kSettingPictureSize));
    if (p.nSourceWidth <= 0 || p.nSourceHeight <= 0) {
        Placement = {0, 0, nStageWidth, nStageHeight, false};
        return;
    }
    // The scale of the shown part, kept exact for the width and height.
    const int nWidth = int(int64_t(nStageWidth) * p.nWidth / p.nSourceWidth);
    const int nHeight = int(int64_t(nStageHeight) * p.nHeight / p.nSourceHeight);
    Placement = {p.nLeft - int(int64_t(p.nSourceX) * p.nWidth / p.nSourceWidth),
                 p.nTop - int(int64_t(p.nSourceY) * p.nHeight / p.nSourceHeight), nWidth, nHeight, p.nScale == 0};
}

EMSCRIPTEN_KEEPALIVE int web_placement(int nField) {
    const int nFields[] = {Placement.nLeft, Placement.nTop, Placement.nWidth, Placement.nHeight, Placement.bSmooth};
    return nField >= 0 && nField < 5 ? nFields[nField] : 0;
}

// Whether the sound setting lets the show make any sound.
EMSCRIPTEN_KEEPALIVE int web_sound_wanted() { return SoundModeOf(ReadSetting(kSettingSound)) != kSoundOff; }

EMSCRIPTEN_KEEPALIVE int web_steps() { return Run.nSteps; }

// A test run's frame step i (from 0) with its presenting, in milliseconds.
EMSCRIPTEN_KEEPALIVE double web_step_ms(int i) {
    return i >= 0 && size_t(i) < Run.stepMs.size() ? Run.stepMs[size_t(i)] : 0;
}

// The run as the page reports it, as JSON.
EMSCRIPTEN_KEEPALIVE const char* web_status() {
    static char szStatus[512];
    std::snprintf(szStatus, sizeof szStatus,
                  "{\"step\":%d,\"done\":%s,\"scene\":%d,\"framePeriod\":%" PRIu32
                  ",\"soundOn\":%s,\"musicOn\":%s,\"blood\":%s,\"soundMode\":%" PRId32
                  ",\"krakenChance\":%" PRId32 "}",
                  Run.nSteps, Run.bDone ? "true" : "false", SaverWindow.nScene, SaverWindow.nFramePeriod,
                  RunFlags.bSoundOn ? "true" : "false", RunFlags.bMusicOn ? "true" : "false",
                  RunFlags.bShowBlood ? "true" : "false", RunFlags.nSoundMode, RunFlags.nKrakenChance);
    return szStatus;
}

}  // extern "C"

int main(int argc, char** argv) {
    long long nTickStart = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--frames") && ParseCount(argv[i + 1], INT32_MAX, Run.nFrames)) {
            Run.bTest = true;
        } else if (!std::strcmp(argv[i], "--tick-count") && ParseCount(argv[i + 1], UINT32_MAX, nTickStart)) {
        } else {
            std::fprintf(stderr, "harborgast: ignored argument %s %s\n", argv[i], argv[i + 1]);
        }
    }
    SetAssetDirectory("/assets");
    SetWebWindowSize(kStageWidth, kStageHeight);
    tOpened = emscripten_get_now();
    // Outside a test the clock starts from the wall clock, so that every
    // visit draws its own outcomes.
    nClockBase = Run.bTest ? uint32_t(nTickStart) : uint32_t(uint64_t(emscripten_date_now()));
    WebHost.nTickCount = nClockBase;
    // A test run starts as the render tool does: the show at once, the
    // first frame step at the opening instant.
    DriverOpen(WebWindow(), kStageWidth, kStageHeight, Run.bTest ? kDriverStartupAtOnce : kDriverStartupDelay);
    Run.bDone = Run.bTest && Run.nFrames == 0;
    emscripten_set_main_loop(AnimationFrame, 0, 0);
    return 0;
}
