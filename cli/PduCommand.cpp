#include "CliCommand.h"
#include "CliHelp.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/PduSubmission.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PduCommand", text);
}

int refuse(const QString& message)
{
    QTextStream(stderr) << "quillon-cli pdu: " << message << '\n';
    return UsageErrorExit;
}

// The same numbers the program's number boxes accept: digits with an optional leading "+",
// at most 20 characters.
bool isPhoneNumber(const QString& number)
{
    static const QRegularExpression pattern(QStringLiteral("^\\+?[0-9]+$"));
    return number.size() <= 20 && pattern.match(number).hasMatch();
}

QString numberError(const QString& option, const QString& number)
{
    return tr("%1 \"%2\" is not a phone number: use digits with an optional leading +, at most "
              "20 characters.")
        .arg(option, number);
}

} // namespace

int runPduCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Prints one line per PDU that PDU mode sends for TEXT: the TPDU length given to "
           "AT+CMGS, a space, and the PDU in hex."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption toOption(QStringLiteral("to"), tr("Destination number."),
                                      tr("NUMBER"));
    const QCommandLineOption smscOption(QStringLiteral("smsc"),
                                        tr("Service centre number (default: the modem's own)."),
                                        tr("NUMBER"));
    const QCommandLineOption unicodeOption(QStringLiteral("unicode"),
                                           tr("Encode the text as UCS2."));
    const QCommandLineOption flashOption(QStringLiteral("flash"),
                                         tr("Send as a flash message (class 0)."));
    const QCommandLineOption nationalOption(
        QStringLiteral("national-languages"),
        tr("With --unicode: use national language tables where they save parts."));
    parser.addOptions({toOption, smscOption, unicodeOption, flashOption, nationalOption});
    parser.addPositionalArgument(QStringLiteral("TEXT"), tr("The message text."));

    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (PrintHelpIfAsked(parser, helpOption,
                         tr("Usage: quillon-cli pdu --to NUMBER [--smsc NUMBER] [--unicode] "
                            "[--flash] [--national-languages] TEXT")))
        return 0;
    const QString number = parser.value(toOption);
    if (!parser.isSet(toOption))
        return refuse(tr("--to NUMBER is required."));
    if (!isPhoneNumber(number))
        return refuse(numberError(QStringLiteral("--to"), number));
    const QString smsc = parser.value(smscOption).trimmed();
    if (!smsc.isEmpty() && !isPhoneNumber(smsc))
        return refuse(numberError(QStringLiteral("--smsc"), smsc));
    const QStringList texts = parser.positionalArguments();
    if (texts.size() != 1)
        return refuse(tr("Expected exactly one TEXT argument, got %1.").arg(texts.size()));

    PduOptions options;
    options.unicode = parser.isSet(unicodeOption);
    options.flash = parser.isSet(flashOption);
    options.nationalLanguages = parser.isSet(nationalOption);
    ConcatReferenceCounter references;
    const std::optional<PduSubmission> submission =
        encodeMessagePdus(texts.front(), number, smsc, references.next(), options);
    if (!submission)
        return refuse(
            tr("The message is too long: it needs more than %1 parts.").arg(MaxConcatenatedParts));

    QTextStream out(stdout);
    for (const EncodedPdu& pdu : submission->pdus)
        out << pdu.tpduLength << ' ' << pdu.pdu << '\n';
    return 0;
}
