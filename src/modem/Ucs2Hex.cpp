#include "modem/Ucs2Hex.h"

#include "modem/PduHex.h"

QString ToUcs2Hex(const QString& text)
{
    HexBuilder out(text.size() * 4);
    for (const QChar c : text)
        out.codeUnit(c.unicode());
    return out.take();
}

std::optional<QString> fromUcs2Hex(QStringView hex)
{
    if (hex.size() % 4 != 0)
        return std::nullopt;
    QString text;
    text.reserve(hex.size() / 4);
    for (qsizetype i = 0; i < hex.size(); i += 4) {
        const int high = hexOctetAt(hex, i);
        const int low = hexOctetAt(hex, i + 2);
        if (high < 0 || low < 0)
            return std::nullopt;
        text.append(QChar(static_cast<char16_t>((high << 8) | low)));
    }
    return text;
}
