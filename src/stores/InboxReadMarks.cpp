#include "stores/InboxReadMarks.h"

#include "stores/DataFolder.h"
#include "stores/RecordFile.h"

#include <QFileInfo>

namespace {

bool readKeys(const QString& path, QSet<QString>& keys)
{
    keys.clear();
    if (!QFileInfo::exists(path))
        return true;
    QStringList lines;
    if (!RecordFile::ReadLines(path, lines))
        return false;
    for (const QString& line : lines) {
        const QString key = line.trimmed();
        if (!key.isEmpty())
            keys.insert(key);
    }
    return true;
}

} // namespace

InboxReadMarks::InboxReadMarks(const DataFolder& folder) : m_folder(folder) {}

QString InboxReadMarks::path() const
{
    return m_folder.folder() + QStringLiteral("/InboxRead.korv");
}

bool InboxReadMarks::Load(QSet<QString>& keys) const
{
    std::lock_guard lock(m_mutex);
    return readKeys(path(), keys);
}

bool InboxReadMarks::MarkRead(const QStringList& keys, FileError* error)
{
    std::lock_guard lock(m_mutex);
    QSet<QString> known;
    // A file that cannot be read: a key written twice is harmless, a lost mark is not.
    (void)readKeys(path(), known);
    QStringList fresh;
    for (const QString& key : keys) {
        const QString trimmed = key.trimmed();
        if (!trimmed.isEmpty() && !known.contains(trimmed) && !fresh.contains(trimmed))
            fresh.append(trimmed);
    }
    if (fresh.isEmpty())
        return true;
    m_folder.EnsureDataFolder();
    return RecordFile::Append(path(), fresh, RecordFile::LineEnd::CRLF, error);
}
