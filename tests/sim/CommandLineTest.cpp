#include "sim/SimError.h"
#include "sim/SimulatorOptions.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using sim::parseCommandLine;

TEST(CommandLineTest, ReadsEveryOption)
{
    const auto line = parseCommandLine({"--ports", "/tmp/p", "--modems=3", "--first", "5", "--log",
                                        "/tmp/air.jsonl", "--profile", "6:text-only", "--profile",
                                        "all:latency=5"});
    EXPECT_FALSE(line.help);
    EXPECT_EQ(line.options.portsDir, "/tmp/p");
    EXPECT_EQ(line.options.modems, 3);
    EXPECT_EQ(line.options.firstPort, 5);
    EXPECT_EQ(line.options.logFile, "/tmp/air.jsonl");

    const sim::ModemProfile com6 = line.options.profileFor(6);
    EXPECT_FALSE(com6.pduMode);
    EXPECT_TRUE(com6.textMode);
    EXPECT_EQ(com6.latencyMs, 5);
    const sim::ModemProfile com5 = line.options.profileFor(5);
    EXPECT_TRUE(com5.pduMode);
    EXPECT_EQ(com5.latencyMs, 5);
}

TEST(CommandLineTest, HelpNeedsNothingElse)
{
    EXPECT_TRUE(parseCommandLine({"--help"}).help);
    EXPECT_TRUE(sim::usageText().contains("--profile"));
    EXPECT_TRUE(sim::usageText().contains("cms-error=N"));
}

TEST(CommandLineTest, RefusesWhatCannotWork)
{
    const QStringList bad[] = {
        {},          // no port folder
        {"--ports"}, // missing value
        {"--ports", "/tmp/p", "--modems", "0"},
        {"--ports", "/tmp/p", "--modems", "three"},
        {"--ports", "/tmp/p", "--first", "512", "--modems", "2"}, // beyond COM512
        {"--ports", "/tmp/p", "--verbose"},
        {"--ports", "/tmp/p", "--profile", "text-only"},   // no port
        {"--ports", "/tmp/p", "--profile", "2:text-only"}, // COM2 is not simulated
        {"--ports", "/tmp/p", "--profile", "1:loud"},      // unknown item
        {"--ports", "/tmp/p", "--profile", "1:latency=fast"},
        {"--ports", "/tmp/p", "--profile", "1:signal=100"},
        {"--ports", "/tmp/p", "--profile", "1:cms-error"},  // needs a code
        {"--ports", "/tmp/p", "--profile", "1:urc=\"RING"}, // unbalanced quote
    };
    for (const QStringList& arguments : bad)
        EXPECT_THROW(parseCommandLine(arguments), sim::SimError)
            << arguments.join(' ').toStdString();
}

TEST(ProfileItemsTest, AppliesItemsInOrderWithQuotedValues)
{
    sim::ModemProfile profile = sim::defaultProfile(1);
    sim::applyProfileItems("cms-error=500,every=3,urc=\"+CSQ: 20,0\",urc=RING,urc-every=2,"
                           "operator=\"Net, Inc\",no-smsc,smsc=+4477,charsets=ira/gsm/hex,"
                           "battery=55,charging,vanish=4,hang,echo-only,echo-off,undefined",
                           profile);
    EXPECT_EQ(profile.cmsError, 500);
    EXPECT_EQ(profile.cmsErrorEvery, 3);
    EXPECT_EQ(profile.unsolicited, QStringList({"+CSQ: 20,0", "RING"}));
    EXPECT_EQ(profile.unsolicitedEvery, 2);
    EXPECT_EQ(profile.operatorName, "Net, Inc");
    EXPECT_EQ(profile.smsc, "+4477"); // the later item wins
    EXPECT_EQ(profile.charsets, QStringList({"IRA", "GSM", "HEX"}));
    EXPECT_EQ(profile.batteryLevel, 55);
    EXPECT_TRUE(profile.charging);
    EXPECT_EQ(profile.vanishAfter, 4);
    EXPECT_TRUE(profile.hang);
    EXPECT_TRUE(profile.echoOnly);
    EXPECT_FALSE(profile.echo);
    EXPECT_TRUE(profile.legacyUndefined);

    sim::applyProfileItems("smsc-ucs2", profile);
    EXPECT_EQ(profile.charset, "UCS2");
    EXPECT_TRUE(profile.charsets.contains("UCS2"));
}

TEST(ProfileItemsTest, ReportItemsKeepTheirRulesInOrder)
{
    sim::ModemProfile profile = sim::defaultProfile(1);
    sim::applyProfileItems("report=+4477*:expired,report=*:NONE,report-delay=20,reports-stored",
                           profile);
    EXPECT_EQ(profile.reportOutcomes, QStringList({"+4477*:expired", "*:NONE"}));
    EXPECT_EQ(profile.reportDelayMs, 20);
    EXPECT_TRUE(profile.reportsStored);
    for (const char* wrong : {"report=+4477", "report=+4477:lost", "report", "report-delay=-1"})
        EXPECT_THROW(sim::applyProfileItems(wrong, profile), sim::SimError) << wrong;
}
