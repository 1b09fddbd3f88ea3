#pragma once

#include "exports/ExportResult.h"
#include "stores/StdioFileEx.h"

#include <QString>

// A text or HTML export file written through CStdioFileEx, which writes a temporary file and
// gives it the target name only when it is closed complete. Text is gathered into large pieces
// before it is written; the first failure is kept and ends the writing.
class TextExportFile
{
public:
    enum class Encoding
    {
        Utf16WithMark, // UTF-16 little-endian starting with the byte-order mark
        EightBit,      // the program's 8-bit code page
    };

    TextExportFile(const QString& path, Encoding encoding);

    bool ok() const { return m_result.ok(); }
    void write(QStringView text);
    // Writes what is left and puts the file in place.
    ExportResult finish();

private:
    void flush();

    CStdioFileEx m_file;
    QString m_pending;
    ExportResult m_result;
};
