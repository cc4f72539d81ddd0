// Sound parts that several effects share: gunfire, water, wood, gulls,
// brass and drums. Each mixes itself into a buffer at a given time.
#pragma once

#include "dsp.h"

#include <cstdint>

namespace snd {

// A muzzle crack, a falling low boom and a rumbling tail. dPitch scales the
// boom (below 1 a heavier gun).
void AddCannonShot(Buffer& out, double dAt, double dGain, double dPitch, uint32_t nSeed);

// One air bubble: a short sine chirp that rises as the bubble nears the top.
void AddBubble(Buffer& out, double dAt, double dHz, double dDecay, double dGain);

// A body or a ball entering water: the smack, the plunge, spray falling
// back and a scatter of small bubbles. dSize 1 is a man falling in.
void AddSplash(Buffer& out, double dAt, double dSize, double dGain, uint32_t nSeed);

// Timber under strain: stick-slip pulses ringing the resonances of a hull.
// dRate is the pulse rate in Hz (the creak's pitch), dLength its duration.
void AddCreak(Buffer& out, double dAt, double dLength, double dRate, double dGain, uint32_t nSeed);

// Splintering wood: a cluster of sharp cracks with woody ring.
void AddSplinters(Buffer& out, double dAt, double dLength, double dGain, uint32_t nSeed);

// Water moving in bulk (a swell, an inrush, churning): low-passed noise
// whose level wanders slowly by up to dDepth, rising in over dRise seconds.
void AddSurge(Buffer& out, double dAt, double dLength, double dCutoffHz, double dWanderHz, double dDepth, double dRise,
              double dGain, uint32_t nSeed);

// One wave rolling in, breaking, and hissing back over dLength seconds.
void AddWave(Buffer& out, double dAt, double dLength, double dGain, uint32_t nSeed);

// A herring gull's "kyow", dPitch scaling its pitch.
void AddGullCall(Buffer& out, double dAt, double dLength, double dPitch, double dGain, uint32_t nSeed);

// A brass note: a sawtooth whose brightness follows its loudness.
void AddBrassNote(Buffer& out, double dAt, double dLength, double dHz, double dGain);

// One snare stroke and one kettle-drum stroke.
void AddSnareStroke(Buffer& out, double dAt, double dGain, uint32_t nSeed);
void AddTimpaniStroke(Buffer& out, double dAt, double dHz, double dGain, uint32_t nSeed);

// A crash cymbal: bright noise plus a cluster of detuned square partials.
void AddCymbal(Buffer& out, double dAt, double dDecay, double dGain, uint32_t nSeed);

}  // namespace snd
