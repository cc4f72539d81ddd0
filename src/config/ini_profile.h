// A profile kept as the text of a WIN.INI-style file: "[Section]" lines and
// "key=value" lines, matched without regard to case. Every other line (a
// comment, another program's section, a line that is not a setting) is
// kept as it is when a value is written.
#pragma once

#include <string>
#include <vector>

using IniLines = std::vector<std::string>;

// Splits file text into lines (LF or CR LF ends a line).
IniLines SplitIniText(const std::string& szText);
// The lines as file text, each ended by LF.
std::string JoinIniLines(const IniLines& lines);

// The text of a key's first entry in its section, as the profile reads it
// (the integer reading is ReadProfileTextAsInt's); false when absent.
bool FindIniValue(const IniLines& lines, const std::string& szSection, const std::string& szKey,
                  std::string& szValue);
// Makes the key hold this value alone: its first entry takes it, any later
// entries of the same key in the section go, and a missing key (or section)
// is added at the section's end (or the file's).
void SetIniValue(IniLines& lines, const std::string& szSection, const std::string& szKey,
                 const std::string& szValue);
