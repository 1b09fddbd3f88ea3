#include "sending/SendQueue.h"

#include "stores/NumberKey.h"

int SendQueue::rowCount() const
{
    std::lock_guard lock(m_mutex);
    return int(m_rows.size());
}

QString SendQueue::cell(int row, QueueColumn column) const
{
    return inspect(row, [column](const QueueRow& r) { return r[column]; });
}

void SendQueue::setCell(int row, QueueColumn column, QString text)
{
    update(row, [&](QueueRow& r) { r[column] = std::move(text); });
}

QueueRow SendQueue::row(int index) const
{
    return inspect(index, [](const QueueRow& r) { return r; });
}

int SendQueue::findFirstNumber(const QString& number) const
{
    std::lock_guard lock(m_mutex);
    return m_firstRowOfNumber.value(NumberKey(number), -1);
}

int SendQueue::append(std::vector<QueueRow> rows)
{
    std::lock_guard lock(m_mutex);
    for (QueueRow& row : rows) {
        const QString key = NumberKey(row[NumberColumn]);
        if (!m_firstRowOfNumber.contains(key))
            m_firstRowOfNumber.insert(key, int(m_rows.size()));
        m_rows.push_back(std::move(row));
    }
    changedLocked();
    return int(m_rows.size());
}

void SendQueue::clear()
{
    std::deque<QueueRow> rows;
    QHash<QString, int> index;
    {
        std::lock_guard lock(m_mutex);
        rows.swap(m_rows);
        index.swap(m_firstRowOfNumber);
        changedLocked();
    }
    // The rows are freed outside the lock: a million of them take a while.
}

std::vector<QueueRow> SendQueue::rows(int first, int count) const
{
    std::lock_guard lock(m_mutex);
    std::vector<QueueRow> copies;
    const int end = std::min(int(m_rows.size()), first + count);
    for (int i = std::max(0, first); i < end; ++i)
        copies.push_back(m_rows[std::size_t(i)]);
    return copies;
}

void SendQueue::waitForChange(std::uint64_t seen, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    const std::uint64_t wakeups = m_wakeups;
    m_changed.wait_for(lock, timeout, [&] {
        return m_version.load(std::memory_order_relaxed) != seen || m_wakeups != wakeups;
    });
}

void SendQueue::wakeWaiters()
{
    {
        std::lock_guard lock(m_mutex);
        ++m_wakeups;
    }
    m_changed.notify_all();
}

void SendQueue::changedLocked()
{
    m_version.fetch_add(1, std::memory_order_release);
    m_changed.notify_all();
}
