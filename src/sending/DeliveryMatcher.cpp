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
        if (c >= u'0' && c <= u'9') // phone numbers: ASCII digits, as the key below reads them
            digits += c;
    }
    return digits;
}

// The digits sameRecipient compares (the last nine, or all of a shorter number) as one value,
// their count in the top bits so that "0123" and "123" differ; 0 for a number without digits,
// which matches nothing. Read from the end without building a string: it runs for every part.
std::uint64_t subscriberKey(const QString& number)
{
    std::uint64_t value = 0;
    std::uint64_t scale = 1;
    std::uint64_t count = 0;
    for (qsizetype i = number.size() - 1; i >= 0 && count < std::uint64_t(SubscriberDigits); --i) {
        const char16_t c = number[i].unicode();
        if (c < u'0' || c > u'9')
            continue;
        value += std::uint64_t(c - u'0') * scale;
        scale *= 10;
        ++count;
    }
    return count << 30 | value; // value < 10^9 < 2^30; count <= 9 in 4 bits
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

int DeliveryMatcher::portId(const QString& port)
{
    const auto found = m_portIds.constFind(port);
    if (found != m_portIds.constEnd())
        return *found;
    const int id = int(m_portIds.size()) + 1;
    m_portIds.insert(port, id);
    return id;
}

std::optional<std::uint64_t> DeliveryMatcher::referenceKey(const QString& port, int reference,
                                                           const QString& recipient) const
{
    const std::uint64_t subscriber = subscriberKey(recipient);
    const int id = m_portIds.value(port, 0);
    if (!subscriber || !id || id > 0x3FFFFF || reference < 0 || reference > 0xFF)
        return std::nullopt;
    // 22 bits of port, 8 of reference, 34 of subscriber digits (4 of count, 30 of value).
    return std::uint64_t(id) << 42 | std::uint64_t(reference) << 34 | subscriber;
}

void DeliveryMatcher::addSentPart(SentPart part)
{
    const std::size_t index = m_parts.size();
    portId(part.port);
    PartState state{std::move(part), 0, std::nullopt, NoPart, NoPart};
    state.sentAtMs = state.sent.sentAt.toMSecsSinceEpoch();
    if (const auto key =
            referenceKey(state.sent.port, state.sent.messageReference, state.sent.recipient)) {
        auto [latest, added] = m_latestWithKey.try_emplace(*key, index);
        if (!added) {
            state.previousWithKey = latest->second;
            latest->second = index;
        }
    }
    auto [latestOfRow, added] =
        m_latestOfRow.try_emplace(DeliveryRowId{state.sent.run, state.sent.row}, index);
    if (!added) {
        state.previousOfRow = latestOfRow->second;
        latestOfRow->second = index;
    }
    ++m_pendingOfRun[state.sent.run];
    m_parts.push_back(std::move(state));
    ++m_pendingParts;
}

std::optional<std::size_t> DeliveryMatcher::findPart(const QString& port,
                                                     const StatusReport& report,
                                                     const QDateTime& when) const
{
    const auto key = referenceKey(port, report.messageReference, report.recipient);
    if (!key)
        return std::nullopt;
    const auto found = m_latestWithKey.find(*key);
    if (found == m_latestWithKey.end())
        return std::nullopt;
    // The key holds the digits sameRecipient compares, so every candidate is the same phone.
    // The chain is walked whole: parts read back from the store of earlier runs and modems
    // that counted references again need not come in time order.
    const bool stamped = report.serviceCentreTime.isValid();
    const qint64 whenMs = when.toMSecsSinceEpoch();
    const qint64 windowMs = qint64(m_windowDays) * 24 * 3600 * 1000;
    std::optional<std::size_t> best;
    qint64 bestDistance = 0;
    for (std::size_t i = found->second; i != NoPart; i = m_parts[i].previousWithKey) {
        const qint64 age = whenMs - m_parts[i].sentAtMs;
        if (age < (stamped ? -ClockSkewSeconds * 1000 : 0) || age > windowMs)
            continue;
        const qint64 distance = age < 0 ? -age : age;
        if (!best || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
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
    if (!kept || !isFinal(*kept)) {
        if (isFinal(report)) {
            --m_pendingParts;
            --m_pendingOfRun[m_parts[*index].sent.run];
        }
        kept = report;
    }
    return true;
}

std::size_t DeliveryMatcher::pendingParts(std::uint64_t run) const
{
    const auto found = m_pendingOfRun.find(run);
    return found == m_pendingOfRun.end() ? 0 : found->second;
}

std::optional<RowDelivery> DeliveryMatcher::rowDelivery(const DeliveryRowId& row) const
{
    const auto found = m_latestOfRow.find(row);
    if (found == m_latestOfRow.end())
        return std::nullopt;
    std::vector<int> delivered; // part numbers, once each: a part sent again counts once
    int expected = 1;
    for (std::size_t index = found->second; index != NoPart; index = m_parts[index].previousOfRow) {
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
