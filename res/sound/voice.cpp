// The formant voice (see voice.h).
#include "voice.h"

#include <algorithm>
#include <cmath>

namespace snd {

Buffer Speak(const Utterance& utterance) {
    double dLength = 0.06;  // release after the last phone
    for (const Phone& phone : utterance.phones) dLength += phone.dSeconds;
    Buffer out(static_cast<size_t>(SampleAt(dLength)), 0.0f);

    Noise breath(utterance.nSeed);
    Drift jitter(utterance.nSeed * 7 + 1, 30.0), shimmer(utterance.nSeed * 13 + 5, 45.0);
    Phase glottis;
    bool bOddCycle = false;
    double dPreviousCycle = 0.0;
    OnePole tilt, chest, dcBlock;
    // Tract shape and loudness glide rather than jump between phones.
    OnePole aShape[4], voicedGlide, breathGlide, hissGlide;
    // Parallel formants: each level set directly, so a yell can carry its
    // upper formants as strongly as real shouting does.
    Biquad aTract[4];
    const double adBandwidth[4] = {100.0, 130.0, 200.0, 280.0};
    const double adLevel[4] = {1.0, 1.8, 1.2 + 1.6 * utterance.dBright, 0.8 + 1.6 * utterance.dBright};
    Biquad hissBand;

    // Start in the first phone's mouth shape, not gliding up from nothing.
    if (!utterance.phones.empty()) {
        const Vowel& first = utterance.phones[0].vowel;
        const double adFirst[4] = {first.f1, first.f2, first.f3, first.f4};
        for (int f = 0; f < 4; ++f) aShape[f].dState = adFirst[f] * utterance.dTract;
    }

    size_t nPhone = 0;
    double dPhoneEnd = utterance.phones.empty() ? 0.0 : utterance.phones[0].dSeconds;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = TimeOf(static_cast<int>(i));
        while (nPhone + 1 < utterance.phones.size() && t >= dPhoneEnd) dPhoneEnd += utterance.phones[++nPhone].dSeconds;
        const Phone& phone = utterance.phones[nPhone];
        bool bSounding = t < dPhoneEnd;

        const double adTarget[4] = {phone.vowel.f1, phone.vowel.f2, phone.vowel.f3, phone.vowel.f4};
        for (int f = 0; f < 4; ++f) {
            double dHz = std::min(aShape[f].LowPass(adTarget[f] * utterance.dTract, 9.0), kRate * 0.42);
            aTract[f].SetBandPass(dHz, dHz / (adBandwidth[f] * std::max(1.0, utterance.dTract)));
        }
        double dVoiced = voicedGlide.LowPass(bSounding ? phone.dVoiced : 0.0, 25.0);
        double dBreath = breathGlide.LowPass(bSounding ? phone.dBreath : 0.0, 30.0);
        double dHiss = hissGlide.LowPass(bSounding ? phone.dHiss : 0.0, 40.0);

        double dPitch = utterance.pitch.At(t) * (1.0 + utterance.dVibrato * std::sin(kTwoPi * 5.5 * t)) *
                        (1.0 + 0.04 * utterance.dRough * jitter.Next());
        double dCycle = glottis.Step(dPitch);
        if (dCycle < dPreviousCycle) bOddCycle = !bOddCycle;
        dPreviousCycle = dCycle;
        // Every other cycle weaker: the rough undertone of a growl.
        double dBuzz = Saw(glottis) * (bOddCycle ? 1.0 - 0.6 * utterance.dRough : 1.0);
        dBuzz *= 1.0 + 0.5 * utterance.dRough * shimmer.Next();
        dBuzz = tilt.LowPass(dBuzz, 600.0 + 3400.0 * utterance.dBright);

        double dSource = dBuzz * dVoiced + breath.White() * dBreath * 0.08;
        // The low harmonics pass below the first formant too: the chest.
        double dOut = chest.LowPass(dBuzz * dVoiced, 250.0) * 0.15;
        for (int f = 0; f < 4; ++f) dOut += aTract[f].Process(dSource) * adLevel[f] * (f % 2 ? -1.0 : 1.0);
        if (phone.dHissHz > 0.0) hissBand.SetBandPass(phone.dHissHz, 1.2);
        dOut += hissBand.Process(breath.White()) * dHiss * 0.1;
        out[i] = static_cast<float>(dcBlock.HighPass(dOut, 70.0));
    }
    double dGain = DbToGain(-12.0 - LoudestWindowDb(out));
    for (float& f : out) f = static_cast<float>(f * dGain);
    return out;
}

}  // namespace snd
