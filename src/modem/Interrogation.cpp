#include "modem/Interrogation.h"

#include "modem/AnswerCleaning.h"
#include "modem/CSMSException.h"
#include "modem/DeviceInfoLookup.h"
#include "modem/ModemChannel.h"
#include "modem/ModemCommands.h"
#include "modem/ModemTrace.h"

#include <optional>

namespace {

const QString Undefined = QStringLiteral("Undefined");

// The cleaned answer to a command, or nothing when it got no "OK".
std::optional<QString> ask(ModemChannel& port, std::string_view command,
                           const QStringList& echoForms, Quotes quotes = Quotes::Remove)
{
    if (!sendCommand(port, command))
        return std::nullopt;
    return CleanAnswer(port.response(), echoForms, quotes);
}

bool usable(const std::optional<QString>& value)
{
    return value && !value->isEmpty() && *value != Undefined;
}

// An identity value, asked in its short form first and its "+C" form when that gives nothing.
QString askIdentity(ModemChannel& port, std::string_view shortForm, std::string_view longForm,
                    const QStringList& echoForms)
{
    std::optional<QString> value = ask(port, shortForm, echoForms);
    if (!usable(value))
        value = ask(port, longForm, echoForms);
    return value.value_or(QString());
}

std::optional<QString> askModel(ModemChannel& port, std::string_view command)
{
    std::optional<QString> value = ask(port, command, {"AT+GMM", "AT+CGMM", "+GMM", "+CGMM"});
    const QLatin1String marker("MODEL=");
    if (value && value->contains(marker))
        *value = value->mid(value->indexOf(marker) + marker.size());
    return value;
}

QString smsModeText(int modes)
{
    switch (modes) {
    case PduModeOnly:
        return QStringLiteral("PDU Mode");
    case TextModeOnly:
        return QStringLiteral("Text Mode");
    case PduAndTextMode:
        return QStringLiteral("PDU Mode & Text Mode");
    default:
        return QStringLiteral("None");
    }
}

// Asked because some modems only become talkative about the rest after them; the answers are
// not shown.
void askIdentities(ModemChannel& port)
{
    const QStringList forms = {"AT+CGSN", "AT+GSN", "+CGSN", "+GSN"};
    if (ask(port, "AT+CGSN\r", forms) == Undefined)
        ask(port, "AT+GSN\r", forms);
    ask(port, "AT+CIMI\r", {"AT+CIMI", "+CIMI"});
}

QString stripImeiPrefix(QString value)
{
    for (;;) {
        value = value.trimmed();
        if (value.startsWith(u':'))
            value.remove(0, 1);
        else if (value.startsWith(QLatin1String("IMEI")))
            value.remove(0, 4);
        else
            return value;
    }
}

QString askImei(ModemChannel& port, std::string_view command)
{
    const std::optional<QString> value = ask(port, command, {"AT+CGSN", "AT+GSN", "+CGSN", "+GSN"});
    return value ? stripImeiPrefix(*value) : QString();
}

struct PortCloser
{
    ModemChannel& port;
    ~PortCloser() { port.Close(); }
};

} // namespace

bool ProbeModem(ModemChannel& port)
{
    port.clearResponse();
    return sendCommand(port, "AT\r") || port.response().trimmed() == u"AT";
}

QString QueryDeviceInformation(ModemChannel& port, const InvalidNumberTest& isInvalidNumber)
{
    const PortCloser closer{port};
    port.clearResponse();
    if (!sendCommand(port, "AT\r"))
        RaiseNoResponse(port.response());

    const QString manufacturer =
        askIdentity(port, "AT+GMI\r", "AT+CGMI\r", {"AT+GMI", "AT+CGMI", "+GMI", "+CGMI"});
    const QString model = QueryModel(port);
    askIdentities(port);
    const QString revision =
        askIdentity(port, "AT+GMR\r", "AT+CGMR\r", {"AT+GMR", "+GMR", "AT+CGMR", "+CGMR"});
    const QString modes = smsModeText(QuerySmsModes(port));
    const std::optional<QString> battery = ask(port, "AT+CBC\r", {"AT+CBC", "+CBC"});
    const QString smsc = QueryDefaultSmsc(port, isInvalidNumber).value_or(QString());
    const std::optional<QString> operatorAnswer =
        ask(port, "AT+COPS?\r", {"AT+COPS", "+COPS"}, Quotes::Keep);
    const std::optional<QString> signal = ask(port, "AT+CSQ\r", {"AT+CSQ", "+CSQ"});

    const QStringList lines = {
        QStringLiteral("Manufacturer :") + manufacturer,
        QStringLiteral("Model :") + model,
        QStringLiteral("Revision :") + revision,
        QStringLiteral("Supported SMS Mode :") + modes,
        QStringLiteral("Battery :") + (battery ? batteryText(*battery) : QString()),
        QLatin1String(DefaultSmscLabel) + smsc,
        QStringLiteral("Operator Code :") +
            (operatorAnswer ? quotedValue(*operatorAnswer) : QString()),
        QStringLiteral("Signal Quality :") + (signal ? signalQualityText(*signal) : QString()),
    };
    port.clearResponse();
    return lines.join(u'\n');
}

int QuerySmsModes(ModemChannel& port)
{
    int modes = PduModeOnly;
    if (!sendCommand(port, "AT\r"))
        modes = NoSmsMode;
    if (!sendCommand(port, "AT+CMGF=?\r"))
        return NoSmsMode;
    const QString reply = answerLinesOf(port.response(), QLatin1String("+CMGF"));
    const bool pdu = reply.contains(u'0');
    const bool text = reply.contains(u'1');
    if (pdu && text)
        return PduAndTextMode;
    if (text)
        return TextModeOnly;
    if (pdu)
        return PduModeOnly;
    return modes;
}

QString QueryImei(ModemChannel& port)
{
    port.clearResponse();
    sendCommand(port, "AT\r");
    QString imei = askImei(port, "AT+CGSN\r");
    if (imei == Undefined)
        imei = askImei(port, "AT+GSN\r");
    return imei.trimmed();
}

QString QueryModel(ModemChannel& port)
{
    std::optional<QString> model = askModel(port, "AT+GMM\r");
    if (!usable(model))
        model = askModel(port, "AT+CGMM\r");
    return model.value_or(QString()).trimmed();
}

std::optional<QString> QueryDefaultSmsc(ModemChannel& port,
                                        const InvalidNumberTest& isInvalidNumber)
{
    const std::optional<QString> value =
        ask(port, "AT+CSCA?\r", {"AT+CSCA", "+CSCA"}, Quotes::Keep);
    if (!value)
        return std::nullopt;
    return decodeSmscNumber(quotedValue(*value), isInvalidNumber);
}

bool CheckSmsCapability(ModemChannel& port)
{
    sendCommand(port, "AT\r");
    const bool services = sendCommand(port, "AT+CSMS=?\r");
    qCDebug(lcModem, "For COM%d chk AT+CSMS=? and response is %s", port.portNumber(),
            qUtf8Printable(port.response()));
    if (!services)
        return false;
    const bool submit = sendCommand(port, "AT+CMGS=?\r");
    qCDebug(lcModem, "For COM%d chk AT+CMGS=? and response is %s", port.portNumber(),
            qUtf8Printable(port.response()));
    return submit;
}

bool HasDefaultSmsc(const QString& portText, const DeviceInfoLookup& deviceInfo)
{
    return !GetDetailValue(deviceInfo.deviceInformationOf(portText),
                           QLatin1String(DefaultSmscLabel))
                .isEmpty();
}
