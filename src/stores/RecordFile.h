#pragma once

#include "base/FileError.h"

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

// Whether the file holds 8-bit text: not empty, no byte-order mark and no zero byte (UTF-16
// text always has some), as when a store was replaced by hand.
bool IsEightBitText(const QString& path);

// Every line of an 8-bit file in the system code page, each whole however long, without its
// line end (LF or CR LF); a last line without line end counts.
bool ReadEightBitLines(const QString& path, QStringList& lines, FileError* error = nullptr);

// Gets a UTF-16 file ready for an append: a last code unit cut in half (a crash, a full disk)
// is completed with a zero high byte, so the new record starts at a code-unit boundary and a
// Latin-1 character comes back whole. Returns whether the file then ends inside a line: the
// next record must start on a line of its own, or it is glued to the broken one and read back
// as part of it.
bool MendCutShortEnd(const QString& path);

// Appends records, each with its line end; a new or empty file gets the mark first, a file
// that ends inside a line gets a line end first. An 8-bit file is rewritten whole in UTF-16,
// its own lines first, rather than getting UTF-16 after its 8-bit text.
bool Append(const QString& path, const QString& record, LineEnd lineEnd,
            FileError* error = nullptr);
bool Append(const QString& path, const QStringList& records, LineEnd lineEnd,
            FileError* error = nullptr);

// Replaces the whole store with these records. The old content stays until the new one is
// completely on disk; no records at all leave an empty file.
bool Rewrite(const QString& path, const QStringList& records, LineEnd lineEnd,
             FileError* error = nullptr);

} // namespace RecordFile
