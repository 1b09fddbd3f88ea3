#pragma once

#include "base/FileError.h"
#include "stores/InboxReadMarks.h"
#include "stores/InboxRecord.h"

#include <QSet>
#include <mutex>
#include <optional>
#include <vector>

class DataFolder;

// The inbox file of the data folder: every received part, one record a line, in the order
// they were taken from the modems. A part is stored before the modem's copy is deleted, so a
// failure in between makes the modem give it again: the store knows it and keeps one.
class InboxStore
{
public:
    explicit InboxStore(const DataFolder& folder);
    InboxStore(const InboxStore&) = delete;
    InboxStore& operator=(const InboxStore&) = delete;

    enum class AddResult
    {
        Added,
        Duplicate, // already stored: nothing written
        Failed,    // not stored; the modem's copy must stay
    };

    // Appends a part unless the file holds one with its duplicate key.
    AddResult Add(const InboxPart& part, FileError* error = nullptr);

    // Every whole record in file order; lines that are not records are skipped. False when the
    // file exists but cannot be read.
    bool Load(std::vector<InboxPart>& parts) const;

    QString path() const;

    // Which messages were read, by key.
    InboxReadMarks& readMarks() { return m_readMarks; }
    const InboxReadMarks& readMarks() const { return m_readMarks; }

    // Until when an earlier version's inbox window had shown the messages: those received
    // until then count as read. Invalid when it never showed any. Kept beside the inbox.
    QDateTime seenUntil() const;
    bool setSeenUntil(const QDateTime& time, FileError* error = nullptr);
    QString seenPath() const;

private:
    bool loadKeys();

    const DataFolder& m_folder;
    mutable std::mutex m_mutex;
    std::optional<QSet<QString>> m_keys; // of the file, read at the first Add
    InboxReadMarks m_readMarks;
};
