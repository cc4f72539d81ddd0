// Checks of the generated asset files, as the resource loaders and the
// platform will read them: bitmap headers, colour tables and key colours;
// WAVE chunks and lengths, and the sounds' loudness and spectra; MIDI chunk
// and event structure, and the tunes' melodies and bass.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "audio/music.h"
#include "audio/sound.h"
#include "host/wave_sound.h"
#include "generated_assets.h"
#include "catalogue.h"
#include "host/dib.h"
#include "stated_colours.h"
#include "strip_frames.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::optional<Bytes> ReadAsset(const std::string& szName) {
    std::ifstream in(std::string(HARBORGAST_ASSET_DIR) + "/" + szName, std::ios::binary);
    if (!in) {
        ADD_FAILURE() << szName << " was not generated";
        return std::nullopt;
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t U16(const Bytes& b, size_t n) { return b[n] | (b[n + 1] << 8); }
uint32_t U32(const Bytes& b, size_t n) { return U16(b, n) | (U16(b, n + 2) << 16); }
int32_t S32(const Bytes& b, size_t n) { return int32_t(U32(b, n)); }
uint32_t BigU16(const Bytes& b, size_t n) { return (b[n] << 8) | b[n + 1]; }
uint32_t BigU32(const Bytes& b, size_t n) { return (BigU16(b, n) << 16) | BigU16(b, n + 2); }
std::string Tag(const Bytes& b, size_t n) { return std::string(b.begin() + n, b.begin() + n + 4); }

std::string BitmapName(int nId) { return "bitmap" + std::to_string(nId) + ".bmp"; }
std::string WaveName(int nId) { return "wave" + std::to_string(nId) + ".wav"; }
std::string MidiName(int nId) { return "midi" + std::to_string(nId) + ".mid"; }

// ---- Bitmaps -----------------------------------------------------------

struct Picture {
    int nId, nWidth, nHeight, nFrames, nFrameHeight;
    bool bKeyed;
};

std::vector<Picture> CataloguePictures() {
    std::vector<Picture> v;
    std::set<int> seen;
    for (const LoadListEntry& e : LoadList)
        if (seen.insert(e.nResourceId).second)
            v.push_back({e.nResourceId, e.nWidth, e.nHeight, e.nFrames, e.nFrameHeight, e.nBackdrop < 0});
    for (const PictureEntry& e : OtherPictures)
        v.push_back({e.nResourceId, e.nWidth, e.nHeight, 1, e.nHeight, false});
    return v;
}

constexpr size_t kPixelOffset = 14 + 40 + 1024;

// Pixel (x, y) of a picture as drawn, y = 0 the top row.
uint8_t PixelAt(const Dib8& dib, int x, int y) { return dib.RowFromBottom(dib.nHeight - 1 - y)[x]; }

uint32_t TableColour(const Bytes& b, int i) {
    size_t n = 14 + 40 + 4 * i;
    return (b[n + 2] << 16) | (b[n + 1] << 8) | b[n];
}

// The painters paint, and the scenes pick, a strip's frames by their names;
// the load list must cut each strip into just as many frames.
TEST(Catalogue, EveryStripHasAsManyFramesAsItHasNames) {
    const std::map<int, int> kNamedFrames = {
        {IDB_GALLEON, frames::kGalleonFrames},
        {IDB_ENSIGN_SMALL, frames::kFlagFrames},
        {IDB_JOLLY_ROGER_SMALL, frames::kFlagFrames},
        {IDB_ENSIGN_LARGE, frames::kFlagFrames},
        {IDB_JOLLY_ROGER_LARGE, frames::kFlagFrames},
        {IDB_ENSIGN_TINY, frames::kFlagFrames},
        {IDB_CANNON_FIRE, frames::kCannonFireFrames},
        {IDB_CANNON_BLAST, frames::kCannonBlastFrames},
        {IDB_CANNONBALL, frames::kCannonballFrames},
        {IDB_SMOKE_CLOUD, frames::kSmokeCloudFrames},
        {IDB_NAVY_OFFICER, frames::kOfficerFrames},
        {IDB_NAVY_SAILORS, frames::kSailorFrames},
        {IDB_RED_COAT_PIRATE, frames::kRedCoatFrames},
        {IDB_PIRATE, frames::kPirateFrames},
        {IDB_SPLASH, frames::kSplashFrames},
        {IDB_BLOOD, frames::kSpatterFrames},
        {IDB_KRAKEN_EYES, frames::kKrakenEyesFrames},
        {IDB_TENTACLE_TWO_POSES, frames::kTentacleTwoPosesFrames},
        {IDB_TENTACLE_THREE_POSES, frames::kTentacleThreePosesFrames},
        {IDB_TENTACLE_TIP, frames::kTentacleTipFrames},
    };
    for (const LoadListEntry& e : LoadList) {
        const auto named = kNamedFrames.find(e.nResourceId);
        if (named != kNamedFrames.end())
            EXPECT_EQ(e.nFrames, named->second) << "bitmap " << e.nResourceId;
        else
            EXPECT_EQ(e.nFrames, 1) << "bitmap " << e.nResourceId << ": a strip without named frames";
    }
}

TEST(GeneratedBitmaps, HeaderColourTableAndKeyOfEveryPicture) {
    const std::array<uint32_t, 256> kColours = StatedColourTable();
    std::set<uint32_t> keyColours;
    for (const Picture& p : CataloguePictures()) {
        std::optional<Bytes> file = ReadAsset(BitmapName(p.nId));
        if (!file) continue;
        const Bytes& b = *file;
        SCOPED_TRACE("bitmap " + std::to_string(p.nId));
        const size_t nStride = DibStride(p.nWidth);
        ASSERT_EQ(b.size(), kPixelOffset + nStride * p.nHeight);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(U32(b, 2), b.size());
        EXPECT_EQ(U32(b, 10), kPixelOffset);
        EXPECT_EQ(U32(b, 14), 40u);
        EXPECT_EQ(S32(b, 18), p.nWidth);
        EXPECT_EQ(S32(b, 22), p.nHeight);  // positive: bottom-up
        EXPECT_EQ(U16(b, 26), 1u);
        EXPECT_EQ(U16(b, 28), 8u);
        EXPECT_EQ(U32(b, 30), 0u);  // BI_RGB
        EXPECT_EQ(U32(b, 46), 256u);
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(TableColour(b, i), kColours[size_t(i)]) << "entry " << i;
            ASSERT_EQ(b[14 + 40 + 4 * i + 3], 0) << "entry " << i;
        }
        for (size_t y = 0; y < size_t(p.nHeight); ++y)
            for (size_t x = p.nWidth; x < nStride; ++x)
                ASSERT_EQ(b[kPixelOffset + y * nStride + x], 0) << "row padding";
        Dib8 dib;
        ASSERT_EQ(ReadDib8(b.data() + 14, b.size() - 14, dib), DibCheck::kOk);

        if (!p.bKeyed) {
            std::set<uint8_t> used;
            for (int y = 0; y < p.nHeight; ++y)
                for (int x = 0; x < p.nWidth; ++x) used.insert(PixelAt(dib, x, y));
            EXPECT_GE(used.size(), 8u) << "an opaque picture of hardly any colours";
            continue;
        }
        // One key per picture: every frame's top-left pixel, the whole unused
        // band above the last frame, and no painted pixel of the same colour.
        const uint8_t nKey = PixelAt(dib, 0, p.nHeight - p.nFrameHeight);
        const uint32_t rgbKey = TableColour(b, nKey);
        EXPECT_TRUE(keyColours.insert(rgbKey).second) << "key colour shared with another picture";
        for (int y = 0; y < p.nHeight - p.nFrames * p.nFrameHeight; ++y)
            for (int x = 0; x < p.nWidth; ++x) ASSERT_EQ(PixelAt(dib, x, y), nKey) << "unused row";
        for (int f = 0; f < p.nFrames; ++f) {
            SCOPED_TRACE("frame " + std::to_string(f));
            int nTop = p.nHeight - (f + 1) * p.nFrameHeight;
            EXPECT_EQ(PixelAt(dib, 0, nTop), nKey);
            long nPainted = 0, nBackground = 0;
            for (int y = nTop; y < nTop + p.nFrameHeight; ++y) {
                for (int x = 0; x < p.nWidth; ++x) {
                    uint8_t i = PixelAt(dib, x, y);
                    if (i == nKey) {
                        ++nBackground;
                    } else {
                        ++nPainted;
                        ASSERT_NE(TableColour(b, i), rgbKey) << "key colour painted at " << x << "," << y;
                    }
                }
            }
            EXPECT_GT(nPainted, 0) << "empty frame";
            EXPECT_GT(nBackground, 1) << "a sprite frame without background";
        }
    }
}

