#include "support/CliRunner.h"
#include "support/SimulatedModems.h"

#include <gtest/gtest.h>

// quillon-cli scan against simulated modems, on the real clock (the scan's designed 1 s wait).

namespace {

CliRun scan(const QString& portsFolder)
{
    return runCli({"scan"}, {{"QUILLON_PORTS", portsFolder}});
}

TEST(ScanCommandTest, PrintsTheRowsThenTheDetails)
{
    SimulatedModems modems;
    modems.start({"imei=111",
                  "imei=111", // the same modem's second port
                  "text-only,imei=333,smsc=+4912345"});

    const CliRun run = scan(modems.folder());
    EXPECT_EQ(run.exitCode, 0);
    const QStringList lines = run.out.split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], "COM1\tQSIM-900 Modem at COM1\t\t+447785016005\t111\tPDU Mode\t"
                        "+447785016005\t;PDU Mode;Text Mode;\tN");
    EXPECT_EQ(lines[1], "COM3\tQSIM-900 Modem at COM3\t\t+4912345\t333\tText Mode\t+4912345\t"
                        ";PDU Mode;Text Mode;\tN");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "COM1||COM Port :COM1");
    EXPECT_TRUE(lines.contains("COM3||COM Port :COM3"));
}

TEST(ScanCommandTest, NoPortAtAllIsReported)
{
    SimulatedModems none; // an empty port folder
    const CliRun run = scan(none.folder());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains("No compatible device found connected to your computer."));
}

} // namespace
