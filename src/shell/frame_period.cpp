// The frame period from the speed setting, held between the shortest
// period and the base.

#include "shell/frame_period.h"

uint32_t FramePeriodFromSpeed(int nSpeed) {
    uint32_t nPeriod = kPeriodBase - static_cast<uint32_t>(nSpeed);
    if (nPeriod > kPeriodBase) nPeriod = kPeriodBase;
    if (nPeriod < kShortestPeriod) nPeriod = kShortestPeriod;
    return nPeriod;
}
