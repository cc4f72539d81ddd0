#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "host/posix/temp_dir.h"

void FuzzCheckFailed(const char* szCondition, const char* szFile, int nLine) {
    std::fprintf(stderr, "%s:%d: property failed: %s\n", szFile, nLine, szCondition);
    std::abort();
}

namespace {

struct TempDir {
    std::string szPath = MakeTempDir("harborgast-fuzz");
    TempDir() {
        if (szPath.empty()) {
            std::perror("harborgast fuzz: mkdtemp");
            std::abort();
        }
    }
    ~TempDir() { RemoveTempDir(szPath); }
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
