// An in-memory profile for the unit tests. Keys hold text as a hand-edited
// WIN.INI would; integers are read from that text the way the Windows
// profile reads them, and every write is recorded in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "config/profile_text.h"

struct FakeProfileWrite {
    std::string szSection;
    std::string szKey;
    std::string szValue;
};

struct FakeProfileState {
    std::map<std::string, std::string> entries;  // by ProfileEntryName()
    std::vector<FakeProfileWrite> writes;
};
extern FakeProfileState FakeProfile;

// Sections and keys are not case-sensitive.
std::string ProfileEntryName(const char* szSection, const char* szKey);
void SetFakeProfileText(const char* szSection, const char* szKey, const char* szText);
