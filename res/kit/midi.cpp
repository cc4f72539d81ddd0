// The Standard MIDI File writer and the parser of the tunes' note text.

#include "midi.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void PutVlq(std::vector<uint8_t>& b, uint32_t v) {
    uint8_t stack[5];
    int n = 0;
    do {
        stack[n++] = v & 0x7F;
        v >>= 7;
    } while (v);
    while (n > 1) b.push_back(stack[--n] | 0x80);
    b.push_back(stack[0]);
}

void PutBig32(std::vector<uint8_t>& b, uint32_t v) {
    for (int i = 3; i >= 0; --i) b.push_back(uint8_t(v >> (8 * i)));
}

uint8_t Data7(int v) { return uint8_t(std::clamp(v, 0, 127)); }

enum Group { kMetaGroup = 0, kNoteOffGroup = 1, kControlGroup = 2, kNoteOnGroup = 3 };

}  // namespace

void MidiTrack::Add(uint32_t nTick, int nGroup, std::vector<uint8_t> bytes) {
    m_Events.push_back({nTick, nGroup, m_Events.size(), std::move(bytes)});
}

void MidiTrack::Meta(uint32_t nTick, uint8_t nType, const std::string& szData) {
    std::vector<uint8_t> b = {0xFF, nType};
    PutVlq(b, uint32_t(szData.size()));
    b.insert(b.end(), szData.begin(), szData.end());
    Add(nTick, kMetaGroup, std::move(b));
}

void MidiTrack::Tempo(uint32_t nTick, double dQuarterPerMinute) {
    uint32_t nMicroseconds = uint32_t(std::lround(60000000.0 / dQuarterPerMinute));
    Meta(nTick, 0x51, std::string{char(nMicroseconds >> 16), char(nMicroseconds >> 8), char(nMicroseconds)});
}

void MidiTrack::TimeSignature(uint32_t nTick, int nNumerator, int nDenominatorPower) {
    Meta(nTick, 0x58, std::string{char(nNumerator), char(nDenominatorPower), char(24), char(8)});
}

void MidiTrack::KeySignature(uint32_t nTick, int nSharps, bool bMinor) {
    Meta(nTick, 0x59, std::string{char(int8_t(nSharps)), char(bMinor ? 1 : 0)});
}

void MidiTrack::Program(uint32_t nTick, int nChannel, int nProgram) {
    Add(nTick, kControlGroup, {uint8_t(0xC0 | (nChannel & 15)), Data7(nProgram)});
}

void MidiTrack::Control(uint32_t nTick, int nChannel, int nController, int nValue) {
    Add(nTick, kControlGroup, {uint8_t(0xB0 | (nChannel & 15)), Data7(nController), Data7(nValue)});
}

void MidiTrack::Note(uint32_t nTick, uint32_t nDuration, int nChannel, int nKey, int nVelocity) {
    uint8_t nStatus = uint8_t(0x90 | (nChannel & 15));
    Add(nTick, kNoteOnGroup, {nStatus, Data7(nKey), Data7(std::max(1, nVelocity))});
    // A note-on of velocity 0 ends it: shares the running status.
    Add(nTick + nDuration, kNoteOffGroup, {nStatus, Data7(nKey), 0});
}

std::vector<uint8_t> MidiTrack::Encode(uint32_t nEndTick) const {
    std::vector<const Event*> order;
    for (const Event& e : m_Events) order.push_back(&e);
    std::sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
        if (a->nTick != b->nTick) return a->nTick < b->nTick;
        if (a->nGroup != b->nGroup) return a->nGroup < b->nGroup;
        return a->nSequence < b->nSequence;
    });
    std::vector<uint8_t> b;
    uint32_t nLast = 0;
    uint8_t nRunning = 0;
    for (const Event* e : order) {
        PutVlq(b, e->nTick - nLast);
        nLast = e->nTick;
        if (e->bytes[0] == 0xFF) {
            nRunning = 0;  // meta events cancel running status
            b.insert(b.end(), e->bytes.begin(), e->bytes.end());
        } else {
            bool bSame = e->bytes[0] == nRunning;
            nRunning = e->bytes[0];
            b.insert(b.end(), e->bytes.begin() + (bSame ? 1 : 0), e->bytes.end());
        }
    }
    PutVlq(b, nEndTick > nLast ? nEndTick - nLast : 0);
    b.insert(b.end(), {0xFF, 0x2F, 0x00});
    return b;
}

