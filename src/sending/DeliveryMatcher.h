#pragma once

#include "modem/StatusReport.h"
#include "stores/DeliveryRecord.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <vector>

// One part handed to a modem that asked for a status report, as the store keeps it.
using SentPart = DeliveryPartRecord;

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

// Ties status reports to the parts they report on. A report belongs to the part sent on the
// same port with the same message reference and the same recipient, the latest such part
// sent within the window before the report: references wrap at 256, so older parts with the
// same reference are earlier rounds. Reports that match nothing are kept, never dropped.
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
    std::optional<RowDelivery> rowDelivery(std::int64_t row) const;

    struct UnmatchedReport
    {
        QString port;
        StatusReport report;
        QDateTime receivedAt;
    };
    const std::vector<UnmatchedReport>& unmatched() const { return m_unmatched; }

private:
    struct PartState
    {
        SentPart sent;
        std::optional<StatusReport> report;
    };

    std::optional<std::size_t> findPart(const QString& port, const StatusReport& report,
                                        const QDateTime& when) const;

    int m_windowDays;
    std::vector<PartState> m_parts;
    // Port and reference to the parts sent with them, in the order they were sent.
    std::map<std::pair<QString, int>, std::vector<std::size_t>> m_byReference;
    std::unordered_map<std::int64_t, std::vector<std::size_t>> m_byRow;
    std::vector<UnmatchedReport> m_unmatched;
};

// Whether two numbers name the same phone: the same digits, or the same last nine digits when
// one is written with a country code and the other without.
bool sameRecipient(const QString& a, const QString& b);
