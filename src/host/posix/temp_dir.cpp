#include "host/posix/temp_dir.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

std::string MakeTempDir(const char* szPrefix) {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec) return {};
    std::string szPattern = (base / (std::string(szPrefix) + "-XXXXXX")).string();
    if (mkdtemp(szPattern.data()) == nullptr) return {};
    return szPattern + "/";
}

void RemoveTempDir(const std::string& szDir) {
    std::error_code ec;
    std::filesystem::remove_all(szDir, ec);
}
