#include "ServeFollowUp.h"

#include "SendCommandSetup.h"
#include "base/Clock.h"
#include "outbox/OutboxError.h"
#include "outbox/OutboxLink.h"
#include "sending/DeliveryTracker.h"
#include "sending/OptOutWatch.h"
#include "stores/InboxStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>

namespace {

// From any thread: one whole line through stdio's own lock.
void tell(const QString& text)
{
    std::fprintf(stderr, "quillon-cli serve: %s\n", text.toLocal8Bit().constData());
}

} // namespace

ServeFollowUp::ServeFollowUp(SendSession& session, OutboxLink& link, QString instance,
                             const Clock& clock)
    : m_session(session), m_link(link), m_instance(std::move(instance)), m_clock(clock),
      m_deliveries(clock), m_replies(m_instance)
{
    if (OptOutWatch* watch = m_session.optOutWatch()) {
        // A part stored before a restart, and given again by the modem, joins its message.
        std::vector<InboxPart> stored;
        if (watch->inbox().Load(stored))
            m_replies.seed(stored);
        else
            tell(QCoreApplication::translate("ServeFollowUp",
                                             "The local inbox could not be read: long messages "
                                             "begun before this start may stay incomplete."));
        watch->received = [this](const InboxPart& part) { replyStored(part); };
    }
}

ServeFollowUp::~ServeFollowUp()
{
    if (OptOutWatch* watch = m_session.optOutWatch())
        watch->received = nullptr;
}

void ServeFollowUp::beginRun()
{
    m_session.setDeliveryRowBase(m_runBase);
}

void ServeFollowUp::rowSent(std::size_t index, std::int64_t outboxId)
{
    if (!m_session.deliveryTracker())
        return;
    m_deliveries.track(outboxId, m_runBase + std::int64_t(index));
    m_unwritten = true;
}

void ServeFollowUp::endRun(std::size_t rowCount)
{
    m_runBase += std::int64_t(rowCount);
}

void ServeFollowUp::writeDeliveries()
{
    const DeliveryTracker* tracker = m_session.deliveryTracker();
    if (!tracker || (!m_unwritten && tracker->version() == m_writtenVersion))
        return;
    m_writtenVersion = tracker->version();
    m_unwritten = false;
    const auto changes =
        m_deliveries.changes([tracker](std::int64_t row) { return tracker->rowDelivery(row); });
    for (const OutboxDeliveries::Change& change : changes) {
        try {
            m_link.call([&](OutboxDatabase& database) {
                return database.setDelivery(change.outboxId, m_instance, change.delivery,
                                            change.delivered);
            });
        } catch (const OutboxError& error) {
            tell(error.text());
            m_deliveries.unwritten(change);
            m_unwritten = true;
        }
    }
}

void ServeFollowUp::writeDeliveriesNowAndThen()
{
    constexpr std::uint64_t EveryMs = 1000;
    if (m_clock.tickCount() - m_writtenAtTick < EveryMs)
        return;
    m_writtenAtTick = m_clock.tickCount();
    writeDeliveries();
}

void ServeFollowUp::waitForReports(int seconds, const std::function<bool()>& stop)
{
    const DeliveryTracker* tracker = m_session.deliveryTracker();
    if (!tracker)
        return;
    // The last run keeps looking at the modems; this only waits for what it finds.
    constexpr std::uint32_t CheckMs = 250;
    for (qint64 waited = 0;
         tracker->pendingParts() > 0 && !stop() && waited < qint64(seconds) * 1000;
         waited += CheckMs) {
        m_clock.sleepMs(CheckMs);
        writeDeliveries();
        writeRepliesNowAndThen();
    }
    writeDeliveries();
}

QStringList ServeFollowUp::newOptOuts()
{
    const QStringList all = m_session.optedOut();
    const QStringList fresh = all.mid(m_optOutsTold);
    m_optOutsTold = all.size();
    return fresh;
}

void ServeFollowUp::replyStored(const InboxPart& part)
{
    std::vector<OutboxReply> replies = m_replies.add(part);
    if (!replies.empty())
        writeReplies(std::move(replies));
}

void ServeFollowUp::writeReplies(std::vector<OutboxReply> replies)
{
    const OutboxReplyQueue::Outcome outcome =
        m_unwrittenReplies.write(std::move(replies), [this](const OutboxReply& reply) {
            m_link.call([&](OutboxDatabase& database) { database.addReply(reply); });
        });
    for (const OutboxReply& dropped : outcome.dropped)
        tell(QCoreApplication::translate("ServeFollowUp",
                                         "Too many received messages wait for the outbox: the "
                                         "one from %1 is left to the local inbox.")
                 .arg(dropped.number));
    if (!outcome.error.isEmpty())
        tell(outcome.error); // kept for the next write
}

void ServeFollowUp::writeRepliesNowAndThen()
{
    if (!m_session.optOutWatch())
        return;
    constexpr std::uint64_t EveryMs = 1000;
    if (m_clock.tickCount() - m_repliesLookedAtTick < EveryMs)
        return;
    m_repliesLookedAtTick = m_clock.tickCount();
    std::vector<OutboxReply> replies = m_replies.overdue(QDateTime::currentDateTime(), m_clock);
    if (!replies.empty())
        writeReplies(std::move(replies));
}

std::size_t ServeFollowUp::finishReplies()
{
    if (!m_session.optOutWatch())
        return 0;
    if (m_unwrittenReplies.waiting() > 0)
        writeReplies({});
    return m_unwrittenReplies.waiting();
}
