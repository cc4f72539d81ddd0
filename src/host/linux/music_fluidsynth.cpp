// The music sequencer: each opened tune file is a FluidSynth MIDI player on
// one synthesiser, which an SDL audio output renders. The soundfont loads
// in the background from the start; a tune played before it is in starts
// once it is, and the show does not wait. A play with
// notification that reaches the tune's end, and a play that a stop cuts
// short, each owe the window one notification, as the Windows sequencer's
// do; the player's loop polls for the ends.

#include <fluidsynth.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <thread>

#include "host/linux/linux_host.h"
#include "shell/driver.h"

namespace {

constexpr uint32_t kFileNotFound = 275;  // the Windows sequencer's code
constexpr uint32_t kNoSynth = 1;
constexpr int kSampleRate = 44100;

struct Tune {
    std::string szPath;
    fluid_player_t* pPlayer = nullptr;
    bool bRewind = false;  // the next play starts from the beginning
    bool bPlaying = false;
    bool bWaiting = false;  // played before the soundfont was in: starts once it is
    bool bNotify = false;   // the play in progress owes a notification
};

struct MusicSynthState {
    // The soundfont loads in the background while the title shows.
    std::thread loader;
    std::atomic<bool> bLoadDone{false};
    std::string szSoundFont;
    bool bLoaded = false;  // written by the loader, read after joining it
    fluid_settings_t* pSettings = nullptr;
    fluid_synth_t* pSynth = nullptr;
    SDL_AudioDeviceID nDevice = 0;
    std::map<uint32_t, Tune> tunes;
    uint32_t nNextDevice = 1;
};
MusicSynthState MusicSynth;

void RenderAudio(void*, Uint8* pStream, int nBytes) {
    fluid_synth_write_s16(MusicSynth.pSynth, nBytes / 4, pStream, 0, 2, pStream, 1, 2);
}

void Quiet(int, const char*, void*) {}

void DeletePlayer(Tune& tune) {
    if (tune.pPlayer == nullptr) return;
    SDL_LockAudioDevice(MusicSynth.nDevice);
    fluid_player_stop(tune.pPlayer);
    delete_fluid_player(tune.pPlayer);
    fluid_synth_all_sounds_off(MusicSynth.pSynth, -1);
    SDL_UnlockAudioDevice(MusicSynth.nDevice);
    tune.pPlayer = nullptr;
}

Tune* Find(uint32_t nDevice) {
    auto it = MusicSynth.tunes.find(nDevice);
    return it == MusicSynth.tunes.end() ? nullptr : &it->second;
}

void LoadSoundFont() {
    MusicSynth.pSettings = new_fluid_settings();
    fluid_settings_setnum(MusicSynth.pSettings, "synth.sample-rate", kSampleRate);
    MusicSynth.pSynth = new_fluid_synth(MusicSynth.pSettings);
    MusicSynth.bLoaded = MusicSynth.pSynth != nullptr &&
                         fluid_synth_sfload(MusicSynth.pSynth, MusicSynth.szSoundFont.c_str(), 1) != FLUID_FAILED;
    MusicSynth.bLoadDone = true;
}

enum SynthStatus { kSynthLoading, kSynthReady, kSynthNone };

// Whether the soundfont is in and the synthesiser's output open; the first
// call after the load opens it, or says in one line why there is none.
SynthStatus MusicSynthStatus() {
    if (!MusicSynth.loader.joinable()) return MusicSynth.nDevice != 0 ? kSynthReady : kSynthNone;
    if (!MusicSynth.bLoadDone) return kSynthLoading;
    MusicSynth.loader.join();
    if (!MusicSynth.bLoaded) {
        SaySilent("cannot load the soundfont " + MusicSynth.szSoundFont + "; the tunes are silent");
        CloseMusicSynth();
        return kSynthNone;
    }
    SDL_AudioSpec wanted = {}, got = {};
    wanted.freq = kSampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 1024;
    wanted.callback = RenderAudio;
    {
        QuietStderr quiet;
        MusicSynth.nDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, &got, 0);
    }
    if (MusicSynth.nDevice == 0) {
        SaySilent(std::string("no audio output for the tunes (") + SDL_GetError() + "); the show runs silent");
        CloseMusicSynth();
        return kSynthNone;
    }
    SDL_PauseAudioDevice(MusicSynth.nDevice, 0);
    return kSynthReady;
}

// Starts (or restarts from the beginning, after a seek or at the end) the
// tune's player; false when it cannot.
bool StartPlayer(Tune& tune) {
    tune.bWaiting = false;
    if (tune.pPlayer != nullptr && (tune.bRewind || fluid_player_get_status(tune.pPlayer) == FLUID_PLAYER_DONE))
        DeletePlayer(tune);
    tune.bRewind = false;
    SDL_LockAudioDevice(MusicSynth.nDevice);
    if (tune.pPlayer == nullptr) {
        tune.pPlayer = new_fluid_player(MusicSynth.pSynth);
        if (tune.pPlayer != nullptr && fluid_player_add(tune.pPlayer, tune.szPath.c_str()) != FLUID_OK) {
            delete_fluid_player(tune.pPlayer);
            tune.pPlayer = nullptr;
        }
    }
    const bool bPlaying = tune.pPlayer != nullptr && fluid_player_play(tune.pPlayer) == FLUID_OK;
    SDL_UnlockAudioDevice(MusicSynth.nDevice);
    return bPlaying;
}

}  // namespace

