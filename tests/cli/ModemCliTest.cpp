#include "support/CliRunner.h"
#include "support/SimulatedModems.h"

#include <gtest/gtest.h>

// quillon-cli info and send-one against simulated modems. The tool runs on the real clock, so
// each submission takes its designed pauses (2 s per part in PDU mode, 4 s in text mode).

namespace {

class ModemCliTest : public ::testing::Test
{
protected:
    CliRun runCli(const QStringList& arguments) const
    {
        return ::runCli(arguments, {{"QUILLON_PORTS", modems.folder()}});
    }

    SimulatedModems modems; // COM1, COM2, ...
};

TEST_F(ModemCliTest, InfoPrintsTheDeviceInformation)
{
    modems.start({"signal=9,battery=40,charging"});
    const CliRun run = runCli({"info", "COM1"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Manufacturer :QSIM\n"
                       "Model :QSIM-900\n"
                       "Revision :QSIM-900 R1.0\n"
                       "Supported SMS Mode :PDU Mode & Text Mode\n"
                       "Battery :40% ( Charging )\n"
                       "Default SMSC No. :+447785016005\n"
                       "Operator Code :SIM NET\n"
                       "Signal Quality :Medium (9)\n");

    const CliRun missing = runCli({"info", "COM9"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains("COM9")) << missing.err.toStdString();
}

TEST_F(ModemCliTest, InfoAddsTheSimStateWhenItStandsInTheWay)
{
    modems.start({"pin=1234,urc=^RSSI:20", "not-registered"});
    const CliRun locked = runCli({"info", "COM1"});
    EXPECT_EQ(locked.exitCode, 0) << locked.err.toStdString();
    EXPECT_TRUE(locked.out.endsWith("\nSIM State :SIM PIN required\n")) << locked.out.toStdString();
    const CliRun unregistered = runCli({"info", "COM2"});
    EXPECT_TRUE(unregistered.out.endsWith("\nSIM State :Not registered on a network\n"))
        << unregistered.out.toStdString();
}

TEST_F(ModemCliTest, PinIsEnteredOnceAndTheLastTryNeedsAskingFor)
{
    modems.start({"pin=1234,urc=^RSSI:20"});
    CliRun run = runCli({"pin", "COM1", "--pin", "1111"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("The SIM did not accept the PIN (2 tries left)."))
        << run.err.toStdString();
    run = runCli({"pin", "COM1", "--pin", "2222"});
    EXPECT_TRUE(run.err.contains("(1 tries left)")) << run.err.toStdString();
    run = runCli({"pin", "COM1", "--pin", "1234"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("--last-try")) << run.err.toStdString();
    run = runCli({"pin", "COM1", "--pin", "1234", "--last-try"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "COM1: PIN accepted.\n");
    run = runCli({"pin", "COM1", "--pin", "1234"});
    EXPECT_EQ(run.out, "COM1: The SIM does not ask for a PIN.\n");
    EXPECT_EQ(runCli({"pin", "COM1", "--pin", "12a4"}).exitCode, 2);
}

TEST_F(ModemCliTest, SendOnePrintsTheRowStatus)
{
    modems.start({"", "cms-error=38"});
    const struct
    {
        QStringList arguments;
        const char* out;
        int exitCode;
    } cases[] = {
        {{"send-one", "--port", "COM1", "--mode", "pdu", "--to", "+447700900123", "hello"},
         "Message sent successfully.\n",
         0},
        {{"send-one", "--port", "COM1", "--mode", "text", "--to", "+447700900123", "--smsc",
          "+447700900999", "--unicode", "--flash", QString::fromUtf8("Привет")},
         "Message sent successfully.\n",
         0},
        {{"send-one", "--port", "COM2", "--mode", "pdu", "--to", "+447700900123", "hello"},
         "Error : +CMS ERROR: 38\n",
         1},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_EQ(run.out, c.out) << c.arguments.join(' ').toStdString();
    }
    const std::vector<sim::AirMessage> air = modems.air();
    ASSERT_EQ(air.size(), 2u);
    EXPECT_EQ(air[0].text, "hello");
    EXPECT_EQ(air[0].mode, "pdu");
    EXPECT_EQ(air[1].text, QString::fromUtf8("Привет"));
    EXPECT_EQ(air[1].mode, "text");
    EXPECT_EQ(air[1].dcs, 24);
    EXPECT_EQ(air[1].smsc, "+447700900999");
}

TEST_F(ModemCliTest, SendOneRefusesBadArguments)
{
    const QStringList cases[] = {
        {"send-one", "--mode", "pdu", "--to", "123", "hi"},
        {"send-one", "--port", "COM0", "--mode", "pdu", "--to", "123", "hi"},
        {"send-one", "--port", "COM1", "--mode", "fast", "--to", "123", "hi"},
        {"send-one", "--port", "COM1", "--mode", "pdu", "--to", "12a", "hi"},
        {"send-one", "--port", "COM1", "--mode", "pdu", "--to", "123", "--smsc", "+1+2", "hi"},
        {"send-one", "--port", "COM1", "--mode", "pdu", "--to", "123"},
        {"info"},
        {"info", "LPT1"},
    };
    for (const QStringList& arguments : cases) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << arguments.join(' ').toStdString();
    }
}

} // namespace
