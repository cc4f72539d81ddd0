// Tunes: a small Standard MIDI File builder and a text notation for
// melodies and chord charts, so the tunes under res/music are written as
// readable note data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kTicksPerQuarter = 480;

// One track's events at absolute ticks; serialised in time order with
// running status. At equal ticks: meta events, then note-offs, then
// controls, then note-ons, each group in the order added.
class MidiTrack {
public:
    void Meta(uint32_t nTick, uint8_t nType, const std::string& szData);
    void Name(const std::string& szName) { Meta(0, 0x03, szName); }
    void Tempo(uint32_t nTick, double dQuarterPerMinute);
    void TimeSignature(uint32_t nTick, int nNumerator, int nDenominatorPower);
    void KeySignature(uint32_t nTick, int nSharps, bool bMinor);
    void Program(uint32_t nTick, int nChannel, int nProgram);
    void Control(uint32_t nTick, int nChannel, int nController, int nValue);
    void Note(uint32_t nTick, uint32_t nDuration, int nChannel, int nKey, int nVelocity);

    // The track's events, encoded, ending with end-of-track at nEndTick.
    std::vector<uint8_t> Encode(uint32_t nEndTick) const;

private:
    struct Event {
        uint32_t nTick;
        int nGroup;
        size_t nSequence;
        std::vector<uint8_t> bytes;  // status first; meta events start with 0xFF
    };
    void Add(uint32_t nTick, int nGroup, std::vector<uint8_t> bytes);
    std::vector<Event> m_Events;
};

// Format 1 file of the tracks, all ending at nEndTick. With nExactBytes > 0
// the first track gets a text event that pads the file to exactly that
// size; fails (returns empty) if the music alone is already larger.
std::vector<uint8_t> BuildMidiFile(const std::vector<MidiTrack>& tracks, uint32_t nEndTick,
                                   size_t nExactBytes, const std::string& szPadText);

// ---- Notation ------------------------------------------------------------

struct NoteEvent {
    uint32_t nTick;
    uint32_t nDuration;
    int nKey;  // MIDI key number
};

// Melody text in a subset of ABC: C..B = the octave from middle C, c..b the
// one above, ' and , shift octaves, ^ _ = accidentals (kept to the end of
// the bar), a number (optionally /2) multiplies the unit length, z is a
// rest, | a bar line. The key signature is given as the number of sharps
// (negative: flats). Bars must hold nBarTicks, except a first pickup bar.
// Any error is fatal to the build and reported in szError.
bool ParseMelody(const char* szText, int nSharps, uint32_t nUnitTicks, uint32_t nBarTicks,
                 uint32_t nStartTick, std::vector<NoteEvent>& notes, uint32_t& nEndTick,
                 std::string& szError);

struct ChordEvent {
    uint32_t nTick;
    uint32_t nDuration;
    int nRoot;              // pitch class 0..11 of the chord's root
    int nBass;              // pitch class of the bass note (the root unless /X)
    std::vector<int> tones; // pitch classes above the root, root first
};

// Chord chart: symbols separated by spaces, one per nBeatTicks; "-" holds
// the previous chord another beat, "|" is a bar line (checked against
// nBarTicks). Symbols: root A..G with # or b, then m, 7, m7, dim or
// nothing, then optionally /bass.
bool ParseChords(const char* szText, uint32_t nBeatTicks, uint32_t nBarTicks, uint32_t nStartTick,
                 std::vector<ChordEvent>& chords, uint32_t& nEndTick, std::string& szError);

// The MIDI key of pitch class nPitchClass nearest above or at nFloorKey.
int KeyAtOrAbove(int nPitchClass, int nFloorKey);

// Lilt of a hornpipe: each beat's first eighth takes nLongPercent of the
// beat. Maps a straight tick to its swung tick.
uint32_t SwingTick(uint32_t nTick, int nLongPercent);
