#pragma once

#include "modem/CSMSSerialPort.h"

#include <array>
#include <cstdint>
#include <memory>

class Clock;
class PortMap;

// The main window's table of modem channels, one per device slot of a sending run.
class ModemChannelTable
{
public:
    static constexpr int SlotCount = 32;

    ModemChannelTable(const PortMap& ports, const Clock& clock);

    // The channel of a slot, for everything that talks to its modem.
    ModemChannel& slot(int index) { return *m_slots[std::size_t(index)]; }
    // Opens slot index on port (closing what it held); raises CSMSException on failure.
    void open(int index, int port, std::uint32_t timeoutMs);
    // Opens slot index on port again with the time-out it had; raises as open does.
    void reopen(int index, int port);
    // Whether slot index is open on port and not broken.
    bool holds(int index, int port) const;
    // Closes the first count slots, ignoring errors.
    void closeSlots(int count);

private:
    std::array<std::unique_ptr<CSMSSerialPort>, SlotCount> m_slots;
};
