#include "sending/InboxModemSource.h"

#include "devices/DeviceState.h"
#include "sending/InboxReading.h"

InboxReadSummary InboxModemSource::readMessages()
{
    std::vector<InboxSource> sources;
    for (const ConfirmedPort& port : m_devices.confirmedPorts())
        sources.push_back({port.port, port.messageMode});
    InboxReadSummary summary;
    summary.modems = int(sources.size());
    for (const InboxReading& reading :
         ReadInboxFromModems(sources, m_ports, m_clock, m_store, true)) {
        summary.messages += reading.stored;
        if (!reading.error.isEmpty())
            summary.failures.append(
                QStringLiteral("COM%1: %2").arg(reading.port).arg(reading.error));
    }
    return summary;
}
