#include "sim/TextModeCodec.h"

#include "sim/Hex.h"

namespace sim {

namespace {

constexpr int kMaxSeptets = 160;
constexpr int kMaxOctets = 140;

bool isPhoneNumber(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!c.isDigit() && !(c == QLatin1Char('+') && i == 0))
            return false;
    }
    return true;
}

QString ucs2FromHex(const QByteArray& raw)
{
    if (raw.size() % 4 != 0)
        return {};
    const auto octets = decodeHex(raw);
    return octets ? decodeUcs2(*octets) : QString();
}

Septets septetsFromBytes(const QByteArray& bytes)
{
    Septets septets;
    for (const char b : bytes) {
        const auto value = static_cast<quint8>(b);
        septets.push_back(value < 0x80 ? value : '?');
    }
    return septets;
}

// GSM 7-bit user data given in a TE character set.
std::optional<Septets> gsmSeptets(const QByteArray& body, const QString& charset)
{
    if (charset == QLatin1String("GSM"))
        return septetsFromBytes(body);
    if (charset == QLatin1String("HEX")) {
        const auto octets = decodeHex(body);
        return octets ? std::optional(septetsFromBytes(*octets)) : std::nullopt;
    }
    if (charset == QLatin1String("UCS2")) {
        if (body.size() % 4 != 0 || !decodeHex(body))
            return std::nullopt;
        return encodeSeptets(ucs2FromHex(body));
    }
    if (charset == QLatin1String("8859-1"))
        return encodeSeptets(QString::fromLatin1(body));
    // IRA is 7-bit: any other octet has no character.
    QString text;
    for (const char b : body)
        text.append(static_cast<quint8>(b) < 0x80 ? QLatin1Char(b) : QLatin1Char('?'));
    return encodeSeptets(text);
}

} // namespace

std::optional<TextBody> decodeTextBody(const QByteArray& body, const QString& charset, quint8 dcs)
{
    TextBody result;
    result.alphabet = interpretDcs(dcs).alphabet;
    if (result.alphabet == Alphabet::Gsm7) {
        auto septets = gsmSeptets(body, charset);
        if (!septets || septets->size() > kMaxSeptets)
            return std::nullopt;
        result.septets = std::move(*septets);
        result.text = decodeSeptets(result.septets);
        return result;
    }
    const auto octets = decodeHex(body);
    if (!octets || octets->size() > kMaxOctets)
        return std::nullopt;
    result.payload = *octets;
    if (result.alphabet == Alphabet::EightBit) {
        result.text = QString::fromLatin1(encodeHex(result.payload));
        return result;
    }
    if (result.payload.size() % 2 != 0)
        return std::nullopt;
    result.text = decodeUcs2(result.payload);
    return result;
}

QString decodeNumberArgument(const QByteArray& raw, const QString& charset)
{
    if (charset == QLatin1String("UCS2")) {
        const QString decoded = ucs2FromHex(raw);
        if (isPhoneNumber(decoded))
            return decoded;
    } else if (charset == QLatin1String("HEX")) {
        const auto octets = decodeHex(raw);
        const QString decoded = octets ? decodeSeptets(septetsFromBytes(*octets)) : QString();
        if (isPhoneNumber(decoded))
            return decoded;
    }
    return QString::fromLatin1(raw);
}

QByteArray encodeForCharset(const QString& text, const QString& charset)
{
    if (charset == QLatin1String("UCS2")) {
        QByteArray octets;
        for (const QChar c : text) {
            octets.append(static_cast<char>(c.unicode() >> 8));
            octets.append(static_cast<char>(c.unicode() & 0xFF));
        }
        return encodeHex(octets);
    }
    if (charset == QLatin1String("HEX") || charset == QLatin1String("GSM")) {
        QByteArray octets;
        for (const quint8 septet : encodeSeptets(text))
            octets.append(static_cast<char>(septet));
        return charset == QLatin1String("HEX") ? encodeHex(octets) : octets;
    }
    return text.toLatin1();
}

} // namespace sim
