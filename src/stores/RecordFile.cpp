#include "stores/RecordFile.h"

#include "spreadsheet/CodePage.h"
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

bool IsEightBitText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return false;
    const QByteArray head = file.read(2);
    // A single FF is a mark cut short, not text.
    if (head == "\xFF\xFE" || head == "\xFF")
        return false;
    if (head.contains('\0'))
        return false;
    for (QByteArray chunk; !(chunk = file.read(1 << 16)).isEmpty();)
        if (chunk.contains('\0'))
            return false;
    return true;
}

bool ReadEightBitLines(const QString& path, QStringList& lines, FileError* error)
{
    lines.clear();
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::modeRead | CStdioFileEx::typeBinary, error))
        return false;
    QByteArray bytes(qsizetype(file.GetLength()), Qt::Uninitialized);
    bytes.resize(qsizetype(file.Read(bytes.data(), bytes.size())));
    const QString text = CodePage::decode(bytes, CodePage::System);
    lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return true;
}

bool MendCutShortEnd(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || file.size() == 0)
        return false;
    if (file.size() == 1) {
        // Only half the mark made it; the append writes the mark again.
        if (file.read(1) == "\xFF")
            file.resize(0);
        return false;
    }
    if (file.read(2) != "\xFF\xFE")
        return false;
    if (file.size() % 2 != 0 && (!file.seek(file.size()) || file.write("\0", 1) != 1))
        return false;
    if (file.size() <= 2 || !file.seek(file.size() - 2))
        return false;
    return file.read(2) != QByteArray("\n\0", 2);
}

bool Append(const QString& path, const QString& record, LineEnd lineEnd, FileError* error)
{
    return Append(path, QStringList{record}, lineEnd, error);
}

bool Append(const QString& path, const QStringList& records, LineEnd lineEnd, FileError* error)
{
    if (IsEightBitText(path)) {
        QStringList lines;
        if (!ReadEightBitLines(path, lines, error))
            return false;
        return Rewrite(path, lines + records, lineEnd, error);
    }
    const QString end = lineEndText(lineEnd);
    const bool repair = MendCutShortEnd(path);
    CStdioFileEx file;
    if (!file.Open(path, 0x27001, error))
        return false;
    return CatchFileError(error, [&] {
        file.SeekToEnd();
        QString text = repair ? end : QString();
        for (const QString& record : records)
            text += record + end;
        file.WriteString(text);
        file.Close();
    });
}

bool Rewrite(const QString& path, const QStringList& records, LineEnd lineEnd, FileError* error)
{
    CStdioFileEx file;
    if (!file.Open(path, 0x25001, error))
        return false;
    return CatchFileError(error, [&] {
        const QString end = lineEndText(lineEnd);
        for (const QString& record : records)
            file.WriteString(record + end);
        file.Close();
    });
}

} // namespace RecordFile
