#include "modem/PduEncoder.h"

#include "modem/GsmAlphabet.h"
#include "modem/GsmLookalikes.h"
#include "modem/PduAddress.h"
#include "modem/PduHex.h"
#include "modem/SeptetPacking.h"

namespace {

constexpr std::uint8_t SubmitFirstOctet = 0x11;
constexpr std::uint8_t SubmitWithHeaderFirstOctet = 0x51;
constexpr std::uint8_t ValidityTwelveHours = 0x8F;
constexpr std::uint8_t ConcatHeaderOctets = 7;
constexpr std::uint8_t ConcatHeaderSeptets = 8;
constexpr std::uint8_t StatusReportRequest = 0x20;

void appendTpduHead(HexBuilder& out, std::uint8_t firstOctet, const QString& number,
                    PduOptions options)
{
    out.octet(firstOctet | (options.statusReport ? StatusReportRequest : 0));
    out.octet(0x00); // message reference: the modem assigns it
    appendAddress(out, number, false);
    out.octet(0x00); // protocol identifier
    out.octet(dataCodingScheme(options));
    out.octet(ValidityTwelveHours);
}

EncodedPdu finish(HexBuilder& out, qsizetype tpduStart)
{
    const auto tpduLength = static_cast<quint16>((out.size() - tpduStart) / 2);
    return {out.take(), tpduLength};
}

} // namespace

std::uint8_t dataCodingScheme(PduOptions options)
{
    return (options.unicode ? 0x08 : 0x00) | (options.flash ? 0x10 : 0x00);
}

EncodedPdu EncodeSubmitPdu(const QString& text, const QString& number, const QString& smsc,
                           PduOptions options)
{
    HexBuilder out((text.size() + number.size() + smsc.size()) * 4 + 32);
    if (options.withSmsc)
        appendAddress(out, smsc, true);
    const qsizetype tpduStart = out.size();
    appendTpduHead(out, SubmitFirstOctet, number, options);
    if (options.unicode) {
        out.octet(static_cast<std::uint8_t>(2 * text.size()));
        for (const QChar c : text)
            out.codeUnit(c.unicode());
    } else {
        const QString gsmText = replaceWithNearestGsm(text).text;
        out.octet(static_cast<std::uint8_t>(gsmSeptetCount(gsmText)));
        SeptetPacker packer(out);
        for (const QChar c : gsmText) {
            const GsmCode code = GsmCodeOf(c);
            if (code.escape)
                packer.push(GsmEscape);
            packer.push(code.code);
        }
        packer.finish();
    }
    return finish(out, tpduStart);
}

ConcatenatedMessage::ConcatenatedMessage(const QString& text, const QString& number,
                                         const QString& smsc, quint16 reference, PduOptions options)
    : m_reference(reference), m_unicode(options.unicode),
      m_segments(options.unicode ? splitUcs2Segments(text)
                                 : splitGsmSegments(replaceWithNearestGsm(text).text))
{
    if (m_segments.empty())
        m_segments.emplace_back();
    if (options.withSmsc) {
        HexBuilder field;
        appendAddress(field, smsc, true);
        m_smscField = field.take();
    }
    HexBuilder head;
    appendTpduHead(head, SubmitWithHeaderFirstOctet, number, options);
    m_tpduHead = head.take();
}

EncodedPdu EncodeSubmitPduPart(const ConcatenatedMessage& message, int partNumber)
{
    if (partNumber < 1 || partNumber > message.partCount())
        return {};
    const PduSegment& segment = message.m_segments[static_cast<std::size_t>(partNumber - 1)];
    const int userDataLength = message.m_unicode ? ConcatHeaderOctets + 2 * segment.units
                                                 : ConcatHeaderSeptets + segment.units;
    HexBuilder out(message.m_smscField.size() + message.m_tpduHead.size() + 16 +
                   segment.userData.size());
    out.append(message.m_smscField);
    const qsizetype tpduStart = out.size();
    out.append(message.m_tpduHead);
    out.octet(static_cast<std::uint8_t>(userDataLength));
    out.octet(0x06); // header length
    out.octet(0x08); // concatenation with a 16-bit reference
    out.octet(0x04); // element length
    out.octet(static_cast<std::uint8_t>(message.m_reference >> 8));
    out.octet(static_cast<std::uint8_t>(message.m_reference & 0xFF));
    out.octet(static_cast<std::uint8_t>(message.partCount()));
    out.octet(static_cast<std::uint8_t>(partNumber));
    out.append(segment.userData);
    return finish(out, tpduStart);
}
