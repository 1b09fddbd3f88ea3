#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Readable failure messages for Qt strings, control characters escaped.
inline void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << '"';
    for (const char c : bytes) {
        if (c == '\r')
            *os << "\\r";
        else if (c == '\n')
            *os << "\\n";
        else if (static_cast<unsigned char>(c) < 0x20)
            *os << "\\x" << std::hex << static_cast<int>(static_cast<unsigned char>(c)) << std::dec;
        else
            *os << c;
    }
    *os << '"';
}

inline void PrintTo(const QString& text, std::ostream* os)
{
    PrintTo(text.toUtf8(), os);
}