std::vector<uint8_t> BuildMidiFile(const std::vector<MidiTrack>& tracks, uint32_t nEndTick,
                                   size_t nExactBytes, const std::string& szPadText) {
    auto build = [&](const std::vector<MidiTrack>& t) {
        std::vector<uint8_t> b = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
        b.push_back(uint8_t(t.size() >> 8));
        b.push_back(uint8_t(t.size()));
        b.push_back(uint8_t(kTicksPerQuarter >> 8));
        b.push_back(uint8_t(kTicksPerQuarter & 0xFF));
        for (const MidiTrack& track : t) {
            std::vector<uint8_t> data = track.Encode(nEndTick);
            b.insert(b.end(), {'M', 'T', 'r', 'k'});
            PutBig32(b, uint32_t(data.size()));
            b.insert(b.end(), data.begin(), data.end());
        }
        return b;
    };
    std::vector<uint8_t> smf = build(tracks);
    if (nExactBytes == 0 || tracks.empty()) return smf;
    // The padding event costs delta (1) + FF 01 + its length's VLQ + text.
    if (smf.size() + 4 > nExactBytes) {
        std::fprintf(stderr, "assetgen: the music alone takes %zu bytes, more than %zu\n", smf.size(),
                     nExactBytes - 4);
        return {};
    }
    size_t nText = nExactBytes - smf.size() - 4;
    for (int nTry = 0; nTry < 4; ++nTry) {
        std::vector<MidiTrack> padded = tracks;
        std::string szText = szPadText.substr(0, nText);
        szText.resize(nText, ' ');
        padded[0].Meta(0, 0x01, szText);
        std::vector<uint8_t> b = build(padded);
        if (b.size() == nExactBytes) return b;
        // The length's own VLQ may have grown or shrunk: correct and retry.
        long nText2 = long(nText) + long(nExactBytes) - long(b.size());
        if (nText2 < 0) return {};
        nText = size_t(nText2);
    }
    return {};
}

// ---- Notation ------------------------------------------------------------

namespace {

int LetterPitchClass(char c) {
    static const int kClasses[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    return kClasses[std::toupper(static_cast<unsigned char>(c)) - 'A'];
}

// Sharps or flats that a key signature puts on each letter (A..G).
void KeyAccidentals(int nSharps, int accidentals[7]) {
    static const char kSharpOrder[] = "FCGDAEB";
    std::fill(accidentals, accidentals + 7, 0);
    for (int i = 0; i < std::abs(nSharps) && i < 7; ++i) {
        char c = nSharps > 0 ? kSharpOrder[i] : kSharpOrder[6 - i];
        accidentals[c - 'A'] = nSharps > 0 ? 1 : -1;
    }
}

// A length after a note: "", "2", "3/2", "/2", "/".
uint32_t ParseLength(const char*& p, uint32_t nUnit) {
    uint32_t nNum = 1, nDen = 1;
    if (std::isdigit(static_cast<unsigned char>(*p))) nNum = uint32_t(std::strtoul(p, const_cast<char**>(&p), 10));
    if (*p == '/') {
        ++p;
        nDen = std::isdigit(static_cast<unsigned char>(*p)) ? uint32_t(std::strtoul(p, const_cast<char**>(&p), 10)) : 2;
    }
    return nDen ? nUnit * nNum / nDen : 0;
}

std::string At(const char* szText, const char* p) { return " at offset " + std::to_string(p - szText); }

}  // namespace

bool ParseMelody(const char* szText, int nSharps, uint32_t nUnitTicks, uint32_t nBarTicks,
                 uint32_t nStartTick, std::vector<NoteEvent>& notes, uint32_t& nEndTick,
                 std::string& szError) {
    int keyAccidentals[7];
    KeyAccidentals(nSharps, keyAccidentals);
    int barAccidentals[7][10];  // per letter and octave, 99 = none yet
    auto clearBar = [&] {
        for (auto& row : barAccidentals) std::fill(row, row + 10, 99);
    };
    clearBar();
    uint32_t nTick = nStartTick, nBarStart = nStartTick;
    bool bFirstBar = true, bTie = false;
    const char* p = szText;
    while (*p) {
        char c = *p;
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++p;
        } else if (c == '|') {
            uint32_t nLength = nTick - nBarStart;
            if (nLength != nBarTicks && !(bFirstBar && nLength < nBarTicks)) {
                szError = "bar of " + std::to_string(nLength) + " ticks" + At(szText, p);
                return false;
            }
            bFirstBar = false;
            nBarStart = nTick;
            clearBar();
            ++p;
        } else if (c == 'z') {
            ++p;
            nTick += ParseLength(p, nUnitTicks);
        } else {
            int nAccidental = 99;
            while (*p == '^' || *p == '_' || *p == '=') {
                nAccidental = (nAccidental == 99 ? 0 : nAccidental) + (*p == '^' ? 1 : *p == '_' ? -1 : 0);
                ++p;
            }
            char cLetter = *p;
            if (!((cLetter >= 'A' && cLetter <= 'G') || (cLetter >= 'a' && cLetter <= 'g'))) {
                szError = std::string("unexpected '") + cLetter + "'" + At(szText, p);
                return false;
            }
            ++p;
            int nOctave = (cLetter >= 'a') ? 5 : 4;
            while (*p == '\'' || *p == ',') nOctave += (*p++ == '\'') ? 1 : -1;
            if (nOctave < 0 || nOctave > 9) {
                szError = "octave out of range" + At(szText, p);
                return false;
            }
            int nLetter = std::toupper(static_cast<unsigned char>(cLetter)) - 'A';
            if (nAccidental != 99) barAccidentals[nLetter][nOctave] = nAccidental;
            int nShift = barAccidentals[nLetter][nOctave] != 99 ? barAccidentals[nLetter][nOctave]
                                                                  : keyAccidentals[nLetter];
            int nKey = 12 * (nOctave + 1) + LetterPitchClass(cLetter) + nShift;
            uint32_t nLength = ParseLength(p, nUnitTicks);
            if (nLength == 0) {
                szError = "note without length" + At(szText, p);
                return false;
            }
            if (bTie && !notes.empty() && notes.back().nKey == nKey &&
                notes.back().nTick + notes.back().nDuration == nTick) {
                notes.back().nDuration += nLength;
            } else {
                notes.push_back({nTick, nLength, nKey});
            }
            bTie = (*p == '-');
            if (bTie) ++p;
            nTick += nLength;
        }
    }
    nEndTick = nTick;
    return true;
}

