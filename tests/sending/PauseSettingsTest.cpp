#include "sending/PauseSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(PauseSettingsTest, EveryForEntryPausesForWhatItSays)
{
    const struct
    {
        const char* text;
        std::int64_t ms;
    } cases[] = {
        {" 5  Seconds", 5000},   {"10 Seconds", 10000},
        {"55 Seconds", 55000},   {" 1  Minute", 60000},
        {" 2  Minutes", 120000}, {" 9  Minutes", 540000},
        {"10 Minutes", 600000},  {"50 Minutes", 3000000},
        {" 1  Hour", 3600000},   {" 2  Hours", 7200000},
        {" 8  Hours", 28800000}, {"10 Hours", 36000000},
        {"12 Hours", 43200000},  {"", 0},
        {"No Pause", 0},         {"  ", 0},
        {"10 Days", 0},          {"xx Seconds", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParsePauseFor(c.text).milliseconds(), c.ms) << '"' << c.text << '"';

    // Hours are kept as minutes, as the countdown expects.
    const PauseLength hours = ParsePauseFor(" 2  Hours");
    EXPECT_EQ(hours.length, 120);
    EXPECT_EQ(hours.unit, 'H');
}

TEST(PauseSettingsTest, EveryThresholdIsTheNumberOrZero)
{
    EXPECT_EQ(ParsePauseEvery("5"), 5);
    EXPECT_EQ(ParsePauseEvery("1000"), 1000);
    EXPECT_EQ(ParsePauseEvery(""), 0);
    EXPECT_EQ(ParsePauseEvery("five"), 0);
}

TEST(PauseSettingsTest, DurationTextNamesOnlyWhatIsNeededWithSingularBelowTwo)
{
    const struct
    {
        std::int64_t ms;
        const char* text;
    } cases[] = {
        {10000, "10 Seconds."},
        {1000, "1 Second."},
        {0, "0 Second."},
        {60000, "1 Minute 0 Second."},
        {125000, "2 Minutes 5 Seconds."},
        {3600000, "1 Hour 0 Minute 0 Second."},
        {36000000, "10 Hours 0 Minute 0 Second."},
        {7322000, "2 Hours 2 Minutes 2 Seconds."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PauseDurationText(c.ms), QString::fromUtf8(c.text)) << c.ms;
}

} // namespace
