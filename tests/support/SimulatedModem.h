#pragma once

#include "base/Clock.h"
#include "modem/CSMSSerialPort.h"
#include "support/RecordingChannel.h"
#include "support/SimulatedModems.h"

#include <gtest/gtest.h>

// A simulated modem on a pseudo-terminal, presented as a numbered port, with the program's
// channel open on it and every command it is sent recorded. The clock runs the designed 5 s
// time-outs in 200 ms and the 2 s pauses in 80 ms.
class SimulatedModemTest : public ::testing::Test
{
protected:
    static constexpr int Port = 4;
    static constexpr std::uint32_t ChannelTimeoutMs = 5000;

    // Starts modems on ports Port, Port + 1, ... with the given profile items each, and opens
    // the channel on the first.
    void startModems(const QStringList& profiles = {QString()})
    {
        modems.start(profiles);
        serial.Open(Port, ChannelTimeoutMs);
    }

    void startModem(const QString& profile = {}) { startModems({profile}); }

    std::vector<sim::AirMessage> air() const { return modems.air(); }

    SimulatedModems modems{Port};
    Clock clock{25};
    CSMSSerialPort serial{modems.ports(), clock};
    RecordingChannel channel{serial};
};
