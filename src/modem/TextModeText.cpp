#include "modem/TextModeText.h"

#include "modem/GsmAlphabet.h"

#include <QStringEncoder>
#include <algorithm>

namespace {

constexpr int MaxSingleSmsSeptets = 160;

bool isGsmTextCharacter(char16_t c)
{
    if (c == u'\n' || c == u'\f' || c == u'\r')
        return true;
    if (c >= 0x20 && c <= 0x7E)
        return c != u'`';
    static constexpr std::u16string_view others = u"¡£¤¥§¿ÄÅÆÇÉÑÖØÜßàäåæèéìñòöøùü"
                                                  u"ΓΔΘΛΞΠΣΦΨΩ€";
    return others.find(c) != std::u16string_view::npos;
}

qsizetype gsmSliceLength(const QString& text, qsizetype from)
{
    qsizetype length = 0;
    int septets = 0;
    while (from + length < text.size() && length < TextModeGsmSliceCharacters) {
        const int width = GsmCodeOf(text.at(from + length)).escape ? 2 : 1;
        if (septets + width > MaxSingleSmsSeptets)
            break;
        septets += width;
        ++length;
    }
    return length;
}

qsizetype ucs2SliceLength(const QString& text, qsizetype from)
{
    qsizetype length = std::min<qsizetype>(TextModeUcs2SliceCharacters, text.size() - from);
    if (from + length < text.size() && text.at(from + length - 1).isHighSurrogate())
        --length;
    return length;
}

QByteArray windowsCodePage(const QString& text)
{
    QStringEncoder encoder("windows-1252");
    if (!encoder.isValid())
        return text.toLatin1();
    return encoder.encode(text);
}

} // namespace

bool NeedsUnicode(const QString& text)
{
    return !std::all_of(text.cbegin(), text.cend(),
                        [](QChar c) { return isGsmTextCharacter(c.unicode()); });
}

QByteArray CsmpCommand(bool flash, bool unicode)
{
    const int dcs = (flash ? 16 : 0) + (unicode ? 8 : 0);
    return "AT+CSMP=17,255,0," + QByteArray::number(dcs) + "\r";
}

QStringList textModeSlices(const QString& text, bool unicode)
{
    QStringList slices;
    qsizetype from = 0;
    do {
        const qsizetype length = unicode ? ucs2SliceLength(text, from) : gsmSliceLength(text, from);
        slices.append(text.mid(from, length));
        from += length;
    } while (from < text.size());
    return slices;
}

QByteArray encodeTextBody(const QString& text, const QString& charset)
{
    if (text.trimmed().isEmpty())
        return " ";
    if (charset == QLatin1String("GSM")) {
        const Septets septets = ToGsmSeptets(text);
        return QByteArray(reinterpret_cast<const char*>(septets.data()),
                          static_cast<qsizetype>(septets.size()));
    }
    if (charset == QLatin1String("8859-1"))
        return text.toLatin1();
    return windowsCodePage(text);
}

bool fitsCharset(const QString& text, const QString& charset)
{
    if (charset == QLatin1String("GSM"))
        return !NeedsUnicode(text);
    const auto limit = charset == QLatin1String("8859-1") ? 0xFF : 0x7F;
    return std::all_of(text.cbegin(), text.cend(),
                       [limit](QChar c) { return c.unicode() <= limit; });
}
