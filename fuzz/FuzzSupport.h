#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Small helpers shared by the fuzz targets.

// Stops the run with a message when a property of the code under test does not hold; libFuzzer
// then keeps the input that broke it.
inline void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// Reads the fuzzer's bytes front to back: a few control bytes, then fields.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_data(reinterpret_cast<const char*>(data)), m_size(size)
    {}

    std::uint8_t byte() { return m_pos < m_size ? static_cast<std::uint8_t>(m_data[m_pos++]) : 0; }

    // The bytes up to the next separator (dropped) or to the end.
    QByteArray field(char separator)
    {
        std::size_t end = m_pos;
        while (end < m_size && m_data[end] != separator)
            ++end;
        QByteArray bytes(m_data + m_pos, static_cast<qsizetype>(end - m_pos));
        m_pos = end < m_size ? end + 1 : end;
        return bytes;
    }

    bool atEnd() const { return m_pos >= m_size; }

    QByteArray rest()
    {
        QByteArray bytes(m_data + m_pos, static_cast<qsizetype>(m_size - m_pos));
        m_pos = m_size;
        return bytes;
    }

private:
    const char* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A folder of this fuzzing process, removed at exit. The files in it are rewritten for every
// input, so the harness's state does not grow.
inline const QTemporaryDir& fuzzFolder()
{
    static const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/quillon-fuzz-XXXXXX"));
    require(folder.isValid(), "temporary folder");
    return folder;
}

inline QString writeFuzzFile(const QString& path, const std::uint8_t* data, std::size_t size)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "open the input file");
    require(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                static_cast<qint64>(size),
            "write the input file");
    return path;
}

inline QString writeFuzzFile(const char* name, const std::uint8_t* data, std::size_t size)
{
    return writeFuzzFile(fuzzFolder().filePath(QString::fromLatin1(name)), data, size);
}