void StartMusicSynth(const char* szSoundFont) {
    for (int nLevel = 0; nLevel < LAST_LOG_LEVEL; ++nLevel) fluid_set_log_function(nLevel, Quiet, nullptr);
    MusicSynth.szSoundFont = szSoundFont;
    MusicSynth.loader = std::thread(LoadSoundFont);
}

void CloseMusicSynth() {
    if (MusicSynth.loader.joinable()) MusicSynth.loader.join();
    for (auto& entry : MusicSynth.tunes) DeletePlayer(entry.second);
    MusicSynth.tunes.clear();
    if (MusicSynth.nDevice != 0) SDL_CloseAudioDevice(MusicSynth.nDevice);
    MusicSynth.nDevice = 0;
    if (MusicSynth.pSynth != nullptr) delete_fluid_synth(MusicSynth.pSynth);
    if (MusicSynth.pSettings != nullptr) delete_fluid_settings(MusicSynth.pSettings);
    MusicSynth.pSynth = nullptr;
    MusicSynth.pSettings = nullptr;
}

void PollMusic() {
    const SynthStatus nStatus = MusicSynthStatus();
    for (auto& entry : MusicSynth.tunes) {
        Tune& tune = entry.second;
        if (!tune.bWaiting || nStatus == kSynthLoading) continue;
        // A tune that cannot start after all stays silent, as if cut short.
        if (nStatus == kSynthNone || !StartPlayer(tune)) tune.bPlaying = tune.bWaiting = tune.bNotify = false;
    }
    for (auto& entry : MusicSynth.tunes) {
        Tune& tune = entry.second;
        if (!tune.bPlaying || tune.pPlayer == nullptr || fluid_player_get_status(tune.pPlayer) != FLUID_PLAYER_DONE)
            continue;
        tune.bPlaying = false;
        if (tune.bNotify) DriverQueueMusicNotify();
        tune.bNotify = false;
    }
}

uint32_t HostSequencerOpen(const char* szPath, uint32_t* pnDevice) {
    if (!std::ifstream(szPath, std::ios::binary)) return kFileNotFound;
    if (MusicSynthStatus() == kSynthNone) return kNoSynth;
    *pnDevice = MusicSynth.nNextDevice++;
    MusicSynth.tunes[*pnDevice].szPath = szPath;
    return 0;
}

uint32_t HostSequencerStatusPort(uint32_t nDevice) { return Find(nDevice) ? 0 : kNoSynth; }

uint32_t HostSequencerPlay(uint32_t nDevice, HostWindow hNotify) {
    Tune* pTune = Find(nDevice);
    if (pTune == nullptr) return kNoSynth;
    // Before the soundfont is in, the play waits for it.
    const SynthStatus nStatus = MusicSynthStatus();
    if (nStatus == kSynthNone) return kNoSynth;
    if (nStatus == kSynthLoading) {
        pTune->bWaiting = true;
    } else if (!StartPlayer(*pTune)) {
        return kNoSynth;
    }
    pTune->bPlaying = true;
    pTune->bNotify = hNotify != nullptr;
    return 0;
}

uint32_t HostSequencerSeekToStart(uint32_t nDevice) {
    Tune* pTune = Find(nDevice);
    if (pTune == nullptr) return kNoSynth;
    // A seek ends a play in progress, without a notification of its own.
    DeletePlayer(*pTune);
    pTune->bPlaying = pTune->bWaiting = pTune->bNotify = false;
    pTune->bRewind = true;
    return 0;
}

uint32_t HostSequencerStop(uint32_t nDevice, HostWindow hNotify) {
    Tune* pTune = Find(nDevice);
    if (pTune == nullptr) return kNoSynth;
    if (pTune->pPlayer != nullptr) {
        SDL_LockAudioDevice(MusicSynth.nDevice);
        fluid_player_stop(pTune->pPlayer);
        fluid_synth_all_sounds_off(MusicSynth.pSynth, -1);
        SDL_UnlockAudioDevice(MusicSynth.nDevice);
    }
    // The play cut short reports, and so does the stop itself.
    if (pTune->bPlaying && pTune->bNotify) DriverQueueMusicNotify();
    pTune->bPlaying = pTune->bWaiting = pTune->bNotify = false;
    if (hNotify != nullptr) DriverQueueMusicNotify();
    return 0;
}

uint32_t HostSequencerClose(uint32_t nDevice) {
    Tune* pTune = Find(nDevice);
    if (pTune == nullptr) return kNoSynth;
    DeletePlayer(*pTune);
    MusicSynth.tunes.erase(nDevice);
    return 0;
}
