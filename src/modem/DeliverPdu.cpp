#include "modem/DeliverPdu.h"

#include "modem/SeptetPacking.h"

#include <utility>

namespace {

constexpr int MessageTypeMask = 0x03;
constexpr int DeliverType = 0x00;
constexpr int UserDataHeaderFlag = 0x40;
constexpr int Concatenation8 = 0x00;
constexpr int Concatenation16 = 0x08;

bool allHex(QStringView text)
{
    for (const QChar c : text) {
        if (hexDigitValue(c) < 0)
            return false;
    }
    return true;
}

// The concatenation element among the header's elements, if any; false when an element runs
// past the header.
bool readHeader(QStringView header, std::optional<ConcatenationInfo>& concatenation)
{
    qsizetype pos = 0;
    const qsizetype octets = header.size() / 2;
    auto octetAt = [&header](qsizetype i) { return hexOctetAt(header, 2 * i); };
    while (pos < octets) {
        if (pos + 2 > octets)
            return false;
        const int id = octetAt(pos);
        const int length = octetAt(pos + 1);
        if (pos + 2 + length > octets)
            return false;
        const qsizetype data = pos + 2;
        std::optional<ConcatenationInfo> found;
        if (id == Concatenation8 && length == 3)
            found = ConcatenationInfo{octetAt(data), octetAt(data + 1), octetAt(data + 2), false};
        else if (id == Concatenation16 && length == 4)
            found = ConcatenationInfo{(octetAt(data) << 8) | octetAt(data + 1), octetAt(data + 2),
                                      octetAt(data + 3), true};
        if (found && found->count > 0 && found->sequence > 0 && found->sequence <= found->count)
            concatenation = found;
        pos = data + length;
    }
    return true;
}

QString ucs2Text(QStringView hex)
{
    QString text;
    text.reserve(hex.size() / 4);
    for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
        text.append(QChar(char16_t((hexOctetAt(hex, i) << 8) | hexOctetAt(hex, i + 2))));
    return text;
}

std::optional<DeliverError> readUserData(OctetReader& in, bool hasHeader, DeliverMessage& message)
{
    const std::optional<int> length = in.next();
    if (!length)
        return DeliverError::CutShort;
    const bool septets = message.coding == MessageCoding::Gsm7;
    const qsizetype octets = septets ? (*length * 7 + 7) / 8 : *length;
    const std::optional<QStringView> data = in.take(octets);
    if (!data)
        return DeliverError::UserDataCutShort;
    qsizetype headerOctets = 0;
    if (hasHeader) {
        if (octets < 1)
            return DeliverError::HeaderInvalid;
        headerOctets = 1 + hexOctetAt(*data, 0);
        if (headerOctets > octets ||
            !readHeader(data->mid(2, 2 * (headerOctets - 1)), message.concatenation))
            return DeliverError::HeaderInvalid;
    }
    if (septets) {
        // Fill bits after the header make the text start on a septet of its own.
        const qsizetype headerSeptets = (headerOctets * 8 + 6) / 7;
        if (headerSeptets > *length)
            return DeliverError::HeaderInvalid;
        std::optional<Septets> all = unpackSeptets(*data, *length);
        if (!all)
            return DeliverError::UserDataCutShort;
        all->erase(all->begin(), all->begin() + headerSeptets);
        message.text = septetsToText(*all);
        return std::nullopt;
    }
    const QStringView body = data->mid(2 * headerOctets);
    message.text =
        message.coding == MessageCoding::Ucs2 ? ucs2Text(body) : body.toString().toUpper();
    return std::nullopt;
}

} // namespace

// Reserved groups read as GSM 7-bit, the alphabet a sender that knows no better uses.
DataCodingScheme readDataCoding(int dcs)
{
    const int group = dcs >> 4;
    if (group < 0x8) { // general data coding, with or without automatic deletion
        const bool hasClass = dcs & 0x10;
        const bool flash = hasClass && (dcs & 0x03) == 0;
        if (dcs & 0x20)
            return {MessageCoding::EightBit, flash};
        switch ((dcs >> 2) & 0x03) {
        case 1:
            return {MessageCoding::EightBit, flash};
        case 2:
            return {MessageCoding::Ucs2, flash};
        default:
            return {MessageCoding::Gsm7, flash};
        }
    }
    if (group == 0xE) // message waiting, stored, UCS2
        return {MessageCoding::Ucs2, false};
    if (group == 0xF)
        return {dcs & 0x04 ? MessageCoding::EightBit : MessageCoding::Gsm7, (dcs & 0x03) == 0};
    return {MessageCoding::Gsm7, false};
}

QString deliverErrorText(DeliverError error)
{
    switch (error) {
    case DeliverError::NotHex:
        return QStringLiteral("not hex");
    case DeliverError::SmscCutShort:
        return QStringLiteral("the service centre field is cut short");
    case DeliverError::NotDeliver:
        return QStringLiteral("not an SMS-DELIVER");
    case DeliverError::AddressInvalid:
        return QStringLiteral("the sender's address is cut short or too long");
    case DeliverError::CutShort:
        return QStringLiteral("the message ends before its user data");
    case DeliverError::UserDataCutShort:
        return QStringLiteral("the user data is shorter than its length");
    case DeliverError::HeaderInvalid:
        return QStringLiteral("the user-data header runs past the user data");
    }
    return QStringLiteral("unknown");
}

DeliverDecoding decodeDeliverPdu(QStringView hex, bool withSmsc)
{
    const QStringView trimmed = hex.trimmed();
    if (!allHex(trimmed))
        return DeliverError::NotHex;
    OctetReader in(trimmed);
    if (withSmsc) {
        const std::optional<int> smscLength = in.next();
        if (!smscLength || !in.skip(*smscLength))
            return DeliverError::SmscCutShort;
    }
    const std::optional<int> firstOctet = in.next();
    if (!firstOctet)
        return DeliverError::CutShort;
    if ((*firstOctet & MessageTypeMask) != DeliverType)
        return DeliverError::NotDeliver;
    DeliverMessage message;
    std::optional<PduAddressField> sender = readPduAddress(in);
    if (!sender)
        return DeliverError::AddressInvalid;
    message.sender = std::move(*sender);
    const std::optional<int> protocolId = in.next();
    const std::optional<int> dcs = protocolId ? in.next() : std::nullopt;
    const std::optional<QDateTime> stamp = dcs ? readPduTimestamp(in) : std::nullopt;
    if (!stamp)
        return DeliverError::CutShort;
    message.protocolId = *protocolId;
    message.dataCoding = *dcs;
    const DataCodingScheme scheme = readDataCoding(*dcs);
    message.coding = scheme.coding;
    message.flash = scheme.flash;
    message.serviceCentreTime = *stamp;
    if (const std::optional<DeliverError> error =
            readUserData(in, *firstOctet & UserDataHeaderFlag, message))
        return *error;
    return message;
}
