// A small synthesis toolkit for the show's sound effects: seeded noise,
// oscillators, filters, envelopes, a room tail and the final levelling.
// Everything is plain double arithmetic with fixed seeds, so a sound comes
// out byte for byte the same on every run.
#pragma once

#include "pieces.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace snd {

constexpr double kRate = kSampleRate;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

using Buffer = std::vector<float>;

inline int SampleAt(double dSeconds) { return static_cast<int>(dSeconds * kRate + 0.5); }
inline double TimeOf(int nSample) { return nSample / kRate; }
double DbToGain(double dDb);

// ---- Noise -------------------------------------------------------------

// xorshift32: the same stream for the same seed on every platform.
struct Noise {
    uint32_t nState;
    explicit Noise(uint32_t nSeed) : nState(nSeed ? nSeed : 0x9E3779B9u) {}
    uint32_t Next() {
        nState ^= nState << 13;
        nState ^= nState >> 17;
        nState ^= nState << 5;
        return nState;
    }
    double White() { return Next() * (2.0 / 4294967295.0) - 1.0; }  // -1..1
    double Uniform(double dLow, double dHigh) { return dLow + (dHigh - dLow) * Next() * (1.0 / 4294967295.0); }
};

// Noise that wanders slowly (white noise through a one-pole low-pass),
// scaled back to about -1..1: jitter, wobble, gusts.
struct Drift {
    Noise noise;
    double dState = 0.0, dCoef;
    Drift(uint32_t nSeed, double dHz);
    double Next();
};

// ---- Oscillators -------------------------------------------------------

// A phase accumulator in cycles; the oscillators read its phase.
struct Phase {
    double dCycles = 0.0;
    double dIncrement = 0.0;
    double Step(double dHz) {
        dIncrement = dHz / kRate;
        dCycles += dIncrement;
        dCycles -= static_cast<int>(dCycles);
        return dCycles;
    }
};

double Sine(double dPhase);
// Band-limited sawtooth (polyBLEP): bright but without aliasing whistles.
double Saw(const Phase& phase);

// ---- Filters -----------------------------------------------------------

struct OnePole {
    double dState = 0.0;
    double LowPass(double dIn, double dHz);
    double HighPass(double dIn, double dHz) { return dIn - LowPass(dIn, dHz); }
};

// RBJ biquads; the coefficients may be reset every sample for sweeps.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    void SetLowPass(double dHz, double dQ);
    void SetHighPass(double dHz, double dQ);
    void SetBandPass(double dHz, double dQ);  // 0 dB at the centre
    double Process(double dIn);
};

// Second-order resonator with unity gain at DC: the formant stage of the
// voices and the body of wood and metal.
struct Resonator {
    double a = 1, b = 0, c = 0, y1 = 0, y2 = 0;
    void Set(double dHz, double dBandwidthHz);
    double Process(double dIn);
};

// ---- Envelopes ---------------------------------------------------------

// Piecewise linear through (seconds, value) points, flat outside them.
struct Curve {
    std::vector<std::pair<double, double>> points;
    Curve() = default;
    Curve(std::initializer_list<std::pair<double, double>> list) : points(list) {}
    double At(double dSeconds) const;
};

// A sharp attack followed by an exponential decay, zero before dStart.
double Strike(double dSeconds, double dStart, double dAttack, double dDecay);
// Raised-cosine rise from 0 to 1 over [dStart, dStart + dLength], in any
// unit (seconds, samples).
double Rise(double dAt, double dStart, double dLength);

// ---- Mixing and finishing ----------------------------------------------

// Calls fnSample(t) for every sample from dAt on for dLength seconds (t from
// 0 at dAt) and mixes what it returns into out; what lies outside is skipped.
template <class Fn>
void Render(Buffer& out, double dAt, double dLength, Fn fnSample) {
    const int nStart = std::max(0, SampleAt(dAt));
    const int nEnd = std::min(static_cast<int>(out.size()), SampleAt(dAt + dLength));
    for (int i = nStart; i < nEnd; ++i) out[i] += static_cast<float>(fnSample(TimeOf(i) - dAt));
}

// Mixes src into dst starting at dSeconds; what runs past the end is dropped.
void AddAt(Buffer& dst, const Buffer& src, double dSeconds, double dGain);

// A short outdoor-sized tail (parallel combs into allpasses), mixed in.
void AddRoom(Buffer& buffer, double dWet, double dFeedback, double dDamping);

// Soft saturation, for weight on small speakers.
double Drive(double dIn, double dAmount);

// Levels the effect and makes it safe: scales its loudest 200 ms to the
// common loudness (plus dTrimDb), limits the peaks to the ceiling, and
// fades both ends to exact silence.
void Finish(Buffer& buffer, double dTrimDb, double dFadeInSeconds, double dFadeOutSeconds);

// Loudness as Finish measures it: RMS of the loudest 200 ms window after
// A-weighting, in dB.
double LoudestWindowDb(const Buffer& buffer);

constexpr double kLoudnessDb = -16.0;  // common loudness of every effect
constexpr double kCeiling = 0.84;  // -1.5 dBFS, under the writer's own soft knee

}  // namespace snd
