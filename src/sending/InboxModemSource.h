#pragma once

#include "stores/StoreHooks.h"

class Clock;
class DeviceState;
class InboxStore;
class PortMap;

// The inbox window's "Read Messages", from the modems of the device choice list: each part is
// stored and then deleted from its modem.
class InboxModemSource : public InboxModemReader
{
public:
    InboxModemSource(InboxStore& store, const DeviceState& devices, const PortMap& ports,
                     const Clock& clock)
        : m_store(store), m_devices(devices), m_ports(ports), m_clock(clock)
    {}

    InboxReadSummary readMessages() override;

private:
    InboxStore& m_store;
    const DeviceState& m_devices;
    const PortMap& m_ports;
    const Clock& m_clock;
};
