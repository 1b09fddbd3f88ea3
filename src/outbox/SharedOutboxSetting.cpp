#include "outbox/SharedOutboxSetting.h"

#include "stores/DataFolder.h"
#include "stores/RecordFile.h"

#include <QDir>

SharedOutboxSetting::SharedOutboxSetting(const DataFolder& folder)
    : m_path(QDir(folder.folder()).filePath(QStringLiteral("SharedOutbox.korv")))
{}

QString SharedOutboxSetting::address() const
{
    QStringList lines;
    if (!QFile::exists(m_path) || !RecordFile::ReadLines(m_path, lines))
        return {};
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty())
            return RecordFile::FromRecordText(line).trimmed();
    return {};
}

bool SharedOutboxSetting::setAddress(const QString& address, FileError* error)
{
    const QString text = address.trimmed();
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return RecordFile::Rewrite(
        m_path, text.isEmpty() ? QStringList{} : QStringList{RecordFile::ToRecordText(text)},
        RecordFile::LineEnd::CRLF, error);
}
