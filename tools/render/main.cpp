// harborgast-render: plays the real show headless, through the real
// start-up path, engine, scenes and assets, and writes the window as PNG
// frames. A preview of the saver, a maker of stills, and the way to look at
// the scenes.

#include "image_out.h"
#include "options.h"
#include "render_host.h"

#include "audio/sound.h"
#include "config/settings.h"
#include "host/asset_files.h"
#include "host/posix/temp_dir.h"
#include "shell/driver.h"
#include "show/show.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#ifndef HARBORGAST_ASSET_DIR
#define HARBORGAST_ASSET_DIR "assets"
#endif

namespace {

int CueOfWave(int nResourceId) {
    for (int c = 1; c < kCueCount; ++c)
        if (SoundIdTable[c] == nResourceId) return c;
    return 0;
}

void PrintTrace(int nFrame, int nScene, int nSceneFrame) {
    std::printf("frame=%d scene=%d sceneframe=%d", nFrame, nScene, nSceneFrame);
    for (int nWave : RenderHost.wavesPlayed)
        if (const int c = CueOfWave(nWave)) std::printf(" cue=%d", c);
    for (const std::string& event : RenderHost.musicEvents) std::printf(" music=%s", event.c_str());
    std::printf("\n");
}

// The tool as the driver's host: the clock jumps to each tick, and each
// frame goes to the trace, the PNG files and the contact sheet.
class RenderRun final : public DriverHost {
public:
    explicit RenderRun(const RenderOptions& options) : options(options), sheet(std::min(options.nWidth, 200)) {}

    bool WaitUntil(uint32_t nDue) override {
        RenderHost.nTickCount = nDue;
        return true;
    }

    bool FrameDone(const DriverFrame& frame) override {
        // A preview shows only its title picture; its ticks draw nothing.
        if (options.bTrace && !Show.bPreviewShow) PrintTrace(frame.nFrame, frame.nSceneRan, frame.nSceneFrame);
        RenderHost.wavesPlayed.clear();
        RenderHost.musicEvents.clear();
        if (frame.nFrame % options.nEvery == 0) {
            char szName[32];
            std::snprintf(szName, sizeof szName, "/frame-%06d.png", frame.nFrame);
            if (!WritePng(MemoryWindow.window, options.szOutDir + szName)) {
                std::fprintf(stderr, "harborgast-render: cannot write %s%s\n", options.szOutDir.c_str(), szName);
                return bFailed = true, false;
            }
            if (!options.szSheetPath.empty()) sheet.Add(MemoryWindow.window, frame.nFrame);
        }
        return frame.nFrame < options.nFrames;
    }

    // After the run: the contact sheet; false when anything failed.
    bool Finish() {
        if (!bFailed && !options.szSheetPath.empty() && !sheet.Write(options.szSheetPath)) {
            std::fprintf(stderr, "harborgast-render: cannot write --sheet %s\n", options.szSheetPath.c_str());
            bFailed = true;
        }
        return !bFailed;
    }

private:
    const RenderOptions& options;
    ContactSheet sheet;
    bool bFailed = false;
};

}  // namespace

int main(int argc, char** argv) {
    RenderOptions options;
    std::string szError;
    if (!ParseRenderOptions(argc, argv, options, szError)) {
        std::fprintf(stderr, "%s\n", szError.c_str());
        return 2;
    }
    if (options.bHelp) {
        std::fputs(kRenderUsage, stdout);
        return 0;
    }
    std::error_code ec;
    std::filesystem::create_directories(options.szOutDir, ec);
    if (ec) {
        std::fprintf(stderr, "harborgast-render: cannot create --out %s: %s\n", options.szOutDir.c_str(),
                     ec.message().c_str());
        return 1;
    }

    SetAssetDirectory(options.szAssetDir.empty() ? HARBORGAST_ASSET_DIR : options.szAssetDir);
    for (int i = 0; i < kSettingCount; ++i)
        if (options.bHasSetting[i]) RenderHost.profile[SettingKeys[i].szKey] = options.nSetting[i];
    for (const RenderOutput& o : options.outputs)
        RenderHost.outputs.push_back({o.nLeft, o.nTop, o.nWidth, o.nHeight});
    ResizeMemoryWindow(options.nWidth, options.nHeight);
    RenderHost.szTempDir = MakeTempDir("harborgast-render");
    if (RenderHost.szTempDir.empty()) {
        std::fprintf(stderr, "harborgast-render: cannot make a temporary directory\n");
        return 1;
    }

    // The saver window's own logic, driven headless from the clock reading
    // --tick-count at the first frame step.
    RenderHost.nTickCount = static_cast<uint32_t>(options.nTickCount);
    DriverOpen(RenderWindow(), options.nWidth, options.nHeight, kDriverStartupAtOnce);
    int nExit = 0;
    if (Driver.bQuitRequested) {
        nExit = 1;  // the start-up's own messages are on standard error
    } else {
        RenderRun run(options);
        RenderHost.wavesPlayed.clear();
        RenderHost.musicEvents.clear();
        if (options.nFrames > 0) DriverRun(run);
        if (!run.Finish()) nExit = 1;
    }
    DriverClose();
    RemoveTempDir(RenderHost.szTempDir);
    ReleaseImageLibraries();
    return nExit;
}
