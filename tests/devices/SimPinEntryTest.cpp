#include "devices/SimPinEntry.h"

#include "support/QtPrinters.h"
#include "support/ScriptedPrompter.h"
#include "support/SimulatedModem.h"

namespace {

// Entering the PIN as the device settings do: status on the worker, questions on the UI side,
// one PIN per press, through simulated modems that print unsolicited lines.
class SimPinEntryTest : public SimulatedModemTest
{
protected:
    // One press of the button; whether the PIN went to the SIM.
    bool press(int port, const QString& pin)
    {
        serial.Open(port, ChannelTimeoutMs);
        const PinStatus status = SimPinEntry::readPinStatus(channel);
        if (!entry.confirmEntry(port, pin, status))
            return false;
        const PinEntry result = EnterPin(channel, pin);
        entry.showResult(port, result, SimPinEntry::readPinStatus(channel));
        return true;
    }

    ScriptedPrompter prompter;
    SimPinEntry entry{prompter};
};

TEST_F(SimPinEntryTest, WrongPinsAreCountedTheLastTryIsAskedForAndARightPinUnlocks)
{
    startModems({"pin=1234,urc=^RSSI:20"});
    EXPECT_TRUE(press(Port, "1111"));
    EXPECT_TRUE(press(Port, "2222"));
    prompter.answer(false); // the warning before the last try: No sends nothing
    EXPECT_FALSE(press(Port, "3333"));
    prompter.answer(true);
    EXPECT_TRUE(press(Port, "1234"));
    EXPECT_EQ(prompter.texts(),
              QStringList({"The SIM did not accept the PIN. Tries left: 2.",
                           "The SIM did not accept the PIN. Tries left: 1.",
                           "This is the SIM's last PIN try. A wrong PIN blocks the SIM, which "
                           "then asks for its PUK.\n\nAre you sure you want to enter this PIN?",
                           "This is the SIM's last PIN try. A wrong PIN blocks the SIM, which "
                           "then asks for its PUK.\n\nAre you sure you want to enter this PIN?",
                           "The SIM accepted the PIN."}));
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(SimPinEntryTest, WithoutTheModemsCountTheTriesAreCountedHereAndThePukIsSaid)
{
    startModems({"pin=1234,no-cpinr", "", "no-sim"});
    EXPECT_TRUE(press(Port, "1111"));
    EXPECT_TRUE(press(Port, "2222"));
    prompter.answer(true);
    EXPECT_TRUE(press(Port, "3333"));
    EXPECT_FALSE(press(Port, "1234")); // blocked: nothing more is sent
    EXPECT_FALSE(press(Port + 1, "1234"));
    EXPECT_FALSE(press(Port + 2, "1234"));
    EXPECT_FALSE(press(Port, "12"));
    const QStringList texts = prompter.texts();
    ASSERT_EQ(texts.size(), 8);
    EXPECT_EQ(texts[1], "The SIM did not accept the PIN. Tries left: 1.");
    EXPECT_EQ(texts[3], "The SIM did not accept the PIN.\n\nSIM PUK required");
    EXPECT_EQ(texts[4], "SIM PUK required");
    EXPECT_EQ(texts[5], "The SIM of this device does not ask for a PIN.");
    EXPECT_EQ(texts[6], "SIM not inserted");
    EXPECT_EQ(texts[7], "SIM PUK required");
}

} // namespace
