// Finishing a synthesised sound (soft knee, end ramps, 16-bit samples) and
// writing it as a RIFF WAVE file.

#include "wave.h"

#include <cmath>
#include <cstring>

namespace {

// Peaks above the knee are bent smoothly towards full scale instead of
// clipping hard, which would crackle.
constexpr double kKnee = 0.85;
// Short raised-cosine ramps at both ends, so a cut-off never clicks.
constexpr int kFadeInSamples = kSampleRate / 1000;     // 1 ms: keeps attacks sharp
constexpr int kFadeOutSamples = kSampleRate * 8 / 1000;  // 8 ms

double SoftClip(double x) {
    double a = std::fabs(x);
    if (a <= kKnee) return x;
    double bent = kKnee + (1.0 - kKnee) * std::tanh((a - kKnee) / (1.0 - kKnee));
    return x < 0 ? -bent : bent;
}

double Ramp(int nPos, int nLength) { return 0.5 - 0.5 * std::cos(M_PI * (nPos + 0.5) / nLength); }

}  // namespace

int SoundSampleCount(double dSeconds) { return int(std::lround(dSeconds * kSampleRate)); }

bool SynthesiseSound(const SoundPiece& piece, std::vector<int16_t>& pcm, std::string& szError) {
    const int n = SoundSampleCount(piece.dSeconds);
    std::vector<float> samples(n, 0.0f);
    piece.pfnSynth(samples, n);
    if (int(samples.size()) != n) {
        szError = "synthesis returned " + std::to_string(samples.size()) + " samples, expected " +
                  std::to_string(n);
        return false;
    }
    pcm.assign(n, 0);
    for (int i = 0; i < n; ++i) {
        double x = samples[i];
        if (!std::isfinite(x)) {
            szError = "sample " + std::to_string(i) + " is not a number";
            return false;
        }
        x = SoftClip(x);
        if (i < kFadeInSamples) x *= Ramp(i, kFadeInSamples);
        if (n - 1 - i < kFadeOutSamples) x *= Ramp(n - 1 - i, kFadeOutSamples);
        pcm[i] = int16_t(std::lround(x * 32767.0));
    }
    return true;
}

Bytes EncodeWave(const std::vector<int16_t>& pcm, const char* szInfoName) {
    Bytes b;
    PutTag(b, "RIFF");
    PutU32(b, 0);  // patched below
    PutTag(b, "WAVE");
    PutTag(b, "fmt ");
    PutU32(b, 16);
    PutU16(b, 1);  // PCM
    PutU16(b, 1);  // mono
    PutU32(b, kSampleRate);
    PutU32(b, kSampleRate * 2);
    PutU16(b, 2);
    PutU16(b, 16);
    PutTag(b, "data");
    PutU32(b, uint32_t(pcm.size() * 2));
    for (int16_t s : pcm) PutU16(b, uint16_t(s));
    if (szInfoName) {
        uint32_t nText = uint32_t(std::strlen(szInfoName) + 1);  // with its terminator
        uint32_t nPadded = (nText + 1) & ~1u;
        PutTag(b, "LIST");
        PutU32(b, 4 + 8 + nPadded);
        PutTag(b, "INFO");
        PutTag(b, "INAM");
        PutU32(b, nText);
        b.insert(b.end(), szInfoName, szInfoName + nText);
        b.resize(b.size() + (nPadded - nText), 0);
    }
    PatchU32(b, 4, uint32_t(b.size() - 8));
    return b;
}
