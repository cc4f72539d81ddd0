// Writing the generator's files, reporting a failure with the path.

#include "filebytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

bool WriteFileBytes(const std::string& path, const Bytes& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "assetgen: cannot create %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    bool bOk = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    bOk = (std::fclose(f) == 0) && bOk;
    if (!bOk) std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return bOk;
}
