#pragma once

#include "outbox/OutboxAddress.h"
#include "outbox/OutboxRow.h"

#include <QString>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// What one count of the outbox found: its counts, or the error text when it could not be asked.
struct OutboxReading
{
    QString address; // the address text the count was asked for
    std::optional<OutboxCounts> counts;
    QString error;
};

// Counts the outbox's rows by state on a thread of its own, so that a window can show them
// without waiting on the database: the window asks, then polls for the reading.
class OutboxProgress
{
public:
    // Counts the rows of the outbox at an address; throws OutboxError.
    using Count = std::function<OutboxCounts(const OutboxAddress&)>;

    // Without a count of its own it counts in the outbox itself, through one connection kept
    // open on its thread while the address stays the same: opening checks the schema, which
    // is not work for every two seconds.
    explicit OutboxProgress(Count count = {});
    // Waits for a count under way to end.
    ~OutboxProgress();
    OutboxProgress(const OutboxProgress&) = delete;
    OutboxProgress& operator=(const OutboxProgress&) = delete;

    // Starts a count of the outbox at `address` (a saved address text) and returns at once.
    // While a count is still under way this asks for nothing more: a slow database gets one
    // question at a time.
    void request(const QString& address);
    // The reading of the last count that ended, once; nothing while none has ended since.
    std::optional<OutboxReading> take();

    // The share of the rows that ended (sent, failed, excluded, skipped, unknown), 0 to 1; 0 for
    // an empty outbox.
    static double endedShare(const OutboxCounts& counts);

private:
    struct Question
    {
        QString text;
        OutboxAddress address;
    };

    void serve();

    Count m_count;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Question> m_asked;
    bool m_busy = false;
    bool m_closing = false;
    std::optional<OutboxReading> m_reading;
    std::thread m_thread;
};
