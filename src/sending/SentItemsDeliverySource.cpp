#include "sending/SentItemsDeliverySource.h"

#include "devices/DeviceState.h"
#include "sending/DeliveryReading.h"
#include "sending/DeliveryTracker.h"
#include "sending/SentItemDeliveries.h"
#include "stores/DeliveryReportStore.h"

std::vector<QString> SentItemsDeliverySource::deliveryTexts(const std::vector<SentItem>& records)
{
    std::vector<DeliveryRecordEntry> entries;
    if (!m_store.Load(entries))
        return std::vector<QString>(records.size());
    return SentItemDeliveryTexts(records, entries);
}

DeliveryReadSummary SentItemsDeliverySource::readReports()
{
    std::vector<ReportSource> sources;
    QList<int> seen;
    for (const DeviceChoice& choice : m_devices.choiceList()) {
        if (choice.port <= 0 || seen.contains(choice.port))
            continue; // "All Device", or a port listed twice
        seen.append(choice.port);
        sources.push_back({choice.port, m_devices.sendSettingsOf(choice.port).messageMode});
    }
    // Matching is left to the column: the reports go to the store, the column reads it.
    DeliveryTracker tracker(&m_store);
    DeliveryReadSummary summary;
    summary.modems = int(sources.size());
    for (const ReportReading& reading : ReadReportsFromModems(sources, m_ports, m_clock, tracker)) {
        summary.reports += reading.reports;
        if (!reading.error.isEmpty())
            summary.failures.append(
                QStringLiteral("COM%1: %2").arg(reading.port).arg(reading.error));
    }
    return summary;
}
