// The host seam on Win32, sound: one WINMM wave output playing the WAVE
// resources in place.

#include <windows.h>
#include <mmsystem.h>

#include "host/host.h"
#include "host/wave_sound.h"

namespace {

struct WaveHostState {
    // One sound output, opened at the first sound and kept: under Wine every
    // asynchronous PlaySound starts threads of its own and opens the device
    // anew, which cost more than all of the show's drawing.
    HWAVEOUT hWaveOut;
    WAVEFORMATEX waveFormat;  // of the open output
    WAVEHDR waveHeader;       // the sound playing, read in place from its resource
    bool bWaveOpenFailed;
    DWORD nWaveOpenFailedAt;  // GetTickCount of the last failed open
};
WaveHostState Wave;

// A missing sound device is asked again only after this long, as every
// failed open costs a thread under Wine.
constexpr DWORD kWaveOpenRetryMs = 10000;

bool OpenWaveOut(const WAVEFORMATEX& format) {
    if (Wave.bWaveOpenFailed && GetTickCount() - Wave.nWaveOpenFailedAt < kWaveOpenRetryMs) return false;
    WAVEFORMATEX wanted = format;
    Wave.bWaveOpenFailed = waveOutOpen(&Wave.hWaveOut, WAVE_MAPPER, &wanted, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR;
    if (Wave.bWaveOpenFailed) {
        Wave.hWaveOut = nullptr;
        Wave.nWaveOpenFailedAt = GetTickCount();
        return false;
    }
    Wave.waveFormat = format;
    return true;
}

bool SameWaveFormat(const WAVEFORMATEX& a, const WAVEFORMATEX& b) {
    return a.nChannels == b.nChannels && a.nSamplesPerSec == b.nSamplesPerSec &&
           a.nAvgBytesPerSec == b.nAvgBytesPerSec && a.nBlockAlign == b.nBlockAlign &&
           a.wBitsPerSample == b.wBitsPerSample;
}

// Cuts off the sound playing and gives its header back.
void StopWave() {
    if (Wave.hWaveOut == nullptr || (Wave.waveHeader.dwFlags & WHDR_PREPARED) == 0) return;
    waveOutReset(Wave.hWaveOut);
    waveOutUnprepareHeader(Wave.hWaveOut, &Wave.waveHeader, sizeof Wave.waveHeader);
    Wave.waveHeader = {};
}

}  // namespace

void HostPlayWave(int nResourceId) {
    // A new sound cuts off the one playing, even when it cannot play itself.
    StopWave();
    const HostResource resource = HostFindResource(kHostResourceWave, nResourceId);
    const WaveSound sound = FindWaveSound(resource.pData, resource.nSize);
    if (!sound.bValid) return;
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = sound.nChannels;
    format.nSamplesPerSec = sound.nSamplesPerSec;
    format.nAvgBytesPerSec = sound.nAvgBytesPerSec;
    format.nBlockAlign = sound.nBlockAlign;
    format.wBitsPerSample = sound.nBitsPerSample;
    if (Wave.hWaveOut != nullptr && !SameWaveFormat(format, Wave.waveFormat)) HostReleaseSound();
    if (Wave.hWaveOut == nullptr && !OpenWaveOut(format)) return;
    Wave.waveHeader = {};
    // The output only reads the samples; the resource stays unchanged.
    Wave.waveHeader.lpData = reinterpret_cast<LPSTR>(const_cast<uint8_t*>(sound.pSamples));
    Wave.waveHeader.dwBufferLength = DWORD(sound.nSampleBytes);
    if (waveOutPrepareHeader(Wave.hWaveOut, &Wave.waveHeader, sizeof Wave.waveHeader) != MMSYSERR_NOERROR) {
        Wave.waveHeader = {};
        return;
    }
    if (waveOutWrite(Wave.hWaveOut, &Wave.waveHeader, sizeof Wave.waveHeader) != MMSYSERR_NOERROR) StopWave();
}

void HostReleaseSound() {
    if (Wave.hWaveOut == nullptr) return;
    StopWave();
    waveOutClose(Wave.hWaveOut);
    Wave.hWaveOut = nullptr;
}
