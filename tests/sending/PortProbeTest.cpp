#include "sending/PortProbe.h"

#include "base/Clock.h"
#include "sending/SendPreparation.h"
#include "support/QtPrinters.h"
#include "support/SimulatedModems.h"

#include <gtest/gtest.h>

namespace {

// The device check before a run, through simulated modems that print unsolicited lines.
class PortProbeTest : public ::testing::Test
{
protected:
    static constexpr int FirstPort = 3;

    SimulatedModems modems{FirstPort};
    Clock clock{50};
    SerialPortProbe probe{modems.ports(), clock};
};

TEST_F(PortProbeTest, ASimThatCannotSendIsNamedAndAGoodModemPasses)
{
    modems.start({"pin=1234", "sim-puk", "no-sim", "not-registered", "creg=5", "hang"});
    EXPECT_EQ(probe.probe(3), "SIM PIN required");
    EXPECT_EQ(probe.probe(4), "SIM PUK required");
    EXPECT_EQ(probe.probe(5), "SIM not inserted");
    EXPECT_EQ(probe.probe(6), "Not registered on a network");
    EXPECT_EQ(probe.probe(7), std::nullopt);
    EXPECT_EQ(probe.probe(8), std::nullopt); // silent: left to the run, as before
    EXPECT_TRUE(probe.probe(9).has_value()); // no port
}

TEST_F(PortProbeTest, DeviceCheckSaysWhichDeviceHasWhichSimTrouble)
{
    modems.start({"pin=1234", ""});
    DeviceCheckPlan plan;
    plan.devices = {{"COM3 - Modem 3", 3}, {"COM4 - Modem 4", 4}, {"COM9 - Gone", 9}};
    const DeviceCheckOutcome outcome = SendPreparation::checkDevices(plan, probe, {});
    EXPECT_EQ(outcome.failures, 2);
    EXPECT_EQ(outcome.failureText, "COM3 - Modem 3 : SIM PIN required\nCOM9 - Gone\n");
    EXPECT_EQ(outcome.answered, QStringList({"COM4 - Modem 4"}));
}

} // namespace
