// Arranging the tunes: swing, chords from a chart, bass and chord patterns
// over them, and each channel's instrument, volume, pan and reverb.

#include "arrange.h"

#include <cstdio>
#include <string>

namespace {

uint32_t Swung(uint32_t nTick, const Voice& v) {
    return v.nSwingPercent == 50 ? nTick : SwingTick(nTick, v.nSwingPercent);
}

// The chord sounding at a tick, or nullptr in a gap.
const ChordEvent* ChordAt(const std::vector<ChordEvent>& chords, uint32_t nTick) {
    for (const ChordEvent& c : chords)
        if (nTick >= c.nTick && nTick < c.nTick + c.nDuration) return &c;
    return nullptr;
}

uint32_t ChartStart(const std::vector<ChordEvent>& chords) { return chords.empty() ? 0 : chords.front().nTick; }
uint32_t ChartEnd(const std::vector<ChordEvent>& chords) {
    return chords.empty() ? 0 : chords.back().nTick + chords.back().nDuration;
}

}  // namespace

void SetUpChannel(MidiTrack& track, int nChannel, int nProgram, int nVolume, int nPan, int nReverb) {
    if (nProgram >= 0) track.Program(0, nChannel, nProgram);
    track.Control(0, nChannel, 7, nVolume);
    track.Control(0, nChannel, 10, nPan);
    track.Control(0, nChannel, 91, nReverb);
}

void PlayMelody(MidiTrack& track, const std::vector<NoteEvent>& notes, const Voice& voice,
                uint32_t nBarTicks, uint32_t nFirstBarTick) {
    for (const NoteEvent& n : notes) {
        uint32_t nStart = Swung(n.nTick, voice), nEnd = Swung(n.nTick + n.nDuration, voice);
        uint32_t nLength = std::max<uint32_t>(1, (nEnd - nStart) * voice.nLegatoPercent / 100);
        uint32_t nInBar = (n.nTick + nBarTicks - nFirstBarTick % nBarTicks) % nBarTicks;
        int nAccent = (nInBar == 0) ? 12 : (nInBar % (nBarTicks / 2) == 0 ? 6 : 0);
        track.Note(nStart, nLength, voice.nChannel, n.nKey + voice.nTranspose, voice.nVelocity + nAccent);
    }
}

void PlayBass(MidiTrack& track, const std::vector<ChordEvent>& chords, const Voice& voice,
              int nLowestKey, unsigned nBeatMask, uint32_t nStepTicks, uint32_t nBarTicks) {
    const uint32_t nSteps = nBarTicks / nStepTicks;
    const ChordEvent* pLast = nullptr;
    int nStruck = 0;
    for (uint32_t t = ChartStart(chords); t < ChartEnd(chords); t += nStepTicks) {
        uint32_t nStep = ((t - ChartStart(chords)) / nStepTicks) % nSteps;
        const ChordEvent* c = ChordAt(chords, t);
        if (!c || !(nBeatMask & (1u << nStep))) continue;
        // A new chord starts on its bass note; a held one, or one that only
        // adds a seventh, swings to its fifth and back.
        bool bHeld = pLast && c->nRoot == pLast->nRoot && c->nBass == pLast->nBass;
        nStruck = bHeld ? nStruck + 1 : 0;
        pLast = c;
        int nPitch = (nStruck % 2 == 1) ? (c->nRoot + 7) % 12 : c->nBass;
        int nKey = KeyAtOrAbove(nPitch, nLowestKey) + voice.nTranspose;
        uint32_t nStart = Swung(t, voice), nEnd = Swung(t + nStepTicks, voice);
        track.Note(nStart, (nEnd - nStart) * voice.nLegatoPercent / 100, voice.nChannel, nKey,
                   voice.nVelocity + (nStep == 0 ? 8 : 0));
    }
}

void PlayChords(MidiTrack& track, const std::vector<ChordEvent>& chords, const Voice& voice,
                int nLowestKey, unsigned nStepMask, uint32_t nStepTicks, uint32_t nBarTicks) {
    const uint32_t nSteps = nBarTicks / nStepTicks;
    for (uint32_t t = ChartStart(chords); t < ChartEnd(chords); t += nStepTicks) {
        uint32_t nStep = ((t - ChartStart(chords)) / nStepTicks) % nSteps;
        const ChordEvent* c = ChordAt(chords, t);
        if (!c || !(nStepMask & (1u << nStep))) continue;
        uint32_t nStart = Swung(t, voice), nEnd = Swung(t + nStepTicks, voice);
        uint32_t nLength = (nEnd - nStart) * voice.nLegatoPercent / 100;
        for (int nTone : c->tones) {
            int nKey = KeyAtOrAbove((c->nRoot + nTone) % 12, nLowestKey) + voice.nTranspose;
            track.Note(nStart, nLength, voice.nChannel, nKey, voice.nVelocity + (nStep == 0 ? 6 : 0));
        }
    }
}

bool MelodyOrReport(const char* szName, const char* szText, int nSharps, uint32_t nStartTick,
                    std::vector<NoteEvent>& notes, uint32_t& nEndTick) {
    std::string szError;
    if (ParseMelody(szText, nSharps, kEighth, kBar44, nStartTick, notes, nEndTick, szError)) return true;
    std::fprintf(stderr, "assetgen: melody %s: %s\n", szName, szError.c_str());
    return false;
}

bool ChordsOrReport(const char* szName, const char* szText, uint32_t nStartTick,
                    std::vector<ChordEvent>& chords, uint32_t& nEndTick) {
    std::string szError;
    if (ParseChords(szText, kTicksPerQuarter, kBar44, nStartTick, chords, nEndTick, szError)) return true;
    std::fprintf(stderr, "assetgen: chords %s: %s\n", szName, szError.c_str());
    return false;
}
