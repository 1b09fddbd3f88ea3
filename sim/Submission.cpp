#include "sim/Submission.h"

#include "sim/PduDecoder.h"
#include "sim/TextModeCodec.h"

namespace sim {

namespace {

constexpr int kInvalidPduParameter = 304;
constexpr int kInvalidTextParameter = 305;
constexpr int kSmscAddressUnknown = 330;
constexpr int kRelativeValidity = 2;

AirMessage fromPdu(const DecodedSubmit& pdu, const QByteArray& body)
{
    AirMessage message;
    message.mode = QStringLiteral("pdu");
    message.destination = pdu.destination;
    message.smsc = pdu.smsc;
    message.dcs = pdu.dcs;
    message.messageClass = pdu.coding.messageClass;
    message.text = pdu.text;
    if (pdu.concatenation) {
        message.reference = pdu.concatenation->reference;
        message.part = pdu.concatenation->part;
        message.total = pdu.concatenation->total;
    }
    message.pdu = QString::fromLatin1(body).toUpper();
    message.validityMinutes = pdu.validityMinutes;
    return message;
}

std::optional<AirMessage> fromText(const PendingSubmission& pending, const QByteArray& body,
                                   const ModemState& state)
{
    const TextParameters& parameters = state.textParameters;
    const auto decoded = decodeTextBody(body, state.charset, static_cast<quint8>(parameters.dcs));
    if (!decoded)
        return std::nullopt;
    AirMessage message;
    message.mode = QStringLiteral("text");
    message.destination = pending.destination;
    message.dcs = parameters.dcs;
    message.messageClass = interpretDcs(static_cast<quint8>(parameters.dcs)).messageClass;
    message.text = decoded->text;
    if (((parameters.firstOctet >> 3) & 0x3) == kRelativeValidity)
        message.validityMinutes = relativeValidityMinutes(static_cast<quint8>(parameters.validity));
    return message;
}

std::optional<AirMessage> decodeBody(const PendingSubmission& pending, const QByteArray& body,
                                     const ModemState& state)
{
    if (!pending.pduMode)
        return fromText(pending, body, state);
    const auto pdu = decodeSubmitPdu(body, true);
    if (!pdu || pdu->tpduLength != pending.tpduLength)
        return std::nullopt;
    return fromPdu(*pdu, body);
}

} // namespace

SubmissionResult completeSubmission(const PendingSubmission& pending, const QByteArray& body,
                                    ModemState& state, const QString& portName)
{
    SubmissionResult result;
    auto message = decodeBody(pending, body, state);
    if (!message) {
        result.outcome = CommandOutcome::cmsError(pending.pduMode ? kInvalidPduParameter
                                                                  : kInvalidTextParameter);
        return result;
    }
    if (message->smsc.isEmpty())
        message->smsc = state.smsc;
    if (message->smsc.isEmpty()) {
        result.outcome = CommandOutcome::cmsError(kSmscAddressUnknown);
        return result;
    }

    ++state.submissions;
    const ModemProfile& profile = state.profile;
    if (profile.cmsError != 0 && state.submissions % profile.cmsErrorEvery == 0) {
        result.outcome = CommandOutcome::cmsError(profile.cmsError);
        return result;
    }

    ++state.accepted;
    message->port = portName;
    message->time = QDateTime::currentDateTimeUtc();
    message->messageReference = state.nextMessageReference;
    state.nextMessageReference = (state.nextMessageReference + 1) % 256;
    result.outcome =
        CommandOutcome::ok({"+CMGS: " + QByteArray::number(message->messageReference)});
    result.message = std::move(message);
    return result;
}

} // namespace sim
