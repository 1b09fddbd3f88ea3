#include "stores/TemplateStore.h"

#include "stores/DataFolder.h"
#include "stores/RecordFile.h"
#include "stores/StdioFileEx.h"
#include "stores/Utf16Lines.h"

#include <QSet>

namespace {

bool rewriteAll(const QString& path, const QStringList& texts)
{
    CStdioFileEx file;
    if (!file.Open(path, 0x25001))
        return false;
    return CatchFileError(nullptr, [&] {
        QString all;
        for (const QString& text : texts)
            all += RecordFile::ToRecordText(text) + u'\n';
        // Even no text at all puts the byte-order mark into an empty file.
        file.WriteString(all);
        file.Close();
    });
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
    const auto take = [&](QStringView line) {
        if (line.trimmed().isEmpty())
            return;
        QString text = RecordFile::FromRecordText(line.toString());
        if (text.isEmpty() || seen.contains(text))
            return;
        seen.insert(text);
        oldestFirst.append(std::move(text));
    };
    // A store replaced by hand with 8-bit text is read in the system code page.
    if (RecordFile::IsEightBitText(path())) {
        QStringList lines;
        if (!RecordFile::ReadEightBitLines(path(), lines, error))
            return false;
        for (const QString& line : std::as_const(lines))
            take(line);
        return true;
    }
    // Lines end at LF only; a CR before it stays part of the template. A repeated template is
    // skipped. A last line without LF (an append cut short) is a template too.
    return ReadUtf16Lines(path(), take, true, error);
}

bool TemplateStore::SaveTemplates(const QStringList& oldestFirst)
{
    std::lock_guard lock(m_mutex);
    m_folder.EnsureDataFolder();
    return rewriteAll(path(), oldestFirst);
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
    QStringList records;
    for (const QString& text : texts)
        records.append(RecordFile::ToRecordText(text));
    return RecordFile::Append(path(), records, RecordFile::LineEnd::LF, error);
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