// ---- Sounds ------------------------------------------------------------

TEST(GeneratedSounds, RiffPcmMonoOfTheListedLength) {
    for (const ExpectedSound& s : kExpectedSounds) {
        std::optional<Bytes> file = ReadAsset(WaveName(s.nId));
        if (!file) continue;
        const Bytes& b = *file;
        SCOPED_TRACE("wave " + std::to_string(s.nId));
        ASSERT_GE(b.size(), 44u);
        EXPECT_EQ(Tag(b, 0), "RIFF");
        EXPECT_EQ(U32(b, 4), b.size() - 8);
        EXPECT_EQ(Tag(b, 8), "WAVE");
        ASSERT_EQ(Tag(b, 12), "fmt ");
        ASSERT_EQ(U32(b, 16), 16u);
        EXPECT_EQ(U16(b, 20), 1u);  // PCM
        EXPECT_EQ(U16(b, 22), 1u);  // mono
        EXPECT_EQ(U32(b, 24), 22050u);
        EXPECT_EQ(U32(b, 28), 44100u);
        EXPECT_EQ(U16(b, 32), 2u);
        EXPECT_EQ(U16(b, 34), 16u);
        ASSERT_EQ(Tag(b, 36), "data");
        const uint32_t nSamples = uint32_t(std::lround(s.dSeconds * 22050));
        ASSERT_EQ(U32(b, 40), nSamples * 2);
        ASSERT_LE(44 + nSamples * 2, b.size());

        // Further chunks: exactly one for the sound that carries one.
        int nExtra = 0;
        for (size_t n = 44 + nSamples * 2; n < b.size(); ++nExtra) {
            ASSERT_LE(n + 8, b.size());
            n += 8 + ((U32(b, n + 4) + 1) & ~1u);
            ASSERT_LE(n, b.size()) << "chunk runs past the file";
        }
        EXPECT_EQ(nExtra, s.bExtraChunk ? 1 : 0);

        // What the sound output plays: the whole data chunk, in place.
        const WaveSound sound = FindWaveSound(b.data(), b.size());
        EXPECT_TRUE(sound.bValid);
        EXPECT_EQ(sound.pSamples, b.data() + 44);
        EXPECT_EQ(sound.nSampleBytes, nSamples * 2);

        // Audible, and silent at both ends so that no cut clicks.
        int nPeak = 0;
        for (uint32_t i = 0; i < nSamples; ++i) nPeak = std::max(nPeak, std::abs(int16_t(U16(b, 44 + 2 * i))));
        EXPECT_GT(nPeak, 32767 / 10) << "barely audible";
        EXPECT_LT(std::abs(int16_t(U16(b, 44))), 400);
        EXPECT_LT(std::abs(int16_t(U16(b, 44 + 2 * (nSamples - 1)))), 400);
    }
}

