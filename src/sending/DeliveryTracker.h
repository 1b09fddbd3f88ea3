#pragma once

#include "modem/ReportRouting.h"
#include "sending/DeliveryMatcher.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

class DeliveryReportStore;

// The delivery reports of one sending run, shared by its workers: which row's parts went with
// which message reference, and the reports the modems printed. Each part and report is also
// appended to the store when one is given, so reports that come later still find their row.
// A tracker also serves outside a run: filled from the store, it matches the reports read
// from the modems later against the parts of every run the store still holds.
class DeliveryTracker
{
public:
    // `runId` names this run's rows in the store; 0 draws a random one.
    explicit DeliveryTracker(DeliveryReportStore* store = nullptr, std::uint64_t runId = 0);

    std::uint64_t runId() const { return m_runId; }

    // The parts of a sent row, by the references the modem gave them (-1: none given; such a
    // part can never be matched, and the row stays pending). `message` is the row's text: the
    // parts keep the fingerprint its sent-items record will have.
    void partsSent(std::int64_t row, const QString& port, const QString& recipient,
                   const QString& message, const std::vector<int>& references,
                   const QDateTime& sentAt);

    // Adds what the store holds: its parts sent since `since` (every part when invalid), then
    // its reports, matched again. Nothing is written back. The store is read outside the
    // matcher's lock, so a window reading the tracker meanwhile does not wait for the disk.
    bool loadStore(const QDateTime& since);
    void addEntries(const std::vector<DeliveryRecordEntry>& entries, const QDateTime& since);
    // loadStore once for the tracker's life (the parts of the last few days), whichever worker
    // comes first; the others wait for it. For a run's tracker, before its first report.
    void loadEarlierRuns();

    // Matches the routed reports among a port's unsolicited lines and returns the places of
    // those the modem stored instead (+CDSI), for the caller to read with the channel.
    std::vector<StoredReportIndex> takeLines(const QString& port, const QList<QByteArray>& lines,
                                             const QDateTime& receivedAt);
    void reportReceived(const QString& port, const StatusReport& report,
                        const QDateTime& receivedAt);

    // nullopt for a row that asked for no report: a row of this run, or of any run.
    std::optional<RowDelivery> rowDelivery(std::int64_t row) const;
    std::optional<RowDelivery> rowDelivery(const DeliveryRowId& row) const;
    std::vector<DeliveryMatcher::UnmatchedReport> unmatched() const;
    std::size_t unmatchedCount() const;
    // This run's parts still without a final report.
    std::size_t pendingParts() const;
    // Grows with every part and report: views refresh when it changed.
    std::uint64_t version() const { return m_version.load(); }

private:
    DeliveryReportStore* m_store;
    std::uint64_t m_runId;
    std::once_flag m_earlierLoaded;
    mutable std::mutex m_mutex;
    DeliveryMatcher m_matcher;
    std::atomic<std::uint64_t> m_version{0};
};

// Reads the reports a port announced as stored, matches them and deletes them from the modem
// (AT+CMGD) once they are kept. Failures leave the reports in the modem for a later reading.
void ReadAnnouncedReports(ModemChannel& channel, bool pduMode, const QString& port,
                          const std::vector<StoredReportIndex>& places, DeliveryTracker& tracker,
                          const QDateTime& receivedAt);

// The reports among the lines the channel collected since the last call: routed ones matched,
// announced stored ones read and deleted. Raises CSMSException as the channel does.
void TakeReports(ModemChannel& channel, bool pduMode, const QString& port,
                 DeliveryTracker& tracker);

// One look at a modem no submission uses at the moment: the reports it printed or stored
// since are taken as above. Raises CSMSException as the channel does.
void PollForReports(ModemChannel& channel, bool pduMode, const QString& port,
                    DeliveryTracker& tracker);

// Every report a modem holds, for a modem just opened: the routed ones it printed since, then
// each one in its "SR" store (AT+CPMS="SR", AT+CMGL), kept and then deleted (AT+CMGD). The
// number of reports taken. Raises CSMSException as the channel does.
int ReadHeldReports(ModemChannel& channel, bool pduMode, const QString& port,
                    DeliveryTracker& tracker);
