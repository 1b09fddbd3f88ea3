#pragma once

#include "outbox/OutboxRow.h"

#include <QString>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

// The received messages on their way into the inbox table, in the order they came: one whose
// insert failed stays for the next write, so a passing outage of the database loses nothing.
// At most `limit` wait; past that the oldest is given up (the local inbox holds every message
// all the same). Writers on any thread.
class OutboxReplyQueue
{
public:
    explicit OutboxReplyQueue(std::size_t limit) : m_limit(limit) {}

    struct Outcome
    {
        std::vector<OutboxReply> dropped; // given up to make room
        QString error;                    // of the insert that failed; empty when all went
    };
    // Queues the messages, then inserts the queue in order until `insert` throws OutboxError.
    Outcome write(std::vector<OutboxReply> replies,
                  const std::function<void(const OutboxReply&)>& insert);

    std::size_t waiting() const;

private:
    const std::size_t m_limit;
    mutable std::mutex m_mutex;
    std::deque<OutboxReply> m_queue;
};
