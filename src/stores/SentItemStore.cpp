#include "stores/SentItemStore.h"

#include "stores/DataFolder.h"
#include "stores/RecordFile.h"
#include "stores/StdioFileEx.h"
#include "stores/Utf16Lines.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSentItems, "quillon.sentitems", QtInfoMsg)

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
constexpr qsizetype kWriteChunk = 1 << 16;

} // namespace

SentItemStore::SentItemStore(const DataFolder& folder) : m_folder(folder) {}

QString SentItemStore::path() const
{
    return m_folder.sentItemPath();
}

bool SentItemStore::Append(const QString& number, const QString& message, const QString& status,
                           const QDate& day, FileError* error)
{
    const QString line =
        SentItemRecord::ToLine({number, message, SentItemRecord::DateText(day), status});
    std::lock_guard lock(m_mutex);
    m_folder.EnsureDataFolder();
    return RecordFile::Append(path(), line, RecordFile::LineEnd::CRLF, error);
}

bool SentItemStore::Load(std::vector<SentItem>& records) const
{
    records.clear();
    std::lock_guard lock(m_mutex);
    m_folder.EnsureDataFolder();
    // A last line without its line end (an append cut short) is still a record.
    SentItem item;
    return ReadUtf16Lines(
        path(),
        [&](QStringView line) {
            if (SentItemRecord::FromLine(line, item))
                records.push_back(std::move(item));
        },
        true);
}

bool SentItemStore::WriteBack(const std::vector<SentItem>& records, FileError* error)
{
    std::lock_guard lock(m_mutex);
    m_folder.EnsureDataFolder();
    CStdioFileEx file;
    if (!file.Open(path(), 0x25001, error))
        return false;
    const bool written = CatchFileError(error, [&] {
        // Writing nothing at position 0 still puts the byte-order mark in.
        file.WriteString(QString());
        QString chunk;
        for (const SentItem& record : records) {
            chunk += SentItemRecord::ToLine(record) + kLineEnd;
            if (chunk.size() >= kWriteChunk) {
                file.WriteString(chunk);
                chunk.clear();
            }
        }
        file.WriteString(chunk);
        file.Close();
    });
    if (!written)
        return false;
    qCDebug(lcSentItems).noquote()
        << QStringLiteral("Sent Items: %1 -- written : %2").arg(records.size()).arg(records.size());
    return true;
}
