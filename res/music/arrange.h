// Arranging helpers shared by the two tunes: melody lines, bass and chord
// patterns from a chord chart, and channel set-up.
#pragma once

#include <cstdint>
#include <vector>

#include "midi.h"

struct Voice {
    int nChannel;
    int nVelocity;
    int nLegatoPercent;  // sounding part of each note's written length
    int nTranspose;      // semitones
    int nSwingPercent;   // 50 = straight
};

// Program, volume, pan and reverb of a channel at the start of the tune.
void SetUpChannel(MidiTrack& track, int nChannel, int nProgram, int nVolume, int nPan, int nReverb);

// Plays a melody; notes on a bar's first beat are accented. Bar lines fall
// every nBarTicks from nFirstBarTick (after a pickup, if any).
void PlayMelody(MidiTrack& track, const std::vector<NoteEvent>& notes, const Voice& voice,
                uint32_t nBarTicks, uint32_t nFirstBarTick);

// One bass note (the chord's bass) on each beat listed in beatMask (bit 0 =
// first beat of the bar, the chart starting on a bar line), alternating
// root and fifth on later beats of a held chord.
void PlayBass(MidiTrack& track, const std::vector<ChordEvent>& chords, const Voice& voice,
              int nLowestKey, unsigned nBeatMask, uint32_t nStepTicks, uint32_t nBarTicks);

// The chord's tones as a close voicing from nLowestKey, struck every
// nStepTicks on the steps listed in stepMask (bit 0 = the bar's first step,
// the chart starting on a bar line).
void PlayChords(MidiTrack& track, const std::vector<ChordEvent>& chords, const Voice& voice,
                int nLowestKey, unsigned nStepMask, uint32_t nStepTicks, uint32_t nBarTicks);

// Parses or reports (stderr) and returns false; the caller then yields no file.
bool MelodyOrReport(const char* szName, const char* szText, int nSharps, uint32_t nStartTick,
                    std::vector<NoteEvent>& notes, uint32_t& nEndTick);
bool ChordsOrReport(const char* szName, const char* szText, uint32_t nStartTick,
                    std::vector<ChordEvent>& chords, uint32_t& nEndTick);

constexpr uint32_t kEighth = kTicksPerQuarter / 2;
constexpr uint32_t kBar44 = 4 * kTicksPerQuarter;
