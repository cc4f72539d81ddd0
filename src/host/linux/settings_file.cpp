// The settings file: read once at start, rewritten whole on every change.

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "host/linux/linux_host.h"

namespace {

void WarnOnce(const std::string& szWhat) {
    if (LinuxHost.bSettingsWarned) return;
    LinuxHost.bSettingsWarned = true;
    std::fprintf(stderr, "harborgast: %s; playing on with the settings of this run, not remembered\n",
                 szWhat.c_str());
}

// mkdir -p of the file's directory.
bool MakeDirectoryOf(const std::string& szPath) {
    for (size_t n = szPath.find('/', 1); n != std::string::npos; n = szPath.find('/', n + 1)) {
        const std::string szDir = szPath.substr(0, n);
        if (mkdir(szDir.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

}  // namespace

std::string DefaultSettingsPath() {
    const char* szConfig = std::getenv("XDG_CONFIG_HOME");
    std::string szBase;
    if (szConfig != nullptr && szConfig[0] == '/') {
        szBase = szConfig;
    } else {
        const char* szHome = std::getenv("HOME");
        szBase = std::string(szHome != nullptr ? szHome : "") + "/.config";
    }
    return szBase + "/harborgast/settings.ini";
}

bool LoadSettingsFile(const std::string& szPath) {
    LinuxHost.szSettingsPath = szPath;
    LinuxHost.settings.clear();
    std::ifstream file(szPath, std::ios::binary);
    if (!file) {
        if (errno == ENOENT) return true;  // nothing remembered yet
        WarnOnce("cannot read " + szPath + ": " + std::strerror(errno));
        return false;
    }
    const std::string szText{std::istreambuf_iterator<char>(file), {}};
    LinuxHost.settings = SplitIniText(szText);
    return true;
}

bool SaveSettingsFile() {
    const std::string& szPath = LinuxHost.szSettingsPath;
    if (!MakeDirectoryOf(szPath)) {
        WarnOnce("cannot make the directory of " + szPath + ": " + std::strerror(errno));
        return false;
    }
    const std::string szTemp = szPath + ".new-" + std::to_string(getpid());
    std::FILE* pFile = std::fopen(szTemp.c_str(), "wb");
    if (pFile == nullptr) {
        WarnOnce("cannot write " + szPath + ": " + std::strerror(errno));
        return false;
    }
    const std::string szText = JoinIniLines(LinuxHost.settings);
    bool bWritten = std::fwrite(szText.data(), 1, szText.size(), pFile) == szText.size();
    bWritten = std::fflush(pFile) == 0 && bWritten;
    bWritten = fsync(fileno(pFile)) == 0 && bWritten;
    const int nError = errno;
    bWritten = std::fclose(pFile) == 0 && bWritten;
    if (!bWritten || std::rename(szTemp.c_str(), szPath.c_str()) != 0) {
        const int nWhy = bWritten ? errno : nError;
        std::remove(szTemp.c_str());
        WarnOnce("cannot write " + szPath + ": " + std::strerror(nWhy));
        return false;
    }
    return true;
}