// ---- Sound levels and spectra -------------------------------------------

// The sounds play on whatever the user has: often a laptop's or a monitor's
// small speakers. Their loudness is judged as the ear hears it (A-weighted,
// loudest 200 ms), and once more through a small speaker's response.

using Spectrum = std::vector<std::complex<double>>;

// Radix-2 FFT in place; the size must be a power of two.
void Fft(Spectrum& a, bool bInverse) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t nBit = n >> 1;
        for (; j & nBit; nBit >>= 1) j ^= nBit;
        j ^= nBit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t nLen = 2; nLen <= n; nLen <<= 1) {
        const double dAngle = 2.0 * M_PI / double(nLen) * (bInverse ? 1.0 : -1.0);
        const std::complex<double> wStep(std::cos(dAngle), std::sin(dAngle));
        for (size_t i = 0; i < n; i += nLen) {
            std::complex<double> w(1.0, 0.0);
            for (size_t k = 0; k < nLen / 2; ++k, w *= wStep) {
                std::complex<double> u = a[i + k], v = a[i + k + nLen / 2] * w;
                a[i + k] = u + v;
                a[i + k + nLen / 2] = u - v;
            }
        }
    }
    if (bInverse)
        for (auto& c : a) c /= double(n);
}

// The standard A-weighting curve as a gain, 1 at 1 kHz.
double AWeighting(double f) {
    const double f2 = f * f;
    const double dRa = (12194.0 * 12194.0 * f2 * f2) /
                       ((f2 + 20.6 * 20.6) * std::sqrt((f2 + 107.7 * 107.7) * (f2 + 737.9 * 737.9)) *
                        (f2 + 12194.0 * 12194.0));
    return dRa * 1.2589;  // +2.0 dB
}

// A small speaker: hardly anything below about 250 Hz (fourth-order roll-off).
double SmallSpeaker(double f) {
    const double r = std::pow(f / 250.0, 4.0);
    return std::sqrt(r / (1.0 + r));
}

struct SoundLevels {
    double dLoudnessDb;      // A-weighted RMS of the loudest 200 ms, dBFS
    double dSmallSpeakerDb;  // the same through a small speaker
    double dShareBelow100;   // share of the energy below 100 Hz
};

