#pragma once

#include "sending/QueueRow.h"

#include <QHash>
#include <QString>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <utility>
#include <vector>

// The table of rows a sending run works on, shared by the run and every device worker. One lock
// guards it; a test of several cells and the writes that follow it happen in one update() so no
// other worker sees the row in between (a claim is such a step). Rows are only appended, never
// reordered or removed, until the whole table is emptied when the run closes.
//
// Every write raises the version, so a window can tell cheaply whether to repaint and an idle
// worker can sleep until some row changes.
class SendQueue
{
public:
    SendQueue() = default;
    SendQueue(const SendQueue&) = delete;
    SendQueue& operator=(const SendQueue&) = delete;

    int rowCount() const;
    QString cell(int row, QueueColumn column) const;
    void setCell(int row, QueueColumn column, QString text);
    QueueRow row(int index) const;
    // The first row whose "Number" equals the text (whole text, letter case ignored), or -1.
    int findFirstNumber(const QString& number) const;

    // Appends rows as the run start writes them; returns the new row count.
    int append(std::vector<QueueRow> rows);
    void clear();

    // Runs f(QueueRow&) under the lock and returns its result; the row counts as changed. A row
    // that is no longer there (the table was emptied meanwhile) is not touched and gives a
    // default result.
    template <class F> auto update(int index, F&& f)
    {
        using Result = decltype(f(std::declval<QueueRow&>()));
        std::lock_guard lock(m_mutex);
        if (index < 0 || std::size_t(index) >= m_rows.size())
            return Result();
        struct Bump
        {
            SendQueue& queue;
            ~Bump() { queue.changedLocked(); }
        } bump{*this};
        return f(m_rows[std::size_t(index)]);
    }

    // Runs f(const QueueRow&) under the lock and returns its result (default when the row is
    // gone).
    template <class F> auto inspect(int index, F&& f) const
    {
        using Result = decltype(f(std::declval<const QueueRow&>()));
        std::lock_guard lock(m_mutex);
        if (index < 0 || std::size_t(index) >= m_rows.size())
            return Result();
        return f(static_cast<const QueueRow&>(m_rows[std::size_t(index)]));
    }

    // Whether some row, and how many rows, satisfy a predicate. The lock is taken per block of
    // rows, so a scan of a long table does not hold up the workers.
    template <class P> bool anyRow(P&& predicate) const
    {
        bool found = false;
        scanBlocks([&](const QueueRow& row) { return found = predicate(row); });
        return found;
    }
    template <class P> int countRows(P&& predicate) const
    {
        int count = 0;
        scanBlocks([&](const QueueRow& row) {
            count += predicate(row) ? 1 : 0;
            return false;
        });
        return count;
    }
    // Runs f(int index, QueueRow&) on every row, a block at a time under the lock; the rows
    // count as changed.
    template <class F> void updateAll(F&& f)
    {
        for (std::size_t first = 0;; first += BlockRows) {
            std::lock_guard lock(m_mutex);
            if (first >= m_rows.size())
                return;
            const std::size_t end = std::min(m_rows.size(), first + BlockRows);
            for (std::size_t i = first; i < end; ++i)
                f(int(i), m_rows[i]);
            changedLocked();
        }
    }

    // Rows [first, first + count) as copies, for views and exports.
    std::vector<QueueRow> rows(int first, int count) const;

    std::uint64_t version() const { return m_version.load(std::memory_order_acquire); }
    // Blocks until the version differs from seen, wakeWaiters() is called or the real timeout
    // passes.
    void waitForChange(std::uint64_t seen, std::chrono::milliseconds timeout) const;
    void wakeWaiters();

private:
    static constexpr std::size_t BlockRows = 4096;

    // Calls visit(row) until it returns true.
    template <class V> void scanBlocks(V&& visit) const
    {
        for (std::size_t first = 0;; first += BlockRows) {
            std::lock_guard lock(m_mutex);
            if (first >= m_rows.size())
                return;
            const std::size_t end = std::min(m_rows.size(), first + BlockRows);
            for (std::size_t i = first; i < end; ++i)
                if (visit(static_cast<const QueueRow&>(m_rows[i])))
                    return;
        }
    }

    void changedLocked();

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::deque<QueueRow> m_rows;
    QHash<QString, int> m_firstRowOfNumber;
    std::atomic<std::uint64_t> m_version{0};
    std::uint64_t m_wakeups = 0;
};
