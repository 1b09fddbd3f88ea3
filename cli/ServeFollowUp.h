#pragma once

#include "outbox/OutboxDeliveries.h"
#include "outbox/OutboxReplies.h"
#include "outbox/OutboxReplyQueue.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <cstdint>
#include <functional>
#include <vector>

class Clock;
class OutboxLink;
class SendSession;
struct InboxPart;

// What an instance's modems tell after its rows went, written into the outbox as well as the
// local stores: the delivery state of every row sent asking for a report, and every message
// received, linked to the row last sent to its sender. One tracker of reports serves all the
// instance's runs, so reports that come during later batches, or between them, still find
// their rows; they are matched by port, reference and number among this instance's rows only.
class ServeFollowUp
{
public:
    ServeFollowUp(SendSession& session, OutboxLink& link, QString instance, const Clock& clock);
    ~ServeFollowUp();
    ServeFollowUp(const ServeFollowUp&) = delete;
    ServeFollowUp& operator=(const ServeFollowUp&) = delete;

    // Before a run: its rows follow those of the runs before it in the tracker.
    void beginRun();
    // After it: the row at `index` of the run was sent as outbox row `outboxId`.
    void rowSent(std::size_t index, std::int64_t outboxId);
    void endRun(std::size_t rowCount);

    // Writes the delivery states that changed since the last call.
    void writeDeliveries();
    // The same at most once a second (designed time), for callers that look often.
    void writeDeliveriesNowAndThen();
    // Waits up to `seconds` (designed time) until every part sent has its final report,
    // writing the states as they come.
    void waitForReports(int seconds, const std::function<bool()>& stop);
    // The numbers that opted out since the last call.
    QStringList newOptOuts();

    // Received messages that could not go into the inbox table are kept for the next write,
    // this many at most (the oldest dropped first; the local inbox holds them all the same).
    static constexpr std::size_t MaxUnwrittenReplies = 1000;
    // Writes the long messages whose missing parts did not come in time, incomplete, and
    // what failed before. At most once a second (designed time), for callers that look often.
    void writeRepliesNowAndThen();
    // At the end: one more try for what could not be written. Returns how many are lost.
    std::size_t finishReplies();

private:
    void replyStored(const InboxPart& part);
    // Queues the messages, then writes the queue in order until a write fails, telling why.
    void writeReplies(std::vector<OutboxReply> replies);

    SendSession& m_session;
    OutboxLink& m_link;
    const QString m_instance;
    const Clock& m_clock;
    OutboxDeliveries m_deliveries;
    OutboxReplies m_replies;
    std::int64_t m_runBase = 0;
    std::uint64_t m_writtenVersion = 0;
    std::uint64_t m_writtenAtTick = 0;
    std::uint64_t m_repliesLookedAtTick = 0;
    OutboxReplyQueue m_unwrittenReplies{MaxUnwrittenReplies};
    bool m_unwritten = false; // rows tracked, or a write failed, since the last writing
    qsizetype m_optOutsTold = 0;
};