SoundLevels MeasureSound(const Bytes& b, uint32_t nSamples) {
    constexpr double kRate = 22050.0;
    const size_t nWindow = 4410, nHop = 110;  // 200 ms, 5 ms
    size_t nSize = 1;
    while (nSize < nSamples + nWindow) nSize <<= 1;  // room for the filters' ringing
    Spectrum x(nSize);
    for (uint32_t i = 0; i < nSamples; ++i) x[i] = int16_t(U16(b, 44 + 2 * i)) / 32768.0;
    Fft(x, false);
    double dLow = 0.0, dAll = 0.0;
    for (size_t k = 1; k <= nSize / 2; ++k) {
        double dPower = std::norm(x[k]);
        dAll += dPower;
        if (k * kRate / nSize < 100.0) dLow += dPower;
    }
    // Zero-phase weighting in the frequency domain, then the loudest window.
    auto loudestDb = [&](double (*pfnResponse)(double)) {
        Spectrum y(nSize);
        for (size_t k = 1; k < nSize; ++k) {
            double f = double(std::min(k, nSize - k)) * kRate / double(nSize);
            y[k] = x[k] * pfnResponse(f) * AWeighting(f);
        }
        Fft(y, true);
        std::vector<double> energy(nSize + 1, 0.0);
        for (size_t i = 0; i < nSize; ++i) energy[i + 1] = energy[i] + y[i].real() * y[i].real();
        double dLoudest = 0.0;
        for (size_t i = 0; i + nWindow <= nSize; i += nHop)
            dLoudest = std::max(dLoudest, energy[i + nWindow] - energy[i]);
        // A sound shorter than the window counts as part of a full one: the
        // ear hears a click as quieter than a held sound of the same level.
        return 10.0 * std::log10(std::max(dLoudest / double(nWindow), 1e-20));
    };
    return {loudestDb([](double) { return 1.0; }), loudestDb(SmallSpeaker), dAll > 0.0 ? dLow / dAll : 0.0};
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2.0;
}

// The gunfire, and the crews' voices it has to stand up to.
constexpr int kGunSounds[] = {148, 191, 192, 227};
constexpr int kVoiceSounds[] = {190, 194, 195, 196, 230};

TEST(GeneratedSounds, EvenLoudnessAndGunfireThatCarriesOnSmallSpeakers) {
    std::map<int, SoundLevels> levels;
    for (const ExpectedSound& s : kExpectedSounds)
        if (std::optional<Bytes> file = ReadAsset(WaveName(s.nId)); file && file->size() >= 44)
            levels[s.nId] = MeasureSound(*file, std::min<uint32_t>(U32(*file, 40), uint32_t(file->size() - 44)) / 2);
    if (levels.size() < std::size(kExpectedSounds)) return;  // a partial build; completeness is checked below

    std::string szTable;
    std::vector<double> loudness, voicesSmall;
    for (const auto& [nId, l] : levels) {
        loudness.push_back(l.dLoudnessDb);
        char szRow[96];
        std::snprintf(szRow, sizeof szRow, "%d: %.1f dB(A), small speaker %.1f, %.0f%% below 100 Hz\n", nId,
                      l.dLoudnessDb, l.dSmallSpeakerDb, 100.0 * l.dShareBelow100);
        szTable += szRow;
    }
    RecordProperty("SoundLevels", szTable);
    for (int nId : kVoiceSounds) voicesSmall.push_back(levels[nId].dSmallSpeakerDb);
    const double dMedian = Median(loudness), dVoicesSmall = Median(voicesSmall);

    for (const auto& [nId, l] : levels)
        EXPECT_NEAR(l.dLoudnessDb, dMedian, 3.0) << "wave " << nId << " against the median loudness\n" << szTable;
    for (int nId : kGunSounds) {
        EXPECT_LE(levels[nId].dShareBelow100, 0.5) << "wave " << nId << ": a dull thud\n" << szTable;
        EXPECT_GE(levels[nId].dSmallSpeakerDb, dVoicesSmall)
            << "wave " << nId << ": quieter than the voices on a small speaker\n" << szTable;
    }
}

// ---- Tunes -------------------------------------------------------------

size_t ReadVlq(const Bytes& b, size_t& n, size_t nEnd) {
    size_t v = 0;
    for (int i = 0; i < 4 && n < nEnd; ++i) {
        uint8_t c = b[n++];
        v = (v << 7) | (c & 0x7F);
        if (!(c & 0x80)) return v;
    }
    ADD_FAILURE() << "bad variable-length number before " << n;
    return 0;
}

struct TuneNote {
    uint32_t nTick;
    int nChannel, nKey;
};

struct TrackSummary {
    std::vector<TuneNote> notes;  // note-ons, in time order
    int nHanging = 0;             // notes started and never ended
    bool bTempo = false;
    bool bEndsCleanly = false;
};

