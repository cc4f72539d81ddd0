// Tune 2: "Rule, Britannia!" (Arne, 1740), in D: the chorus, the first
// verse, and the chorus again with horns and a turn on "Rule". Trumpet over
// strings, brass, contrabass and timpani; the loop returns to the chorus.
#include "arrange.h"
#include "tunes.h"

namespace {

constexpr const char* kChorus =
    "f4z2f2|g2g2z2f2|g3fe3d|c8|a4g4|fdgea2g2|f4e4|";
constexpr const char* kChorusWithTurn =
    "f/g/f/e/f2z2f2|g2g2z2f2|g3fe3d|c8|a4g4|fdgea2g2|f4e4|";
constexpr const char* kIntoVerse = "d4z2A2|";
constexpr const char* kFinal = "d8|";
constexpr const char* kVerse =
    "d4d4|defga2d2|e6fg|f4z2A2|dedefgfg|a2e2f2e2|d2efe2d2|c6A2|"
    "c2A2e2c2|a2^gfedcB|A4c3B|A4z4|"
    "d4d3A|B2G2z2d2|g3fe3d|d2c4A2|a4g4|fdgea2g2|f4e3d|d4z4|";

constexpr const char* kChorusChords =
    "D - - - | G - - D | A7/C# D A E7/G# | A - - - | D - A7/C# - | D Em D/F# G | D/A - A7 - |";
constexpr const char* kVerseChords =
    "D - G - | D - - - | A - - A7 | D - - A7 | D - - - | D E7 D A | Bm - E7 - | A - - - |"
    "A - - - | A D - - | E7 - - - | A - - A7 |"
    "D - - - | G - - - | Em D/F# Em/G E7/G# | A - A7/G - | D/F# - A7/E - | D Em D/F# G | D/A - A7 - | D - - - |";

enum Channel { kTrumpet = 0, kHorns = 1, kStrings = 2, kBrass = 3, kBass = 4, kTimpani = 5 };

constexpr uint32_t kChorusBars = 8, kVerseBars = 20;

std::vector<uint8_t> BuildRuleBritannia() {
    using std::string;
    const string szMelody = string(kChorus) + kIntoVerse + kVerse + kChorusWithTurn + kFinal;
    const string szChords = string(kChorusChords) + "D - - A7 |" + kVerseChords + kChorusChords + "D - - - |";
    std::vector<NoteEvent> melody;
    std::vector<ChordEvent> chords;
    uint32_t nEnd = 0, nChordsEnd = 0;
    if (!MelodyOrReport("britannia", szMelody.c_str(), 2, 0, melody, nEnd) ||
        !ChordsOrReport("britannia", szChords.c_str(), 0, chords, nChordsEnd))
        return {};

    const uint32_t nVerse = kChorusBars * kBar44, nLastChorus = nVerse + kVerseBars * kBar44;
    auto inChorus = [&](uint32_t t) { return t < nVerse || t >= nLastChorus; };
    std::vector<NoteEvent> lastChorus;
    for (const NoteEvent& n : melody)
        if (n.nTick >= nLastChorus) lastChorus.push_back(n);
    std::vector<ChordEvent> chorusChords;
    for (const ChordEvent& c : chords)
        if (inChorus(c.nTick)) chorusChords.push_back(c);

    std::vector<MidiTrack> tracks(3);
    MidiTrack& meta = tracks[0];
    meta.Name("Rule, Britannia!");
    meta.Meta(0, 0x01, "Thomas Arne, 1740");
    meta.TimeSignature(0, 4, 2);
    meta.KeySignature(0, 2, false);
    meta.Tempo(0, 92);

    MidiTrack& tune = tracks[1];
    tune.Name("Trumpet and horns");
    SetUpChannel(tune, kTrumpet, 56, 108, 64, 50);
    SetUpChannel(tune, kHorns, 60, 96, 50, 60);
    PlayMelody(tune, melody, {kTrumpet, 94, 92, 0, 50}, kBar44, 0);
    PlayMelody(tune, lastChorus, {kHorns, 78, 95, -12, 50}, kBar44, 0);

    MidiTrack& band = tracks[2];
    band.Name("Strings, brass, bass and timpani");
    SetUpChannel(band, kStrings, 48, 84, 40, 70);
    SetUpChannel(band, kBrass, 61, 70, 88, 50);
    SetUpChannel(band, kBass, 43, 100, 56, 50);
    SetUpChannel(band, kTimpani, 47, 90, 70, 60);
    // Strings hold each beat; in the choruses the brass hammers out eighths.
    PlayChords(band, chords, {kStrings, 62, 98, 0, 50}, 57, 0x0F, kTicksPerQuarter, kBar44);
    PlayChords(band, chorusChords, {kBrass, 56, 60, 0, 50}, 62, 0xFF, kEighth, kBar44);
    PlayBass(band, chords, {kBass, 84, 90, 0, 50}, 38, 0x0F, kTicksPerQuarter, kBar44);
    PlayBass(band, chorusChords, {kTimpani, 80, 45, 0, 50}, 38, 0x01, kTicksPerQuarter, kBar44);
    return BuildMidiFile(tracks, nEnd, kTune2Bytes,
                         "Rule, Britannia! Music by Thomas Arne, 1740; arranged for General MIDI for Harborgast.");
}

}  // namespace

const TunePiece kRuleBritannia = {kTune2ResourceId, kTune2Bytes, BuildRuleBritannia};
