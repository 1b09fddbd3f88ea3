#pragma once

#include "base/FileError.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <mutex>

class DataFolder;

// Which received messages the user has read: the file "InboxRead.korv" of the data folder
// holds one message key a line (see InboxMessage::key), appended as messages are read. A
// message whose key is not there is unread.
class InboxReadMarks
{
public:
    explicit InboxReadMarks(const DataFolder& folder);
    InboxReadMarks(const InboxReadMarks&) = delete;
    InboxReadMarks& operator=(const InboxReadMarks&) = delete;

    // The keys of every message read; false when the file exists but cannot be read.
    bool Load(QSet<QString>& keys) const;

    // Adds the keys the file does not hold yet; true when they are all on disk afterwards.
    bool MarkRead(const QStringList& keys, FileError* error = nullptr);

    QString path() const;

private:
    const DataFolder& m_folder;
    mutable std::mutex m_mutex;
};