// Walks one track chunk's events the way a sequencer reads them.
TrackSummary WalkTrack(const Bytes& b, size_t n, size_t nEnd) {
    TrackSummary t;
    int nSounding[16][128] = {};
    uint8_t nRunning = 0;
    uint32_t nTick = 0;
    while (n < nEnd) {
        nTick += uint32_t(ReadVlq(b, n, nEnd));
        if (n >= nEnd) break;
        uint8_t c = b[n];
        if (c == 0xFF) {
            if (n + 2 > nEnd) break;
            uint8_t nType = b[n + 1];
            n += 2;
            size_t nLen = ReadVlq(b, n, nEnd);
            if (n + nLen > nEnd) break;
            if (nType == 0x51) t.bTempo = (nLen == 3);
            n += nLen;
            if (nType == 0x2F) {
                t.bEndsCleanly = (nLen == 0 && n == nEnd);
                return t;
            }
            nRunning = 0;
            continue;
        }
        if (c == 0xF0 || c == 0xF7) {
            ++n;
            n += ReadVlq(b, n, nEnd);
            nRunning = 0;
            continue;
        }
        if (c & 0x80) {
            nRunning = c;
            ++n;
        }
        if (nRunning < 0x80 || nRunning >= 0xF0) {
            ADD_FAILURE() << "data byte without a status at " << n;
            return t;
        }
        int nData = ((nRunning & 0xF0) == 0xC0 || (nRunning & 0xF0) == 0xD0) ? 1 : 2;
        if (n + nData > nEnd) break;
        for (int i = 0; i < nData; ++i)
            if (b[n + i] & 0x80) {
                ADD_FAILURE() << "status byte where data belongs at " << n + i;
                return t;
            }
        int nChannel = nRunning & 0x0F, nKey = b[n], nVelocity = nData == 2 ? b[n + 1] : 0;
        if ((nRunning & 0xF0) == 0x90 && nVelocity > 0) {
            t.notes.push_back({nTick, nChannel, nKey});
            ++nSounding[nChannel][nKey];
        } else if ((nRunning & 0xF0) == 0x80 || (nRunning & 0xF0) == 0x90) {
            if (nSounding[nChannel][nKey] > 0) --nSounding[nChannel][nKey];
        }
        n += nData;
    }
    for (auto& channel : nSounding)
        for (int nCount : channel) t.nHanging += nCount;
    return t;  // no end-of-track event
}

// The track chunks that follow the header, walked; stops at anything that
// is not a complete track chunk. nAfter is where the last one ended.
std::vector<TrackSummary> WalkTracks(const Bytes& b, size_t& nAfter) {
    std::vector<TrackSummary> tracks;
    size_t n = 14;
    while (n + 8 <= b.size() && Tag(b, n) == "MTrk" && BigU32(b, n + 4) <= b.size() - n - 8) {
        size_t nEnd = n + 8 + BigU32(b, n + 4);
        tracks.push_back(WalkTrack(b, n + 8, nEnd));
        n = nEnd;
    }
    nAfter = n;
    return tracks;
}

TEST(GeneratedTunes, FormatOneFilesOfTheExactSizeAndTracks) {
    for (const ExpectedTune& tune : kExpectedTunes) {
        std::optional<Bytes> file = ReadAsset(MidiName(tune.nId));
        if (!file) continue;
        const Bytes& b = *file;
        SCOPED_TRACE("midi " + std::to_string(tune.nId));
        ASSERT_EQ(b.size(), tune.nBytes);
        ASSERT_EQ(Tag(b, 0), "MThd");
        ASSERT_EQ(BigU32(b, 4), 6u);
        EXPECT_EQ(BigU16(b, 8), 1u);
        ASSERT_EQ(BigU16(b, 10), tune.nTracks);
        EXPECT_EQ(BigU16(b, 12), 480u);
        size_t nAfter = 0;
        std::vector<TrackSummary> tracks = WalkTracks(b, nAfter);
        ASSERT_EQ(tracks.size(), tune.nTracks);
        EXPECT_EQ(nAfter, b.size()) << "bytes after the last track";
        size_t nNotes = 0;
        for (size_t i = 0; i < tracks.size(); ++i) {
            SCOPED_TRACE("track " + std::to_string(i));
            const TrackSummary& t = tracks[i];
            EXPECT_TRUE(t.bEndsCleanly) << "must end with its end-of-track event";
            EXPECT_EQ(t.nHanging, 0) << "notes left sounding";
            if (i == 0) EXPECT_TRUE(t.bTempo);
            else EXPECT_FALSE(t.notes.empty()) << "a silent track";
            nNotes += t.notes.size();
        }
        EXPECT_GT(nNotes, 200u);
    }
}

// What each tune must stay: its melody as published, and a bass that fits
// the chords played over it.
struct TuneScore {
    int nId;
    const char* szAbc;      // its opening, in ABC notation
    int nSharps;            // the ABC's key signature
    uint32_t nFirstBarTick; // after the pick-up
    int nMelodyChannel;     // in the first track after the tempo track
    int nChordChannel;
    std::set<int> bassChannels;
};

// The traditional Sailor's Hornpipe (the College Hornpipe, Jack's the Lad;
// public domain), its first phrase as commonly written in D: the high tonic,
// the low tonic struck twice, the climb back up through the tonic chord, then
// the same a step higher, arriving on the dominant.
constexpr const char* kSailorsHornpipe =
    "X:1\n"
    "T:Sailor's Hornpipe\n"
    "R:hornpipe\n"
    "M:4/4\n"
    "L:1/8\n"
    "K:D\n"
    "dc|d2 D2 D2 AG|FAdc dfed|e2 E2 E2 ed|cea^g a2 bc'|\n";

