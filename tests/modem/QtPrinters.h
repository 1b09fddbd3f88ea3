#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Readable gtest failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* out)
{
    *out << '"';
    for (const char c : bytes) {
        if (c == '\r')
            *out << "\\r";
        else if (c == '\n')
            *out << "\\n";
        else if (static_cast<unsigned char>(c) < 0x20)
            *out << "\\x" << std::hex << int(static_cast<unsigned char>(c)) << std::dec;
        else
            *out << c;
    }
    *out << '"';
}
