#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "audio/music.h"
#include "engine/sequencer.h"
#include "fake_host.h"
#include "fake_profile.h"
#include "gfx/frame_buffer.h"
#include "gfx/show.h"
#include "gfx/sprite_store.h"

void FuzzCheckFailed(const char* szCondition, const char* szFile, int nLine) {
    std::fprintf(stderr, "%s:%d: property failed: %s\n", szFile, nLine, szCondition);
    std::abort();
}

void ResetShowModules() {
    ReleaseSpriteStore();
    FakeHost = {};
    FakeProfile = {};
    Sequencer = {};
    RunFlags = {};
    Music = {};
    Show = {};
    FrameBuffer = {};
    StageView = {};
}

namespace {

struct TempDir {
    std::string szPath;
    TempDir() {
        std::string szPattern = (std::filesystem::temp_directory_path() / "harborgast-fuzz-XXXXXX").string();
        if (mkdtemp(szPattern.data()) == nullptr) {
            std::perror("harborgast fuzz: mkdtemp");
            std::abort();
        }
        szPath = szPattern + "/";
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(szPath, ec);
    }
};

}  // namespace

const std::string& FuzzTempDir() {
    static const TempDir dir;
    return dir.szPath;
}

size_t CountFuzzTempFiles() {
    size_t nFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(FuzzTempDir())) nFiles += entry.exists();
    return nFiles;
}
