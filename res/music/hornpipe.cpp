// Tune 1: the traditional "Sailor's Hornpipe" (also known as the College
// Hornpipe, or Jack's the Lad), in D, twice through its AABB form, the fiddle
// over tuba and accordion; the second time with kick and tambourine, and a
// whistle doubling the last B strain. It ends on the bar before the opening
// pick-up, so the loop runs on in time.
#include "arrange.h"
#include "tunes.h"

namespace {

// The pick-ups that lead into each strain: the tonic turning on its leading
// note, and the fall from the dominant.
constexpr const char* kIntoA = "dc";
constexpr const char* kIntoB = "AG";

// Bars 1-7 of the two strains; the eighth bar leads on to what follows. The
// A strain opens on the high tonic, drops an octave to strike the low one
// twice and climbs back through the tonic chord; then the same a step
// higher, onto the dominant.
constexpr const char* kStrainA =
    "d2D2 D2AG|FAdc dfed|e2E2 E2ed|cea^g a2bc'|d'c'ba bagf|gfed dcBA|Bdce dfeg|";
constexpr const char* kStrainB =
    "FAdA FAdA|B2G2 G2BA|^GBeB GBeB|c2A2 A2gf|g2b2 bagf|gfed dcBA|Bdce dfeg|";
constexpr const char* kLastBar = "f2d2d2";

constexpr const char* kChordsA = "D - - - | D - - - | E7 - - - | A - - - | D - G - | Em - D - | G - A7 - |";
constexpr const char* kChordsB = "D - - - | G - - - | E7 - - - | A - A7 - | G - - - | Em - D - | G - A7 - |";
constexpr const char* kHomeBar = "D - - - |";
constexpr const char* kLastChordBar = "D - -";

enum Channel { kFiddle = 0, kWhistle = 1, kAccordion = 2, kTuba = 3, kDrums = 9 };

std::string Ending(const char* szInto) { return std::string(kLastBar) + szInto + "|"; }

std::vector<uint8_t> BuildHornpipe() {
    using std::string;
    // A A B B, the last bar of each strain leading into the next one.
    const string szPass = string(kStrainA) + Ending(kIntoA) + kStrainA + Ending(kIntoB) + kStrainB + Ending(kIntoB) +
                          kStrainB;
    const string szMelody = string(kIntoA) + "|" + szPass + Ending(kIntoA) + szPass + kLastBar;
    const string szChordPass = string(kChordsA) + kHomeBar + kChordsA + kHomeBar + kChordsB + kHomeBar + kChordsB;
    const string szChords = szChordPass + kHomeBar + szChordPass + kLastChordBar;
    const uint32_t nPickup = kTicksPerQuarter;
    std::vector<NoteEvent> melody;
    std::vector<ChordEvent> chords;
    uint32_t nMelodyEnd = 0, nChordsEnd = 0;
    if (!MelodyOrReport("hornpipe", szMelody.c_str(), 2, 0, melody, nMelodyEnd) ||
        !ChordsOrReport("hornpipe", szChords.c_str(), nPickup, chords, nChordsEnd))
        return {};
    // The second time through, drums join in, and a whistle doubles the
    // last B strain.
    const uint32_t nSecondPass = nPickup + 32 * kBar44, nLastB = nSecondPass + 24 * kBar44 - nPickup;
    std::vector<NoteEvent> whistle;
    for (const NoteEvent& n : melody)
        if (n.nTick >= nLastB) whistle.push_back(n);

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
    PlayMelody(tune, melody, {kFiddle, 92, 88, 0, kLilt}, kBar44, nPickup);
    PlayMelody(tune, whistle, {kWhistle, 70, 80, 12, kLilt}, kBar44, nPickup);

    MidiTrack& bass = tracks[2];
    bass.Name("Tuba");
    SetUpChannel(bass, kTuba, 58, 100, 50, 30);
    PlayBass(bass, chords, {kTuba, 88, 70, 0, kLilt}, 38, 0x05, kTicksPerQuarter, kBar44);

    MidiTrack& band = tracks[3];
    band.Name("Accordion and drums");
    SetUpChannel(band, kAccordion, 21, 76, 40, 40);
    SetUpChannel(band, kDrums, -1, 90, 64, 30);
    PlayChords(band, chords, {kAccordion, 60, 55, 0, kLilt}, 62, 0x0A, kTicksPerQuarter, kBar44);
    // Kick on the downbeat, tambourine on the back beats.
    for (uint32_t t = nSecondPass; t < nChordsEnd; t += kTicksPerQuarter) {
        uint32_t nBeat = ((t - nPickup) / kTicksPerQuarter) % 4;
        if (nBeat == 0) band.Note(t, kEighth / 2, kDrums, 36, 80);
        else if (nBeat % 2 == 1) band.Note(t, kEighth / 2, kDrums, 54, 58);
    }
    return BuildMidiFile(tracks, nMelodyEnd, kTune1Bytes,
                         "Sailor's Hornpipe, traditional; arranged for General MIDI for Harborgast.");
}

}  // namespace

const TunePiece kHornpipe = {kTune1ResourceId, kTune1Bytes, BuildHornpipe};
