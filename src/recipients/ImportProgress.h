#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <mutex>

// Where an import stands, written by the reading thread and read by the progress window.
class ImportProgress
{
public:
    struct Snapshot
    {
        std::uint64_t current = 0;
        std::uint64_t total = 0;
        QString number;
        QString message;
    };

    void setTotal(std::uint64_t total) { m_total.store(total, std::memory_order_relaxed); }
    std::uint64_t total() const { return m_total.load(std::memory_order_relaxed); }
    void record(std::uint64_t current, const QString& number, const QString& message);
    Snapshot snapshot() const;

    // "Total Records : %d"
    static QString totalText(std::uint64_t total);
    // "Currently Reading : " + current + " / " + total + " Records"
    static QString readingText(std::uint64_t current, std::uint64_t total);
    // The first 160 characters followed by "..." when longer.
    static QString shortMessage(const QString& message);

private:
    std::atomic<std::uint64_t> m_total{0};
    mutable std::mutex m_mutex;
    Snapshot m_latest;
};
