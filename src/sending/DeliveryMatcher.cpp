#include "sending/DeliveryMatcher.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr qsizetype SubscriberDigits = 9;
// Service-centre clocks and ours disagree a little: a report may name a time just before the
// part left.
constexpr qint64 ClockSkewSeconds = 3600;

QString digitsOf(const QString& number)
{
    QString digits;
    for (const QChar c : number) {
        if (c.isDigit())
            digits += c;
    }
    return digits;
}

bool isFinal(const StatusReport& report)
{
    return report.outcome != ReportOutcome::StillTrying;
}

} // namespace

bool sameRecipient(const QString& a, const QString& b)
{
    const QString left = digitsOf(a);
    const QString right = digitsOf(b);
    if (left.isEmpty() || right.isEmpty())
        return false;
    if (left == right)
        return true;
    return left.size() >= SubscriberDigits && right.size() >= SubscriberDigits &&
           left.right(SubscriberDigits) == right.right(SubscriberDigits);
}

QString deliveryText(const RowDelivery& delivery)
{
    switch (delivery.state) {
    case RowDelivery::State::Pending:
        return QCoreApplication::translate("DeliveryMatcher", "Pending");
    case RowDelivery::State::Delivered:
        return QCoreApplication::translate("DeliveryMatcher", "Delivered");
    case RowDelivery::State::NotDelivered:
        break;
    }
    return QCoreApplication::translate("DeliveryMatcher", "Not delivered: %1").arg(delivery.reason);
}

void DeliveryMatcher::addSentPart(SentPart part)
{
    const std::size_t index = m_parts.size();
    m_byReference[{part.port, part.messageReference}].push_back(index);
    m_byRow[part.row].push_back(index);
    m_parts.push_back({std::move(part), std::nullopt});
}

std::optional<std::size_t> DeliveryMatcher::findPart(const QString& port,
                                                     const StatusReport& report,
                                                     const QDateTime& when) const
{
    const auto found = m_byReference.find({port, report.messageReference});
    if (found == m_byReference.end())
        return std::nullopt;
    const std::vector<std::size_t>& candidates = found->second;
    for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
        const SentPart& sent = m_parts[*it].sent;
        if (!sameRecipient(sent.recipient, report.recipient))
            continue;
        const qint64 age = sent.sentAt.secsTo(when);
        if (age >= -ClockSkewSeconds && age <= qint64(m_windowDays) * 24 * 3600)
            return *it;
    }
    return std::nullopt;
}

bool DeliveryMatcher::addReport(const QString& port, const StatusReport& report,
                                const QDateTime& receivedAt)
{
    const QDateTime when =
        report.serviceCentreTime.isValid() ? report.serviceCentreTime : receivedAt;
    const std::optional<std::size_t> index = findPart(port, report, when);
    if (!index) {
        m_unmatched.push_back({port, report, receivedAt});
        return false;
    }
    std::optional<StatusReport>& kept = m_parts[*index].report;
    if (!kept || !isFinal(*kept))
        kept = report;
    return true;
}

std::optional<RowDelivery> DeliveryMatcher::rowDelivery(std::int64_t row) const
{
    const auto found = m_byRow.find(row);
    if (found == m_byRow.end())
        return std::nullopt;
    std::vector<int> delivered; // part numbers, once each: a part sent again counts once
    int expected = 1;
    for (const std::size_t index : found->second) {
        const PartState& part = m_parts[index];
        expected = std::max(expected, part.sent.partCount);
        if (!part.report || !isFinal(*part.report))
            continue;
        if (part.report->outcome != ReportOutcome::Delivered)
            return RowDelivery{RowDelivery::State::NotDelivered, statusReason(part.report->status)};
        if (std::find(delivered.begin(), delivered.end(), part.sent.part) == delivered.end())
            delivered.push_back(part.sent.part);
    }
    if (static_cast<int>(delivered.size()) >= expected)
        return RowDelivery{RowDelivery::State::Delivered, {}};
    return RowDelivery{};
}
