// The saver window's frame period: the one clock of the animation.
#pragma once

#include <cstdint>

constexpr uint32_t kPeriodBase = 561;     // ms; also the longest period
constexpr uint32_t kShortestPeriod = 11;  // ms

// Period = 561 - speed, compared unsigned, so that a speed of 0 or less, or
// one above 561, wraps high and is held at the longest period.
uint32_t FramePeriodFromSpeed(int nSpeed);
