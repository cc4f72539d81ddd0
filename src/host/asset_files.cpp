// The generated asset files as resources, each read once.

#include "host/asset_files.h"

#include <fstream>
#include <iterator>
#include <map>
#include <utility>
#include <vector>

namespace {

struct AssetFilesState {
    std::string szDirectory;
    std::map<std::pair<int, int>, std::vector<uint8_t>> files;  // (type, id) -> bytes; empty: absent
};
AssetFilesState AssetFiles;

const char* FileName(HostResourceType nType) {
    switch (nType) {
        case kHostResourceBitmap: return "bitmap";
        case kHostResourceWave: return "wave";
        case kHostResourceMidi: return "midi";
    }
    return "";
}

const char* FileExtension(HostResourceType nType) {
    switch (nType) {
        case kHostResourceBitmap: return ".bmp";
        case kHostResourceWave: return ".wav";
        case kHostResourceMidi: return ".mid";
    }
    return "";
}

}  // namespace

void SetAssetDirectory(const std::string& szDirectory) { AssetFiles.szDirectory = szDirectory; }

HostResource FindAssetFile(HostResourceType nType, int nId) {
    const auto key = std::make_pair(static_cast<int>(nType), nId);
    auto it = AssetFiles.files.find(key);
    if (it == AssetFiles.files.end()) {
        std::vector<uint8_t> bytes;
        const std::string path =
            AssetFiles.szDirectory + "/" + FileName(nType) + std::to_string(nId) + FileExtension(nType);
        std::ifstream file(path, std::ios::binary);
        if (file) bytes.assign(std::istreambuf_iterator<char>(file), {});
        if (nType == kHostResourceBitmap) {
            if (bytes.size() >= 14 && bytes[0] == 'B' && bytes[1] == 'M')
                bytes.erase(bytes.begin(), bytes.begin() + 14);
            else
                bytes.clear();
        }
        it = AssetFiles.files.emplace(key, std::move(bytes)).first;
    }
    if (it->second.empty()) return {nullptr, 0};
    return {it->second.data(), it->second.size()};
}

void ReleaseAssetFiles() { AssetFiles.files.clear(); }
