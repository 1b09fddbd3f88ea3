#include "sending/InboxModemSource.h"

#include "devices/DeviceState.h"
#include "sending/InboxReading.h"

InboxReadSummary InboxModemSource::readMessages()
{
    std::vector<InboxSource> sources;
    QList<int> seen;
    for (const DeviceChoice& choice : m_devices.choiceList()) {
        if (choice.port <= 0 || seen.contains(choice.port))
            continue; // "All Device", or a port listed twice
        seen.append(choice.port);
        sources.push_back({choice.port, m_devices.sendSettingsOf(choice.port).messageMode});
    }
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
