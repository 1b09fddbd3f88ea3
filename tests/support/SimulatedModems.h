#pragma once

#include "modem/PortMap.h"
#include "sim/ModemSimulator.h"
#include "support/ModemNoise.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// Simulated modems on pseudo-terminals, presented as the numbered ports firstPort,
// firstPort + 1, ... in a port folder of their own. Unless started quiet, every modem prints
// the unsolicited lines of support/ModemNoise.h, as real ones do unasked. Before start() the
// folder is empty: no port opens.
class SimulatedModems
{
public:
    enum class Noise
    {
        Unsolicited,
        Quiet,
    };

    explicit SimulatedModems(int firstPort = 1) : m_firstPort(firstPort) {}

    // One modem a profile, each with its profile items (empty: the defaults).
    void start(const QStringList& profiles, Noise noise = Noise::Unsolicited)
    {
        ASSERT_TRUE(m_folder.isValid());
        sim::SimulatorOptions options;
        if (noise == Noise::Unsolicited)
            addUnsolicitedNoise(options);
        options.portsDir = m_folder.path().toStdString();
        options.firstPort = m_firstPort;
        options.modems = int(profiles.size());
        for (int i = 0; i < int(profiles.size()); ++i) {
            if (!profiles[i].isEmpty())
                options.addProfile(m_firstPort + i, profiles[i]);
        }
        m_simulator = std::make_unique<sim::ModemSimulator>(options);
        m_simulator->start();
    }

    // The modems go; their ports with them.
    void stop() { m_simulator.reset(); }

    int firstPort() const { return m_firstPort; }
    QString folder() const { return m_folder.path(); }
    PortMap& ports() { return m_ports; }
    sim::ModemSimulator& simulator() { return *m_simulator; }
    const sim::ModemSimulator& simulator() const { return *m_simulator; }

    // Every SMS that went on the air, in order.
    std::vector<sim::AirMessage> air() const { return m_simulator->messages(); }

private:
    int m_firstPort;
    QTemporaryDir m_folder;
    PortMap m_ports{m_folder.path()};
    std::unique_ptr<sim::ModemSimulator> m_simulator;
};
