#include "sending/DeliveryTracker.h"

#include "modem/ModemChannel.h"
#include "modem/ModemCommands.h"
#include "stores/DeliveryReportStore.h"

// The store is written outside the matcher's lock: the sending window reads the matcher on the
// UI thread and must not wait for a disk. The store keeps its own lock.
void DeliveryTracker::partsSent(std::int64_t row, const QString& port, const QString& recipient,
                                const std::vector<int>& references, const QDateTime& sentAt)
{
    const int count = int(references.size());
    std::vector<SentPart> parts;
    parts.reserve(references.size());
    for (int i = 0; i < count; ++i)
        parts.push_back({row, port, references[std::size_t(i)], recipient, sentAt, i + 1, count});
    {
        std::lock_guard lock(m_mutex);
        for (const SentPart& part : parts)
            m_matcher.addSentPart(part);
    }
    m_version += parts.size();
    if (m_store)
        for (const SentPart& part : parts)
            (void)m_store->Append(part); // the run goes on; the window's copy still matches
}

std::vector<StoredReportIndex> DeliveryTracker::takeLines(const QString& port,
                                                          const QList<QByteArray>& lines,
                                                          const QDateTime& receivedAt)
{
    std::vector<StoredReportIndex> stored;
    for (const QByteArray& line : lines) {
        if (const std::optional<StatusReport> report = parseCdsIndication(line))
            reportReceived(port, *report, receivedAt);
        else if (const auto place = parseCdsiLine(QString::fromLatin1(line)))
            stored.push_back(*place);
    }
    return stored;
}

void DeliveryTracker::reportReceived(const QString& port, const StatusReport& report,
                                     const QDateTime& receivedAt)
{
    {
        std::lock_guard lock(m_mutex);
        m_matcher.addReport(port, report, receivedAt);
    }
    ++m_version;
    if (m_store)
        (void)m_store->Append(DeliveryReportRecord{port, report.messageReference, report.recipient,
                                                   report.status, report.serviceCentreTime,
                                                   report.dischargeTime, receivedAt});
}

std::optional<RowDelivery> DeliveryTracker::rowDelivery(std::int64_t row) const
{
    std::lock_guard lock(m_mutex);
    return m_matcher.rowDelivery(row);
}

std::size_t DeliveryTracker::pendingParts() const
{
    std::lock_guard lock(m_mutex);
    return m_matcher.pendingParts();
}

std::size_t DeliveryTracker::unmatchedCount() const
{
    std::lock_guard lock(m_mutex);
    return m_matcher.unmatched().size();
}

void ReadAnnouncedReports(ModemChannel& channel, bool pduMode, const QString& port,
                          const std::vector<StoredReportIndex>& places, DeliveryTracker& tracker,
                          const QDateTime& receivedAt)
{
    QString selected; // the store AT+CPMS last chose: reports come in runs from one store
    for (const StoredReportIndex& place : places) {
        if (place.store != selected) {
            if (!sendCommand(channel, "AT+CPMS=\"" + place.store.toStdString() + "\"\r"))
                continue;
            selected = place.store;
        }
        const std::string read = "AT+CMGR=" + std::to_string(place.index) + "\r";
        if (!sendCommand(channel, read))
            continue;
        const std::optional<StatusReport> report = parseStoredReport(channel.response(), pduMode);
        if (!report)
            continue;
        tracker.reportReceived(port, *report, receivedAt);
        // Kept first, deleted after: a failure in between reads it twice, never loses it.
        (void)sendCommand(channel, "AT+CMGD=" + std::to_string(place.index) + "\r");
    }
}

void TakeReports(ModemChannel& channel, bool pduMode, const QString& port, DeliveryTracker& tracker)
{
    const auto stored =
        tracker.takeLines(port, channel.takeUnsolicited(), QDateTime::currentDateTime());
    if (!stored.empty())
        ReadAnnouncedReports(channel, pduMode, port, stored, tracker, QDateTime::currentDateTime());
}

void PollForReports(ModemChannel& channel, bool pduMode, const QString& port,
                    DeliveryTracker& tracker)
{
    // A command makes the channel read: the reports printed since come with its answer.
    (void)sendCommand(channel, "AT\r");
    TakeReports(channel, pduMode, port, tracker);
}
