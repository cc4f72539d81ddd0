// The synthesis toolkit behind the sound effects (see dsp.h).
#include "dsp.h"

#include <algorithm>
#include <cmath>

namespace snd {

double DbToGain(double dDb) { return std::pow(10.0, dDb / 20.0); }

Drift::Drift(uint32_t nSeed, double dHz) : noise(nSeed), dCoef(1.0 - std::exp(-kTwoPi * dHz / kRate)) {}

double Drift::Next() {
    dState += dCoef * (noise.White() - dState);
    // A one-pole low-pass shrinks white noise by about sqrt(coef / 2).
    return dState / std::sqrt(dCoef * 0.5) * 0.35;
}

double Sine(double dPhase) { return std::sin(kTwoPi * dPhase); }

static double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double Saw(const Phase& phase) {
    return 2.0 * phase.dCycles - 1.0 - PolyBlep(phase.dCycles, std::max(phase.dIncrement, 1e-9));
}

double OnePole::LowPass(double dIn, double dHz) {
    double dCoef = 1.0 - std::exp(-kTwoPi * std::min(dHz, kRate * 0.45) / kRate);
    dState += dCoef * (dIn - dState);
    return dState;
}

namespace {
struct BiquadShape {
    double dCos, dAlpha;
};
BiquadShape Shape(double dHz, double dQ) {
    double dW = kTwoPi * std::clamp(dHz, 10.0, kRate * 0.45) / kRate;
    return {std::cos(dW), std::sin(dW) / (2.0 * dQ)};
}
}  // namespace

void Biquad::SetLowPass(double dHz, double dQ) {
    BiquadShape s = Shape(dHz, dQ);
    double a0 = 1.0 + s.dAlpha;
    b0 = (1.0 - s.dCos) / 2.0 / a0;
    b1 = (1.0 - s.dCos) / a0;
    b2 = b0;
    a1 = -2.0 * s.dCos / a0;
    a2 = (1.0 - s.dAlpha) / a0;
}

void Biquad::SetHighPass(double dHz, double dQ) {
    BiquadShape s = Shape(dHz, dQ);
    double a0 = 1.0 + s.dAlpha;
    b0 = (1.0 + s.dCos) / 2.0 / a0;
    b1 = -(1.0 + s.dCos) / a0;
    b2 = b0;
    a1 = -2.0 * s.dCos / a0;
    a2 = (1.0 - s.dAlpha) / a0;
}

void Biquad::SetBandPass(double dHz, double dQ) {
    BiquadShape s = Shape(dHz, dQ);
    double a0 = 1.0 + s.dAlpha;
    b0 = s.dAlpha / a0;
    b1 = 0.0;
    b2 = -s.dAlpha / a0;
    a1 = -2.0 * s.dCos / a0;
    a2 = (1.0 - s.dAlpha) / a0;
}

double Biquad::Process(double dIn) {
    double dOut = b0 * dIn + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = dIn;
    y2 = y1;
    y1 = dOut;
    return dOut;
}

void Resonator::Set(double dHz, double dBandwidthHz) {
    double dR = std::exp(-kPi * dBandwidthHz / kRate);
    c = -dR * dR;
    b = 2.0 * dR * std::cos(kTwoPi * std::min(dHz, kRate * 0.45) / kRate);
    a = 1.0 - b - c;
}

double Resonator::Process(double dIn) {
    double dOut = a * dIn + b * y1 + c * y2;
    y2 = y1;
    y1 = dOut;
    return dOut;
}

double Curve::At(double dSeconds) const {
    if (points.empty()) return 0.0;
    if (dSeconds <= points.front().first) return points.front().second;
    for (size_t i = 1; i < points.size(); ++i) {
        if (dSeconds < points[i].first) {
            const auto& [t0, v0] = points[i - 1];
            const auto& [t1, v1] = points[i];
            return v0 + (v1 - v0) * (dSeconds - t0) / (t1 - t0);
        }
    }
    return points.back().second;
}

double Strike(double dSeconds, double dStart, double dAttack, double dDecay) {
    double t = dSeconds - dStart;
    if (t < 0.0) return 0.0;
    if (t < dAttack) return t / dAttack;
    return std::exp(-(t - dAttack) / dDecay);
}

double Rise(double dAt, double dStart, double dLength) {
    double t = (dAt - dStart) / dLength;
    if (t <= 0.0) return 0.0;
    if (t >= 1.0) return 1.0;
    return 0.5 - 0.5 * std::cos(kPi * t);
}

void AddAt(Buffer& dst, const Buffer& src, double dSeconds, double dGain) {
    size_t nStart = static_cast<size_t>(std::max(0, SampleAt(dSeconds)));
    for (size_t i = 0; i < src.size() && nStart + i < dst.size(); ++i) dst[nStart + i] += static_cast<float>(src[i] * dGain);
}

void AddRoom(Buffer& buffer, double dWet, double dFeedback, double dDamping) {
    // Mutually prime delays around 25-31 ms and two diffusing allpasses.
    static const int kCombDelays[] = {557, 593, 641, 677};
    static const int kAllpassDelays[] = {277, 219};
    std::vector<std::vector<double>> combs, allpasses;
    for (int n : kCombDelays) combs.emplace_back(n, 0.0);
    for (int n : kAllpassDelays) allpasses.emplace_back(n, 0.0);
    double adDamp[4] = {0, 0, 0, 0};
    size_t anPos[4] = {0, 0, 0, 0}, anAp[2] = {0, 0};
    for (float& fSample : buffer) {
        double dIn = fSample * 0.25, dSum = 0.0;
        for (int c = 0; c < 4; ++c) {
            double dOut = combs[c][anPos[c]];
            adDamp[c] = dOut * (1.0 - dDamping) + adDamp[c] * dDamping;
            combs[c][anPos[c]] = dIn + adDamp[c] * dFeedback;
            anPos[c] = (anPos[c] + 1) % combs[c].size();
            dSum += dOut;
        }
        for (int a = 0; a < 2; ++a) {
            double dDelayed = allpasses[a][anAp[a]];
            allpasses[a][anAp[a]] = dSum + dDelayed * 0.5;
            dSum = dDelayed - dSum;
            anAp[a] = (anAp[a] + 1) % allpasses[a].size();
        }
        fSample = static_cast<float>(fSample + dSum * dWet);
    }
}

double Drive(double dIn, double dAmount) { return std::tanh(dIn * dAmount) / std::tanh(dAmount); }

namespace {

// A first-order section, the bilinear image of s / (s + w) or w / (s + w).
struct FirstOrder {
    double b0, b1, a1, x1 = 0.0, y1 = 0.0;
    FirstOrder(double dPoleHz, bool bHighPass) {
        const double dK = 2.0 * kRate, dW = kTwoPi * dPoleHz;
        b0 = (bHighPass ? dK : dW) / (dK + dW);
        b1 = (bHighPass ? -dK : dW) / (dK + dW);
        a1 = (dW - dK) / (dK + dW);
    }
    double Process(double dIn) {
        double dOut = b0 * dIn + b1 * x1 - a1 * y1;
        x1 = dIn;
        y1 = dOut;
        return dOut;
    }
};

// The A-weighting curve of sound level meters: the ear's dullness to bass
// (-19 dB at 100 Hz, -30 dB at 50 Hz) and its slight lift at 2-4 kHz. Its
// top pole lies above this rate's Nyquist frequency and is left out.
std::vector<double> AWeighted(const Buffer& buffer) {
    FirstOrder aSections[] = {{20.6, true}, {20.6, true}, {107.7, true}, {737.9, true}};
    // Unity gain at 1 kHz, as the curve is defined.
    double dGainAt1k = 1.0;
    for (const FirstOrder& f : aSections) {
        const double dW = kTwoPi * 1000.0 / kRate;
        const double dNumRe = f.b0 + f.b1 * std::cos(dW), dNumIm = -f.b1 * std::sin(dW);
        const double dDenRe = 1.0 + f.a1 * std::cos(dW), dDenIm = -f.a1 * std::sin(dW);
        dGainAt1k *= std::sqrt((dNumRe * dNumRe + dNumIm * dNumIm) / (dDenRe * dDenRe + dDenIm * dDenIm));
    }
    std::vector<double> weighted(buffer.size());
    for (size_t i = 0; i < buffer.size(); ++i) {
        double d = buffer[i] / dGainAt1k;
        for (FirstOrder& f : aSections) d = f.Process(d);
        weighted[i] = d;
    }
    return weighted;
}

// Gain that keeps every sample under the ceiling: it looks ahead over the
// attack so that it is already down when a peak arrives, and recovers
// smoothly, so that transients are tamed without crackle.
std::vector<double> LimiterGain(const std::vector<double>& samples) {
    const int nCount = static_cast<int>(samples.size());
    const int nAhead = SampleAt(0.0015);
    const double dRelease = std::exp(-1.0 / (0.06 * kRate));
    std::vector<double> need(nCount), gain(nCount);
    for (int i = 0; i < nCount; ++i) need[i] = std::min(1.0, kCeiling / std::max(1e-9, std::fabs(samples[i])));
    // Walking backwards: each dip is approached along a straight ramp that
    // starts nAhead samples before it.
    double dLevel = 1.0, dSlope = 0.0;
    for (int i = nCount - 1; i >= 0; --i) {
        dLevel = std::min(1.0, dLevel + dSlope);
        if (need[i] < dLevel) {
            dLevel = need[i];
            dSlope = (1.0 - need[i]) / nAhead;
        }
        gain[i] = dLevel;
    }
    double dHeld = 1.0;
    for (int i = 0; i < nCount; ++i) {
        dHeld = std::min(gain[i], 1.0 - (1.0 - dHeld) * dRelease);
        gain[i] = dHeld;
    }
    return gain;
}

}  // namespace

double LoudestWindowDb(const Buffer& buffer) {
    std::vector<double> weighted = AWeighted(buffer);
    const size_t nWindow = static_cast<size_t>(SampleAt(0.2)), nHop = static_cast<size_t>(SampleAt(0.005));
    std::vector<double> energy(weighted.size() + 1, 0.0);
    for (size_t i = 0; i < weighted.size(); ++i) energy[i + 1] = energy[i] + weighted[i] * weighted[i];
    double dLoudest = 0.0;
    for (size_t nStart = 0; nStart == 0 || nStart + nWindow <= weighted.size(); nStart += nHop)
        dLoudest = std::max(dLoudest, energy[std::min(weighted.size(), nStart + nWindow)] - energy[nStart]);
    // Short sounds count as part of a full window: they sound quieter.
    return 10.0 * std::log10(std::max(dLoudest / static_cast<double>(nWindow), 1e-20));
}

void Finish(Buffer& buffer, double dTrimDb, double dFadeInSeconds, double dFadeOutSeconds) {
    const double dTarget = kLoudnessDb + dTrimDb;
    if (LoudestWindowDb(buffer) < -150.0) return;
    const int nCount = static_cast<int>(buffer.size());
    const int nFadeIn = std::max(1, SampleAt(dFadeInSeconds)), nFadeOut = std::max(1, SampleAt(dFadeOutSeconds));
    std::vector<double> source(buffer.begin(), buffer.end());
    // Limiting takes loudness away with the peaks: level, limit, measure
    // again and correct until the result sits at the target.
    double dGain = DbToGain(dTarget - LoudestWindowDb(buffer));
    for (int nPass = 0; nPass < 6; ++nPass) {
        std::vector<double> scaled(nCount);
        for (int i = 0; i < nCount; ++i) scaled[i] = source[i] * dGain;
        std::vector<double> limit = LimiterGain(scaled);
        for (int i = 0; i < nCount; ++i) {
            double d = scaled[i] * limit[i];
            // Fades reach exact silence on the first and last sample.
            if (i < nFadeIn) d *= Rise(i, 0, nFadeIn);
            if (nCount - 1 - i < nFadeOut) d *= Rise(nCount - 1 - i, 0, nFadeOut);
            buffer[i] = static_cast<float>(std::clamp(d, -kCeiling, kCeiling));
        }
        const double dMissing = dTarget - LoudestWindowDb(buffer);
        if (std::fabs(dMissing) < 0.1) break;
        dGain *= DbToGain(dMissing);
    }
}

}  // namespace snd
