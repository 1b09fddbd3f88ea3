#pragma once

#include <QByteArray>
#include <cstdint>

// Appending little-endian integers, as the xls and compound-file formats store them.
namespace LittleEndian {

inline void put8(QByteArray& out, std::uint8_t value)
{
    out.append(char(value));
}

inline void put16(QByteArray& out, std::uint16_t value)
{
    const char bytes[2] = {char(value & 0xFF), char(value >> 8)};
    out.append(bytes, 2);
}

inline void put32(QByteArray& out, std::uint32_t value)
{
    const char bytes[4] = {char(value & 0xFF), char((value >> 8) & 0xFF),
                           char((value >> 16) & 0xFF), char(value >> 24)};
    out.append(bytes, 4);
}

inline void put64(QByteArray& out, std::uint64_t value)
{
    put32(out, std::uint32_t(value));
    put32(out, std::uint32_t(value >> 32));
}

} // namespace LittleEndian
