// The show's sound effects: each one synthesised from noise, oscillators,
// filters and the formant voice, then levelled to the common loudness.
#include "sounds.h"
#include "dsp.h"
#include "parts.h"
#include "voice.h"
#include "resource_ids.h"

#include <cmath>

namespace {

using namespace snd;

// The battle's key sounds, the guns and their hits, stand a little forward
// of the voices.
constexpr double kGunfireLeadDb = 1.5;

// Fanfare for the title: a snare roll under a bosun's call, then a brass
// flourish in D that lands on a full chord with kettle drum and cymbal.
void SynthOpeningFlourish(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    Noise timing(149);
    int nStroke = 0;
    for (double t = 0.0; t < 1.12; t += 1.0 / 26.0, ++nStroke) {
        double dLevel = (0.2 + 0.8 * t / 1.12) * (nStroke % 2 ? 0.8 : 1.0);
        AddSnareStroke(out, t + 0.003 * timing.White(), dLevel * 0.7, 1490u + nStroke);
    }
    // The pipe: a rise, a warbling hold, a fall.
    Phase pipe;
    const Curve pipeHz{{0.0, 1150.0}, {0.3, 2250.0}, {0.8, 2300.0}, {1.0, 1500.0}};
    Render(out, 0.06, 1.04, [&](double t) {
        double dWarble = 1.0 + 0.05 * std::sin(kTwoPi * 15.0 * t) * Rise(t, 0.35, 0.05) * (1.0 - Rise(t, 0.78, 0.04));
        double ph = pipe.Step(pipeHz.At(t) * dWarble);
        double dLevel = Rise(t, 0.0, 0.04) * (1.0 - Rise(t, 0.9, 0.14));
        return (Sine(ph) + 0.12 * Sine(2.0 * ph)) * dLevel * 0.22;
    });
    // Ta-ta-ta-taaa on A, D, F sharp and the chord of D: the key of the
    // hornpipe that follows it.
    const double adLead[] = {440.00, 587.33, 739.99};
    for (int n = 0; n < 3; ++n) AddBrassNote(out, 1.14 + 0.18 * n, 0.15, adLead[n], 0.22);
    const double adChord[] = {293.66, 369.99, 440.00, 587.33, 880.00};
    for (double dHz : adChord) AddBrassNote(out, 1.68, 1.45, dHz, 0.14);
    AddTimpaniStroke(out, 1.14, 110.0, 0.45, 1491u);
    AddTimpaniStroke(out, 1.68, 146.83, 0.6, 1492u);
    AddCymbal(out, 1.68, 0.45, 0.35, 1493u);
    AddRoom(out, 0.3, 0.78, 0.35);
    Finish(out, 0.0, 0.002, 0.35);
}

void SynthCannonShot(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    AddCannonShot(out, 0.0, 1.0, 1.0, 148u);
    AddRoom(out, 0.25, 0.72, 0.4);
    Finish(out, kGunfireLeadDb, 0.0005, 0.1);
}

// An officer's shouted order: "Fire!".
void SynthOrderToFire(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    // Quick enough to be said before the gun it orders goes off.
    Utterance order{{{0.06, vowel::kI, 0.0, 0.05, 1.0, 3800.0},
                     {0.1, vowel::kA, 1.0, 0.08},
                     {0.08, vowel::kI, 1.0, 0.05},
                     {0.1, vowel::kR, 0.9, 0.1},
                     {0.03, vowel::kR, 0.0, 0.3}},
                    {{0.0, 175.0}, {0.08, 205.0}, {0.17, 215.0}, {0.27, 180.0}, {0.37, 140.0}},
                    1.0, 0.25, 0.01, 0.9, 190u};
    AddAt(out, Speak(order), 0.0, 1.0);
    AddRoom(out, 0.2, 0.7, 0.5);
    Finish(out, 0.0, 0.003, 0.05);
}

// A falling cannonball: band-limited wind whose pitch drops as it passes.
void AddWhistle(Buffer& out, double dAt, double dLength, double dFromHz, double dToHz, double dGain, uint32_t nSeed) {
    Noise noise(nSeed);
    Biquad air;
    Phase tone;
    Render(out, dAt, dLength, [&](double t) {
        double dHz = dFromHz * std::pow(dToHz / dFromHz, t / dLength);
        air.SetBandPass(dHz, 9.0);
        double dLevel = Rise(t, 0.0, 0.7 * dLength) * (1.0 - Rise(t, 0.9 * dLength, 0.1 * dLength));
        return (air.Process(noise.White()) * 1.5 + Sine(tone.Step(dHz)) * 0.15) * dLevel * dGain;
    });
}

// A solid blow into timber: a low thump under a knock that rings the
// wood's modes, so that the blow is heard on small speakers too.
void AddThud(Buffer& out, double dAt, double dHz, double dGain, uint32_t nSeed) {
    Noise noise(nSeed);
    Biquad dull;
    dull.SetLowPass(1800.0, 0.7);
    const double adModeRatio[] = {2.6, 4.7, 7.9};
    const double adModeGain[] = {1.0, 0.7, 0.4};
    Biquad aModes[3];
    for (int m = 0; m < 3; ++m) aModes[m].SetBandPass(dHz * adModeRatio[m], 7.0);
    Phase knock;
    Render(out, dAt, 0.4, [&](double t) {
        double dHit = noise.White() * Strike(t, 0.0, 0.0005, 0.02);
        double dWood = 0.0;
        for (int m = 0; m < 3; ++m) dWood += aModes[m].Process(dHit) * adModeGain[m];
        double dBody = Sine(knock.Step(dHz * (1.0 + 0.6 * std::exp(-t / 0.015)))) * Strike(t, 0.0, 0.001, 0.07);
        return (Drive(dBody * 1.4, 3.0) * 0.3 + dull.Process(dHit) * 2.5 + dWood * 12.0) * dGain;
    });
}

// The navy's ball tears into the galleon's rigging: a rush of air, a spar
// cracking, blocks and splinters rattling down.
void SynthBallInRigging(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    AddWhistle(out, 0.0, 0.07, 1900.0, 1500.0, 0.5, 1911u);
    AddThud(out, 0.06, 75.0, 0.9, 1912u);
    AddSplinters(out, 0.06, 0.3, 0.9, 1913u);
    AddSplinters(out, 0.24, 0.4, 0.3, 1914u);
    AddRoom(out, 0.2, 0.7, 0.4);
    Finish(out, kGunfireLeadDb, 0.002, 0.12);
}

// The galleon's answer strikes home: a short whistle, then a hull breached
// in a crash of splintering planks and a last groan of timber.
void SynthHullBreach(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    AddWhistle(out, 0.0, 0.11, 2300.0, 1300.0, 0.45, 1921u);
    AddThud(out, 0.1, 60.0, 1.0, 1922u);
    AddCannonShot(out, 0.1, 0.35, 1.4, 1923u);
    AddSplinters(out, 0.1, 0.45, 1.2, 1924u);
    AddCreak(out, 0.4, 0.3, 31.0, 0.35, 1925u);
    AddRoom(out, 0.2, 0.7, 0.4);
    Finish(out, kGunfireLeadDb, 0.002, 0.12);
}

// Two blades meet: a ring of inharmonic partials that dies fast, over a
// short grinding scrape.
void SynthSwordClash(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    const double adHz[] = {1650.0, 2480.0, 3390.0, 4560.0, 5830.0, 7120.0, 8700.0};
    const double adLevel[] = {1.0, 0.8, 0.7, 0.55, 0.45, 0.35, 0.25};
    const double adDecay[] = {0.16, 0.12, 0.09, 0.07, 0.05, 0.04, 0.03};
    for (int nBlade = 0; nBlade < 2; ++nBlade) {
        // The second blade rings a little higher, and the two beat.
        double dScale = nBlade ? 1.061 : 1.0, dBladeGain = nBlade ? 0.7 : 1.0;
        for (int p = 0; p < 7; ++p) {
            Phase partial;
            partial.dCycles = 0.13 * p + 0.5 * nBlade;
            Render(out, 0.0, 0.3, [&](double t) {
                return Sine(partial.Step(adHz[p] * dScale)) * Strike(t, 0.0, 0.0008, adDecay[p]) * adLevel[p] *
                       dBladeGain * 0.3;
            });
        }
    }
    Noise noise(193);
    Biquad strike, scrape;
    strike.SetHighPass(3000.0, 0.7);
    scrape.SetBandPass(5200.0, 3.0);
    Render(out, 0.0, 0.24, [&](double t) {
        double n = noise.White();
        return strike.Process(n) * Strike(t, 0.0, 0.0003, 0.004) * 1.2 + scrape.Process(n) * Strike(t, 0.002, 0.004, 0.03) * 0.9;
    });
    Finish(out, 0.0, 0.0005, 0.04);
}

// A cutlass goes home: the blow, and the sailor's cry. The next clash
// often cuts it off within a frame or two, so the cry peaks at once.
void SynthCryOfPain(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    AddThud(out, 0.0, 110.0, 0.5, 1941u);
    Utterance cry{{{0.2, vowel::kA, 1.0, 0.15}, {0.16, vowel::kUh, 0.8, 0.25}, {0.1, vowel::kUh, 0.2, 0.4}},
                  {{0.0, 330.0}, {0.04, 320.0}, {0.15, 270.0}, {0.35, 160.0}, {0.5, 120.0}},
                  1.0, 0.5, 0.015, 0.85, 194u};
    AddAt(out, Speak(cry), 0.004, 1.0);
    AddRoom(out, 0.15, 0.7, 0.5);
    Finish(out, 0.0, 0.002, 0.06);
}

// One "ha" of a laugh, added to a phone list and its pitch curve.
void AddLaughSyllable(std::vector<Phone>& phones, Curve& pitch, double& dAt, const Vowel& shape, double dHz,
                      double dVowelSeconds) {
    phones.push_back({0.045, shape, 0.0, 0.9});
    phones.push_back({dVowelSeconds, shape, 1.0, 0.15});
    pitch.points.push_back({dAt, dHz * 1.06});
    pitch.points.push_back({dAt + 0.045 + dVowelSeconds, dHz * 0.84});
    dAt += 0.045 + dVowelSeconds;
}

// The pirate captain's belly laugh, "har, har, har, haaarr", with another
// pirate sniggering along.
void SynthPirateLaughter(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    Utterance captain{{}, {}, 0.95, 0.55, 0.0, 0.8, 195u};
    double dAt = 0.0;
    for (int k = 0; k < 5; ++k) AddLaughSyllable(captain.phones, captain.pitch, dAt, vowel::kA, 178.0 - 8.0 * k, 0.11);
    captain.phones.push_back({0.05, vowel::kA, 0.0, 0.9});
    captain.phones.push_back({0.24, vowel::kA, 1.0, 0.15});
    captain.phones.push_back({0.14, vowel::kR, 0.8, 0.25});
    captain.phones.push_back({0.1, vowel::kR, 0.3, 0.4});
    captain.pitch.points.push_back({dAt, 155.0});
    captain.pitch.points.push_back({dAt + 0.5, 105.0});
    AddAt(out, Speak(captain), 0.0, 1.0);

    Utterance mate{{}, {}, 1.12, 0.3, 0.0, 0.6, 1951u};
    dAt = 0.0;
    for (int k = 0; k < 6; ++k) AddLaughSyllable(mate.phones, mate.pitch, dAt, vowel::kE, 250.0 - 6.0 * k, 0.08);
    AddAt(out, Speak(mate), 0.38, 0.45);
    AddRoom(out, 0.2, 0.72, 0.5);
    Finish(out, 0.0, 0.003, 0.12);
}

// The pirates' war cry as they swarm over the rail: "Yaaarrgh!".
void SynthBattleCry(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    const double adHz[] = {150.0, 178.0, 134.0, 200.0};
    const double adTract[] = {1.0, 1.06, 0.94, 1.1};
    const double adStart[] = {0.0, 0.035, 0.06, 0.02};
    for (int v = 0; v < 4; ++v) {
        double p = adHz[v];
        Utterance yell{{{0.06, vowel::kI, 1.0, 0.2},
                        {0.3, vowel::kA, 1.0, 0.1},
                        {0.16, vowel::kR, 1.0, 0.15},
                        {0.05, vowel::kR, 0.0, 0.3}},
                       {{0.0, 0.8 * p}, {0.1, 1.15 * p}, {0.35, 1.1 * p}, {0.55, 0.85 * p}},
                       adTract[v], 0.6, 0.012, 1.0, 1960u + v};
        AddAt(out, Speak(yell), adStart[v], v == 0 ? 1.0 : 0.7);
    }
    AddRoom(out, 0.25, 0.74, 0.45);
    Finish(out, 0.0, 0.003, 0.08);
}

// A man goes overboard: a yell cut short by the splash, which comes two
// frames after the cue, as the splash is drawn.
void SynthScreamAndSplash(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    Utterance scream{{{0.01, vowel::kUh, 0.5, 0.5}, {0.16, vowel::kA, 1.0, 0.1}},
                     {{0.0, 420.0}, {0.04, 480.0}, {0.16, 380.0}},
                     1.05, 0.3, 0.02, 1.0, 228u};
    Buffer yell = Speak(scream);
    const double dPlunge = 0.11;
    for (size_t i = 0; i < yell.size(); ++i) yell[i] *= static_cast<float>(1.0 - Rise(TimeOf(static_cast<int>(i)), dPlunge - 0.02, 0.06));
    AddAt(out, yell, 0.0, 1.0);
    AddSplash(out, dPlunge, 1.2, 0.8, 2281u);
    AddRoom(out, 0.15, 0.7, 0.5);
    Finish(out, 0.0, 0.003, 0.2);
}

// Pirates cheer over the plunder: a sung "yo, ho, ho!" and a "hurrah!".
void SynthShantyCheer(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    const double adDetune[] = {1.0, 0.985, 1.012, 0.993, 1.02, 0.5};
    const double adTract[] = {1.0, 0.95, 1.06, 1.1, 0.97, 0.9};
    const double adHurrahLag[] = {0.0, 0.05, 0.02, 0.09, 0.035, 0.07};
    for (int v = 0; v < 6; ++v) {
        double d = adDetune[v];
        double dLag = 0.006 * v;
        Utterance song{{{0.05, vowel::kI, 1.0, 0.05},
                        {0.2, vowel::kO, 1.0, 0.05},
                        {0.07, vowel::kO, 0.0, 0.7},
                        {0.19, vowel::kO, 1.0, 0.05},
                        {0.07, vowel::kO, 0.0, 0.7},
                        {0.5, vowel::kO, 1.0, 0.05},
                        {0.08, vowel::kU, 0.5, 0.1}},
                       {{0.0, 200.0 * d}, {0.05, 220.0 * d}, {0.27, 220.0 * d}, {0.31, 185.0 * d}, {0.53, 185.0 * d},
                        {0.57, 147.0 * d}, {1.13, 140.0 * d}},
                       adTract[v], 0.35, 0.015, 0.75, 2300u + v};
        AddAt(out, Speak(song), dLag, v == 5 ? 0.5 : 0.55);
        Utterance hurrah{{{0.05, vowel::kUh, 0.2, 0.8},
                          {0.12, vowel::kUh, 1.0, 0.1},
                          {0.06, vowel::kR, 1.0, 0.1},
                          {0.6, vowel::kA, 1.0, 0.08},
                          {0.15, vowel::kA, 0.4, 0.3}},
                         {{0.0, 150.0}, {0.17, 160.0}, {0.25, 200.0}, {0.5, 240.0}, {0.85, 230.0}, {1.0, 180.0}},
                         adTract[v], 0.5, 0.012, 1.0, 2310u + v};
        for (auto& point : hurrah.pitch.points) point.second *= v == 5 ? 0.75 : d;
        AddAt(out, Speak(hurrah), 1.2 + adHurrahLag[v], 0.55);
    }
    AddRoom(out, 0.25, 0.74, 0.45);
    Finish(out, 0.0, 0.005, 0.3);
}

// A tentacle smacks wet timber: a fleshy slap, the wood's knock under it
// and a spatter of water thrown off, all inside 50 ms.
void SynthTentacleSlap(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    Noise noise(235);
    Biquad flesh, smack, spray;
    flesh.SetBandPass(1100.0, 0.8);
    smack.SetLowPass(3500.0, 0.7);
    spray.SetBandPass(3800.0, 1.2);
    Drift droplets(2351, 400.0);
    Phase body;
    Render(out, 0.0, 0.05, [&](double t) {
        double n = noise.White();
        double dSlap = (flesh.Process(n) * 2.2 + smack.Process(n) * 0.8) * Strike(t, 0.0, 0.0008, 0.024);
        double dKnock = Sine(body.Step(150.0 + 90.0 * std::exp(-t / 0.006))) * Strike(t, 0.0, 0.001, 0.016) * 0.5;
        // Droplets: spray that comes and goes in grains after the slap.
        double dGrain = std::max(0.0, droplets.Next());
        double dSpray = spray.Process(n) * Strike(t, 0.004, 0.006, 0.02) * dGrain * 2.5;
        return dSlap + dKnock + dSpray;
    });
    AddBubble(out, 0.006, 380.0, 0.008, 0.35);
    AddBubble(out, 0.014, 640.0, 0.006, 0.3);
    AddBubble(out, 0.022, 900.0, 0.005, 0.2);
    // Its 50 ms cannot hold the others' loudness under the ceiling; it
    // comes as near as the limiter lets it.
    Finish(out, 0.0, 0.0005, 0.012);
}

// The galleon fires a broadside: a ragged row of guns down the hull, close
// together, since the next cue may cut the sound off after 0.4 s.
void SynthBroadside(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    const double adAt[] = {0.0, 0.08, 0.17, 0.24, 0.33, 0.45};
    const double adGain[] = {1.0, 0.7, 0.85, 0.75, 0.9, 0.7};
    const double adPitch[] = {1.0, 1.08, 0.94, 1.12, 0.97, 1.03};
    for (int g = 0; g < 6; ++g) AddCannonShot(out, adAt[g], adGain[g], adPitch[g], 2270u + g);
    AddRoom(out, 0.3, 0.76, 0.4);
    Finish(out, kGunfireLeadDb, 0.0005, 0.2);
}

// A ship goes down: hull timbers groan, water rushes in, air boils up.
void SynthShipSinking(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    // Everything starts early: the next cue may come after 1.3 s. The
    // timbers groan as loud as the water that pours in.
    AddCreak(out, 0.0, 0.8, 38.0, 4.0, 2311u);
    AddCreak(out, 0.7, 0.9, 22.0, 5.0, 2312u);
    AddCreak(out, 1.55, 0.7, 30.0, 3.0, 2316u);
    AddSplinters(out, 0.6, 0.25, 0.12, 2313u);
    AddSurge(out, 0.1, 2.42, 700.0, 2.0, 0.5, 0.6, 0.4, 2314u);
    Noise bubbles(2315);
    for (int b = 0; b < 70; ++b) {
        // Bubbles come thicker as the hull fills.
        double dWhen = 0.2 + 2.1 * std::sqrt(bubbles.Uniform(0.0, 1.0));
        bool bLarge = b % 3 == 0;
        AddBubble(out, dWhen, bLarge ? bubbles.Uniform(110.0, 260.0) : bubbles.Uniform(300.0, 800.0),
                  bLarge ? bubbles.Uniform(0.03, 0.07) : bubbles.Uniform(0.01, 0.03),
                  bubbles.Uniform(0.16, 0.4) * (bLarge ? 1.0 : 0.6));
    }
    AddRoom(out, 0.2, 0.74, 0.5);
    Finish(out, 0.0, 0.01, 0.35);
}

// The kraken surfaces: churning water, then a huge, rough, low roar.
void SynthKrakenRoar(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    AddSurge(out, 0.0, 4.6, 550.0, 1.5, 0.7, 0.3, 0.63, 2321u);
    AddSplash(out, 0.05, 1.6, 0.6, 2322u);
    AddSplash(out, 3.3, 1.3, 0.4, 2323u);
    Buffer roar(out.size(), 0.0f);
    // The roar swells early: in one scene the next cue comes after 0.8 s.
    const std::vector<Phone> growl{{0.15, vowel::kU, 0.6, 0.5},
                                   {1.2, vowel::kO, 1.0, 0.3},
                                   {1.2, vowel::kA, 1.0, 0.3},
                                   {0.6, vowel::kO, 0.7, 0.5}};
    Utterance throat{growl, {{0.0, 45.0}, {0.3, 62.0}, {1.2, 70.0}, {2.3, 60.0}, {3.2, 40.0}}, 0.5, 1.0, 0.01, 0.9, 2324u};
    Utterance overtone{growl, {{0.0, 63.0}, {0.3, 88.0}, {1.2, 99.0}, {2.3, 85.0}, {3.2, 56.0}}, 0.62, 1.0, 0.015, 0.9, 2325u};
    AddAt(roar, Speak(throat), 0.1, 1.0);
    AddAt(roar, Speak(overtone), 0.13, 0.6);
    for (size_t i = 0; i < roar.size(); ++i) out[i] += static_cast<float>(Drive(roar[i] * 2.5, 1.5) * 0.9);
    AddRoom(out, 0.3, 0.8, 0.5);
    Finish(out, 0.0, 0.05, 0.5);
}

// The open sea: a swell under breaking waves, and gulls calling.
void SynthSeaAmbience(Buffer& out, int nSamples) {
    out.assign(nSamples, 0.0f);
    AddSurge(out, 0.0, 5.3, 380.0, 0.6, 0.4, 0.01, 1.3, 2331u);
    AddWave(out, -0.7, 2.5, 1.0, 2332u);
    AddWave(out, 1.3, 2.6, 1.1, 2333u);
    AddWave(out, 3.3, 2.5, 0.9, 2334u);
    AddGullCall(out, 0.6, 0.3, 1.0, 0.35, 2335u);
    AddGullCall(out, 0.95, 0.26, 1.03, 0.3, 2336u);
    AddGullCall(out, 1.28, 0.42, 0.98, 0.35, 2337u);
    AddGullCall(out, 2.45, 0.28, 1.16, 0.2, 2338u);
    AddGullCall(out, 2.75, 0.38, 1.12, 0.2, 2339u);
    AddRoom(out, 0.2, 0.76, 0.5);
    // The next cue usually restarts it after 2.5 to 4 s: a short fade-in
    // keeps the restart from sounding like a gap.
    Finish(out, 0.0, 0.05, 0.4);
}

}  // namespace

