#include "modem/PartSubmission.h"

#include "base/Clock.h"
#include "modem/ModemChannel.h"
#include "modem/ModemTrace.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace {

constexpr char CtrlZCrLf[] = "\x1A\r\n";
constexpr char Escape[] = "\x1B";

// The prompt did not come: a modem that prompts late must not take the next commands as the
// message body, so cancel any body it may be waiting for.
CSMSException unprompted(ModemChannel& port, const QString& reply)
{
    const QString error = NormaliseModemReply(reply);
    if (!error.isEmpty())
        return ModemErrorFrom(error);
    port.Write(Escape, 1);
    port.DiscardInput();
    return NoResponseError(reply.trimmed());
}

// The outcome once the body went out. A "+CMGS:" reference means the network took it even
// when the final "OK" was lost; silence or a vanished port leave the outcome unknown.
std::optional<CSMSException> resultOf(const ModemChannel& port, bool accepted, const QString& reply)
{
    if (accepted)
        return std::nullopt;
    if (!port.failure()) {
        const QString error = NormaliseModemReply(reply);
        if (!error.isEmpty())
            return ModemErrorFrom(error);
    }
    if (reply.contains(QLatin1String("+CMGS:")))
        return std::nullopt;
    return UnconfirmedError(reply.trimmed());
}

} // namespace

void raiseIfBroken(const ModemChannel& port)
{
    if (const std::optional<int> error = port.failure())
        RaiseSystemError(*error);
}

std::optional<int> messageReferenceOf(const QString& reply)
{
    static const QRegularExpression line(QStringLiteral(R"(\+CMGS:[ ]*(\d+)\b)"));
    const QRegularExpressionMatch match = line.match(reply);
    if (!match.hasMatch())
        return std::nullopt;
    const int value = match.captured(1).toInt();
    return value <= 255 ? std::optional<int>(value) : std::nullopt;
}

std::optional<CSMSException> submitPart(ModemChannel& port, const Clock& clock,
                                        const PartCommand& part, std::optional<int>* reference)
{
    qCDebug(lcModem, "cmgs for part : %d", part.partNumber);
    port.Write(part.cmgs.constData(), static_cast<std::size_t>(part.cmgs.size()));
    const bool prompted = port.ReadUntil(">");
    const QString promptReply = port.response();
    raiseIfBroken(port);
    if (!prompted)
        return unprompted(port, promptReply);
    if (part.pauseAfterPrompt && !part.fast)
        clock.sleepMs(SubmissionPauseMs);

    port.Write(part.body.constData(), static_cast<std::size_t>(part.body.size()));
    port.Write(CtrlZCrLf, sizeof CtrlZCrLf - 1);
    qCDebug(lcModem, "send msg for part : %d - %s", part.partNumber, part.body.constData());
    const std::uint64_t written = clock.tickCount();
    const bool accepted = port.ReadSubmissionResult(part.body, SubmissionPauseMs);
    const QString reply = port.response();
    qCDebug(lcModem, "done for part : %d - %s", part.partNumber, qUtf8Printable(reply));
    // The designed pace: the answer is read as it comes, the rest of the wait is slept.
    const std::uint64_t waited = clock.tickCount() - written;
    if (!part.fast && waited < SubmissionPauseMs)
        clock.sleepMs(static_cast<std::uint32_t>(SubmissionPauseMs - waited));
    std::optional<CSMSException> error = resultOf(port, accepted, reply);
    if (reference && !error)
        *reference = messageReferenceOf(reply);
    return error;
}
