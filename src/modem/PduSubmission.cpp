#include "modem/PduSubmission.h"

#include "modem/GsmAlphabet.h"
#include "modem/GsmLookalikes.h"
#include "modem/NationalPdus.h"
#include "modem/PduAddress.h"

namespace {

std::optional<EncodedPdu> singlePdu(const QString& text, const QString& number, const QString& smsc,
                                    PduOptions options)
{
    const qsizetype septets = options.unicode ? 0 : gsmSeptetCount(text);
    if (!fitsSingleMessage(options.unicode, text.size(), septets, number))
        return std::nullopt;
    return EncodeSubmitPdu(text, number, smsc, options);
}

} // namespace

bool fitsSingleMessage(bool unicode, qsizetype length, qsizetype septets, QStringView number)
{
    if (unicode ? length > MaxSingleUcs2Characters
                : length > MaxSingleGsmCharacters || septets > MaxSingleGsmSeptets)
        return false;
    // First octet, message reference, protocol, coding, validity and length: six octets.
    const qsizetype userData = unicode ? 2 * length : (septets * 7 + 7) / 8;
    return 6 + destinationAddressOctets(number) + userData < SingleTpduOctetLimit;
}

QString prepareMessageText(const QString& text)
{
    QString prepared = text;
    prepared.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return prepared;
}

std::optional<PduSubmission> encodeMessagePdus(const QString& text, const QString& number,
                                               const QString& smsc, quint16 reference,
                                               PduOptions options)
{
    // In GSM the lengths are those of the text that goes on the air.
    const QString prepared = options.unicode ? prepareMessageText(text)
                                             : replaceWithNearestGsm(prepareMessageText(text)).text;
    const QString smscNumber = smsc.trimmed();
    if (options.unicode && options.nationalLanguages) {
        if (const std::optional<NationalPlan> plan = planNationalMessage(prepared, number)) {
            if (plan->parts > MaxConcatenatedParts)
                return std::nullopt;
            return PduSubmission{
                plan->concatenated,
                encodeNationalPdus(prepared, number, smscNumber, reference, options, *plan)};
        }
    }
    if (std::optional<EncodedPdu> single = singlePdu(prepared, number, smscNumber, options))
        return PduSubmission{false, {std::move(*single)}};

    const ConcatenatedMessage message(prepared, number, smscNumber, reference, options);
    if (message.partCount() > MaxConcatenatedParts)
        return std::nullopt;
    PduSubmission submission{true, {}};
    submission.pdus.reserve(static_cast<std::size_t>(message.partCount()));
    for (int part = 1; part <= message.partCount(); ++part)
        submission.pdus.push_back(EncodeSubmitPduPart(message, part));
    return submission;
}
