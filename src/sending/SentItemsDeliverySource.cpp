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
    for (const ConfirmedPort& port : m_devices.confirmedPorts())
        sources.push_back({port.port, port.messageMode});
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
