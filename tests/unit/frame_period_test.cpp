// The frame period that the speed setting gives.

#include "shell/frame_period.h"

#include <gtest/gtest.h>

#include <climits>

TEST(FramePeriod, FollowsSpeedWithinLimitsAndHoldsWrappedSpeedsAtTheLongest) {
    struct Case { int nSpeed; uint32_t nPeriod; } const cases[] = {
        {510, 51},  {11, 550},  {550, 11},  {561, 11},  {555, 11},
        {0, 561},   {-1, 561},  {INT_MIN, 561},         {562, 561},
        {600, 561}, {INT_MAX, 561},         {1, 560},
        // The shortest period at one speed below, at and above its limit.
        {549, 12},  {551, 11},
    };
    for (const Case& c : cases) EXPECT_EQ(FramePeriodFromSpeed(c.nSpeed), c.nPeriod) << c.nSpeed;
}
