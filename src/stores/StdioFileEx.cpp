#include "stores/StdioFileEx.h"

#include "base/TemporaryFileName.h"

#include <QFile>
#include <QtEndian>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kReadChunk = 16384;
constexpr qsizetype kMaxBytePiece = 4095;
const char kMark[2] = {char(0xFF), char(0xFE)};

bool startsWithMark(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    char head[2];
    return file.read(head, 2) == 2 && head[0] == kMark[0] && head[1] == kMark[1];
}

int accessMode(std::uint32_t flags)
{
    if (flags & CStdioFileEx::modeReadWrite)
        return O_RDWR;
    return (flags & CStdioFileEx::modeWrite) ? O_WRONLY : O_RDONLY;
}

void appendUtf16Le(QString& line, const char* bytes, qsizetype units)
{
    const qsizetype old = line.size();
    line.resize(old + units);
    qFromLittleEndian<char16_t>(bytes, units, line.data() + old);
}

void removeLineEnd(QString& line)
{
    if (line.endsWith(QLatin1String("\r\n")))
        line.chop(2);
    else if (line.endsWith(u'\r') || line.endsWith(u'\n'))
        line.chop(1);
}

} // namespace

CStdioFileEx::~CStdioFileEx()
{
    if (m_fd < 0)
        return;
    // Unwinding from an error in the middle of a rewrite must not replace the old file.
    if (std::uncaught_exceptions() > m_exceptionsAtOpen)
        m_writeFailed = true;
    // Nobody is left to tell; the old file stays in place.
    static_cast<void>(CatchFileError(nullptr, [this] { Close(); }));
}

bool CStdioFileEx::Open(const QString& path, std::uint32_t flags, FileError* error)
{
    if (m_fd >= 0)
        Close();
    m_isUtf16 = false;
    if ((flags & typeText) && !(flags & (modeCreate | modeWrite)) && startsWithMark(path)) {
        m_isUtf16 = true;
        flags = (flags & ~typeText) | typeBinary;
    }
    m_flags = flags;
    m_path = path;
    m_writeFailed = false;
    m_exceptionsAtOpen = std::uncaught_exceptions();
    dropReadBuffer();

    const QByteArray native = QFile::encodeName(path);
    const bool rewrite = (flags & modeCreate) && !(flags & modeNoTruncate);
    int fd = -1;
    if (rewrite) {
        QByteArray pattern = TemporaryFileName::PatternFor(path);
        fd = ::mkostemps(pattern.data(), TemporaryFileName::SuffixLength(), O_CLOEXEC);
        if (fd >= 0) {
            struct stat old
            {};
            const mode_t mode =
                ::stat(native.constData(), &old) == 0 ? (old.st_mode & 07777) : 0644;
            ::fchmod(fd, mode);
            m_tempPath = QFile::decodeName(pattern);
        }
    } else {
        int oflags = accessMode(flags) | O_CLOEXEC;
        if (flags & modeCreate)
            oflags |= O_CREAT;
        fd = ::open(native.constData(), oflags, 0644);
        // A folder is not a file to read, whatever open() allows for reading.
        struct stat st
        {};
        if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(fd);
            fd = -1;
            errno = EISDIR;
        }
    }
    if (fd < 0) {
        if (error)
            *error = FileError{errno, bool(flags & modeCreate)};
        return false;
    }
    m_fd = fd;
    return true;
}

void CStdioFileEx::Close()
{
    if (m_fd < 0)
        return;
    const int fd = m_fd;
    m_fd = -1;
    dropReadBuffer();
    if (m_tempPath.isEmpty()) {
        ::close(fd);
        return;
    }
    const QByteArray temp = QFile::encodeName(m_tempPath);
    m_tempPath.clear();
    const bool synced = !m_writeFailed && ::fsync(fd) == 0;
    const int syncError = errno;
    ::close(fd);
    if (!synced || ::rename(temp.constData(), QFile::encodeName(m_path).constData()) != 0) {
        const int failure = synced ? errno : syncError;
        ::unlink(temp.constData());
        if (!m_writeFailed)
            throw FileException(failure, m_path);
    }
}

void CStdioFileEx::dropReadBuffer()
{
    m_buffer.clear();
    m_bufferPos = 0;
}

bool CStdioFileEx::fill()
{
    if (m_bufferPos < m_buffer.size())
        return true;
    m_buffer.resize(kReadChunk);
    m_bufferPos = 0;
    ssize_t got;
    do {
        got = ::read(m_fd, m_buffer.data(), kReadChunk);
    } while (got < 0 && errno == EINTR);
    m_buffer.resize(got > 0 ? got : 0);
    return got > 0;
}

int CStdioFileEx::peekByte()
{
    return fill() ? static_cast<unsigned char>(m_buffer[m_bufferPos]) : -1;
}

int CStdioFileEx::takeByte()
{
    const int b = peekByte();
    if (b >= 0)
        ++m_bufferPos;
    return b;
}

