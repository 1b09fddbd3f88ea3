#pragma once

#include "sim/AirLog.h"
#include "sim/SimulatedModem.h"
#include "sim/SimulatorOptions.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace sim {

// A set of simulated modems with one shared air. start() creates the ptys and links and starts
// serving; stop() (and the destructor) ends the modems and removes their links.
class ModemSimulator
{
public:
    explicit ModemSimulator(SimulatorOptions options);
    ~ModemSimulator();
    ModemSimulator(const ModemSimulator&) = delete;
    ModemSimulator& operator=(const ModemSimulator&) = delete;

    // Throws SimError; nothing is left behind when it does.
    void start();
    void stop();

    // Every SMS that went on the air, in order.
    std::vector<AirMessage> messages() const;

    std::vector<int> ports() const;
    std::filesystem::path linkPath(int port) const;
    std::filesystem::path controlPath(int port) const; // the modem's control FIFO
    std::string devicePath(int port) const;
    bool present(int port) const; // false once the modem vanished or when not simulated

private:
    const SimulatedModem* find(int port) const;

    SimulatorOptions m_options;
    std::unique_ptr<AirLog> m_air;
    std::vector<std::unique_ptr<SimulatedModem>> m_modems;
};

} // namespace sim
