#include "sending/ModemChannelTable.h"

#include "modem/CSMSException.h"

#include <algorithm>

ModemChannelTable::ModemChannelTable(const PortMap& ports, const Clock& clock)
{
    for (auto& slot : m_slots)
        slot = std::make_unique<CSMSSerialPort>(ports, clock);
}

void ModemChannelTable::open(int index, int port, std::uint32_t timeoutMs)
{
    m_slots[std::size_t(index)]->Open(port, timeoutMs);
}

void ModemChannelTable::reopen(int index, int port)
{
    CSMSSerialPort& channel = *m_slots[std::size_t(index)];
    channel.Open(port, channel.timeoutMs());
}

bool ModemChannelTable::holds(int index, int port) const
{
    const CSMSSerialPort& channel = *m_slots[std::size_t(index)];
    return channel.isOpen() && channel.portNumber() == port && !channel.failure();
}

void ModemChannelTable::closeSlots(int count)
{
    for (int i = 0; i < std::min(count, SlotCount); ++i) {
        try {
            m_slots[std::size_t(i)]->Close();
        } catch (const CSMSException&) {
        }
    }
}
