#include "outbox/OutboxProgress.h"

#include "outbox/OutboxDatabase.h"
#include "outbox/OutboxError.h"

#include <memory>
#include <utility>

OutboxProgress::OutboxProgress(Count count)
    : m_count(std::move(count)), m_thread([this] { serve(); })
{}

OutboxProgress::~OutboxProgress()
{
    {
        std::lock_guard lock(m_mutex);
        m_closing = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void OutboxProgress::request(const QString& address)
{
    const OutboxAddressResult parsed = ParseOutboxAddress(address, {});
    std::lock_guard lock(m_mutex);
    if (!parsed.address) {
        // Nothing to ask the database: the answer is known here.
        m_reading = OutboxReading{address, std::nullopt, parsed.error};
        return;
    }
    if (m_busy)
        return;
    m_asked = Question{address, *parsed.address};
    m_busy = true;
    m_wake.notify_all();
}

std::optional<OutboxReading> OutboxProgress::take()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_reading, std::nullopt);
}

double OutboxProgress::endedShare(const OutboxCounts& counts)
{
    const std::int64_t ended =
        counts.sent + counts.failed + counts.excluded + counts.skipped + counts.unknown;
    const std::int64_t all = ended + counts.open();
    return all > 0 ? double(ended) / double(all) : 0.0;
}

void OutboxProgress::serve()
{
    // This thread's own connection, opened again for another address or after an error.
    std::unique_ptr<OutboxDatabase> outbox;
    QString outboxFor;
    const auto countKeptOpen = [&](const Question& asked) {
        if (!outbox || outboxFor != asked.text) {
            outbox.reset();
            outbox = std::make_unique<OutboxDatabase>(asked.address);
            outboxFor = asked.text;
        }
        return outbox->counts();
    };
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_closing || m_asked; });
        if (m_closing)
            return;
        const Question asked = *std::exchange(m_asked, std::nullopt);
        lock.unlock();
        OutboxReading reading{asked.text, std::nullopt, {}};
        try {
            reading.counts = m_count ? m_count(asked.address) : countKeptOpen(asked);
        } catch (const OutboxError& error) {
            outbox.reset();
            reading.error = error.text();
        }
        lock.lock();
        m_reading = std::move(reading);
        m_busy = false;
    }
}