// Rule, Britannia! (Thomas Arne, 1740; public domain): the opening of its
// chorus in D.
constexpr const char* kRuleBritannia =
    "X:2\n"
    "T:Rule, Britannia!\n"
    "M:4/4\n"
    "L:1/8\n"
    "K:D\n"
    "f4 z2 f2|g2 g2 z2 f2|g3 f e3 d|c8|a4 g4|fdge a2 g2|f4 e4|\n";

const TuneScore kTuneScores[] = {
    {243, kSailorsHornpipe, 2, 480, 0, 2, {3}},
    {244, kRuleBritannia, 2, 0, 0, 2, {4, 5}},
};

// The key numbers of the notes of an ABC tune: header lines are skipped,
// lengths, bar lines and tuplet marks ignored; accidentals last to the bar's
// end, and the key signature's sharps fall on F, C, G, D... in that order.
std::vector<int> AbcKeys(const char* szAbc, int nSharps) {
    static const int kPitch[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    static const char kSharpOrder[] = "FCGDAEB";
    std::vector<int> keys;
    std::map<int, int> barAccidentals;  // by letter and octave
    bool bHeader = true;
    int nPending = 99;
    for (const char* p = szAbc; *p; ++p) {
        if (p == szAbc || p[-1] == '\n') bHeader = std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':';
        if (bHeader) continue;
        char c = *p;
        if (c == '|') {
            barAccidentals.clear();
        } else if (c == '(' && std::isdigit(static_cast<unsigned char>(p[1]))) {
            ++p;  // a tuplet: the lengths change, the notes do not
        } else if (c == '^' || c == '_' || c == '=') {
            nPending = (nPending == 99 ? 0 : nPending) + (c == '^' ? 1 : c == '_' ? -1 : 0);
        } else if ((c >= 'A' && c <= 'G') || (c >= 'a' && c <= 'g')) {
            int nLetter = std::toupper(static_cast<unsigned char>(c)) - 'A';
            int nOctave = c >= 'a' ? 5 : 4;
            for (; p[1] == '\'' || p[1] == ','; ++p) nOctave += p[1] == '\'' ? 1 : -1;
            int nSlot = nLetter * 16 + nOctave;
            if (nPending != 99) barAccidentals[nSlot] = nPending;
            nPending = 99;
            int nShift = 0;
            if (barAccidentals.count(nSlot)) nShift = barAccidentals[nSlot];
            else if (std::strchr(kSharpOrder, 'A' + nLetter) - kSharpOrder < nSharps) nShift = 1;
            keys.push_back(12 * (nOctave + 1) + kPitch[nLetter] + nShift);
        }
    }
    return keys;
}

std::vector<int> Intervals(const std::vector<int>& keys) {
    std::vector<int> steps;
    for (size_t i = 1; i < keys.size(); ++i) steps.push_back(keys[i] - keys[i - 1]);
    return steps;
}

std::string Joined(const std::vector<int>& v) {
    std::string sz;
    for (int n : v) sz += (sz.empty() ? "" : " ") + std::to_string(n);
    return sz;
}

TEST(GeneratedTunes, MelodyOpensNoteForNoteAsTheTuneIsWritten) {
    // The reading of the notation itself: the hornpipe's first bar in D, a
    // tuplet, accidentals and octave marks.
    EXPECT_EQ(AbcKeys("K:D\ndc|d2 D2 D2 AG|(3ABc ^G=c_B,c'|", 2),
              (std::vector<int>{74, 73, 74, 62, 62, 69, 67, 69, 71, 73, 68, 72, 58, 85}));
    for (const TuneScore& score : kTuneScores) {
        std::optional<Bytes> file = ReadAsset(MidiName(score.nId));
        if (!file) continue;
        SCOPED_TRACE("midi " + std::to_string(score.nId));
        size_t nAfter = 0;
        std::vector<TrackSummary> tracks = WalkTracks(*file, nAfter);
        ASSERT_GE(tracks.size(), 2u);
        std::vector<int> melody;
        for (const TuneNote& n : tracks[1].notes)
            if (n.nChannel == score.nMelodyChannel) melody.push_back(n.nKey);
        // Intervals, so that the arrangement may move the tune by octaves.
        const std::vector<int> expected = Intervals(AbcKeys(score.szAbc, score.nSharps));
        std::vector<int> played = Intervals(melody);
        played.resize(std::min(played.size(), expected.size()));
        EXPECT_EQ(Joined(played), Joined(expected));
    }
}

TEST(GeneratedTunes, BassOnEveryStrongBeatIsInItsChord) {
    constexpr uint32_t kBeat = 480, kBar = 4 * kBeat;
    for (const TuneScore& score : kTuneScores) {
        std::optional<Bytes> file = ReadAsset(MidiName(score.nId));
        if (!file) continue;
        SCOPED_TRACE("midi " + std::to_string(score.nId));
        size_t nAfter = 0;
        std::vector<TuneNote> bass, chords;
        for (const TrackSummary& t : WalkTracks(*file, nAfter))
            for (const TuneNote& n : t.notes) {
                if (score.bassChannels.count(n.nChannel)) bass.push_back(n);
                if (n.nChannel == score.nChordChannel) chords.push_back(n);
            }
        ASSERT_FALSE(bass.empty());
        int nStrong = 0;
        std::string szWrong;
        for (const TuneNote& n : bass) {
            // Beats 1 and 3. Its chord is the first one struck in that half
            // bar (an accompaniment may play off the beat), else the last before.
            if (n.nTick < score.nFirstBarTick || (n.nTick - score.nFirstBarTick) % (kBar / 2) != 0) continue;
            ++nStrong;
            std::optional<uint32_t> nAfterBass, nBeforeBass;
            for (const TuneNote& c : chords) {
                if (c.nTick >= n.nTick && c.nTick < n.nTick + kBar / 2) nAfterBass = std::min(c.nTick, nAfterBass.value_or(c.nTick));
                if (c.nTick < n.nTick) nBeforeBass = std::max(c.nTick, nBeforeBass.value_or(c.nTick));
            }
            std::optional<uint32_t> nStruck = nAfterBass ? nAfterBass : nBeforeBass;
            std::set<int> tones;
            for (const TuneNote& c : chords)
                if (nStruck && c.nTick == *nStruck) tones.insert(c.nKey % 12);
            if (!tones.count(n.nKey % 12)) {
                uint32_t nIn = n.nTick - score.nFirstBarTick;
                szWrong += " bar " + std::to_string(nIn / kBar + 1) + " beat " + std::to_string(nIn % kBar / kBeat + 1) +
                           " key " + std::to_string(n.nKey) + ";";
            }
        }
        EXPECT_GT(nStrong, 32);
        EXPECT_EQ(szWrong, "") << "bass outside its chord";
    }
}

}  // namespace

