// assetgen --out DIR [--only ID,ID...] [--png]
// Renders the pictures, sounds and tunes that the painting, synthesis and
// tune modules provide, through the asset kit, into the files the resource
// script packs, plus a contact sheet of all pictures. Exits non-zero if any
// asset fails.
#include <fontconfig/fontconfig.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "art.h"
#include "iconfile.h"
#include "picture.h"
#include "resource_ids.h"
#include "sheet.h"
#include "sounds.h"
#include "tunes.h"
#include "wave.h"

namespace {

struct Options {
    std::string szOut;
    std::set<int> only;  // empty: everything
    bool bPng = false;
};

bool ParseIds(const std::string& szList, std::set<int>& ids) {
    size_t nPos = 0;
    while (nPos <= szList.size()) {
        size_t nComma = szList.find(',', nPos);
        std::string szId = szList.substr(nPos, nComma == std::string::npos ? std::string::npos : nComma - nPos);
        char* pEnd = nullptr;
        long n = std::strtol(szId.c_str(), &pEnd, 10);
        if (szId.empty() || *pEnd != '\0' || n <= 0 || n > 65535) return false;
        ids.insert(int(n));
        if (nComma == std::string::npos) break;
        nPos = nComma + 1;
    }
    return true;
}

bool ParseOptions(int argc, char** argv, Options& opt) {
    for (int i = 1; i < argc; ++i) {
        std::string szArg = argv[i];
        if (szArg == "--out" && i + 1 < argc) {
            opt.szOut = argv[++i];
        } else if (szArg == "--only" && i + 1 < argc) {
            if (!ParseIds(argv[++i], opt.only)) return false;
        } else if (szArg == "--png") {
            opt.bPng = true;
        } else {
            return false;
        }
    }
    return !opt.szOut.empty();
}

bool Wanted(const Options& opt, int nId) { return opt.only.empty() || opt.only.count(nId); }

std::string OutPath(const Options& opt, const char* szPrefix, int nId, const char* szExt) {
    return opt.szOut + "/" + szPrefix + std::to_string(nId) + szExt;
}

// Pictures from the three painting modules: each id once, each in the catalogue.
bool CollectArt(std::vector<ArtPiece>& pieces) {
    bool bOk = true;
    std::set<int> seen;
    for (const std::vector<ArtPiece>* pTable : {&SeaArt(), &CrewArt(), &KrakenArt()}) {
        for (const ArtPiece& piece : *pTable) {
            if (!FindPictureGeometry(piece.nResourceId)) {
                std::fprintf(stderr, "assetgen: picture %d is not in the catalogue\n", piece.nResourceId);
                bOk = false;
            } else if (!seen.insert(piece.nResourceId).second) {
                std::fprintf(stderr, "assetgen: picture %d is painted twice\n", piece.nResourceId);
                bOk = false;
            } else {
                pieces.push_back(piece);
            }
        }
    }
    return bOk;
}

bool GeneratePictures(const Options& opt, std::vector<IndexedPicture>& done) {
    std::vector<ArtPiece> pieces;
    bool bOk = CollectArt(pieces);
    std::string szUnpainted;
    for (const PictureGeometry& geo : CataloguePictures()) {
        if (!Wanted(opt, geo.nId)) continue;
        const ArtPiece* pPiece = nullptr;
        for (const ArtPiece& piece : pieces)
            if (piece.nResourceId == geo.nId) pPiece = &piece;
        if (!pPiece) {
            szUnpainted += " " + std::to_string(geo.nId);
            continue;
        }
        IndexedPicture pic;
        std::vector<std::string> warnings;
        std::string szError;
        if (!RenderPicture(*pPiece, geo, pic, warnings, szError)) {
            std::fprintf(stderr, "assetgen: picture %d: %s\n", geo.nId, szError.c_str());
            bOk = false;
            continue;
        }
        for (const std::string& w : warnings)
            std::fprintf(stderr, "assetgen: warning: picture %d: %s\n", geo.nId, w.c_str());
        bOk = WriteFileBytes(OutPath(opt, "bitmap", geo.nId, ".bmp"), EncodeBmp(pic)) && bOk;
        if (opt.bPng) {
            cairo_surface_t* surface = PictureSurface(pic, true);
            std::string szPng = OutPath(opt, "bitmap", geo.nId, ".png");
            if (cairo_surface_write_to_png(surface, szPng.c_str()) != CAIRO_STATUS_SUCCESS) {
                std::fprintf(stderr, "assetgen: cannot write %s\n", szPng.c_str());
                bOk = false;
            }
            cairo_surface_destroy(surface);
        }
        done.push_back(std::move(pic));
    }
    if (!szUnpainted.empty())
        std::fprintf(stderr, "assetgen: note: not painted yet:%s\n", szUnpainted.c_str());
    return bOk;
}

bool GenerateSounds(const Options& opt) {
    bool bOk = true;
    std::set<int> seen;
    for (const SoundPiece& piece : SoundEffects()) {
        if (!seen.insert(piece.nResourceId).second) {
            std::fprintf(stderr, "assetgen: sound %d is synthesised twice\n", piece.nResourceId);
            bOk = false;
            continue;
        }
        if (!Wanted(opt, piece.nResourceId)) continue;
        std::vector<int16_t> pcm;
        std::string szError;
        if (!SynthesiseSound(piece, pcm, szError)) {
            std::fprintf(stderr, "assetgen: sound %d: %s\n", piece.nResourceId, szError.c_str());
            bOk = false;
            continue;
        }
        bOk = WriteFileBytes(OutPath(opt, "wave", piece.nResourceId, ".wav"),
                             EncodeWave(pcm, piece.szInfoName)) && bOk;
    }
    return bOk;
}

bool GenerateTunes(const Options& opt) {
    bool bOk = true;
    for (const TunePiece& piece : Tunes()) {
        if (!Wanted(opt, piece.nResourceId)) continue;
        std::vector<uint8_t> smf = piece.pfnBuild();
        if (smf.size() != piece.nExactBytes) {
            std::fprintf(stderr, "assetgen: tune %d: %zu bytes, must be %zu\n", piece.nResourceId,
                         smf.size(), piece.nExactBytes);
            bOk = false;
            continue;
        }
        bOk = WriteFileBytes(OutPath(opt, "midi", piece.nResourceId, ".mid"), smf) && bOk;
    }
    return bOk;
}

// Whether a file name is prefix, decimal id, suffix: one of our outputs.
bool IsOutputName(const std::string& szName, const std::string& szPrefix, const std::string& szSuffix) {
    if (szName.size() <= szPrefix.size() + szSuffix.size()) return false;
    if (szName.compare(0, szPrefix.size(), szPrefix) != 0) return false;
    if (szName.compare(szName.size() - szSuffix.size(), szSuffix.size(), szSuffix) != 0) return false;
    for (size_t i = szPrefix.size(); i < szName.size() - szSuffix.size(); ++i)
        if (szName[i] < '0' || szName[i] > '9') return false;
    return true;
}

// A full run leaves only what the tables provide now: outputs of pieces that
// were removed would otherwise linger in the build tree.
void RemoveEarlierOutputs(const Options& opt) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(opt.szOut, ec)) {
        std::string szName = entry.path().filename().string();
        if (IsOutputName(szName, "bitmap", ".bmp") || IsOutputName(szName, "bitmap", ".png") ||
            IsOutputName(szName, "wave", ".wav") || IsOutputName(szName, "midi", ".mid"))
            std::filesystem::remove(entry.path(), ec);
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options opt;
    if (!ParseOptions(argc, argv, opt)) {
        std::fprintf(stderr, "usage: assetgen --out DIR [--only ID,ID...] [--png]\n");
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(opt.szOut, ec);
    if (ec) {
        std::fprintf(stderr, "assetgen: cannot create %s: %s\n", opt.szOut.c_str(), ec.message().c_str());
        return 1;
    }
    if (opt.only.empty()) RemoveEarlierOutputs(opt);
    auto tStart = std::chrono::steady_clock::now();
    std::vector<IndexedPicture> pictures;
    bool bOk = GeneratePictures(opt, pictures);
    bOk = GenerateSounds(opt) && bOk;
    bOk = GenerateTunes(opt) && bOk;
    if (opt.only.empty()) {
        bOk = WriteFileBytes(opt.szOut + "/ssavericon.ico", EncodeSaverIcon(PaintSaverIcon)) && bOk;
        bOk = WriteFileBytes(opt.szOut + "/" FILE_OF(cursor, IDCUR_LINK_HAND, cur), EncodeHandCursor(PaintHandCursor)) && bOk;
    }
    bOk = WriteContactSheet(opt.szOut + "/contact-sheet.png", pictures) && bOk;
    double dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - tStart).count();
    std::fprintf(stderr, "assetgen: %zu pictures, %s in %.2f s\n", pictures.size(),
                 bOk ? "done" : "FAILED", dSeconds);
    // Hand back Cairo's and fontconfig's caches so leak checkers see a clean exit.
    cairo_debug_reset_static_data();
    FcFini();
    return bOk ? 0 : 1;
}
