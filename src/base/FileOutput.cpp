#include "base/FileOutput.h"

#include <cerrno>
#include <unistd.h>

namespace {

constexpr qsizetype kBufferSize = 1 << 20;

} // namespace

FileOutput::FileOutput(int fd) : m_fd(fd)
{
    m_buffer.reserve(kBufferSize);
}

FileOutput::~FileOutput() = default;

void FileOutput::write(QByteArrayView bytes)
{
    if (m_buffer.size() + bytes.size() > kBufferSize)
        flush();
    if (bytes.size() >= kBufferSize) {
        put(m_bufferStart, bytes.data(), std::size_t(bytes.size()));
        m_bufferStart += std::uint64_t(bytes.size());
        return;
    }
    m_buffer.append(bytes.data(), bytes.size());
}

void FileOutput::writeZeros(std::uint64_t count)
{
    static constexpr char kZeros[4096] = {};
    while (count > 0) {
        const std::uint64_t n = std::min<std::uint64_t>(count, sizeof kZeros);
        write(QByteArrayView(kZeros, qsizetype(n)));
        count -= n;
    }
}

void FileOutput::moveTo(std::uint64_t offset)
{
    flush();
    m_bufferStart = offset;
}

void FileOutput::writeAt(std::uint64_t offset, QByteArrayView bytes)
{
    flush();
    put(offset, bytes.data(), std::size_t(bytes.size()));
}

bool FileOutput::flush()
{
    put(m_bufferStart, m_buffer.constData(), std::size_t(m_buffer.size()));
    m_bufferStart += std::uint64_t(m_buffer.size());
    m_buffer.resize(0);
    return m_errorNumber == 0;
}

void FileOutput::put(std::uint64_t offset, const char* data, std::size_t size)
{
    while (size > 0 && m_errorNumber == 0) {
        const ssize_t done = ::pwrite(m_fd, data, size, off_t(offset));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            m_errorNumber = done < 0 ? errno : ENOSPC;
            return;
        }
        data += done;
        offset += std::uint64_t(done);
        size -= std::size_t(done);
    }
}
