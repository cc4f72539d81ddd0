// harborgast-render: plays the real show headless, through the real
// start-up path, engine, scenes and assets, and writes the window as PNG
// frames. A preview of the saver, a maker of stills, and the way to look at
// the scenes.

#include "image_out.h"
#include "options.h"
#include "render_host.h"

#include "audio/music.h"
#include "audio/sound.h"
#include "config/settings.h"
#include "engine/sequencer.h"
#include "gfx/show.h"
#include "shell/saver_window.h"

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

// The window procedure's share: notifications reach the window between
// frames; each one may send further commands, which the trace shows on the
// frame that caused them.
void DeliverMusicNotifications() {
    while (RenderHost.nPendingNotifies > 0) {
        --RenderHost.nPendingNotifies;
        HandleMusicNotify(RenderWindow());
    }
}

void PrintTrace(int nFrame, int nScene, int nSceneFrame) {
    std::printf("frame=%d scene=%d sceneframe=%d", nFrame, nScene, nSceneFrame);
    for (int nWave : RenderHost.wavesPlayed)
        if (const int c = CueOfWave(nWave)) std::printf(" cue=%d", c);
    for (const std::string& event : RenderHost.musicEvents) std::printf(" music=%s", event.c_str());
    std::printf("\n");
}

bool MakeTempDir(std::string& szDir) {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec) return false;
    std::string pattern = (base / "harborgast-render-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return false;
    szDir = pattern + "/";
    return true;
}

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

    RenderHost.szAssetDir = options.szAssetDir.empty() ? HARBORGAST_ASSET_DIR : options.szAssetDir;
    for (int i = 0; i < kSettingCount; ++i)
        if (options.bHasSetting[i]) RenderHost.profile[SettingKeys[i].szKey] = options.nSetting[i];
    for (const RenderOutput& o : options.outputs)
        RenderHost.outputs.push_back({o.nLeft, o.nTop, o.nWidth, o.nHeight});
    RenderHost.window = RgbImage{options.nWidth, options.nHeight, {}};
    RenderHost.window.pixels.assign(static_cast<size_t>(options.nWidth) * options.nHeight, 0);
    if (!MakeTempDir(RenderHost.szTempDir)) {
        std::fprintf(stderr, "harborgast-render: cannot make a temporary directory\n");
        return 1;
    }

    // The saver window's own logic, with the tool as its clock: the window
    // is made, its first tick starts the show, the start-up timer ends the
    // delay at once, and then every frame tick is one frame step, the clock
    // advancing by the frame period.
    const HostWindow hWindow = RenderWindow();
    RenderHost.nTickCount = static_cast<uint32_t>(options.nTickCount);
    OnSaverClientSize(options.nWidth, options.nHeight);
    OnSaverCreate(hWindow);
    const uint32_t nPeriod = RenderHost.timers[kFrameTimerId];
    OnSaverTick(hWindow, kFrameTimerId);
    OnSaverTick(hWindow, kStartupTimerId);
    int nExit = 0;
    if (RenderHost.bQuitRequested) {
        nExit = 1;  // the start-up's own messages are on standard error
    } else {
        ContactSheet sheet(std::min(options.nWidth, 200));
        RenderHost.wavesPlayed.clear();
        RenderHost.musicEvents.clear();
        for (int n = 1; n <= options.nFrames; ++n) {
            RenderHost.nTickCount = static_cast<uint32_t>(options.nTickCount + int64_t(n - 1) * nPeriod);
            const int nSceneRun = SaverWindow.nScene, nSceneFrame = Sequencer.nSceneFrame;
            // A preview shows only its title picture; its ticks draw nothing.
            OnSaverTick(hWindow, kFrameTimerId);
            DeliverMusicNotifications();
            if (options.bTrace && !Show.bPreviewShow) PrintTrace(n, nSceneRun, nSceneFrame);
            RenderHost.wavesPlayed.clear();
            RenderHost.musicEvents.clear();
            if (n % options.nEvery != 0) continue;
            char szName[32];
            std::snprintf(szName, sizeof szName, "/frame-%06d.png", n);
            if (!WritePng(RenderHost.window, options.szOutDir + szName)) {
                std::fprintf(stderr, "harborgast-render: cannot write %s%s\n", options.szOutDir.c_str(), szName);
                nExit = 1;
                break;
            }
            if (!options.szSheetPath.empty()) sheet.Add(RenderHost.window, n);
        }
        if (nExit == 0 && !options.szSheetPath.empty() && !sheet.Write(options.szSheetPath)) {
            std::fprintf(stderr, "harborgast-render: cannot write --sheet %s\n", options.szSheetPath.c_str());
            nExit = 1;
        }
    }
    OnSaverDestroy(hWindow);
    std::filesystem::remove_all(RenderHost.szTempDir, ec);
    ReleaseImageLibraries();
    return nExit;
}
