#pragma once

#include "modem/CSMSSerialPort.h"

#include <array>
#include <memory>

class Clock;
class PortMap;

// The main window's table of modem channels, one per device slot of a sending run.
class ModemChannelTable
{
public:
    static constexpr int SlotCount = 32;

    ModemChannelTable(const PortMap& ports, const Clock& clock);

    CSMSSerialPort& slot(int index) { return *m_slots[std::size_t(index)]; }
    // Closes the first count slots, ignoring errors.
    void closeSlots(int count);

private:
    std::array<std::unique_ptr<CSMSSerialPort>, SlotCount> m_slots;
};
