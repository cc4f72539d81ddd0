// Finds the format and the samples of a RIFF WAVE resource.

#include "host/wave_sound.h"

#include <cstring>

#include "host/host.h"

namespace {

constexpr uint16_t kPcmFormatTag = 1;
constexpr size_t kPcmFormatBytes = 16;
constexpr size_t kChunkHeaderBytes = 8;

bool IsTag(const uint8_t* p, const char (&szTag)[5]) { return std::memcmp(p, szTag, 4) == 0; }

}  // namespace

WaveSound FindWaveSound(const uint8_t* pData, size_t nSize) {
    WaveSound sound = {};
    if (pData == nullptr || nSize < 12 || !IsTag(pData, "RIFF") || !IsTag(pData + 8, "WAVE")) return sound;
    bool bFormat = false;
    const uint8_t* pSamples = nullptr;
    size_t nSampleBytes = 0;
    size_t nAt = 12;
    while (nSize - nAt >= kChunkHeaderBytes) {
        const uint8_t* pChunk = pData + nAt;
        const size_t nRoom = nSize - nAt - kChunkHeaderBytes;
        size_t nChunkBytes = ReadU32(pChunk + 4);
        if (nChunkBytes > nRoom) nChunkBytes = nRoom;
        const uint8_t* pBody = pChunk + kChunkHeaderBytes;
        // The first "fmt " and the first "data" chunk decide, in whichever
        // order they come, and any later chunk of either kind is skipped: a
        // first format that is short or not PCM leaves the file silent even
        // if a good one follows, and the first samples are the ones played.
        if (IsTag(pChunk, "fmt ") && !bFormat) {
            bFormat = true;
            if (nChunkBytes < kPcmFormatBytes || ReadU16(pBody) != kPcmFormatTag) return sound;
            sound.nChannels = ReadU16(pBody + 2);
            sound.nSamplesPerSec = ReadU32(pBody + 4);
            sound.nAvgBytesPerSec = ReadU32(pBody + 8);
            sound.nBlockAlign = ReadU16(pBody + 12);
            sound.nBitsPerSample = ReadU16(pBody + 14);
        } else if (IsTag(pChunk, "data") && pSamples == nullptr) {
            pSamples = pBody;
            nSampleBytes = nChunkBytes;
        }
        // Chunks start on even offsets.
        const size_t nNext = kChunkHeaderBytes + nChunkBytes + (nChunkBytes & 1);
        if (nNext > nSize - nAt) break;
        nAt += nNext;
    }
    if (!bFormat || pSamples == nullptr || sound.nBlockAlign == 0) return sound;
    sound.pSamples = pSamples;
    sound.nSampleBytes = nSampleBytes - nSampleBytes % sound.nBlockAlign;
    sound.bValid = sound.nSampleBytes > 0;
    return sound;
}
