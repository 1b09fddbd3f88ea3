#include "base/Clock.h"
#include "modem/CSMSException.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/DeviceInfoLookup.h"
#include "modem/GsmLookalikes.h"
#include "modem/Interrogation.h"
#include "modem/MessageSenders.h"
#include "modem/ModemChannel.h"
#include "modem/ModemCommands.h"
#include "modem/ModemTrace.h"
#include "modem/PartSubmission.h"
#include "modem/PduSubmission.h"
#include "modem/TextCharsets.h"
#include "modem/TextModeText.h"
#include "modem/Ucs2Hex.h"

#include <QCoreApplication>

namespace {

QString uncarriedText()
{
    return QCoreApplication::translate(
        "TextSender", "The modem's character sets cannot carry this text; send it in PDU mode.");
}

bool isWideCharset(const QString& charset)
{
    return charset == u"HEX" || charset == u"UCS2";
}

// One text-mode submission: the modem's character set as this submission leaves it, and the
// steps that depend on it.
class TextModeSubmission
{
public:
    TextModeSubmission(ModemChannel& port, const SendRequest& request,
                       const SubmissionContext& context)
        : m_port(port), m_request(request), m_context(context),
          m_flags(messageFlagsFor(request, context))
    {
        m_text = prepareMessageText(request.text);
        if (!NeedsUnicode(m_text))
            m_flags.unicode = false;
        if (!m_flags.unicode)
            m_text = replaceWithNearestGsm(m_text).text;
    }

    SubmissionOutcome run();

private:
    void prepareModem();
    bool chooseGsmCharset();
    QString carryingCharset(const QString& supported) const;
    bool hasStoredDefaultSmsc() const;
    QByteArray unicodeBody(const QString& text);
    QByteArray bodyOf(const QString& text);
    bool isSingleMessage() const;
    SubmissionOutcome sendSingle();
    SubmissionOutcome sendSlices();
    std::optional<CSMSException> sendPart(const QByteArray& body, int partNumber);
    std::optional<CSMSException> sendSlice(const QString& slice, int partNumber);
    void restoreDefaultSmsc();
    bool restoreSmsc();
    bool selectNarrowCharset();

