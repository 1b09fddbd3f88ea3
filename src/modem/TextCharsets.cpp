#include "modem/TextCharsets.h"

#include "modem/GsmAlphabet.h"

#include <algorithm>

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 && c != u'\n' && c != u'\f' && c != u'\r';
}

char16_t highestOf(const QString& charset)
{
    return charset == u"8859-1" ? 0xFF : 0x7F;
}

QByteArray gsmCodes(const QString& text, bool asHex)
{
    QByteArray codes;
    for (const QChar c : text) {
        const GsmCode code = GsmCodeOf(c);
        if (asHex && code.escape)
            codes.append(static_cast<char>(GsmEscape));
        codes.append(!asHex && code.escape ? '?' : static_cast<char>(code.code));
    }
    return asHex ? codes.toHex().toUpper() : codes;
}

} // namespace

bool canCarry(const QString& text, const QString& charset)
{
    if (std::any_of(text.cbegin(), text.cend(), isControl))
        return false;
    if (charset == u"HEX")
        return true;
    if (charset == u"GSM")
        return std::none_of(text.cbegin(), text.cend(),
                            [](QChar c) { return GsmCodeOf(c).escape; });
    const char16_t highest = highestOf(charset);
    return std::all_of(text.cbegin(), text.cend(),
                       [highest](QChar c) { return c.unicode() <= highest; });
}

QByteArray encodeTextBody(const QString& text, const QString& charset)
{
    if (text.trimmed().isEmpty())
        return " ";
    if (charset == u"GSM" || charset == u"HEX")
        return gsmCodes(text, charset == u"HEX");
    const char16_t highest = highestOf(charset);
    QByteArray body;
    body.reserve(text.size());
    for (const QChar c : text)
        body.append(c.unicode() <= highest && !isControl(c) ? static_cast<char>(c.unicode()) : '?');
    return body;
}
