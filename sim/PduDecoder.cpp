#include "sim/PduDecoder.h"

#include "sim/Hex.h"
#include "sim/PduAddress.h"

#include <algorithm>

namespace sim {

namespace {

constexpr int kMaxSeptets = 160;
constexpr int kMaxOctets = 140;
constexpr int kMaxAddressDigits = 20;
constexpr int kMaxSmscOctets = 11;
constexpr int kSubmitType = 0x01;

// Reads octets front to back; every read reports whether the octets were there.
class OctetReader
{
public:
    explicit OctetReader(const QByteArray& octets) : m_octets(octets) {}

    bool next(int& value)
    {
        if (m_pos >= m_octets.size())
            return false;
        value = static_cast<quint8>(m_octets[m_pos++]);
        return true;
    }

    bool take(qsizetype count, QByteArray& out)
    {
        if (count < 0 || count > remaining())
            return false;
        out = m_octets.mid(m_pos, count);
        m_pos += count;
        return true;
    }

    qsizetype remaining() const { return m_octets.size() - m_pos; }

private:
    const QByteArray& m_octets;
    qsizetype m_pos = 0;
};

class Failure
{
public:
    explicit Failure(QString* error) : m_error(error) {}

    std::nullopt_t operator()(const char* why) const
    {
        if (m_error)
            *m_error = QString::fromLatin1(why);
        return std::nullopt;
    }

private:
    QString* m_error;
};

int validityOctets(int format)
{
    switch (format) {
    case 2:
        return 1;
    case 1:
    case 3:
        return 7;
    default:
        return 0;
    }
}

bool readSmsc(OctetReader& reader, DecodedSubmit& pdu)
{
    int length = 0;
    if (!reader.next(length) || length > kMaxSmscOctets)
        return false;
    if (length == 0)
        return true;
    QByteArray digits;
    if (!reader.next(pdu.smscType) || !reader.take(length - 1, digits))
        return false;
    int digitCount = static_cast<int>(digits.size()) * 2;
    if (!digits.isEmpty() && (static_cast<quint8>(digits.back()) >> 4) == 0xF)
        --digitCount;
    const auto number = decodeAddress(digits, digitCount, pdu.smscType);
    if (!number)
        return false;
    pdu.smsc = *number;
    return true;
}

bool readDestination(OctetReader& reader, DecodedSubmit& pdu)
{
    int digitCount = 0;
    QByteArray digits;
    if (!reader.next(digitCount) || digitCount == 0 || digitCount > kMaxAddressDigits ||
        !reader.next(pdu.destinationType) || !reader.take((digitCount + 1) / 2, digits))
        return false;
    const auto number = decodeAddress(digits, digitCount, pdu.destinationType);
    if (!number)
        return false;
    pdu.destination = *number;
    return true;
}

bool readConcatenation(const HeaderElement& element, DecodedSubmit& pdu)
{
    const bool sixteenBit = element.id == 0x08;
    if (element.data.size() != (sixteenBit ? 4 : 3))
        return false;
    const auto octet = [&](int i) {
        return static_cast<int>(static_cast<quint8>(element.data[i]));
    };
    Concatenation concat;
    concat.sixteenBitReference = sixteenBit;
    concat.reference = sixteenBit ? octet(0) * 256 + octet(1) : octet(0);
    concat.total = octet(sixteenBit ? 2 : 1);
    concat.part = octet(sixteenBit ? 3 : 2);
    if (concat.total < 1 || concat.part < 1 || concat.part > concat.total)
        return false;
    pdu.concatenation = concat;
    return true;
}

bool readHeader(const QByteArray& header, DecodedSubmit& pdu)
{
    qsizetype pos = 0;
    while (pos < header.size()) {
        if (pos + 2 > header.size())
            return false;
        HeaderElement element;
        element.id = static_cast<quint8>(header[pos]);
        const int length = static_cast<quint8>(header[pos + 1]);
        pos += 2;
        if (pos + length > header.size())
            return false;
        element.data = header.mid(pos, length);
        pos += length;
        if ((element.id == 0x00 || element.id == 0x08) && !readConcatenation(element, pdu))
            return false;
        if (element.id == 0x24 || element.id == 0x25) {
            if (element.data.size() != 1)
                return false;
            (element.id == 0x24 ? pdu.singleShift : pdu.lockingShift) =
                static_cast<quint8>(element.data[0]);
        }
        pdu.header.push_back(element);
    }
    return true;
}

} // namespace

int relativeValidityMinutes(quint8 vp)
{
    if (vp <= 143)
        return (vp + 1) * 5;
    if (vp <= 167)
        return 12 * 60 + (vp - 143) * 30;
    if (vp <= 196)
        return (vp - 166) * 24 * 60;
    return (vp - 192) * 7 * 24 * 60;
}

std::optional<DecodedSubmit> decodeSubmitPdu(const QByteArray& hex, bool hasSmscPrefix,
                                             QString* error)
{
    const Failure fail(error);
    const auto octets = decodeHex(hex);
    if (!octets)
        return fail("the PDU is not an even number of hex digits");
    OctetReader reader(*octets);
    DecodedSubmit pdu;

    if (hasSmscPrefix && !readSmsc(reader, pdu))
        return fail("bad SMSC address");
    pdu.tpduLength = static_cast<int>(reader.remaining());

    int firstOctet = 0;
    if (!reader.next(firstOctet))
        return fail("the TPDU is empty");
    pdu.firstOctet = static_cast<quint8>(firstOctet);
    if ((firstOctet & 0x03) != kSubmitType)
        return fail("not an SMS-SUBMIT");
    if (!reader.next(pdu.messageReference))
        return fail("no message reference");
    if (!readDestination(reader, pdu))
        return fail("bad destination address");

    int dcs = 0;
    if (!reader.next(pdu.protocolId) || !reader.next(dcs))
        return fail("no protocol identifier or data coding scheme");
    pdu.dcs = static_cast<quint8>(dcs);
    pdu.coding = interpretDcs(pdu.dcs);
    if (pdu.coding.compressed)
        return fail("compressed user data is not supported");

    pdu.validityFormat = (firstOctet >> 3) & 0x3;
    if (!reader.take(validityOctets(pdu.validityFormat), pdu.validityPeriod))
        return fail("validity period missing");
    if (pdu.validityFormat == 2)
        pdu.validityMinutes = relativeValidityMinutes(static_cast<quint8>(pdu.validityPeriod[0]));

    if (!reader.next(pdu.userDataLength))
        return fail("no user data length");
    const bool gsm = pdu.coding.alphabet == Alphabet::Gsm7;
    if (pdu.userDataLength > (gsm ? kMaxSeptets : kMaxOctets))
        return fail("user data length too long");
    const int userDataOctets = gsm ? (pdu.userDataLength * 7 + 7) / 8 : pdu.userDataLength;
    if (reader.remaining() != userDataOctets)
        return fail("user data does not match the user data length");
    QByteArray userData;
    reader.take(userDataOctets, userData);

    int headerOctets = 0;
    if (pdu.hasUserDataHeader()) {
        if (userData.isEmpty())
            return fail("user data header missing");
        headerOctets = static_cast<quint8>(userData[0]) + 1;
        if (headerOctets > userData.size() || !readHeader(userData.mid(1, headerOctets - 1), pdu))
            return fail("bad user data header");
    }

    if (gsm) {
        // The header is padded with fill bits to a septet boundary.
        const int headerSeptets = (headerOctets * 8 + 6) / 7;
        if (headerSeptets > pdu.userDataLength)
            return fail("user data header longer than the user data");
        pdu.septets =
            unpackSeptets(userData, headerSeptets * 7, pdu.userDataLength - headerSeptets);
        pdu.text = decodeSeptets(pdu.septets, pdu.lockingShift, pdu.singleShift);
        return pdu;
    }

    pdu.payload = userData.mid(headerOctets);
    if (pdu.coding.alphabet == Alphabet::EightBit) {
        pdu.text = QString::fromLatin1(encodeHex(pdu.payload));
        return pdu;
    }
    if (pdu.payload.size() % 2 != 0)
        return fail("UCS2 user data has an odd number of octets");
    pdu.text = decodeUcs2(pdu.payload);
    return pdu;
}

QString reassembleText(std::vector<DecodedSubmit> parts)
{
    const auto partNumber = [](const DecodedSubmit& pdu) {
        return pdu.concatenation ? pdu.concatenation->part : 1;
    };
    std::stable_sort(parts.begin(), parts.end(),
                     [&](const auto& a, const auto& b) { return partNumber(a) < partNumber(b); });
    const auto allOf = [&](Alphabet alphabet) {
        return std::all_of(parts.begin(), parts.end(),
                           [&](const auto& pdu) { return pdu.coding.alphabet == alphabet; });
    };
    if (allOf(Alphabet::Gsm7)) {
        Septets septets;
        for (const auto& pdu : parts)
            septets.insert(septets.end(), pdu.septets.begin(), pdu.septets.end());
        return parts.empty()
                   ? QString()
                   : decodeSeptets(septets, parts.front().lockingShift, parts.front().singleShift);
    }
    if (allOf(Alphabet::Ucs2)) {
        // Joined as octets so a surrogate pair cut between parts comes out whole.
        QByteArray octets;
        for (const auto& pdu : parts)
            octets.append(pdu.payload);
        return decodeUcs2(octets);
    }
    QString text;
    for (const auto& pdu : parts)
        text.append(pdu.text);
    return text;
}

} // namespace sim
