#include "modem/PartSubmission.h"

#include "modem/Clock.h"
#include "modem/ModemChannel.h"
#include "modem/ModemTrace.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace {

constexpr std::uint32_t SubmissionPauseMs = 2000;
constexpr char CtrlZCrLf[] = "\x1A\r\n";
constexpr char Escape[] = "\x1B";

bool hasOkLine(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    const QStringList lines = text.split(lineBreak);
    return std::any_of(lines.cbegin(), lines.cend(),
                       [](const QString& line) { return line.trimmed() == u"OK"; });
}

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

} // namespace

void raiseIfBroken(const ModemChannel& port)
{
    if (const std::optional<int> error = port.failure())
        RaiseSystemError(*error);
}

bool waitForFinalOk(ModemChannel& port, QString& collected)
{
    collected.clear();
    for (;;) {
        const bool tokenSeen = port.ReadUntil("OK");
        collected += port.response();
        if (!tokenSeen)
            return false;
        if (hasOkLine(collected))
            return true;
    }
}

std::optional<CSMSException> submitPart(ModemChannel& port, const Clock& clock,
                                        const PartCommand& part)
{
    qCDebug(lcModem, "cmgs for part : %d", part.partNumber);
    port.Write(part.cmgs.constData(), static_cast<std::size_t>(part.cmgs.size()));
    const bool prompted = port.ReadUntil(">");
    const QString promptReply = port.response();
    raiseIfBroken(port);
    if (!prompted)
        return unprompted(port, promptReply);
    if (part.pauseAfterPrompt)
        clock.sleepMs(SubmissionPauseMs);

    port.Write(part.body.constData(), static_cast<std::size_t>(part.body.size()));
    port.Write(CtrlZCrLf, sizeof CtrlZCrLf - 1);
    qCDebug(lcModem, "send msg for part : %d - %s", part.partNumber, part.body.constData());
    clock.sleepMs(SubmissionPauseMs);

    QString reply;
    const bool accepted = waitForFinalOk(port, reply);
    raiseIfBroken(port);
    qCDebug(lcModem, "done for part : %d - %s", part.partNumber, qUtf8Printable(reply));
    if (accepted)
        return std::nullopt;
    if (reply.trimmed().isEmpty())
        reply = promptReply;
    const QString error = NormaliseModemReply(reply);
    if (error.isEmpty())
        return std::nullopt;
    return ModemErrorFrom(error);
}
