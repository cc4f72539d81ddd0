// Dismissal thresholds, apart from the window code so that every platform's
// saver closes on the same input.

#include "shell/dismissal.h"

namespace {

uint32_t Distance(int32_t a, int32_t b) {
    const int64_t d = int64_t{a} - int64_t{b};
    return uint32_t(d < 0 ? -d : d);
}

}  // namespace

bool MovedBeyondThreshold(ScreenPoint reference, ScreenPoint now) {
    return Distance(now.x, reference.x) + Distance(now.y, reference.y) > kMoveThreshold;
}

bool PasswordAskedRecently(uint32_t nLastCheck, uint32_t nNow) {
    return nLastCheck != kNoPasswordCheck && nNow - nLastCheck < kPasswordReaskMs;
}
