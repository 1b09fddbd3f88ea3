#include "stores/TemplateStore.h"

#include "stores/DataFolder.h"
#include "stores/RecordFile.h"
#include "stores/StdioFileEx.h"
#include "stores/Utf16Lines.h"

#include <QSet>

namespace {

bool writeAll(const QString& path, std::uint32_t flags, const QStringList& texts, FileError* error)
{
    CStdioFileEx file;
    if (!file.Open(path, flags, error))
        return false;
    try {
        QString all;
        if (flags & CStdioFileEx::modeNoTruncate) {
            file.SeekToEnd();
            if (RecordFile::EndsInsideLine(path))
                all += u'\n';
        }
        for (const QString& text : texts)
            all += RecordFile::ToRecordText(text) + u'\n';
        // Even no text at all puts the byte-order mark into an empty file.
        file.WriteString(all);
        file.Close();
    } catch (const FileException& e) {
        if (error)
            *error = e.error();
        return false;
    }
    return true;
}

} // namespace

TemplateStore::TemplateStore(const DataFolder& folder) : m_folder(folder) {}

QString TemplateStore::path() const
{
    return m_folder.templatesPath();
}

bool TemplateStore::LoadTemplates(QStringList& oldestFirst, FileError* error) const
{
    oldestFirst.clear();
    QSet<QString> seen;
    std::lock_guard lock(m_mutex);
    m_folder.EnsureDataFolder();
    // Lines end at LF only; a CR before it stays part of the template. A repeated template is
    // skipped, and a last line without LF is not taken.
    return ReadUtf16Lines(
        path(),
        [&](QStringView line) {
            if (line.trimmed().isEmpty())
                return;
            QString text = RecordFile::FromRecordText(line.toString());
            if (text.isEmpty() || seen.contains(text))
                return;
            seen.insert(text);
            oldestFirst.append(std::move(text));
        },
        false, error);
}

bool TemplateStore::SaveTemplates(const QStringList& oldestFirst)
{
    std::lock_guard lock(m_mutex);
    m_folder.EnsureDataFolder();
    return writeAll(path(), 0x25001, oldestFirst, nullptr);
}

bool TemplateStore::AppendTemplate(const QString& text, FileError* error)
{
    return AppendTemplates({text}, error);
}

bool TemplateStore::AppendTemplates(const QStringList& texts, FileError* error)
{
    std::lock_guard lock(m_mutex);
    return appendLocked(texts, error);
}

bool TemplateStore::appendLocked(const QStringList& texts, FileError* error)
{
    m_folder.EnsureDataFolder();
    return writeAll(path(), 0x27001, texts, error);
}

bool TemplateStore::TemplateStored(const QString& text, int codePage) const
{
    std::lock_guard lock(m_mutex);
    return storedLocked(text, codePage);
}

bool TemplateStore::storedLocked(const QString& text, int codePage) const
{
    m_folder.EnsureDataFolder();
    CStdioFileEx file;
    if (!file.Open(path(), CStdioFileEx::typeText))
        return false;
    file.SetCodePage(codePage);
    QString line;
    while (file.ReadString(line)) {
        if (RecordFile::FromRecordText(line) == text)
            return true;
    }
    return false;
}

TemplateStore::AddResult TemplateStore::AddIfNotStored(const QString& text, int codePage,
                                                       FileError* error)
{
    std::lock_guard lock(m_mutex);
    if (storedLocked(text, codePage))
        return AddResult::AlreadyStored;
    return appendLocked({text}, error) ? AddResult::Added : AddResult::Failed;
}
