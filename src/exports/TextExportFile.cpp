#include "exports/TextExportFile.h"

#include <cerrno>

namespace {

constexpr qsizetype kPiece = 1 << 16;

std::uint32_t flagsFor(TextExportFile::Encoding encoding)
{
    const std::uint32_t created =
        CStdioFileEx::modeCreate | CStdioFileEx::modeWrite | CStdioFileEx::typeText;
    return encoding == TextExportFile::Encoding::Utf16WithMark
               ? created | CStdioFileEx::modeWriteUnicode
               : created;
}

} // namespace

TextExportFile::TextExportFile(const QString& path, Encoding encoding)
{
    FileError error;
    if (!m_file.Open(path, flagsFor(encoding), &error))
        m_result = {ExportStatus::CannotCreate, error.errorNumber, 0};
    m_pending.reserve(kPiece + 1024);
}

void TextExportFile::write(QStringView text)
{
    if (!ok())
        return;
    m_pending.append(text);
    if (m_pending.size() >= kPiece)
        flush();
}

void TextExportFile::flush()
{
    FileError error;
    if (!CatchFileError(&error, [this] { m_file.WriteString(m_pending); }))
        m_result = {ExportStatus::WriteFailed, error.errorNumber, 0};
    m_pending.resize(0);
}

ExportResult TextExportFile::finish()
{
    if (ok())
        flush();
    FileError error;
    // After a failed write this removes the temporary file instead.
    if (!CatchFileError(&error, [this] { m_file.Close(); })) {
        // Closing flushes the data to disk, then renames.
        const int n = error.errorNumber;
        const bool dataLost = n == ENOSPC || n == EIO || n == EDQUOT || n == EFBIG;
        m_result = {dataLost ? ExportStatus::WriteFailed : ExportStatus::CannotReplace, n, 0};
    }
    return m_result;
}
