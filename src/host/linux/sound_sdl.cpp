// The WAVE cues through one SDL audio output, opened at the first sound in
// that sound's format and kept until shut-down: each sound cuts off the one
// playing, so at most one plays at a time.

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "host/linux/linux_host.h"
#include "host/wave_sound.h"

namespace {

struct SoundOutState {
    SDL_AudioDeviceID nDevice = 0;
    SDL_AudioSpec obtained = {};
    bool bFailed = false;  // the cues are then silent
};
SoundOutState SoundOut;

SDL_AudioFormat FormatOf(const WaveSound& sound) {
    return sound.nBitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
}

}  // namespace

void HostPlayWave(int nResourceId) {
    const HostResource resource = HostFindResource(kHostResourceWave, nResourceId);
    const WaveSound sound = FindWaveSound(resource.pData, resource.nSize);
    if (!sound.bValid || (sound.nBitsPerSample != 8 && sound.nBitsPerSample != 16)) return;
    SDL_AudioSpec wanted = {};
    wanted.freq = int(sound.nSamplesPerSec);
    wanted.format = FormatOf(sound);
    wanted.channels = uint8_t(sound.nChannels);
    wanted.samples = 1024;
    if (SoundOut.nDevice != 0 &&
        (SoundOut.obtained.freq != wanted.freq || SoundOut.obtained.format != wanted.format ||
         SoundOut.obtained.channels != wanted.channels))
        HostReleaseSound();
    if (SoundOut.nDevice == 0) {
        if (SoundOut.bFailed) return;
        {
            QuietStderr quiet;
            SoundOut.nDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, &SoundOut.obtained, 0);
        }
        if (SoundOut.nDevice == 0) {
            SoundOut.bFailed = true;
            SaySilent(std::string("no audio output (") + SDL_GetError() + "); the show runs silent");
            return;
        }
    }
    SDL_ClearQueuedAudio(SoundOut.nDevice);
    SDL_QueueAudio(SoundOut.nDevice, sound.pSamples, uint32_t(sound.nSampleBytes));
    SDL_PauseAudioDevice(SoundOut.nDevice, 0);
}

void HostReleaseSound() {
    if (SoundOut.nDevice == 0) return;
    SDL_CloseAudioDevice(SoundOut.nDevice);
    SoundOut.nDevice = 0;
}

void SaySilent(const std::string& szWhy) {
    if (LinuxHost.bSilenceSaid) return;
    LinuxHost.bSilenceSaid = true;
    std::fprintf(stderr, "harborgast: %s\n", szWhy.c_str());
}

QuietStderr::QuietStderr() {
    std::fflush(stderr);
    nSaved = dup(2);
    const int nNull = open("/dev/null", O_WRONLY);
    if (nNull >= 0) {
        dup2(nNull, 2);
        close(nNull);
    }
}

QuietStderr::~QuietStderr() {
    std::fflush(stderr);
    if (nSaved >= 0) {
        dup2(nSaved, 2);
        close(nSaved);
    }
}
