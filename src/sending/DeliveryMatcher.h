#pragma once

#include "modem/StatusReport.h"
#include "stores/DeliveryRecord.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

// One part handed to a modem that asked for a status report, as the store keeps it.
using SentPart = DeliveryPartRecord;

// A sent row across runs: the run's id and the row's index in that run.
struct DeliveryRowId
{
    std::uint64_t run = 0;
    std::int64_t row = 0;

    bool operator==(const DeliveryRowId&) const = default;
};

struct DeliveryRowIdHash
{
    std::size_t operator()(const DeliveryRowId& id) const noexcept
    {
        return std::hash<std::uint64_t>()(id.run * 0x9E3779B97F4A7C15ULL ^ std::uint64_t(id.row));
    }
};

// Where a sent row stands by the reports of its parts.
struct RowDelivery
{
    enum class State
    {
        Pending,      // some part has no final report yet
        Delivered,    // every part was delivered
        NotDelivered, // a part failed for good
    };
    State state = State::Pending;
    QString reason; // why, for NotDelivered: the failed part's status reason

    bool operator==(const RowDelivery&) const = default;
};

// "Pending", "Delivered" or "Not delivered: <reason>".
QString deliveryText(const RowDelivery& delivery);

// Ties status reports to the parts they report on. A report belongs to a part sent on the
// same port with the same message reference and the same recipient within the window before
// the report: references wrap at 256, and every run and modem restart counts them again, so
// several parts may qualify. The service centre's time stamp says when it took the message:
// the part sent closest to it wins. A report without one goes to the latest part sent before
// it arrived. Reports that match nothing are kept, never dropped.
class DeliveryMatcher
{
public:
    static constexpr int DefaultWindowDays = 3;

    explicit DeliveryMatcher(int windowDays = DefaultWindowDays) : m_windowDays(windowDays) {}

    void addSentPart(SentPart part);

    // Matches a report received on a port; true when it found its part. A second report for a
    // part replaces the first only while the first left the outcome open (still trying).
    bool addReport(const QString& port, const StatusReport& report, const QDateTime& receivedAt);

    // The row's state; nullopt for a row none of whose parts asked for a report.
    std::optional<RowDelivery> rowDelivery(const DeliveryRowId& row) const;

    struct UnmatchedReport
    {
        QString port;
        StatusReport report;
        QDateTime receivedAt;
    };
    const std::vector<UnmatchedReport>& unmatched() const { return m_unmatched; }
    // Parts still without a final report (those the modem gave no reference for included).
    std::size_t pendingParts() const { return m_pendingParts; }
    std::size_t pendingParts(std::uint64_t run) const;

private:
    static constexpr std::size_t NoPart = std::size_t(-1);
    struct PartState
    {
        SentPart sent;
        qint64 sentAtMs = 0; // sent.sentAt, read once: comparing QDateTimes costs more
        std::optional<StatusReport> report;
        // The part sent before with the same reference key, and the row's part before: chains
        // through the parts instead of a list per key, which a million parts pay for in
        // allocations.
        std::size_t previousWithKey = NoPart;
        std::size_t previousOfRow = NoPart;
    };

    std::optional<std::size_t> findPart(const QString& port, const StatusReport& report,
                                        const QDateTime& when) const;

    // Port, reference and the recipient's subscriber digits in one value: the parts a report
    // can belong to. With the recipient in the key a look-up finds one part or a few, however
    // many times each reference is in use. nullopt: the part or report can match nothing.
    std::optional<std::uint64_t> referenceKey(const QString& port, int reference,
                                              const QString& recipient) const;
    int portId(const QString& port);

    int m_windowDays;
    std::vector<PartState> m_parts;
    QHash<QString, int> m_portIds;
    std::unordered_map<std::uint64_t, std::size_t> m_latestWithKey;
    std::unordered_map<DeliveryRowId, std::size_t, DeliveryRowIdHash> m_latestOfRow;
    std::vector<UnmatchedReport> m_unmatched;
    std::size_t m_pendingParts = 0;
    std::unordered_map<std::uint64_t, std::size_t> m_pendingOfRun;
};

// Whether two numbers name the same phone: the same digits, or the same last nine digits when
// one is written with a country code and the other without.
bool sameRecipient(const QString& a, const QString& b);
