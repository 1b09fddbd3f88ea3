#include "modem/ModemCommands.h"

#include "modem/AnswerCleaning.h"
#include "modem/DeviceInfoLookup.h"
#include "modem/ModemChannel.h"

bool sendCommand(ModemChannel& port, std::string_view command)
{
    port.Write(command);
    return port.ReadUntil("OK");
}

bool ResetModemStream(ModemChannel& port)
{
    const bool attention = sendCommand(port, "AT\r");
    const bool reset = sendCommand(port, "AT&F\r");
    const bool errors = sendCommand(port, "AT+CMEE=1\r");
    return attention && reset && errors;
}

bool SetSmscStream(ModemChannel& port, const QString& smsc)
{
    const QString number = smsc.trimmed();
    if (number.isEmpty())
        return true;
    sendCommand(port, "AT+CMEE=1\r");
    const char* type = number.startsWith(u'+') ? "\",145\r" : "\",129\r";
    const QByteArray command = "AT+CSCA=\"" + number.toLatin1() + type;
    return sendCommand(port, command.toStdString());
}

bool RestorePortSmsc(ModemChannel& port, const DeviceInfoLookup* deviceInfo)
{
    if (!deviceInfo)
        return true;
    const QString information = deviceInfo->deviceInformationOf(portTextOf(port.portNumber()));
    const QString smsc = GetDetailValue(information, QLatin1String(DefaultSmscLabel));
    return smsc.isEmpty() || SetSmscStream(port, smsc);
}

QString messageModeOfReply(const QString& response)
{
    QString reply = answerLinesOf(response, QLatin1String("+CMGF"));
    for (const char* noise : {"OK", "AT+CMGF", "+CMGF", ":", "?"})
        reply.remove(QLatin1String(noise));
    reply = reply.trimmed();
    const bool text = reply.contains(u'1');
    const bool pdu = reply.contains(u'0');
    if (text && pdu)
        return QStringLiteral("2");
    if (text)
        return QStringLiteral("1");
    if (pdu)
        return QStringLiteral("0");
    return {};
}

QString QueryMessageMode(ModemChannel& port)
{
    if (!sendCommand(port, "AT+CMGF?\r"))
        return {};
    return messageModeOfReply(port.response());
}

bool SelectTextMode(ModemChannel& port)
{
    return sendCommand(port, "AT+CMGF=1\r");
}

bool SelectPduMode(ModemChannel& port)
{
    return sendCommand(port, "AT+CMGF=0\r");
}

QString QueryCharsetStream(ModemChannel& port)
{
    sendCommand(port, "AT+CSCS?\r");
    return port.response();
}

QString QuerySupportedCharsetsStream(ModemChannel& port)
{
    sendCommand(port, "AT+CSCS=?\r");
    return port.response();
}

QString charsetOfReply(const QString& response)
{
    const qsizetype open = response.indexOf(u'"');
    const qsizetype close = open < 0 ? -1 : response.indexOf(u'"', open + 1);
    if (close < 0)
        return {};
    return response.mid(open + 1, close - open - 1).trimmed().toUpper();
}

bool selectCharset(ModemChannel& port, const QString& name)
{
    const QByteArray command = "AT+CSCS=\"" + name.toLatin1() + "\"\r";
    return sendCommand(port, command.toStdString());
}
