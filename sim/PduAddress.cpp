#include "sim/PduAddress.h"

#include "sim/Gsm7.h"

namespace sim {

namespace {

constexpr int kInternational = 1;
constexpr int kAlphanumeric = 5;

std::optional<QChar> semiOctetChar(unsigned nibble)
{
    static constexpr char kDigits[] = "0123456789*#abc";
    if (nibble >= 15)
        return std::nullopt;
    return QChar::fromLatin1(kDigits[nibble]);
}

} // namespace

std::optional<QString> decodeAddress(const QByteArray& octets, int digitCount, int typeOfAddress)
{
    const int numbering = (typeOfAddress >> 4) & 0x7;
    if (numbering == kAlphanumeric)
        return decodeSeptets(unpackSeptets(octets, 0, digitCount * 4 / 7));

    QString number;
    if (numbering == kInternational)
        number.append(QLatin1Char('+'));
    for (int i = 0; i < digitCount; ++i) {
        const auto octet = static_cast<quint8>(octets.at(i / 2));
        const auto ch = semiOctetChar(i % 2 == 0 ? (octet & 0x0F) : (octet >> 4));
        if (!ch)
            return std::nullopt;
        number.append(*ch);
    }
    if (digitCount % 2 != 0 && (static_cast<quint8>(octets.at(digitCount / 2)) >> 4) != 0xF)
        return std::nullopt; // an odd digit count must end in the filler
    return number;
}

} // namespace sim
