#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

// Readable GoogleTest failure messages for Qt strings: quoted, line ends and other control
// characters escaped, so an answer off by a "\r" shows where.
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

inline void PrintTo(const QString& text, std::ostream* out)
{
    PrintTo(text.toUtf8(), out);
}

inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '[';
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i)
            *out << ", ";
        PrintTo(list[i], out);
    }
    *out << ']';
}
