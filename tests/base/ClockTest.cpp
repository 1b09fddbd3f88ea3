#include "base/Clock.h"

#include <gtest/gtest.h>

TEST(ClockTest, DilatedClockShortensWaitsAndStretchesTicks)
{
    const Clock fast(1000);
    EXPECT_EQ(fast.realDuration(5000).count(), 5);
    EXPECT_EQ(fast.realDuration(1).count(), 1);
    EXPECT_EQ(fast.realDuration(0).count(), 0);
    const auto before = fast.tickCount();
    fast.sleepMs(20000);
    EXPECT_GE(fast.tickCount() - before, 20000u);
}
