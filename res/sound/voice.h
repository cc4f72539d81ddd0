// A formant voice for the shouts, cries and laughter of the crews: a
// glottal buzz and breath noise shaped by parallel vocal-tract resonances
// that glide from one vowel to the next.
#pragma once

#include "dsp.h"

#include <cstdint>
#include <vector>

namespace snd {

// Formant frequencies (Hz) of one mouth shape, for a grown man's tract.
struct Vowel {
    double f1, f2, f3, f4;
};

namespace vowel {
constexpr Vowel kA{750, 1150, 2500, 3400};   // "ah"
constexpr Vowel kE{550, 1800, 2500, 3400};   // "eh"
constexpr Vowel kI{300, 2250, 3000, 3600};   // "ee"
constexpr Vowel kO{520, 850, 2450, 3300};    // "oh"
constexpr Vowel kU{330, 900, 2300, 3300};    // "oo"
constexpr Vowel kUh{620, 1200, 2450, 3400};  // the neutral "uh"
constexpr Vowel kR{480, 1300, 1650, 3200};   // the growled "rr"
}  // namespace vowel

// One stretch of an utterance: the mouth shape held for dSeconds and how
// it is sounded. Neighbouring phones blend into each other.
struct Phone {
    double dSeconds;
    Vowel vowel;
    double dVoiced;       // buzz of the vocal folds, 0..1
    double dBreath;       // breath noise through the tract ("h"), 0..1
    double dHiss = 0.0;   // frication at the lips or teeth ("f", "s"), 0..1
    double dHissHz = 0.0; // centre of that frication
};

struct Utterance {
    std::vector<Phone> phones;
    Curve pitch;              // fundamental in Hz over the utterance's seconds
    double dTract = 1.0;      // formant scale: above 1 a smaller, shriller head
    double dRough = 0.0;      // 0..1: jitter, shimmer, a growling undertone
    double dVibrato = 0.0;    // depth as a ratio of the pitch, at about 5.5 Hz
    double dBright = 0.5;     // 0 soft speech .. 1 a full-throated yell
    uint32_t nSeed = 1;
};

// Renders the utterance (plus a short release), levelled to a loudest-window
// RMS of about -12 dBFS so that several voices mix predictably.
Buffer Speak(const Utterance& utterance);

}  // namespace snd
