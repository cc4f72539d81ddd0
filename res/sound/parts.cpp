// Shared sound parts (see parts.h).
#include "parts.h"

#include <algorithm>
#include <cmath>

namespace snd {

void AddCannonShot(Buffer& out, double dAt, double dGain, double dPitch, uint32_t nSeed) {
    Noise noise(nSeed);
    Biquad crackBand, blastBand, roarBand, rumbleBand;
    crackBand.SetHighPass(1200.0, 0.7);
    roarBand.SetBandPass(520.0 * dPitch, 0.9);
    rumbleBand.SetLowPass(240.0 * dPitch, 0.8);
    Phase boom;
    Render(out, dAt, 1.5, [&](double t) {
        double n = noise.White();
        // The crack: the muzzle's shock wave, a sharp snap across the band.
        double dCrack = crackBand.Process(n) * Strike(t, 0.0, 0.0003, 0.01) * 1.6;
        // The blast: the body of the report, bright at first and darkening
        // fast, held up by a midrange roar that carries it on small speakers.
        blastBand.SetBandPass(500.0 + 2600.0 * std::exp(-t / 0.035), 0.6);
        double dBlast = blastBand.Process(n) * Strike(t, 0.0, 0.001, 0.06) * 2.6;
        double dRoar = roarBand.Process(n) * Strike(t, 0.002, 0.006, 0.16) * 2.6;
        // The boom, driven hard: its overtones give it weight in the mids.
        double dBoomHz = dPitch * (60.0 + 110.0 * std::exp(-t / 0.05));
        double dBoom = Drive(Sine(boom.Step(dBoomHz)) * Strike(t, 0.0, 0.002, 0.14) * 3.0, 3.5) * 0.3;
        // The rumble rolling back off the water.
        double dRumble = rumbleBand.Process(n) * Strike(t, 0.01, 0.04, 0.35) * 1.4;
        return (dCrack + dBlast + dRoar + dBoom + dRumble) * dGain;
    });
}

void AddBubble(Buffer& out, double dAt, double dHz, double dDecay, double dGain) {
    Phase phase;
    Render(out, dAt, dDecay * 6.0, [&](double t) {
        double dEnvelope = Strike(t, 0.0, 0.002, dDecay);
        return Sine(phase.Step(dHz * (1.0 + 1.8 * t / (dDecay * 3.0)))) * dEnvelope * dGain;
    });
}

void AddSplash(Buffer& out, double dAt, double dSize, double dGain, uint32_t nSeed) {
    Noise noise(nSeed);
    Biquad smackBand, sprayBand, fallBand;
    sprayBand.SetBandPass(3200.0, 0.6);
    fallBand.SetLowPass(900.0, 0.7);
    Drift grains(nSeed + 11, 90.0);
    Render(out, dAt, 1.6 * dSize, [&](double t) {
        double n = noise.White();
        smackBand.SetLowPass(900.0 + 6000.0 * std::exp(-t / 0.03), 0.7);
        double dSmack = smackBand.Process(n) * Strike(t, 0.0, 0.002, 0.05 * dSize) * 1.4;
        // Spray is granular: droplets come and go.
        double dGrain = std::max(0.0, grains.Next());
        double dSpray = sprayBand.Process(n) * Strike(t, 0.01, 0.06, 0.25 * dSize) * (0.3 + 2.5 * dGrain);
        double dFall = fallBand.Process(n) * Strike(t, 0.03, 0.08, 0.3 * dSize) * 1.2;
        return (dSmack + dSpray + dFall) * dGain;
    });
    // The plunge: the cavity the body drags down rings as one big bubble.
    AddBubble(out, dAt + 0.015, 170.0 / dSize, 0.05 * dSize, 0.9 * dGain);
    Noise scatter(nSeed + 3);
    for (int b = 0; b < 30; ++b) {
        double dWhen = dAt + 0.06 + scatter.Uniform(0.0, 0.7) * dSize * scatter.Uniform(0.2, 1.0);
        AddBubble(out, dWhen, scatter.Uniform(450.0, 1600.0) / std::sqrt(dSize), scatter.Uniform(0.008, 0.025),
                  scatter.Uniform(0.05, 0.25) * dGain * std::exp(-(dWhen - dAt) / (0.5 * dSize)));
    }
}

void AddCreak(Buffer& out, double dAt, double dLength, double dRate, double dGain, uint32_t nSeed) {
    Noise noise(nSeed);
    Drift wander(nSeed + 5, 3.0);
    // Planks and frames of a hull ring at a handful of low, close modes.
    const double adModeHz[] = {210.0, 455.0, 820.0, 1340.0, 2100.0};
    const double adModeGain[] = {1.0, 0.9, 0.7, 0.45, 0.25};
    Biquad aModes[5];
    for (int m = 0; m < 5; ++m) aModes[m].SetBandPass(adModeHz[m] * (1.0 + 0.03 * noise.White()), 9.0);
    double dToNext = 0.0;
    Render(out, dAt, dLength + 0.15, [&](double t) {
        double dImpulse = 0.0;
        dToNext -= 1.0 / kRate;
        if (dToNext <= 0.0 && t < dLength) {
            // Stick-slip: the next slip comes after a roughly even wait.
            double dRateNow = dRate * (1.0 + 0.35 * wander.Next());
            dToNext += (1.0 + 0.25 * noise.White()) / std::max(5.0, dRateNow);
            dImpulse = noise.Uniform(0.4, 1.0) * 6.0;
        }
        double dEnvelope = Rise(t, 0.0, 0.12 * dLength) * (1.0 - Rise(t, 0.7 * dLength, 0.3 * dLength));
        double dSum = 0.0;
        for (int m = 0; m < 5; ++m) dSum += aModes[m].Process(dImpulse * dEnvelope) * adModeGain[m];
        return dSum * dGain;
    });
}

void AddSplinters(Buffer& out, double dAt, double dLength, double dGain, uint32_t nSeed) {
    Noise noise(nSeed);
    for (int c = 0; c < 14; ++c) {
        // Cracks crowd at the start and thin out.
        double dWhen = dLength * std::pow(noise.Uniform(0.0, 1.0), 2.2);
        double dLevel = std::exp(-dWhen / (0.4 * dLength)) * noise.Uniform(0.4, 1.0);
        double dRing = noise.Uniform(600.0, 2600.0);
        Biquad body, snap;
        body.SetBandPass(dRing, 6.0);
        snap.SetHighPass(2500.0, 0.7);
        Noise grain(nSeed * 31 + c);
        Render(out, dAt + dWhen, 0.12, [&](double t) {
            double n = grain.White() * Strike(t, 0.0, 0.0005, 0.012);
            return (snap.Process(n) * 0.8 + body.Process(n) * 2.5) * dLevel * dGain;
        });
    }
}

void AddSurge(Buffer& out, double dAt, double dLength, double dCutoffHz, double dWanderHz, double dDepth, double dRise,
              double dGain, uint32_t nSeed) {
    Noise noise(nSeed);
    Drift wander(nSeed + 1, dWanderHz);
    Biquad body;
    body.SetLowPass(dCutoffHz, 0.75);
    Render(out, dAt, dLength, [&](double t) {
        return body.Process(noise.White()) * (1.0 + dDepth * wander.Next()) * Rise(t, 0.0, dRise) * dGain;
    });
}

void AddWave(Buffer& out, double dAt, double dLength, double dGain, uint32_t nSeed) {
    Noise noise(nSeed);
    Biquad surge, hiss;
    OnePole swell;
    hiss.SetHighPass(2500.0, 0.6);
    const double dCrest = 0.42 * dLength;
    Render(out, dAt, dLength, [&](double t) {
        double n = noise.White();
        // Rising water brightens towards the break, then foam hisses away.
        double dBuild = Rise(t, 0.0, dCrest);
        double dAfter = std::max(0.0, t - dCrest);
        double dLevel = dBuild * std::exp(-dAfter / (0.28 * dLength));
        surge.SetLowPass(250.0 + 1700.0 * dBuild * std::exp(-dAfter / (0.2 * dLength)), 0.7);
        double dFoam = hiss.Process(n) * Strike(t, dCrest - 0.15, 0.25, 0.3 * dLength) * 0.5;
        double dBody = surge.Process(n) * dLevel * 1.5;
        double dLow = swell.LowPass(n, 120.0) * dLevel * 6.0;
        return (dBody + dFoam + dLow) * (1.0 - Rise(t, 0.75 * dLength, 0.25 * dLength)) * dGain;
    });
}

void AddGullCall(Buffer& out, double dAt, double dLength, double dPitch, double dGain, uint32_t nSeed) {
    Phase phase;
    Drift rasp(nSeed, 120.0);
    Biquad nasal, throat;
    nasal.SetBandPass(2400.0 * dPitch, 2.0);
    throat.SetBandPass(1200.0 * dPitch, 1.5);
    // "kyow": a quick upward flick, then a long slide down.
    Curve pitch{{0.0, 950.0}, {0.12 * dLength, 1500.0}, {0.35 * dLength, 1380.0}, {dLength, 760.0}};
    Render(out, dAt, dLength, [&](double t) {
        double dHz = pitch.At(t) * dPitch * (1.0 + 0.02 * rasp.Next());
        double dBuzz = Saw(phase) * (1.0 + 0.6 * rasp.Next());
        phase.Step(dHz);
        double dEnvelope = Rise(t, 0.0, 0.02) * (1.0 - Rise(t, 0.55 * dLength, 0.45 * dLength));
        return (nasal.Process(dBuzz) + throat.Process(dBuzz) * 0.6) * dEnvelope * dGain;
    });
}

void AddBrassNote(Buffer& out, double dAt, double dLength, double dHz, double dGain) {
    Phase aPhases[2];
    Biquad bell;
    // A tongued attack that overshoots a little before it settles.
    const Curve attack{{0.0, 0.0}, {0.03, 1.15}, {0.08, 1.0}};
    Render(out, dAt, dLength + 0.12, [&](double t) {
        double dLevel = attack.At(t) * (1.0 - Rise(t, dLength - 0.02, 0.12));
        double dVibrato = 1.0 + 0.004 * std::sin(kTwoPi * 5.2 * t) * Rise(t, 0.15, 0.2);
        double dSum = Saw(aPhases[0]) + 0.6 * Saw(aPhases[1]);
        aPhases[0].Step(dHz * dVibrato);
        aPhases[1].Step(dHz * dVibrato * 1.003);
        // Louder brass is brighter: the bell opens with the breath.
        bell.SetLowPass(dHz * (1.5 + 6.0 * dLevel), 0.9);
        return bell.Process(dSum) * dLevel * dGain;
    });
}

void AddSnareStroke(Buffer& out, double dAt, double dGain, uint32_t nSeed) {
    Noise noise(nSeed);
    Biquad wires;
    wires.SetBandPass(4200.0, 0.8);
    Phase head;
    Render(out, dAt, 0.2, [&](double t) {
        double dWires = wires.Process(noise.White()) * Strike(t, 0.0, 0.001, 0.045) * 1.6;
        double dHead = Sine(head.Step(185.0 * (1.0 + 0.3 * std::exp(-t / 0.01)))) * Strike(t, 0.0, 0.001, 0.025) * 0.5;
        return (dWires + dHead) * dGain;
    });
}

void AddTimpaniStroke(Buffer& out, double dAt, double dHz, double dGain, uint32_t nSeed) {
    Noise noise(nSeed);
    Biquad thump;
    thump.SetLowPass(400.0, 0.7);
    Phase aPartials[3];
    const double adRatio[] = {1.0, 1.5, 1.98};
    const double adLevel[] = {1.0, 0.45, 0.25};
    Render(out, dAt, 2.5, [&](double t) {
        double dSum = thump.Process(noise.White()) * Strike(t, 0.0, 0.001, 0.03) * 2.0;
        for (int p = 0; p < 3; ++p)
            dSum += Sine(aPartials[p].Step(dHz * adRatio[p] * (1.0 + 0.04 * std::exp(-t / 0.05)))) * adLevel[p] *
                    Strike(t, 0.0, 0.002, 0.6 / (1.0 + p));
        return dSum * dGain;
    });
}

void AddCymbal(Buffer& out, double dAt, double dDecay, double dGain, uint32_t nSeed) {
    Noise noise(nSeed);
    Biquad sizzle;
    sizzle.SetHighPass(5000.0, 0.7);
    Phase aPartials[6];
    const double adHz[] = {587.0, 845.0, 1213.0, 1571.0, 2217.0, 3104.0};
    Render(out, dAt, dDecay * 5.0, [&](double t) {
        double dMetal = 0.0;
        for (int p = 0; p < 6; ++p) dMetal += aPartials[p].Step(adHz[p]) < 0.5 ? 1.0 : -1.0;
        double dBright = sizzle.Process(noise.White() + 0.08 * dMetal);
        return dBright * Strike(t, 0.0, 0.002, dDecay) * dGain;
    });
}

}  // namespace snd
