#include "modem/PduFields.h"

#include "modem/SeptetPacking.h"

#include <QTimeZone>
#include <array>

namespace {

constexpr int TimestampOctets = 7;
constexpr int TypeOfNumberMask = 0x70;
constexpr int InternationalType = 0x10;
constexpr int AlphanumericType = 0x50;

QChar semiOctetChar(int nibble)
{
    static constexpr char16_t chars[] = u"0123456789*#abc";
    return nibble < 15 ? QChar(chars[nibble]) : QChar();
}

// Two decimal digits written units first; -1 when a nibble is not a digit.
int swappedDecimal(int octet)
{
    const int tens = octet & 0x0F;
    const int units = octet >> 4;
    return tens > 9 || units > 9 ? -1 : tens * 10 + units;
}

QDateTime timestampFrom(const std::array<int, TimestampOctets>& octets)
{
    std::array<int, 6> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = swappedDecimal(octets[i]);
        if (fields[i] < 0)
            return {};
    }
    const int zone = octets[6];
    const int quarters = (zone & 0x07) * 10 + (zone >> 4);
    if ((zone >> 4) > 9)
        return {};
    const int offsetSeconds = (zone & 0x08 ? -quarters : quarters) * 15 * 60;
    const QDate date(2000 + fields[0], fields[1], fields[2]);
    const QTime time(fields[3], fields[4], fields[5]);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, QTimeZone(offsetSeconds));
}

} // namespace

std::optional<PduAddressField> readPduAddress(OctetReader& in)
{
    const std::optional<int> digits = in.next();
    const std::optional<int> type = in.next();
    if (!digits || !type || *digits > MaxAddressDigits)
        return std::nullopt;
    const int octetCount = (*digits + 1) / 2;
    const int numberType = *type & TypeOfNumberMask;
    if (numberType == AlphanumericType) {
        const std::optional<QStringView> octets = in.take(octetCount);
        if (!octets)
            return std::nullopt;
        // The length counts the semi-octets used: whole septets only, no fill bits read.
        const std::optional<QString> name = gsmPackedHexToText(*octets, *digits * 4 / 7);
        if (!name)
            return std::nullopt;
        return PduAddressField{*name, AddressKind::Alphanumeric};
    }
    PduAddressField address;
    address.kind =
        numberType == InternationalType ? AddressKind::International : AddressKind::Other;
    if (address.kind == AddressKind::International)
        address.text = QStringLiteral("+");
    int taken = 0;
    for (int i = 0; i < octetCount; ++i) {
        const std::optional<int> octet = in.next();
        if (!octet)
            return std::nullopt;
        for (const int nibble : {*octet & 0x0F, *octet >> 4}) {
            if (taken++ < *digits && nibble < 15) // 0xF only fills an odd count
                address.text += semiOctetChar(nibble);
        }
    }
    return address;
}

std::optional<QDateTime> readPduTimestamp(OctetReader& in)
{
    std::array<int, TimestampOctets> octets{};
    for (int& octet : octets) {
        const std::optional<int> value = in.next();
        if (!value)
            return std::nullopt;
        octet = *value;
    }
    return timestampFrom(octets);
}
