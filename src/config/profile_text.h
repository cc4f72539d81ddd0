// How the Windows profile turns a key's text into an integer, for the hosts
// that keep the settings as text of their own (and the tests' fake profile).
#pragma once

#include <string>

// The integer that the profile reads from a key holding szText, step by step
// as the profile does it: trim the text, drop one pair of enclosing quotes,
// keep at most 29 characters, an empty text gives nDefault, then an optional
// sign, an optional 0x, 0o or 0b prefix, and digits, wrapping at 32 bits.
int ReadProfileTextAsInt(const std::string& szText, int nDefault);
