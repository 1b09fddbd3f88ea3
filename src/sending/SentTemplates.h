#pragma once

#include "base/FileError.h"

#include <QSet>
#include <QStringList>
#include <mutex>

class TemplateStore;

// The templates list the sending side keeps sent messages against. It is read from the
// templates file when Send is pressed; a worker adds a sent message when no template equals it
// with letter case ignored. One lock keeps the test, the file append and the insert together,
// so two workers sending the same text store it once.
class SentTemplates
{
public:
    explicit SentTemplates(TemplateStore& store);

    // Re-reads the list from the file; false (with the error) when it cannot be opened.
    bool reload(FileError* error = nullptr);
    // Appends the text to the file and puts it at the top of the list unless listed already.
    // True when it was added.
    bool keep(const QString& text, FileError* error = nullptr);

    bool contains(const QString& text) const;
    // Newest first, as the list shows them.
    QStringList newestFirst() const;

private:
    TemplateStore& m_store;
    mutable std::mutex m_mutex;
    QStringList m_oldestFirst;
    QSet<QString> m_keys; // case-folded
};
