#include "stores/RecordFile.h"

#include "stores/StdioFileEx.h"

#include <QFile>

namespace RecordFile {

namespace {

QString lineEndText(LineEnd lineEnd)
{
    return lineEnd == LineEnd::CRLF ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

} // namespace

QString ToRecordText(const QString& text)
{
    QString record = text;
    return record.replace(u'\n', NewlineToken);
}

QString FromRecordText(const QString& line)
{
    QString text = line;
    return text.replace(NewlineToken, QStringLiteral("\n"));
}

bool ReadLines(const QString& path, QStringList& lines, FileError* error)
{
    lines.clear();
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::typeText, error))
        return false;
    QString line;
    while (file.ReadString(line))
        lines.append(line);
    return true;
}

bool EndsInsideLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 2 || file.read(2) != "\xFF\xFE" ||
        !file.seek(file.size() - 2))
        return false;
    return file.read(2) != QByteArray("\n\0", 2);
}

bool Append(const QString& path, const QString& record, LineEnd lineEnd, FileError* error)
{
    const QString end = lineEndText(lineEnd);
    const bool repair = EndsInsideLine(path);
    CStdioFileEx file;
    if (!file.Open(path, 0x27001, error))
        return false;
    try {
        file.SeekToEnd();
        file.WriteString((repair ? end : QString()) + record + end);
        file.Close();
    } catch (const FileException& e) {
        if (error)
            *error = e.error();
        return false;
    }
    return true;
}

bool Rewrite(const QString& path, const QStringList& records, LineEnd lineEnd, FileError* error)
{
    CStdioFileEx file;
    if (!file.Open(path, 0x25001, error))
        return false;
    try {
        const QString end = lineEndText(lineEnd);
        for (const QString& record : records)
            file.WriteString(record + end);
        file.Close();
    } catch (const FileException& e) {
        if (error)
            *error = e.error();
        return false;
    }
    return true;
}

} // namespace RecordFile