bool CStdioFileEx::ReadString(QString& line)
{
    line.clear();
    if (m_fd < 0)
        return false;
    return m_isUtf16 ? readUtf16Line(line) : readByteLine(line);
}

bool CStdioFileEx::readUtf16Line(QString& line)
{
    // Only a fresh buffer can start at position 0; asking the file on every line costs a call.
    const bool freshBuffer = m_bufferPos == 0 || m_bufferPos >= m_buffer.size();
    if (freshBuffer && GetPosition() == 0) {
        takeByte();
        takeByte();
    }
    bool any = false;
    bool lineEnd = false;
    while (!lineEnd && fill()) {
        const qsizetype units = (m_buffer.size() - m_bufferPos) / 2;
        if (units == 0) {
            // A code unit split between two reads.
            const int lo = takeByte();
            const int hi = takeByte();
            if (hi < 0)
                break; // a stray odd byte at the end is not a character
            any = true;
            line.append(QChar(char16_t(lo | (hi << 8))));
            lineEnd = lo == '\n' && hi == 0;
            continue;
        }
        const char* bytes = m_buffer.constData() + m_bufferPos;
        qsizetype taken = 0;
        while (taken < units && !lineEnd) {
            lineEnd = bytes[2 * taken] == '\n' && bytes[2 * taken + 1] == 0;
            ++taken;
        }
        appendUtf16Le(line, bytes, taken);
        m_bufferPos += 2 * taken;
        any = true;
    }
    removeLineEnd(line);
    return any;
}

bool CStdioFileEx::readByteLine(QString& line)
{
    const bool text = !(m_flags & typeBinary);
    QByteArray bytes;
    bool any = false;
    while (bytes.size() < kMaxBytePiece) {
        int b = takeByte();
        if (b < 0)
            break;
        any = true;
        if (text && b == '\r' && peekByte() == '\n')
            b = takeByte();
        bytes.append(char(b));
        if (b == '\n')
            break;
    }
    // A piece that fills the limit exactly takes its own line end along, instead of leaving
    // it behind as an empty line of its own.
    if (bytes.size() == kMaxBytePiece && !bytes.endsWith('\n')) {
        if (text && peekByte() == '\r') {
            takeByte();
            if (peekByte() == '\n')
                takeByte();
        } else if (peekByte() == '\n') {
            takeByte();
        }
    }
    line = CodePage::decode(bytes, m_codePage);
    removeLineEnd(line);
    return any;
}

void CStdioFileEx::WriteString(QStringView text)
{
    if (m_fd < 0)
        throw FileException(EBADF, m_path);
    if (m_flags & modeWriteUnicode) {
        if (GetPosition() == 0)
            writeAll(kMark, 2);
        QByteArray units(text.size() * 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t u = text[i].unicode();
            units[2 * i] = char(u & 0xFF);
            units[2 * i + 1] = char(u >> 8);
        }
        writeAll(units.constData(), units.size());
        return;
    }
    const QByteArray bytes = CodePage::encode(text, m_codePage);
    writeAll(bytes.constData(), bytes.size());
}

void CStdioFileEx::writeAll(const char* data, std::int64_t size)
{
    // Writes go straight to the file at the logical position, not through the read buffer.
    if (m_bufferPos < m_buffer.size())
        Seek(0, SeekFrom::Current);
    dropReadBuffer();
    while (size > 0) {
        const ssize_t put = ::write(m_fd, data, size_t(size));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            const int failure = put < 0 ? errno : ENOSPC;
            m_writeFailed = true;
            throw FileException(failure, m_path);
        }
        data += put;
        size -= put;
    }
}

std::int64_t CStdioFileEx::Seek(std::int64_t offset, SeekFrom from)
{
    if (m_fd < 0)
        throw FileException(EBADF, m_path);
    if (from == SeekFrom::Current)
        offset += GetPosition() - ::lseek(m_fd, 0, SEEK_CUR);
    const int whence = from == SeekFrom::Begin ? SEEK_SET
                       : from == SeekFrom::End ? SEEK_END
                                               : SEEK_CUR;
    dropReadBuffer();
    const off_t at = ::lseek(m_fd, offset, whence);
    if (at < 0)
        throw FileException(errno, m_path);
    return at;
}

std::int64_t CStdioFileEx::GetPosition() const
{
    if (m_fd < 0)
        return 0;
    return ::lseek(m_fd, 0, SEEK_CUR) - (m_buffer.size() - m_bufferPos);
}

std::int64_t CStdioFileEx::GetLength() const
{
    struct stat st
    {};
    return (m_fd >= 0 && ::fstat(m_fd, &st) == 0) ? st.st_size : 0;
}

std::int64_t CStdioFileEx::Read(void* buffer, std::int64_t count)
{
    auto* out = static_cast<char*>(buffer);
    std::int64_t done = 0;
    while (done < count && fill()) {
        const qsizetype n = std::min<qsizetype>(count - done, m_buffer.size() - m_bufferPos);
        std::copy_n(m_buffer.constData() + m_bufferPos, n, out + done);
        m_bufferPos += n;
        done += n;
    }
    return done;
}
