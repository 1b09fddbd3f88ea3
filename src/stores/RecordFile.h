#pragma once

#include "stores/FileError.h"

#include <QString>
#include <QStringList>

// The format of every store file: UTF-16 little-endian with a byte-order mark, one record per
// line. A line break inside a stored text is written as the NewlineToken.
namespace RecordFile {

inline const QString NewlineToken = QStringLiteral("|AP*|DX/");

enum class LineEnd
{
    LF,
    CRLF
};

// "\n" of a text to the token, and back.
QString ToRecordText(const QString& text);
QString FromRecordText(const QString& line);

// Every line of the file without its line end (a file without the mark reads as 8-bit text).
bool ReadLines(const QString& path, QStringList& lines, FileError* error = nullptr);

// Whether the file ends inside a line: an append cut short (a crash, a full disk) left a
// record without its line end. The next record must start on a line of its own, or it is glued
// to the broken one and read back as part of it.
bool EndsInsideLine(const QString& path);

// Appends one record and its line end; a new or empty file gets the mark first, a file that
// ends inside a line gets a line end first.
bool Append(const QString& path, const QString& record, LineEnd lineEnd,
            FileError* error = nullptr);

// Replaces the whole store with these records. The old content stays until the new one is
// completely on disk; no records at all leave an empty file.
bool Rewrite(const QString& path, const QStringList& records, LineEnd lineEnd,
             FileError* error = nullptr);

} // namespace RecordFile
