#include "outbox/OutboxReplyQueue.h"

#include "outbox/OutboxError.h"

OutboxReplyQueue::Outcome
OutboxReplyQueue::write(std::vector<OutboxReply> replies,
                        const std::function<void(const OutboxReply&)>& insert)
{
    std::lock_guard lock(m_mutex); // one writer at a time keeps the order
    Outcome outcome;
    for (OutboxReply& reply : replies) {
        if (m_queue.size() >= m_limit) {
            outcome.dropped.push_back(std::move(m_queue.front()));
            m_queue.pop_front();
        }
        m_queue.push_back(std::move(reply));
    }
    while (!m_queue.empty()) {
        try {
            insert(m_queue.front());
        } catch (const OutboxError& error) {
            outcome.error = error.text();
            break;
        }
        m_queue.pop_front();
    }
    return outcome;
}

std::size_t OutboxReplyQueue::waiting() const
{
    std::lock_guard lock(m_mutex);
    return m_queue.size();
}
