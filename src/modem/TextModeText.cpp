#include "modem/TextModeText.h"

#include "modem/GsmAlphabet.h"
#include "modem/GsmLookalikes.h"

#include <algorithm>

namespace {

constexpr int MaxSingleSmsSeptets = 160;

qsizetype gsmSliceLength(QStringView text, qsizetype from)
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

qsizetype ucs2SliceLength(QStringView text, qsizetype from)
{
    qsizetype length = std::min<qsizetype>(TextModeUcs2SliceCharacters, text.size() - from);
    if (from + length < text.size() && text.at(from + length - 1).isHighSurrogate())
        --length;
    return length;
}

} // namespace

bool NeedsUnicode(const QString& text)
{
    return holdsNonGsmCharacters(text);
}

QByteArray CsmpCommand(bool flash, bool unicode, bool statusReport)
{
    const int dcs = (flash ? 16 : 0) + (unicode ? 8 : 0);
    const QByteArray firstOctet = statusReport ? "49" : "17";
    return "AT+CSMP=" + firstOctet + ",255,0," + QByteArray::number(dcs) + "\r";
}

qsizetype textModeSliceLength(QStringView text, qsizetype from, bool unicode)
{
    return unicode ? ucs2SliceLength(text, from) : gsmSliceLength(text, from);
}

QStringList textModeSlices(const QString& text, bool unicode)
{
    QStringList slices;
    qsizetype from = 0;
    do {
        const qsizetype length = textModeSliceLength(text, from, unicode);
        slices.append(text.mid(from, length));
        from += length;
    } while (from < text.size());
    return slices;
}
