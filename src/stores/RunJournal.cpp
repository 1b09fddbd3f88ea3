#include "stores/RunJournal.h"

#include "stores/DataFolder.h"
#include "stores/RecordFile.h"
#include "stores/Utf16Lines.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

QByteArray utf16Bytes(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QByteArray recordBytes(const JournalEntry& entry)
{
    return utf16Bytes(RunJournalRecord::ToLine(entry) + QStringLiteral("\r\n"));
}

void setError(FileError* error, bool creating)
{
    if (error)
        *error = {errno, creating};
}

} // namespace

RunJournal::RunJournal(const DataFolder& folder) : m_folder(folder) {}

RunJournal::~RunJournal()
{
    close();
}

QString RunJournal::path() const
{
    return m_folder.folder() + QStringLiteral("/RunJournal.korv");
}

QString RunJournal::previousPath() const
{
    return m_folder.folder() + QStringLiteral("/RunJournalPrevious.korv");
}

bool RunJournal::isOpen() const
{
    std::lock_guard lock(m_mutex);
    return m_fd >= 0;
}

void RunJournal::close()
{
    std::lock_guard lock(m_mutex);
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool RunJournal::openForAppend(FileError* error)
{
    if (m_fd >= 0)
        return true;
    m_folder.EnsureDataFolder();
    // A record cut short by a crash gets its line ended, so the next one stands on its own.
    const bool endLine = RecordFile::MendCutShortEnd(path());
    m_fd = ::open(QFile::encodeName(path()).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC,
                  0644);
    if (m_fd < 0) {
        setError(error, true);
        return false;
    }
    QByteArray head;
    if (::lseek(m_fd, 0, SEEK_END) == 0)
        head = QByteArray("\xFF\xFE", 2);
    else if (endLine)
        head = utf16Bytes(QStringLiteral("\r\n"));
    return head.isEmpty() || writeLocked(head, false, error);
}

bool RunJournal::writeLocked(const QByteArray& bytes, bool sync, FileError* error)
{
    if (m_fd < 0) {
        setError(error, false);
        return false;
    }
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            setError(error, false);
            return false;
        }
        data += written;
        left -= written;
    }
    if (sync && ::fdatasync(m_fd) != 0) {
        setError(error, false);
        return false;
    }
    return true;
}

bool RunJournal::begin(const JournalBegin& begin, const std::vector<JournalRow>& rows,
                       FileError* error)
{
    std::lock_guard lock(m_mutex);
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_folder.EnsureDataFolder();
    if (QFileInfo::exists(path())) {
        QFile::remove(previousPath());
        QFile::rename(path(), previousPath());
    }
    if (!openForAppend(error))
        return false;
    QByteArray bytes = recordBytes(begin);
    for (const JournalRow& row : rows)
        bytes += recordBytes(row);
    return writeLocked(bytes, true, error);
}

bool RunJournal::resume(FileError* error)
{
    std::lock_guard lock(m_mutex);
    return openForAppend(error);
}

bool RunJournal::append(const JournalEntry& entry, bool sync, FileError* error)
{
    const QByteArray bytes = recordBytes(entry);
    int fd = -1;
    {
        std::lock_guard lock(m_mutex);
        if (!writeLocked(bytes, false, error))
            return false;
        fd = m_fd;
    }
    // Synced outside the lock: the workers' syncs overlap, and the system may serve several
    // with one flush. The file is closed only once no worker writes any more.
    if (sync && ::fdatasync(fd) != 0) {
        setError(error, false);
        return false;
    }
    return true;
}

bool RunJournal::load(RunJournalContent& content, FileError* error) const
{
    return Load(path(), content, error);
}

bool RunJournal::Load(const QString& path, RunJournalContent& content, FileError* error)
{
    content = RunJournalContent{};
    if (!QFileInfo::exists(path))
        return true;
    QStringList lines;
    // The last line counts even without its line end: its checksum tells whether it is whole.
    if (!ReadUtf16Lines(
            path, [&](QStringView line) { lines.append(line.toString()); }, true, error))
        return false;
    content = RunJournalReplay::Fold(lines);
    return true;
}

bool RunJournal::setAside(FileError* error)
{
    std::lock_guard lock(m_mutex);
    const bool wasOpen = m_fd >= 0;
    if (!openForAppend(error))
        return false;
    const bool written = writeLocked(recordBytes(JournalSetAside{}), true, error);
    if (!wasOpen) {
        ::close(m_fd);
        m_fd = -1;
    }
    return written;
}
