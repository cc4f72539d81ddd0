// Finding the format and the samples of a WAVE resource: chunk order,
// padding, and chunks that claim more than the resource holds. Each
// fixture is a buffer of exactly its own size, so the sanitizer sees any
// read beyond it.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "host/wave_sound.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, uint32_t n) {
    b.push_back(uint8_t(n));
    b.push_back(uint8_t(n >> 8));
}
void Put32(Bytes& b, uint32_t n) {
    Put16(b, n & 0xFFFF);
    Put16(b, n >> 16);
}
void PutTag(Bytes& b, const char* szTag) { b.insert(b.end(), szTag, szTag + 4); }

// A chunk whose header may claim another size than its body has.
void PutChunk(Bytes& b, const char* szTag, const Bytes& body, uint32_t nClaimed) {
    PutTag(b, szTag);
    Put32(b, nClaimed);
    b.insert(b.end(), body.begin(), body.end());
}
void PutChunk(Bytes& b, const char* szTag, const Bytes& body) {
    PutChunk(b, szTag, body, uint32_t(body.size()));
    if (body.size() % 2 != 0) b.push_back(0);
}

Bytes Format(uint16_t nTag = 1, uint16_t nBlockAlign = 2) {
    Bytes f;
    Put16(f, nTag);
    Put16(f, 1);
    Put32(f, 22050);
    Put32(f, 22050u * nBlockAlign);
    Put16(f, nBlockAlign);
    Put16(f, 16);
    return f;
}

Bytes Riff(const Bytes& chunks) {
    Bytes b;
    PutTag(b, "RIFF");
    Put32(b, uint32_t(chunks.size() + 4));
    PutTag(b, "WAVE");
    b.insert(b.end(), chunks.begin(), chunks.end());
    return b;
}

const Bytes kSamples = {1, 2, 3, 4, 5, 6, 7, 8};

struct WaveCase {
    std::string szName;
    Bytes file;
    size_t nSamplesAt;  // 0: no valid sound
    size_t nSampleBytes;
};

