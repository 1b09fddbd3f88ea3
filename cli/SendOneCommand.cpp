#include "CliCommand.h"
#include "CliHelp.h"
#include "ModemCliSupport.h"
#include "base/Clock.h"
#include "base/StatusTexts.h"
#include "devices/DeviceDetailsStore.h"
#include "modem/AnswerCleaning.h"
#include "modem/CSMSException.h"
#include "modem/CSMSSerialPort.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/Interrogation.h"
#include "modem/MessageSenders.h"
#include "modem/ModemCommands.h"
#include "modem/PortMap.h"
#include "modem/SendOptions.h"
#include "modem/SubmissionStatus.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("SendOneCommand", text);
}

int refuse(const QString& message)
{
    return refuseUsage(QStringLiteral("send-one"), message);
}

struct SendOneArguments
{
    int port = 0;
    QString portText;
    bool textMode = false;
    SendRequest request;
    bool unicode = false;
    bool flash = false;
};

// Text mode leaves the modem's default SMSC set again afterwards, so it needs to know it, as
// the program learns it from its scan. A modem that does not answer here is left to fail the
// submission itself.
void learnDefaultSmsc(CSMSSerialPort& channel, const SendOneArguments& arguments,
                      DeviceDetailsStore& store)
{
    try {
        channel.Open(arguments.port, ModemTimeoutMs);
        ResetModemStream(channel);
        store.append(arguments.portText, deviceDetailsText(arguments.portText, QString(),
                                                           QueryDeviceInformation(channel)));
    } catch (const CSMSException&) {
        channel.Close();
    }
}

QString sendMessage(const SendOneArguments& arguments)
{
    const PortMap portMap = PortMap::fromEnvironment();
    CSMSSerialPort channel(portMap, Clock::system());
    DeviceDetailsStore details;
    if (arguments.textMode)
        learnDefaultSmsc(channel, arguments, details);

    SendOptions options;
    options.setUnicode(arguments.unicode);
    options.setFlash(arguments.flash);
    ConcatReferenceCounter references;
    const SubmissionContext context{Clock::system(), references, &options, {}, &details};
    try {
        channel.Open(arguments.port, ModemTimeoutMs);
        const SubmissionOutcome outcome =
            arguments.textMode ? SendTextStreamMode(channel, arguments.request, context)
                               : SendPduStreamMode(channel, arguments.request, context);
        return submissionStatusText(outcome);
    } catch (const CSMSException& error) {
        return submissionStatusText(error);
    }
}

} // namespace

int runSendOneCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Sends one message through the modem on a port, as a send worker does, and prints "
           "the row status it ends with: \"%1\" or \"Error : \" and the error.")
            .arg(StatusTexts::sentStatus()));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), tr("The modem's port."),
                                        tr("COM<n>"));
    const QCommandLineOption modeOption(QStringLiteral("mode"), tr("Message mode: pdu or text."),
                                        tr("MODE"));
    const QCommandLineOption toOption(QStringLiteral("to"), tr("Destination number."),
                                      tr("NUMBER"));
    const QCommandLineOption smscOption(QStringLiteral("smsc"),
                                        tr("Service centre number (default: the modem's own)."),
                                        tr("NUMBER"));
    const QCommandLineOption unicodeOption(QStringLiteral("unicode"),
                                           tr("Enable non-English (Unicode) characters."));
    const QCommandLineOption flashOption(QStringLiteral("flash"),
                                         tr("Send as a flash message (Notification)."));
    parser.addOptions({portOption, modeOption, toOption, smscOption, unicodeOption, flashOption});
    parser.addPositionalArgument(QStringLiteral("TEXT"), tr("The message text."));

    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (PrintHelpIfAsked(parser, helpOption,
                         tr("Usage: quillon-cli send-one --port COM<n> --mode pdu|text --to NUMBER "
                            "[--smsc NUMBER] [--unicode] [--flash] TEXT")))
        return 0;

    SendOneArguments parsed;
    parsed.portText = parser.value(portOption).toUpper();
    const std::optional<int> port = parsePortText(parsed.portText);
    if (!port)
        return refuse(tr("--port COM<n> is required, n from 1 to 512."));
    parsed.port = *port;
    const QString mode = parser.value(modeOption);
    if (mode != u"pdu" && mode != u"text")
        return refuse(tr("--mode must be pdu or text."));
    parsed.textMode = mode == u"text";
    parsed.request.number = parser.value(toOption).trimmed();
    if (basicIsInvalidNumber(parsed.request.number))
        return refuse(tr("--to NUMBER is required: digits with an optional leading +, at most "
                         "20 characters."));
    parsed.request.customSmsc = parser.value(smscOption).trimmed();
    if (!parsed.request.customSmsc.isEmpty() && basicIsInvalidNumber(parsed.request.customSmsc))
        return refuse(tr("--smsc \"%1\" is not a phone number.").arg(parsed.request.customSmsc));
    const QStringList texts = parser.positionalArguments();
    if (texts.size() != 1)
        return refuse(tr("Expected exactly one TEXT argument, got %1.").arg(texts.size()));
    parsed.request.text = texts.front();
    parsed.unicode = parser.isSet(unicodeOption);
    parsed.flash = parser.isSet(flashOption);

    const QString status = sendMessage(parsed);
    QTextStream(stdout) << status << '\n';
    return status == StatusTexts::sentStatus() ? 0 : 1;
}
