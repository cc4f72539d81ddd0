// Tune 1: the traditional "Sailor's Hornpipe", in D, twice through its
// AABB form over tuba and accordion; the second time with the fiddle's
// variants, kick and tambourine, and a whistle on top of the B strain. It ends on the bar
// before the opening pick-up, so the loop runs on in time.
#include "arrange.h"
#include "tunes.h"

namespace {

// Bars of the two strains; the last bar of each is written per repeat.
constexpr const char* kStrainA =
    "d2D4AG|FAd3fed|e2E4ed|cea4bc'|d'c'babagf|gfeddcBA|Bdcedfeg|";
constexpr const char* kStrainAVariant =
    "d2D4AG|FAdcdfed|e2E4ed|cea2a2bc'|d'c'babagf|gfeddcBA|Bdcedfeg|";
constexpr const char* kStrainB =
    "FAdAFAdA|B2G2G2BA|^GBeBGBeB|c2A2A2ef|gfgabagf|gfeddcBA|Bdcedfeg|";
constexpr const char* kStrainBVariant =
    "FAdAFAdA|B2G2G2BA|^GBeBGBeB|c2A2A2ef|g2b2bagf|gfeddcBA|Bdcedfeg|";
constexpr const char* kBackToA = "f2d2d2dc|";
constexpr const char* kOnToB = "f2d2d2AG|";
constexpr const char* kLastBar = "f2d2d2";  // the loop's pick-up completes it

constexpr const char* kChordsA = "D - - - | D - - - | A - - - | A - - - | D - G - | Em - A7 - | G A7 D A7 |";
constexpr const char* kChordsB = "D - - - | G - - - | E - - - | A - - - | G - D - | Em - A7 - | G A7 D A7 |";
constexpr const char* kHomeBar = "D - - - |";
constexpr const char* kLastChordBar = "D - -";

enum Channel { kFiddle = 0, kWhistle = 1, kAccordion = 2, kTuba = 3, kDrums = 9 };

std::vector<uint8_t> BuildHornpipe() {
    using std::string;
    const string szPass1 = string(kStrainA) + kBackToA + kStrainA + kOnToB + kStrainB + kOnToB + kStrainB;
    const string szPass2 = string(kStrainAVariant) + kBackToA + kStrainAVariant + kOnToB + kStrainBVariant + kOnToB +
                           kStrainBVariant;
    const string szMelody = "dc|" + szPass1 + kBackToA + szPass2 + kLastBar;
    const string szChordPass = string(kChordsA) + kHomeBar + kChordsA + kHomeBar + kChordsB + kHomeBar + kChordsB;
    const string szChords = szChordPass + kHomeBar + szChordPass + kLastChordBar;

    const uint32_t nPickup = 2 * kEighth;
    std::vector<NoteEvent> melody;
    std::vector<ChordEvent> chords;
    uint32_t nMelodyEnd = 0, nChordsEnd = 0;
    if (!MelodyOrReport("hornpipe", szMelody.c_str(), 2, 0, melody, nMelodyEnd) ||
        !ChordsOrReport("hornpipe", szChords.c_str(), nPickup, chords, nChordsEnd))
        return {};
    // The second time through, drums join in, and a whistle doubles the B strain.
    const uint32_t nSecondPass = nPickup + 32 * kBar44, nSecondB = nSecondPass + 16 * kBar44 - nPickup;
    std::vector<NoteEvent> whistle;
    for (const NoteEvent& n : melody)
        if (n.nTick >= nSecondB) whistle.push_back(n);

    std::vector<MidiTrack> tracks(4);
    MidiTrack& meta = tracks[0];
    meta.Name("Sailor's Hornpipe");
    meta.Meta(0, 0x01, "Traditional");
    meta.TimeSignature(0, 4, 2);
    meta.KeySignature(0, 2, false);
    meta.Tempo(0, 104);

    const int kLilt = 60;
    MidiTrack& tune = tracks[1];
    tune.Name("Fiddle and whistle");
    SetUpChannel(tune, kFiddle, 110, 110, 64, 40);
    SetUpChannel(tune, kWhistle, 78, 84, 84, 50);
    PlayMelody(tune, melody, {kFiddle, 92, 88, 0, kLilt}, kBar44);
    PlayMelody(tune, whistle, {kWhistle, 70, 80, 12, kLilt}, kBar44);

    MidiTrack& bass = tracks[2];
    bass.Name("Tuba");
    SetUpChannel(bass, kTuba, 58, 100, 50, 30);
    PlayBass(bass, chords, {kTuba, 88, 70, 0, kLilt}, 38, 0x05, kTicksPerQuarter, kBar44);

    MidiTrack& band = tracks[3];
    band.Name("Accordion and drums");
    SetUpChannel(band, kAccordion, 21, 76, 40, 40);
    SetUpChannel(band, kDrums, -1, 90, 64, 30);
    PlayChords(band, chords, {kAccordion, 60, 55, 0, kLilt}, 62, 0x0A, kTicksPerQuarter, kBar44);
    for (uint32_t t = nSecondPass; t < nChordsEnd; t += kTicksPerQuarter) {
        bool bDown = ((t - nPickup) / kTicksPerQuarter) % 2 == 0;
        band.Note(t, kEighth / 2, kDrums, bDown ? 36 : 54, bDown ? 78 : 58);  // kick, tambourine
    }
    return BuildMidiFile(tracks, nMelodyEnd, kTune1Bytes,
                         "Sailor's Hornpipe, traditional; arranged for General MIDI for Harborgast.");
}

}  // namespace

const TunePiece kHornpipe = {kTune1ResourceId, kTune1Bytes, BuildHornpipe};
