// The music sequencer: each opened tune file is a FluidSynth MIDI player on
// one synthesiser, which an SDL audio output renders. A play with
// notification that reaches the tune's end, and a play that a stop cuts
// short, each owe the window one notification, as the Windows sequencer's
// do; the player's loop polls for the ends.

#include <fluidsynth.h>

#include <cstdio>
#include <fstream>
#include <map>

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
    bool bNotify = false;  // the play in progress owes a notification
};

struct MusicSynthState {
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

}  // namespace

bool OpenMusicSynth(const char* szSoundFont) {
    for (int nLevel = 0; nLevel < LAST_LOG_LEVEL; ++nLevel) fluid_set_log_function(nLevel, Quiet, nullptr);
    MusicSynth.pSettings = new_fluid_settings();
    fluid_settings_setnum(MusicSynth.pSettings, "synth.sample-rate", kSampleRate);
    MusicSynth.pSynth = new_fluid_synth(MusicSynth.pSettings);
    if (MusicSynth.pSynth == nullptr || fluid_synth_sfload(MusicSynth.pSynth, szSoundFont, 1) == FLUID_FAILED) {
        CloseMusicSynth();
        return false;
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
        CloseMusicSynth();
        return false;
    }
    SDL_PauseAudioDevice(MusicSynth.nDevice, 0);
    return true;
}

void CloseMusicSynth() {
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
    if (MusicSynth.nDevice == 0) return kNoSynth;
    *pnDevice = MusicSynth.nNextDevice++;
    MusicSynth.tunes[*pnDevice].szPath = szPath;
    return 0;
}

uint32_t HostSequencerStatusPort(uint32_t nDevice) { return Find(nDevice) ? 0 : kNoSynth; }

uint32_t HostSequencerPlay(uint32_t nDevice, HostWindow hNotify) {
    Tune* pTune = Find(nDevice);
    if (pTune == nullptr) return kNoSynth;
    if (pTune->pPlayer != nullptr && (pTune->bRewind || fluid_player_get_status(pTune->pPlayer) == FLUID_PLAYER_DONE))
        DeletePlayer(*pTune);
    if (pTune->pPlayer == nullptr) {
        SDL_LockAudioDevice(MusicSynth.nDevice);
        pTune->pPlayer = new_fluid_player(MusicSynth.pSynth);
        const bool bLoaded = pTune->pPlayer != nullptr && fluid_player_add(pTune->pPlayer, pTune->szPath.c_str()) == FLUID_OK;
        SDL_UnlockAudioDevice(MusicSynth.nDevice);
        if (!bLoaded) {
            DeletePlayer(*pTune);
            return kNoSynth;
        }
    }
    pTune->bRewind = false;
    SDL_LockAudioDevice(MusicSynth.nDevice);
    const bool bPlaying = fluid_player_play(pTune->pPlayer) == FLUID_OK;
    SDL_UnlockAudioDevice(MusicSynth.nDevice);
    if (!bPlaying) return kNoSynth;
    pTune->bPlaying = true;
    pTune->bNotify = hNotify != nullptr;
    return 0;
}

uint32_t HostSequencerSeekToStart(uint32_t nDevice) {
    Tune* pTune = Find(nDevice);
    if (pTune == nullptr) return kNoSynth;
    // A seek ends a play in progress, without a notification of its own.
    DeletePlayer(*pTune);
    pTune->bPlaying = pTune->bNotify = false;
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
    pTune->bPlaying = pTune->bNotify = false;
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
