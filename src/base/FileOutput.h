#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

// Buffered writing to an open file at positions of the caller's choosing. The first failure is
// kept (errorNumber()) and every later write is dropped, so a writer checks once at the end.
class FileOutput
{
public:
    explicit FileOutput(int fd);
    ~FileOutput();
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;

    void write(QByteArrayView bytes);
    void writeZeros(std::uint64_t count);
    // Goes on writing from `offset`; the bytes skipped are written later with writeAt().
    void moveTo(std::uint64_t offset);
    void writeAt(std::uint64_t offset, QByteArrayView bytes);
    // Writes out the buffer; false once anything failed.
    bool flush();

    std::uint64_t position() const { return m_bufferStart + std::uint64_t(m_buffer.size()); }
    int errorNumber() const { return m_errorNumber; }

private:
    void put(std::uint64_t offset, const char* data, std::size_t size);

    int m_fd;
    QByteArray m_buffer;
    std::uint64_t m_bufferStart = 0;
    int m_errorNumber = 0;
};