    ModemChannel& m_port;
    const SendRequest& m_request;
    const SubmissionContext& m_context;
    MessageFlags m_flags;
    QString m_text;                   // as it goes on the air
    QString m_charset;                // as far as this submission knows it
    std::optional<QString> m_ownSmsc; // the modem's SMSC before a custom one replaced it
};

SubmissionOutcome TextModeSubmission::run()
{
    m_context.references.next();
    m_port.DiscardInput();
    prepareModem();
    return isSingleMessage() ? sendSingle() : sendSlices();
}

void TextModeSubmission::prepareModem()
{
    sendCommand(m_port, "AT\r");
    sendCommand(m_port, "AT+CSMS=0\r");
    sendCommand(m_port, "AT+CMGF=1\r");
    // A custom SMSC must not outlive this message where no stored default would replace it.
    if (!m_request.customSmsc.trimmed().isEmpty() && !hasStoredDefaultSmsc())
        m_ownSmsc = QueryDefaultSmsc(m_port);
    SetSmscStream(m_port, m_request.customSmsc);
    sendCommand(m_port,
                CsmpCommand(m_flags.flash, m_flags.unicode, m_flags.deliveryReports).toStdString());
    if (!m_flags.unicode && !chooseGsmCharset()) {
        // No narrow set carries every character: the text goes as UCS2 rather than with "?".
        m_flags.unicode = true;
        sendCommand(m_port,
                    CsmpCommand(m_flags.flash, true, m_flags.deliveryReports).toStdString());
    }
}

bool TextModeSubmission::hasStoredDefaultSmsc() const
{
    return m_context.deviceInfo &&
           HasDefaultSmsc(portTextOf(m_port.portNumber()), *m_context.deviceInfo);
}

// A GSM text goes in a character set that carries all of it. A wide set left by an earlier
// Unicode message is always left, GSM preferred to IRA; so is a set that would lose characters
// ("€" in IRA, "[" in GSM), for the first supported set that carries the text. False when no
// set the modem takes carries the whole text.
bool TextModeSubmission::chooseGsmCharset()
{
    const QString reply = QueryCharsetStream(m_port);
    m_charset = charsetOfReply(reply);
    const bool wide = isWideCharset(m_charset);
    if (!wide && canCarry(m_text, m_charset))
        return true;
    const QString chosen = carryingCharset(QuerySupportedCharsetsStream(m_port));
    if (chosen.isEmpty())
        return false;
    if (chosen != m_charset) {
        if (!selectCharset(m_port, chosen))
            return false;
        m_charset = chosen;
    }
    return true;
}

QString TextModeSubmission::carryingCharset(const QString& supported) const
{
    for (const char* name : {"GSM", "IRA", "HEX"}) {
        if (supported.contains(QLatin1String(name)) && canCarry(m_text, QLatin1String(name)))
            return QLatin1String(name);
    }
    return {};
}

bool TextModeSubmission::selectNarrowCharset()
{
    const QString supported = QuerySupportedCharsetsStream(m_port);
    for (const char* name : {"GSM", "IRA"}) {
        if (supported.contains(QLatin1String(name))) {
            if (!selectCharset(m_port, QLatin1String(name)))
                return false;
            m_charset = QLatin1String(name);
            return true;
        }
    }
    return false;
}

// Hex is preferred to UCS2 as the character set; either way the body goes as UCS2 hex.
QByteArray TextModeSubmission::unicodeBody(const QString& text)
{
    const QString supported = QuerySupportedCharsetsStream(m_port);
    for (const char* name : {"HEX", "UCS2"}) {
        if (supported.contains(QLatin1String(name))) {
            if (selectCharset(m_port, QLatin1String(name)))
                m_charset = QLatin1String(name);
            return ToUcs2Hex(text).toLatin1();
        }
    }
    if (!canCarry(text, m_charset))
        throw CSMSException(std::nullopt, uncarriedText());
    return encodeTextBody(text, m_charset);
}

QByteArray TextModeSubmission::bodyOf(const QString& text)
{
    return m_flags.unicode ? unicodeBody(text) : encodeTextBody(text, m_charset);
}

// The same limits as PDU mode, measured on the PDU that mode would send.
bool TextModeSubmission::isSingleMessage() const
{
    const std::optional<PduSubmission> measured = encodeMessagePdus(
        m_request.text, m_request.number, QString(), 0, {true, m_flags.flash, m_flags.unicode});
    return measured && !measured->concatenated;
}

std::optional<CSMSException> TextModeSubmission::sendPart(const QByteArray& body, int partNumber)
{
    if (QueryMessageMode(m_port) == u"0")
        SelectTextMode(m_port);
    const QByteArray cmgs = "AT+CMGS=\"" + m_request.number.toLatin1() + "\"\r";
    return submitNotedPart(m_port, m_context, {cmgs, body, true, partNumber});
}

std::optional<CSMSException> TextModeSubmission::sendSlice(const QString& slice, int partNumber)
{
    return sendMessagePart(partNumber, [&] { return sendPart(bodyOf(slice), partNumber); });
}

SubmissionOutcome TextModeSubmission::sendSingle()
{
    std::optional<CSMSException> error = sendPart(bodyOf(m_text), 1);
    restoreDefaultSmsc();
    if (error)
        throw *error;
    return SubmissionOutcome::Sent;
}

SubmissionOutcome TextModeSubmission::sendSlices()
{
    const QStringList slices = textModeSlices(m_text, m_flags.unicode);
    qCDebug(lcModem, "Tot Msg Count : %d\nMessage length : %d", static_cast<int>(slices.size()),
            static_cast<int>(m_text.size()));
    FirstPartFailure failure;
    for (qsizetype i = 0; i < slices.size(); ++i) {
        if (i > 0 && m_context.stopRequested && m_context.stopRequested()) {
            restoreDefaultSmsc();
            return SubmissionOutcome::Stopped;
        }
        failure.note(sendSlice(slices[i], static_cast<int>(i) + 1));
        m_context.clock.sleepMs(pauseAfterPartMs(m_context));
    }
    restoreDefaultSmsc();
    failure.raise();
    return SubmissionOutcome::Sent;
}

// A modem in a wide character set may refuse the plain number; then go back to a narrow set
// and try once more. A modem that vanished after taking the message has still sent it: a failing
// restore must not turn that into a failure (the next message finds the port gone).
void TextModeSubmission::restoreDefaultSmsc()
{
    try {
        if (restoreSmsc() || !isWideCharset(m_charset))
            return;
        if (selectNarrowCharset())
            restoreSmsc();
    } catch (const CSMSException&) {
    }
}

bool TextModeSubmission::restoreSmsc()
{
    if (!m_ownSmsc)
        return RestorePortSmsc(m_port, m_context.deviceInfo);
    if (m_ownSmsc->isEmpty())
        return sendCommand(m_port, "AT+CSCA=\"\"\r");
    return SetSmscStream(m_port, *m_ownSmsc);
}

} // namespace

SubmissionOutcome SendTextStreamMode(ModemChannel& port, const SendRequest& request,
                                     const SubmissionContext& context)
{
    return TextModeSubmission(port, request, context).run();
}
