#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// 8-bit text in Windows code pages. The program's "system" code page is Windows-1252;
// 65001 is UTF-8. Other code pages go through ICU.
namespace CodePage {

constexpr int System = -1;
constexpr int Windows1252 = 1252;
constexpr int Utf8 = 65001;

// Bytes to text; bytes without a character in the code page become U+FFFD.
QString decode(QByteArrayView bytes, int codePage);

// Text to bytes; characters without an equivalent become "#" (UTF-8 represents all).
QByteArray encode(QStringView text, int codePage);

} // namespace CodePage
