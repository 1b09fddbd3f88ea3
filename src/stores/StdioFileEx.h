#pragma once

#include "base/FileError.h"
#include "spreadsheet/CodePage.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <exception>

// The buffered text file under every store and text export. Reads and writes either UTF-16
// little-endian text with a byte-order mark or 8-bit text in a code page; which one is decided
// when the file is opened. Callers always see UTF-16 strings, one line at a time.
//
// Opening with create and without keep-contents rewrites the file: the new content goes to a
// temporary file beside it, which replaces the old file only on a clean Close(). A crash or a
// full disk half-way therefore never loses the store that was there before.
class CStdioFileEx
{
public:
    enum OpenFlags : std::uint32_t
    {
        modeRead = 0x0,
        modeWrite = 0x1,
        modeReadWrite = 0x2,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
        modeWriteUnicode = 0x20000,
    };
    enum class SeekFrom
    {
        Begin,
        Current,
        End
    };

    CStdioFileEx() = default;
    ~CStdioFileEx();
    CStdioFileEx(const CStdioFileEx&) = delete;
    CStdioFileEx& operator=(const CStdioFileEx&) = delete;

    bool Open(const QString& path, std::uint32_t flags, FileError* error = nullptr);
    bool IsOpen() const { return m_fd >= 0; }

    // One line without its line end; false at end of file.
    bool ReadString(QString& line);
    // Throws FileException when the write fails.
    void WriteString(QStringView text);
    void SetCodePage(int codePage) { m_codePage = codePage; }

    std::int64_t Seek(std::int64_t offset, SeekFrom from);
    void SeekToEnd() { Seek(0, SeekFrom::End); }
    std::int64_t GetPosition() const;
    std::int64_t GetLength() const;
    // Raw bytes; returns the count read.
    std::int64_t Read(void* buffer, std::int64_t count);

    // Closes the file; a rewritten file takes the place of the old one here. Throws
    // FileException when the new content cannot be put in place (the old file stays).
    void Close();

    bool IsUnicodeText() const { return m_isUtf16; }
    std::uint32_t Flags() const { return m_flags; }

private:
    bool fill();
    int peekByte();
    int takeByte();
    bool readUtf16Line(QString& line);
    bool readByteLine(QString& line);
    void dropReadBuffer();
    void writeAll(const char* data, std::int64_t size);

    int m_fd = -1;
    QString m_path;
    QString m_tempPath; // set while rewriting through a temporary file
    bool m_writeFailed = false;
    int m_exceptionsAtOpen = 0;
    bool m_isUtf16 = false;
    std::uint32_t m_flags = 0;
    int m_codePage = CodePage::System;
    QByteArray m_buffer;
    qsizetype m_bufferPos = 0;
};
