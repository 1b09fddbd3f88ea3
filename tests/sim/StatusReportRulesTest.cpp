#include "sim/StatusReports.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusReportRulesTest, FirstMatchingPatternDecidesTheOutcome)
{
    sim::ModemProfile profile;
    profile.reportOutcomes = {"+4477009001*:expired", "+44770090*:rejected", "+1*:none"};
    const struct
    {
        const char* destination;
        std::optional<int> status;
    } cases[] = {
        {"+447700900123", 0x46}, {"+447700900999", 0x41}, {"+15550100", std::nullopt},
        {"07700900123", 0x00},   {"+447700900", 0x41},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sim::reportStatusFor(profile, QString::fromLatin1(c.destination)), c.status)
            << c.destination;
}

TEST(StatusReportRulesTest, OnlyASubmissionWithTpSrrAsksForAReport)
{
    EXPECT_TRUE(sim::pduAsksForReport("0031000B91"));
    EXPECT_TRUE(sim::pduAsksForReport("07911326040000F071000B91"));
    EXPECT_FALSE(sim::pduAsksForReport("0011000B91"));
    EXPECT_FALSE(sim::pduAsksForReport("07911326040000F051000B91"));
    EXPECT_FALSE(sim::pduAsksForReport(""));
}

} // namespace
