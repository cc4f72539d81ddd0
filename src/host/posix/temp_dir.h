// Private temporary directories on POSIX systems: the tune files of the
// render tool, the soak, the Linux player, the fuzz targets and the tests
// are written into one of these. (The Windows host asks the system for its
// temporary path instead.)
#pragma once

#include <string>

// A new directory only this user may enter, <system temp>/<szPrefix>-XXXXXX,
// returned with a trailing '/'; empty when none could be made.
std::string MakeTempDir(const char* szPrefix);

// Removes the directory and everything in it; a directory already gone is
// no error.
void RemoveTempDir(const std::string& szDir);
