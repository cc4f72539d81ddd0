// When the full-screen saver gives way to the user: the mouse-movement
// threshold and the pause after a password dialog. The window procedures
// that deliver the input are the platform's.
#pragma once

#include <cstdint>

// A movement closes the saver when |dx| + |dy| from the reference point is
// more than this many pixels.
constexpr uint32_t kMoveThreshold = 4;
// After a password dialog closes, close requests are refused this long.
constexpr uint32_t kPasswordReaskMs = 200;
// The last password check before any was made.
constexpr uint32_t kNoPasswordCheck = 0xFFFFFFFFu;

struct ScreenPoint {
    int32_t x;
    int32_t y;
};

bool MovedBeyondThreshold(ScreenPoint reference, ScreenPoint now);
// Tick counts wrap at 32 bits; the difference is taken unsigned.
bool PasswordAskedRecently(uint32_t nLastCheck, uint32_t nNow);
