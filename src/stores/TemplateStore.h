#pragma once

#include "base/FileError.h"
#include "spreadsheet/CodePage.h"

#include <QStringList>
#include <mutex>

class DataFolder;

// The message templates file, oldest template first, one per line ended by LF. The templates
// window and every send worker that keeps sent messages as templates share one instance, so
// one lock keeps a check and the append that follows it together.
class TemplateStore
{
public:
    enum class AddResult
    {
        Added,
        AlreadyStored,
        Failed
    };

    explicit TemplateStore(const DataFolder& folder);
    TemplateStore(const TemplateStore&) = delete;
    TemplateStore& operator=(const TemplateStore&) = delete;

    // The templates of the file, oldest first, each once (its first occurrence), with line
    // breaks restored. False when the file cannot be opened.
    bool LoadTemplates(QStringList& oldestFirst, FileError* error = nullptr) const;

    // Replaces the file with these templates, oldest first; none leave only the byte-order
    // mark. A file that cannot be written keeps what it had.
    bool SaveTemplates(const QStringList& oldestFirst);

    // Adds templates at the end of the file, in the order given.
    bool AppendTemplate(const QString& text, FileError* error = nullptr);
    bool AppendTemplates(const QStringList& texts, FileError* error = nullptr);

    // Whether a line of the file, with line breaks restored, equals the text exactly. A file
    // without byte-order mark is read in `codePage`.
    bool TemplateStored(const QString& text, int codePage = CodePage::Windows1252) const;

    // For the senders: TemplateStored, then AppendTemplate when it is not, under one lock so
    // that two workers sending the same text store it once.
    AddResult AddIfNotStored(const QString& text, int codePage = CodePage::Windows1252,
                             FileError* error = nullptr);

    QString path() const;

private:
    bool storedLocked(const QString& text, int codePage) const;
    bool appendLocked(const QStringList& texts, FileError* error);

    const DataFolder& m_folder;
    mutable std::mutex m_mutex;
};