std::vector<WaveCase> Cases() {
    std::vector<WaveCase> cases;
    Bytes c;
    PutChunk(c, "fmt ", Format());
    PutChunk(c, "data", kSamples);
    cases.push_back({"PlainFile", Riff(c), 44, 8});

    c.clear();
    PutChunk(c, "LIST", {9, 9, 9});  // odd: one pad byte follows
    PutChunk(c, "data", kSamples);
    PutChunk(c, "fmt ", Format());
    cases.push_back({"OtherChunkFirstAndDataBeforeFormat", Riff(c), 32, 8});

    c.clear();
    PutChunk(c, "fmt ", Format());
    PutChunk(c, "data", kSamples, 1000);
    cases.push_back({"DataCutToTheResource", Riff(c), 44, 8});

    c.clear();
    PutChunk(c, "fmt ", Format());
    PutChunk(c, "data", {1, 2, 3, 4, 5}, 5);
    cases.push_back({"HalfBlockDropped", Riff(c), 44, 4});

    c.clear();
    PutChunk(c, "fmt ", Format());
    PutChunk(c, "LIST", {}, 0xFFFFFFF0u);
    cases.push_back({"HugeChunkBeforeData", Riff(c), 0, 0});

    c.clear();
    PutChunk(c, "data", kSamples);
    cases.push_back({"NoFormat", Riff(c), 0, 0});

    c.clear();
    PutChunk(c, "fmt ", Format());
    cases.push_back({"NoData", Riff(c), 0, 0});

    c.clear();
    PutChunk(c, "fmt ", Format());
    PutChunk(c, "data", {});
    cases.push_back({"EmptyData", Riff(c), 0, 0});

    // The format's 16 bytes at one less, exactly, and two more (the size
    // of the extended format).
    for (const size_t nBytes : {15, 16, 18}) {
        Bytes format = Format();
        format.resize(nBytes);
        c.clear();
        PutChunk(c, "fmt ", format);
        PutChunk(c, "data", kSamples);
        cases.push_back({"FormatOf" + std::to_string(nBytes) + "Bytes", Riff(c),
                         nBytes < 16 ? 0 : 12 + 8 + nBytes + 8, 8});
    }

    // Samples that claim one byte less, exactly or one more than remain.
    for (const int nMore : {-1, 0, 1}) {
        c.clear();
        PutChunk(c, "fmt ", Format());
        PutChunk(c, "data", kSamples, uint32_t(8 + nMore));
        cases.push_back({"DataClaims" + std::string(nMore < 0 ? "OneLess" : nMore == 0 ? "Exactly" : "OneMore"),
                         Riff(c), 44, nMore < 0 ? 6u : 8u});
    }

    // Repeated chunks: the first of each kind decides.
    c.clear();
    PutChunk(c, "fmt ", Format());
    PutChunk(c, "data", kSamples);
    PutChunk(c, "data", {9, 9, 9, 9});
    cases.push_back({"SecondDataIgnored", Riff(c), 44, 8});

    c.clear();
    PutChunk(c, "data", kSamples);
    PutChunk(c, "fmt ", Format());
    PutChunk(c, "fmt ", Format(2));
    PutChunk(c, "data", {9, 9, 9, 9});
    cases.push_back({"DataFormatFormatData", Riff(c), 20, 8});

    c.clear();
    PutChunk(c, "fmt ", Format(2));
    PutChunk(c, "fmt ", Format());
    PutChunk(c, "data", kSamples);
    cases.push_back({"FirstFormatNotPcmDecides", Riff(c), 0, 0});

    c.clear();
    Bytes shortFormat = Format();
    shortFormat.resize(14);
    PutChunk(c, "fmt ", shortFormat);
    PutChunk(c, "fmt ", Format());
    PutChunk(c, "data", kSamples);
    cases.push_back({"FirstFormatShortDecides", Riff(c), 0, 0});

    c.clear();
    PutChunk(c, "fmt ", Format(2));
    PutChunk(c, "data", kSamples);
    cases.push_back({"NotPcm", Riff(c), 0, 0});

    c.clear();
    PutChunk(c, "fmt ", Format(1, 0));
    PutChunk(c, "data", kSamples);
    cases.push_back({"NoBlockSize", Riff(c), 0, 0});

    c.clear();
    PutChunk(c, "fmt ", Format());
    PutChunk(c, "data", kSamples);
    Bytes notWave = Riff(c);
    notWave[8] = 'X';
    cases.push_back({"NotWave", notWave, 0, 0});
    cases.push_back({"TooShort", Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V'}, 0, 0});
    return cases;
}

void PrintTo(const WaveCase& c, std::ostream* pOut) { *pOut << c.szName; }

class WaveSoundTest : public testing::TestWithParam<WaveCase> {};

TEST_P(WaveSoundTest, FindsTheSamplesInPlaceOrNothing) {
    const WaveCase& c = GetParam();
    const WaveSound sound = FindWaveSound(c.file.data(), c.file.size());
    if (c.nSamplesAt == 0) {
        EXPECT_FALSE(sound.bValid);
        return;
    }
    ASSERT_TRUE(sound.bValid);
    EXPECT_EQ(sound.pSamples, c.file.data() + c.nSamplesAt);
    EXPECT_EQ(sound.nSampleBytes, c.nSampleBytes);
    EXPECT_EQ(sound.nChannels, 1);
    EXPECT_EQ(sound.nSamplesPerSec, 22050u);
    EXPECT_EQ(sound.nAvgBytesPerSec, 44100u);
    EXPECT_EQ(sound.nBlockAlign, 2);
    EXPECT_EQ(sound.nBitsPerSample, 16);
}

INSTANTIATE_TEST_SUITE_P(Files, WaveSoundTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<WaveCase>& info) { return info.param.szName; });

TEST(WaveSound, NoResourceIsNoSound) { EXPECT_FALSE(FindWaveSound(nullptr, 0).bValid); }

}  // namespace
