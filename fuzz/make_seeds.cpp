// Writes the fuzz targets' seed inputs: the generated pictures and tunes in
// the targets' input layouts, and a few command lines and profiles as a
// user or the display settings would give them.
//
// fuzz_seeds ASSET_DIR OUT_DIR

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadFile(const std::string& szPath) {
    std::ifstream file(szPath, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "fuzz_seeds: cannot read %s\n", szPath.c_str());
        std::exit(1);
    }
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

void WriteSeed(const std::filesystem::path& dir, const std::string& szName, const Bytes& bytes) {
    std::filesystem::create_directories(dir);
    std::ofstream file(dir / szName, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
        std::fprintf(stderr, "fuzz_seeds: cannot write %s\n", (dir / szName).c_str());
        std::exit(1);
    }
}

Bytes Joined(Bytes bytes, std::initializer_list<unsigned char> tail) {
    bytes.insert(bytes.end(), tail);
    return bytes;
}

// A picture as its resource holds it: the file less its 14-byte header.
Bytes PictureResource(const std::string& szAssets, int nId) {
    Bytes bytes = ReadFile(szAssets + "/bitmap" + std::to_string(nId) + ".bmp");
    bytes.erase(bytes.begin(), bytes.begin() + 14);
    return bytes;
}

// Layout: resource, static colours, palette device, pictures already
// stored, frame count (0: a backdrop).
void WriteBitmapSeeds(const std::string& szAssets, const std::filesystem::path& dir) {
    for (const LoadListEntry& e : LoadList) {
        const int nFrames = e.nBackdrop >= 0 ? 0 : e.nFrames;
        const std::string szName = std::to_string(e.nResourceId) + "-" + std::to_string(nFrames);
        const Bytes res = PictureResource(szAssets, e.nResourceId);
        WriteSeed(dir, szName, Joined(res, {0, 0, 0, (unsigned char)nFrames}));
    }
    // The last picture of the list on a palette device with 20 static colours.
    WriteSeed(dir, "palette-device", Joined(PictureResource(szAssets, kPaletteSourceResource), {20, 1, 0, 4}));
    for (const PictureEntry& e : OtherPictures)
        WriteSeed(dir, std::to_string(e.nResourceId), Joined(PictureResource(szAssets, e.nResourceId), {0, 0, 0, 0}));
    // The store's last place, and one past it.
    const Bytes last = PictureResource(szAssets, kPaletteSourceResource);
    WriteSeed(dir, "store-last", Joined(last, {0, 0, 56, 4}));
    WriteSeed(dir, "store-full", Joined(last, {0, 0, 57, 4}));
}

// Layout: tune 1, tune 2, tune 1's length (low byte first), the kind of
// temporary directory (0: a usable one).
void WriteTuneSeeds(const std::string& szAssets, const std::filesystem::path& dir) {
    const Bytes tune1 = ReadFile(szAssets + "/midi243.mid");
    Bytes both = tune1;
    const Bytes tune2 = ReadFile(szAssets + "/midi244.mid");
    both.insert(both.end(), tune2.begin(), tune2.end());
    const auto nLow = (unsigned char)(tune1.size() & 0xFF), nHigh = (unsigned char)(tune1.size() >> 8);
    for (unsigned char nKind = 0; nKind < 5; ++nKind)
        WriteSeed(dir, "tunes-" + std::to_string(nKind), Joined(both, {nLow, nHigh, nKind}));
}

Bytes Text(const std::string& sz) { return Bytes(sz.begin(), sz.end()); }

// Layout: one text per key in write order, a line each, then the mask of
// the keys present.
void WriteProfileSeeds(const std::filesystem::path& dir) {
    const struct { const char* szName; const char* szText; unsigned char nPresent; } seeds[] = {
        {"empty", "", 0},
        {"defaults", "510\n50\n1\n1\n1035\n0\n0", 0x7F},
        {"hand-edited", "600\n0\n0\n0\n1037\n1\n2", 0x7F},
        {"first-time-only", "11\n95\n1\n1\n1036\n0\n1", 0x7F},
        {"extremes", "-5\n-2147483648\n 1\n0x10\n2147483647\n-1\n3", 0x7F},
        {"quoted", "\"561\"\n100\n\n1\n999\n\"1\"\nfill", 0x5D},
    };
    for (const auto& s : seeds) WriteSeed(dir, s.szName, Joined(Text(s.szText), {s.nPresent}));
}

// Layout: the command line, double-byte stepping (odd), Windows 95 family (odd).
void WriteCommandLineSeeds(const std::filesystem::path& dir) {
    const char* lines[] = {
        "\"C:\\Program Files\\Harborgast\\SSHarborgast.scr\" /s",
        "C:\\WINDOWS\\SSHARB~1.SCR /p 1234",
        "SSHarborgast.scr -c:5678",
        "SSHarborgast.scr /a 99",
        "SSHarborgast.scr /P12345678901",
        "SSHarborgast.scr\t -/ L 7",
        "\"unterminated /s",
        "SSHarborgast.scr",
        "\x83\x5c\"x.scr\" /s",
    };
    int n = 0;
    for (const char* szLine : lines) {
        for (unsigned char nFlags = 0; nFlags < 4; ++nFlags)
            WriteSeed(dir, "line" + std::to_string(n) + "-" + std::to_string(nFlags),
                      Joined(Text(szLine), {(unsigned char)(nFlags >> 1), (unsigned char)(nFlags & 1)}));
        ++n;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds ASSET_DIR OUT_DIR\n");
        return 2;
    }
    const std::string szAssets = argv[1];
    const std::filesystem::path out = argv[2];
    WriteBitmapSeeds(szAssets, out / "bitmaps");
    WriteTuneSeeds(szAssets, out / "tunes");
    WriteProfileSeeds(out / "profile");
    WriteCommandLineSeeds(out / "command_line");
    return 0;
}
