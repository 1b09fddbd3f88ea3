#include "spreadsheet/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace {

// Windows-1252 0x80..0x9F; the five unassigned bytes map to the C1 controls of the same value,
// as Windows itself converts them.
constexpr std::array<char16_t, 32> kHigh1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t decode1252(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kHigh1252[byte - 0x80] : char16_t(byte);
}

int encode1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kHigh1252.size(); ++i) {
        if (kHigh1252[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

QByteArray icuName(int codePage)
{
    return "windows-" + QByteArray::number(codePage);
}

QString decodeIcu(QByteArrayView bytes, int codePage)
{
    QStringDecoder decoder(icuName(codePage).constData());
    if (!decoder.isValid())
        return CodePage::decode(bytes, CodePage::Windows1252);
    return decoder.decode(bytes);
}

QByteArray encodeIcu(QStringView text, int codePage)
{
    QStringEncoder encoder(icuName(codePage).constData());
    if (!encoder.isValid())
        return CodePage::encode(text, CodePage::Windows1252);
    QStringDecoder decoder(icuName(codePage).constData());
    QByteArray out;
    // Character by character, so that anything that does not survive the round trip becomes "#".
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QStringView one = text.mid(i, n);
        const QByteArray bytes = encoder.encode(one);
        out += (QString(decoder.decode(bytes)) == one) ? bytes : QByteArray("#");
        i += n - 1;
    }
    return out;
}

} // namespace

namespace CodePage {

QString decode(QByteArrayView bytes, int codePage)
{
    if (codePage == Utf8)
        return QString::fromUtf8(bytes);
    if (codePage != System && codePage != Windows1252)
        return decodeIcu(bytes, codePage);
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(decode1252(static_cast<unsigned char>(bytes[i])));
    return text;
}

QByteArray encode(QStringView text, int codePage)
{
    if (codePage == Utf8)
        return text.toUtf8();
    if (codePage != System && codePage != Windows1252)
        return encodeIcu(text, codePage);
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const int b = encode1252(c.unicode());
        bytes.append(b < 0 ? '#' : char(b));
        // A surrogate pair is one character: one "#".
        if (b < 0 && c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return bytes;
}

} // namespace CodePage