const std::vector<SoundPiece>& SoundEffects() {
    static const std::vector<SoundPiece> pieces = {
        {IDW_OPENING_FLOURISH, 3.50, SynthOpeningFlourish},
        {IDW_CANNON_SHOT, 0.64, SynthCannonShot},
        {IDW_ORDER_TO_FIRE, 0.49, SynthOrderToFire},
        {IDW_BALL_IN_RIGGING, 0.73, SynthBallInRigging},
        {IDW_HULL_BREACH, 0.77, SynthHullBreach},
        {IDW_SWORD_CLASH, 0.24, SynthSwordClash},
        {IDW_CRY_OF_PAIN, 0.64, SynthCryOfPain},
        {IDW_PIRATE_LAUGHTER, 1.56, SynthPirateLaughter},
        {IDW_BATTLE_CRY, 0.89, SynthBattleCry},
        {IDW_TENTACLE_SLAP, 0.05, SynthTentacleSlap},
        {IDW_BROADSIDE, 1.23, SynthBroadside, "Broadside"},
        {IDW_SCREAM_AND_SPLASH, 1.63, SynthScreamAndSplash},
        {IDW_SHANTY_CHEER, 2.80, SynthShantyCheer},
        {IDW_SHIP_SINKING, 2.52, SynthShipSinking},
        {IDW_KRAKEN_ROAR, 4.60, SynthKrakenRoar},
        {IDW_SEA_AMBIENCE, 5.30, SynthSeaAmbience},
    };
    return pieces;
}
