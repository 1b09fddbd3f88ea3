#pragma once

#include "base/Clock.h"
#include "modem/CSMSSerialPort.h"
#include "modem/PortMap.h"
#include "sim/ModemSimulator.h"
#include "support/ModemNoise.h"
#include "support/RecordingChannel.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

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
        ASSERT_TRUE(folder.isValid());
        sim::SimulatorOptions options;
        addUnsolicitedNoise(options);
        options.portsDir = folder.path().toStdString();
        options.firstPort = Port;
        options.modems = static_cast<int>(profiles.size());
        for (qsizetype i = 0; i < profiles.size(); ++i) {
            if (!profiles[i].isEmpty())
                options.addProfile(Port + static_cast<int>(i), profiles[i]);
        }
        simulator = std::make_unique<sim::ModemSimulator>(options);
        simulator->start();
        serial.Open(Port, ChannelTimeoutMs);
    }

    void startModem(const QString& profile = {}) { startModems({profile}); }

    std::vector<sim::AirMessage> air() const { return simulator->messages(); }

    QTemporaryDir folder;
    std::unique_ptr<sim::ModemSimulator> simulator;
    PortMap ports{folder.path()};
    Clock clock{25};
    CSMSSerialPort serial{ports, clock};
    RecordingChannel channel{serial};
};
