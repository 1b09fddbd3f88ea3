#pragma once

#include "base/FileError.h"
#include "stores/SentItem.h"

#include <QDate>
#include <mutex>
#include <vector>

class DataFolder;

// The sent-items log file. Every send worker appends through one shared instance, and the
// sent-items window reads and rewrites through it, so one lock keeps records whole.
class SentItemStore
{
public:
    explicit SentItemStore(const DataFolder& folder);
    SentItemStore(const SentItemStore&) = delete;
    SentItemStore& operator=(const SentItemStore&) = delete;

    // Appends one record dated `day` (today in local time when sending), creating the data
    // folder and the file when missing. False when the file could not be opened or written.
    bool Append(const QString& number, const QString& message, const QString& status,
                const QDate& day, FileError* error = nullptr);

    // Every record of the file in file order. False (and no records) when it cannot be opened.
    bool Load(std::vector<SentItem>& records) const;

    // Replaces the file with these records; no records leave only the byte-order mark. The old
    // file stays in place until the new content is completely written.
    bool WriteBack(const std::vector<SentItem>& records, FileError* error = nullptr);

    QString path() const;

private:
    const DataFolder& m_folder;
    mutable std::mutex m_mutex;
};
