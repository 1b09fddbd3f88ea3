#include "sending/DeliveryTracker.h"

#include "modem/ModemChannel.h"
#include "modem/ModemCommands.h"
#include "stores/DeliveryReportStore.h"
#include "stores/SentItemKey.h"

#include <random>

namespace {

std::uint64_t randomRunId()
{
    std::random_device device;
    std::uint64_t id = 0;
    while (id == 0) // 0 stands for the runs written before ids
        id = std::uint64_t(device()) << 32 | device();
    return id;
}

} // namespace

DeliveryTracker::DeliveryTracker(DeliveryReportStore* store, std::uint64_t runId)
    : m_store(store), m_runId(runId ? runId : randomRunId())
{}

// The store is written outside the matcher's lock: the sending window reads the matcher on the
// UI thread and must not wait for a disk. The store keeps its own lock.
void DeliveryTracker::partsSent(std::int64_t row, const QString& port, const QString& recipient,
                                const QString& message, const std::vector<int>& references,
                                const QDateTime& sentAt)
{
    const int count = int(references.size());
    // The row's sent-items record is written the moment its outcome is known, just before
    // this, and dated that day.
    const QDate day = sentAt.date();
    const QString fingerprint =
        SentItemKey::MessageFingerprint(SentItemKey::AsLogged(recipient, message, day).message);
    std::vector<SentPart> parts;
    parts.reserve(references.size());
    for (int i = 0; i < count; ++i)
        parts.push_back({row, port, references[std::size_t(i)], recipient, sentAt, i + 1, count,
                         m_runId, day, fingerprint});
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

bool DeliveryTracker::loadStore(const QDateTime& since)
{
    if (!m_store)
        return true;
    std::vector<DeliveryRecordEntry> entries;
    const bool read = m_store->Load(entries);
    addEntries(entries, since);
    return read;
}

void DeliveryTracker::addEntries(const std::vector<DeliveryRecordEntry>& entries,
                                 const QDateTime& since)
{
    // Parts first: a report kept before its part was (it came during the submission) still
    // finds it.
    std::vector<const DeliveryReportRecord*> reports;
    std::lock_guard lock(m_mutex);
    for (const DeliveryRecordEntry& entry : entries) {
        if (const auto* part = std::get_if<DeliveryPartRecord>(&entry)) {
            if (!since.isValid() || part->sentAt >= since)
                m_matcher.addSentPart(*part);
        } else {
            reports.push_back(&std::get<DeliveryReportRecord>(entry));
        }
    }
    for (const DeliveryReportRecord* record : reports) {
        StatusReport report;
        report.messageReference = record->messageReference;
        report.recipient = record->recipient;
        report.serviceCentreTime = record->serviceCentreTime;
        report.dischargeTime = record->dischargeTime;
        report.status = record->status;
        report.outcome = outcomeOfStatus(record->status);
        if (!since.isValid() || record->receivedAt >= since)
            m_matcher.addReport(record->port, report, record->receivedAt);
    }
    m_version += entries.size();
}

void DeliveryTracker::loadEarlierRuns()
{
    std::call_once(m_earlierLoaded, [this] {
        (void)loadStore(QDateTime::currentDateTime().addDays(-DeliveryMatcher::DefaultWindowDays));
    });
}

std::optional<RowDelivery> DeliveryTracker::rowDelivery(std::int64_t row) const
{
    return rowDelivery(DeliveryRowId{m_runId, row});
}

std::optional<RowDelivery> DeliveryTracker::rowDelivery(const DeliveryRowId& row) const
{
    std::lock_guard lock(m_mutex);
    return m_matcher.rowDelivery(row);
}

std::vector<DeliveryMatcher::UnmatchedReport> DeliveryTracker::unmatched() const
{
    std::lock_guard lock(m_mutex);
    return m_matcher.unmatched();
}

std::size_t DeliveryTracker::pendingParts() const
{
    std::lock_guard lock(m_mutex);
    return m_matcher.pendingParts(m_runId);
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

namespace {

// The messages handed over directly are not the report reader's to take.
void returnMessages(ModemChannel& channel, const QList<QByteArray>& lines)
{
    QList<QByteArray> messages;
    for (const QByteArray& line : lines) {
        if (line.startsWith("+CMT:"))
            messages.append(line);
    }
    if (!messages.isEmpty())
        channel.returnUnsolicited(messages);
}

} // namespace

void TakeReports(ModemChannel& channel, bool pduMode, const QString& port, DeliveryTracker& tracker)
{
    const QList<QByteArray> lines = channel.takeUnsolicited();
    returnMessages(channel, lines);
    const auto stored = tracker.takeLines(port, lines, QDateTime::currentDateTime());
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

int ReadHeldReports(ModemChannel& channel, bool pduMode, const QString& port,
                    DeliveryTracker& tracker)
{
    (void)sendCommand(channel, "AT\r"); // the routed reports printed since come with its answer
    const QList<QByteArray> lines = channel.takeUnsolicited();
    returnMessages(channel, lines);
    const QDateTime now = QDateTime::currentDateTime();
    int taken = 0;
    for (const QByteArray& line : lines) {
        if (const std::optional<StatusReport> report = parseCdsIndication(line)) {
            tracker.reportReceived(port, *report, now);
            ++taken;
        }
    }
    // Announced stored reports are in the list below too: one reading takes them all.
    for (const StoredReport& stored : readStoredReports(channel, pduMode)) {
        tracker.reportReceived(port, stored.report, now);
        ++taken;
        // Kept first, deleted after: a failure in between reads it twice, never loses it.
        (void)sendCommand(channel, "AT+CMGD=" + std::to_string(stored.index) + "\r");
    }
    return taken;
}