// ---- Icon and cursor ---------------------------------------------------

struct IconImage {
    int nSize, nBits;
    std::vector<bool> masked;      // AND mask, rows top-down
    std::vector<uint32_t> colour;  // 0xRRGGBB of the colour bits, rows top-down
};

// Walks an icon or cursor directory and checks each image's header and
// that its bytes are exactly header, colour table, colour bits and mask.
std::vector<IconImage> ReadIconDirectory(const Bytes& b, uint32_t nType) {
    std::vector<IconImage> images;
    EXPECT_GE(b.size(), 6u);
    if (b.size() < 6) return images;
    EXPECT_EQ(U16(b, 0), 0u);
    EXPECT_EQ(U16(b, 2), nType);
    const uint32_t nCount = U16(b, 4);
    EXPECT_LE(6 + 16 * nCount, b.size());
    for (uint32_t i = 0; i < nCount && 6 + 16 * (i + 1) <= b.size(); ++i) {
        const size_t e = 6 + 16 * i;
        const int nSize = b[e] ? b[e] : 256;
        const uint32_t nBytes = U32(b, e + 8), nOffset = U32(b, e + 12);
        SCOPED_TRACE("image " + std::to_string(i));
        EXPECT_EQ(b[e + 1], b[e]) << "square";
        if (!(nOffset + 40 <= b.size() && nBytes <= b.size() - nOffset)) {
            ADD_FAILURE() << "image outside the file";
            continue;
        }
        EXPECT_EQ(U32(b, nOffset), 40u);
        EXPECT_EQ(S32(b, nOffset + 4), nSize);
        EXPECT_EQ(S32(b, nOffset + 8), 2 * nSize) << "height covers colour bits and mask";
        EXPECT_EQ(U16(b, nOffset + 12), 1u);
        const int nBits = int(U16(b, nOffset + 14));
        if (nType == 1) {
            EXPECT_EQ(U16(b, e + 6), uint32_t(nBits)) << "directory's bit count";
        }
        const size_t nColours = nBits <= 8 ? (size_t(1) << nBits) : 0;
        const size_t nColourStride = ((nSize * nBits + 31) / 32) * 4, nMaskStride = ((nSize + 31) / 32) * 4;
        const size_t nMask = nOffset + 40 + 4 * nColours + nColourStride * nSize;
        EXPECT_EQ(nBytes, 40 + 4 * nColours + (nColourStride + nMaskStride) * nSize);
        if (nMask + nMaskStride * nSize > b.size()) continue;
        IconImage image{nSize, nBits, std::vector<bool>(size_t(nSize) * nSize),
                        std::vector<uint32_t>(size_t(nSize) * nSize)};
        const size_t nTable = nOffset + 40, nColourBits = nTable + 4 * nColours;
        for (int y = 0; y < nSize; ++y)
            for (int x = 0; x < nSize; ++x) {
                const size_t i = size_t(y) * nSize + x;
                image.masked[i] = (b[nMask + (nSize - 1 - y) * nMaskStride + x / 8] >> (7 - x % 8)) & 1;
                if (nColours == 0) continue;
                const size_t nBit = size_t(x) * nBits;
                const int nIndex = (b[nColourBits + (nSize - 1 - y) * nColourStride + nBit / 8] >>
                                    (8 - nBits - nBit % 8)) & ((1 << nBits) - 1);
                image.colour[i] = U32(b, nTable + 4 * nIndex) & 0xFFFFFF;
            }
        images.push_back(image);
    }
    return images;
}

