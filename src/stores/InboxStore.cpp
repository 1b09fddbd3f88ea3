#include "stores/InboxStore.h"

#include "stores/DataFolder.h"
#include "stores/RecordFile.h"

#include <QFileInfo>

namespace {

bool readParts(const QString& path, std::vector<InboxPart>& parts)
{
    parts.clear();
    if (!QFileInfo::exists(path))
        return true;
    QStringList lines;
    if (!RecordFile::ReadLines(path, lines))
        return false;
    for (const QString& line : lines) {
        if (std::optional<InboxPart> part = InboxRecord::FromLine(line))
            parts.push_back(std::move(*part));
    }
    return true;
}

} // namespace

InboxStore::InboxStore(const DataFolder& folder) : m_folder(folder), m_readMarks(folder) {}

QString InboxStore::path() const
{
    return m_folder.folder() + QStringLiteral("/Inbox.korv");
}

bool InboxStore::loadKeys()
{
    if (m_keys)
        return true;
    std::vector<InboxPart> parts;
    if (!readParts(path(), parts))
        return false;
    QSet<QString> keys;
    for (const InboxPart& part : parts)
        keys.insert(part.duplicateKey());
    m_keys = std::move(keys);
    return true;
}

InboxStore::AddResult InboxStore::Add(const InboxPart& part, FileError* error)
{
    std::lock_guard lock(m_mutex);
    // A file that cannot be read cannot say what it holds: storing again is safer than a
    // loss, since the key set only spares a second copy.
    const bool known = loadKeys();
    const QString key = part.duplicateKey();
    if (known && m_keys->contains(key))
        return AddResult::Duplicate;
    m_folder.EnsureDataFolder();
    if (!RecordFile::Append(path(), InboxRecord::ToLine(part), RecordFile::LineEnd::CRLF, error))
        return AddResult::Failed;
    if (known)
        m_keys->insert(key);
    return AddResult::Added;
}

bool InboxStore::Load(std::vector<InboxPart>& parts) const
{
    std::lock_guard lock(m_mutex);
    return readParts(path(), parts);
}

QString InboxStore::seenPath() const
{
    return m_folder.folder() + QStringLiteral("/InboxSeen.korv");
}

QDateTime InboxStore::seenUntil() const
{
    std::lock_guard lock(m_mutex);
    QStringList lines;
    if (!QFileInfo::exists(seenPath()) || !RecordFile::ReadLines(seenPath(), lines) ||
        lines.isEmpty())
        return {};
    return QDateTime::fromString(lines.front().trimmed(), Qt::ISODateWithMs);
}

bool InboxStore::setSeenUntil(const QDateTime& time, FileError* error)
{
    std::lock_guard lock(m_mutex);
    m_folder.EnsureDataFolder();
    return RecordFile::Rewrite(seenPath(), {time.toString(Qt::ISODateWithMs)},
                               RecordFile::LineEnd::CRLF, error);
}
