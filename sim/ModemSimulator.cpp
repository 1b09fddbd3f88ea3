#include "sim/ModemSimulator.h"

#include <utility>

namespace sim {

ModemSimulator::ModemSimulator(SimulatorOptions options) : m_options(std::move(options)) {}

ModemSimulator::~ModemSimulator()
{
    stop();
}

void ModemSimulator::start()
{
    if (m_air)
        return;
    m_options.validate();
    auto air = std::make_unique<AirLog>(m_options.logFile);
    std::vector<std::unique_ptr<SimulatedModem>> modems;
    for (int i = 0; i < m_options.modems; ++i) {
        const int port = m_options.firstPort + i;
        modems.push_back(std::make_unique<SimulatedModem>(port, m_options.portsDir,
                                                          m_options.profileFor(port), *air));
    }
    m_air = std::move(air);
    m_modems = std::move(modems);
    for (auto& modem : m_modems)
        modem->start();
}

void ModemSimulator::stop()
{
    m_modems.clear(); // each stops its thread and removes its link
}

std::vector<AirMessage> ModemSimulator::messages() const
{
    return m_air ? m_air->messages() : std::vector<AirMessage>{};
}

std::vector<int> ModemSimulator::ports() const
{
    std::vector<int> result;
    for (const auto& modem : m_modems)
        result.push_back(modem->port());
    return result;
}

std::filesystem::path ModemSimulator::linkPath(int port) const
{
    return m_options.portsDir / ("COM" + std::to_string(port));
}

std::filesystem::path ModemSimulator::controlPath(int port) const
{
    return m_options.portsDir / ("COM" + std::to_string(port) + ".sms");
}

std::string ModemSimulator::devicePath(int port) const
{
    const SimulatedModem* modem = find(port);
    return modem ? modem->devicePath() : std::string();
}

bool ModemSimulator::present(int port) const
{
    const SimulatedModem* modem = find(port);
    return modem && modem->present();
}

const SimulatedModem* ModemSimulator::find(int port) const
{
    for (const auto& modem : m_modems) {
        if (modem->port() == port)
            return modem.get();
    }
    return nullptr;
}

} // namespace sim