TEST(GeneratedIcon, SixImagesOfTheSaverIcon) {
    std::optional<Bytes> file = ReadAsset("ssavericon.ico");
    if (!file) return;
    std::vector<IconImage> images = ReadIconDirectory(*file, 1);
    ASSERT_EQ(images.size(), 6u);
    std::set<std::pair<int, int>> kinds;
    for (const IconImage& image : images) {
        kinds.insert({image.nSize, image.nBits});
        long nMasked = std::count(image.masked.begin(), image.masked.end(), true);
        EXPECT_GT(nMasked, 0) << "a round icon leaves its corners clear";
        // The screen is XORed with a clear pixel's colour: black shows it as it is.
        long nClearNotBlack = 0;
        for (size_t i = 0; i < image.masked.size(); ++i) nClearNotBlack += image.masked[i] && image.colour[i] != 0;
        EXPECT_EQ(nClearNotBlack, 0) << image.nSize << " px, " << image.nBits << " bits";
        EXPECT_LT(nMasked, long(image.masked.size()) / 2) << "mostly empty";
    }
    EXPECT_EQ(kinds, (std::set<std::pair<int, int>>{{64, 8}, {48, 8}, {32, 8}, {16, 8}, {32, 4}, {16, 4}}));
}

TEST(GeneratedCursor, OneMonochromeHandWithItsHotspotOnTheFinger) {
    std::optional<Bytes> file = ReadAsset("cursor117.cur");
    if (!file) return;
    const Bytes& b = *file;
    std::vector<IconImage> images = ReadIconDirectory(b, 2);
    ASSERT_EQ(images.size(), 1u);
    const IconImage& image = images[0];
    EXPECT_EQ(image.nSize, 32);
    EXPECT_EQ(image.nBits, 1);
    const int x = int(U16(b, 6 + 4)), y = int(U16(b, 6 + 6));
    ASSERT_LT(x, image.nSize);
    ASSERT_LT(y, image.nSize);
    EXPECT_FALSE(image.masked[size_t(y) * image.nSize + x]) << "the hotspot is on the hand";
    // It is the fingertip: nothing of the hand lies above it.
    for (int yAbove = 0; yAbove < y; ++yAbove)
        for (int xAny = 0; xAny < image.nSize; ++xAny)
            EXPECT_TRUE(image.masked[size_t(yAbove) * image.nSize + xAny]) << xAny << "," << yAbove;
}

// ---- Completeness ------------------------------------------------------

TEST(GeneratedAssets, EveryResourceOfTheSaverIsMade) {
    std::vector<std::string> names;
    for (const Picture& p : CataloguePictures()) names.push_back(BitmapName(p.nId));
    for (const ExpectedSound& s : kExpectedSounds) names.push_back(WaveName(s.nId));
    for (const ExpectedTune& t : kExpectedTunes) names.push_back(MidiName(t.nId));
    names.push_back("ssavericon.ico");
    names.push_back("cursor117.cur");
    std::string szMissing;
    for (const std::string& szName : names)
        if (!ReadAsset(szName)) szMissing += " " + szName;
    EXPECT_EQ(szMissing, "") << "not generated";
}

TEST(GeneratedAssets, SoundsAndTunesAreTheOnesTheShowPlays) {
    std::set<int> played, made;
    for (int nId : SoundIdTable)
        if (nId != 0) played.insert(nId);
    for (const ExpectedSound& s : kExpectedSounds) made.insert(s.nId);
    EXPECT_EQ(made, played);
    EXPECT_EQ(kExpectedTunes[0].nId, kTune1ResourceId);
    EXPECT_EQ(kExpectedTunes[0].nBytes, kTune1Bytes);
    EXPECT_EQ(kExpectedTunes[1].nId, kTune2ResourceId);
    EXPECT_EQ(kExpectedTunes[1].nBytes, kTune2Bytes);
}