bool ParseChords(const char* szText, uint32_t nBeatTicks, uint32_t nBarTicks, uint32_t nStartTick,
                 std::vector<ChordEvent>& chords, uint32_t& nEndTick, std::string& szError) {
    uint32_t nTick = nStartTick, nBarStart = nStartTick;
    const char* p = szText;
    while (*p) {
        if (std::isspace(static_cast<unsigned char>(*p))) {
            ++p;
            continue;
        }
        if (*p == '|') {
            if (nTick - nBarStart != nBarTicks) {
                szError = "chord bar of " + std::to_string(nTick - nBarStart) + " ticks" + At(szText, p);
                return false;
            }
            nBarStart = nTick;
            ++p;
            continue;
        }
        if (*p == '-') {
            if (chords.empty()) {
                szError = "hold before any chord" + At(szText, p);
                return false;
            }
            chords.back().nDuration += nBeatTicks;
            nTick += nBeatTicks;
            ++p;
            continue;
        }
        const char* pStart = p;
        auto pitchClass = [&](const char*& q, int& nClass) {
            if (*q < 'A' || *q > 'G') return false;
            nClass = LetterPitchClass(*q++);
            if (*q == '#') nClass += 1, ++q;
            else if (*q == 'b') nClass += 11, ++q;
            nClass %= 12;
            return true;
        };
        ChordEvent chord{nTick, nBeatTicks, 0, 0, {}};
        if (!pitchClass(p, chord.nRoot)) {
            szError = "bad chord" + At(szText, pStart);
            return false;
        }
        std::string szQuality;
        while (*p && !std::isspace(static_cast<unsigned char>(*p)) && *p != '/' && *p != '|') szQuality += *p++;
        if (szQuality.empty()) chord.tones = {0, 4, 7};
        else if (szQuality == "m") chord.tones = {0, 3, 7};
        else if (szQuality == "7") chord.tones = {0, 4, 7, 10};
        else if (szQuality == "m7") chord.tones = {0, 3, 7, 10};
        else if (szQuality == "dim") chord.tones = {0, 3, 6};
        else {
            szError = "unknown chord quality '" + szQuality + "'" + At(szText, pStart);
            return false;
        }
        chord.nBass = chord.nRoot;
        if (*p == '/') {
            ++p;
            if (!pitchClass(p, chord.nBass)) {
                szError = "bad bass note" + At(szText, pStart);
                return false;
            }
        }
        chords.push_back(chord);
        nTick += nBeatTicks;
    }
    nEndTick = nTick;
    return true;
}

int KeyAtOrAbove(int nPitchClass, int nFloorKey) {
    int nKey = nFloorKey + ((nPitchClass - nFloorKey) % 12 + 12) % 12;
    return nKey;
}

uint32_t SwingTick(uint32_t nTick, int nLongPercent) {
    const uint32_t nBeat = kTicksPerQuarter, nHalf = kTicksPerQuarter / 2;
    const uint32_t nLong = nBeat * nLongPercent / 100;
    uint32_t nBase = nTick - nTick % nBeat, r = nTick % nBeat;
    return nBase + (r < nHalf ? r * nLong / nHalf : nLong + (r - nHalf) * (nBeat - nLong) / nHalf);
}
