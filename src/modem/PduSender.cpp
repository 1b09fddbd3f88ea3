#include "base/Clock.h"
#include "modem/CSMSException.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/MessageSenders.h"
#include "modem/ModemChannel.h"
#include "modem/ModemCommands.h"
#include "modem/ModemTrace.h"
#include "modem/PartSubmission.h"
#include "modem/PduSubmission.h"

namespace {

// A modem left in text mode by another program takes no PDU.
void ensurePduMode(ModemChannel& port)
{
    if (QueryMessageMode(port) == u"1")
        SelectPduMode(port);
}

PartCommand pduPart(const EncodedPdu& pdu, int partNumber)
{
    return {"AT+CMGS=" + QByteArray::number(pdu.tpduLength) + "\r", pdu.pdu.toLatin1(), false,
            partNumber};
}

SubmissionOutcome sendParts(ModemChannel& port, const std::vector<EncodedPdu>& pdus,
                            const SubmissionContext& context)
{
    FirstPartFailure failure;
    for (std::size_t i = 0; i < pdus.size(); ++i) {
        if (i > 0 && context.stopRequested && context.stopRequested())
            return SubmissionOutcome::Stopped;
        if (pdus[i].isEmpty())
            break;
        const PartCommand part = pduPart(pdus[i], static_cast<int>(i) + 1);
        failure.note(sendMessagePart(part.partNumber, [&] {
            ensurePduMode(port);
            return submitNotedPart(port, context, part);
        }));
        context.clock.sleepMs(pauseAfterPartMs(context));
    }
    failure.raise();
    return SubmissionOutcome::Sent;
}

} // namespace

SubmissionOutcome SendPduStreamMode(ModemChannel& port, const SendRequest& request,
                                    const SubmissionContext& context)
{
    const quint16 reference = context.references.next();
    const MessageFlags flags = messageFlagsFor(request, context);
    port.DiscardInput();
    sendCommand(port, "AT\r");
    sendCommand(port, "AT+CSMS=0\r");
    sendCommand(port, "AT+CMGF=0\r");

    const std::optional<PduSubmission> submission = encodeMessagePdus(
        request.text, request.number, request.customSmsc, reference,
        {true, flags.flash, flags.unicode, flags.deliveryReports, flags.nationalLanguages});
    // Past 255 parts a concatenation header cannot count them; no editor lets a text get there.
    if (!submission)
        RaiseModemError(QStringLiteral("+CMS ERROR: 500"));
    if (!submission->concatenated) {
        const EncodedPdu& pdu = submission->pdus.front();
        if (pdu.isEmpty())
            return SubmissionOutcome::Sent;
        ensurePduMode(port);
        if (std::optional<CSMSException> error = submitNotedPart(port, context, pduPart(pdu, 1)))
            throw *error;
        return SubmissionOutcome::Sent;
    }
    qCDebug(lcModem, "Tot Msg Count : %d\nMessage length : %d",
            static_cast<int>(submission->pdus.size()),
            static_cast<int>(prepareMessageText(request.text).size()));
    return sendParts(port, submission->pdus, context);
}
