// The two parts of a RIFF WAVE resource that a sound output needs, found in
// place: the PCM format and the sample bytes.
#pragma once

#include <cstddef>
#include <cstdint>

struct WaveSound {
    bool bValid;  // PCM with at least one whole sample block
    uint16_t nChannels;
    uint32_t nSamplesPerSec;
    uint32_t nAvgBytesPerSec;
    uint16_t nBlockAlign;
    uint16_t nBitsPerSample;
    const uint8_t* pSamples;  // inside the resource
    size_t nSampleBytes;      // whole blocks, within the resource
};

// Reads the "fmt " and "data" chunks of a RIFF WAVE file of nSize bytes,
// skipping any other chunk. Nothing at or beyond nSize is read; a chunk that
// claims more bytes than remain is cut to what remains.
WaveSound FindWaveSound(const uint8_t* pData, size_t nSize);
