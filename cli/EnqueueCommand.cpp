#include "CliCommand.h"
#include "CliHelp.h"
#include "ModemCliSupport.h"
#include "OutboxCliSupport.h"
#include "SendCommandSetup.h"
#include "app/QuillonApp.h"
#include "base/Clock.h"
#include "outbox/OutboxError.h"
#include "outbox/OutboxLink.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("EnqueueCommand", text);
}

const QString Name = QStringLiteral("enqueue");

struct EnqueueOptions
{
    QCommandLineOption help{QStringList{"h", "help"}, tr("Show this help.")};
    QCommandLineOption file{"file",
                            tr("Recipients: a workbook (.xls, .xlsx), a text file of numbers "
                               "with --message, or \"number<TAB>message\" lines."),
                            tr("FILE")};
    QCommandLineOption message{"message", tr("The message for every number of a text file."),
                               tr("TEXT")};
    QCommandLineOption sheet{"sheet", tr("Workbook sheet, from 1 (default 1)."), tr("N"), "1"};
    QCommandLineOption numberColumn{"number-column", tr("Workbook column of the numbers."), tr("N"),
                                    "1"};
    QCommandLineOption messageColumn{"message-column", tr("Workbook column of the messages."),
                                     tr("N"), "2"};
    QCommandLineOption campaign{"campaign", tr("The campaign the rows belong to."), tr("NAME")};
    QCommandLineOption priority{"priority", tr("Rows of higher priority go first (default 0)."),
                                tr("N"), "0"};
    QCommandLineOption type{"type", tr("Message type: standard or notification (flash)."),
                            tr("TYPE"), "standard"};
    QCommandLineOption unicode{"unicode", tr("Send the rows as Unicode.")};
    QCommandLineOption notBefore{"not-before",
                                 tr("Send no row before this time (ISO 8601, local time unless "
                                    "it names a zone)."),
                                 tr("TIME")};
    QCommandLineOption database = outboxDatabaseOption();
};

bool readInt(const QString& text, int& value)
{
    bool numeric = false;
    value = text.toInt(&numeric);
    return numeric;
}

} // namespace

int runEnqueueCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Appends every row of the file to the shared outbox, where \"quillon-cli serve\" "
           "instances send them; prints how many rows were added."));
    const EnqueueOptions o;
    parser.addOptions({o.help, o.file, o.message, o.sheet, o.numberColumn, o.messageColumn,
                       o.campaign, o.priority, o.type, o.unicode, o.notBefore, o.database});
    if (!parser.parse(arguments))
        return refuseUsage(Name, parser.errorText());
    if (parser.isSet(o.help)) {
        QTextStream(stdout) << SubcommandHelpText(
            parser, tr("Usage: quillon-cli enqueue --file FILE [OPTIONS]"));
        return 0;
    }
    SendSettings settings;
    settings.file = parser.value(o.file);
    if (settings.file.isEmpty())
        return refuseUsage(Name, tr("--file FILE is required."));
    settings.hasMessage = parser.isSet(o.message);
    settings.message = parser.value(o.message);
    int priority = 0;
    if (!readInt(parser.value(o.sheet), settings.sheet) || settings.sheet < 1 ||
        !readInt(parser.value(o.numberColumn), settings.numberColumn) ||
        settings.numberColumn < 1 ||
        !readInt(parser.value(o.messageColumn), settings.messageColumn) ||
        settings.messageColumn < 1)
        return refuseUsage(Name, tr("--sheet and the columns take numbers from 1."));
    if (!readInt(parser.value(o.priority), priority))
        return refuseUsage(Name, tr("--priority takes a whole number."));
    const QString type = parser.value(o.type);
    if (type != u"standard" && type != u"notification")
        return refuseUsage(Name, tr("--type is standard or notification."));
    std::int64_t notBefore = 0;
    if (parser.isSet(o.notBefore)) {
        const QDateTime time = QDateTime::fromString(parser.value(o.notBefore), Qt::ISODate);
        if (!time.isValid())
            return refuseUsage(Name, tr("--not-before takes a time such as 2026-12-24T09:00."));
        notBefore = time.toSecsSinceEpoch();
    }

    const Clock clock(1);
    CQuillonApp app(StartupEnvironment::ofThisProcess(), clock);
    const std::optional<OutboxAddress> address =
        outboxAddressOf(parser.value(o.database), app.dataFolder(), Name);
    if (!address)
        return UsageErrorExit;
    QTextStream err(stderr);
    SendSession session(settings, app.dataFolder(), clock);
    if (const QString error = session.loadRecipients(err); !error.isEmpty()) {
        err << "quillon-cli enqueue: " << error << '\n';
        return 1;
    }
    std::vector<OutboxMessage> messages;
    const RecipientList& recipients = session.recipients();
    for (int i = 0; i < recipients.count(); ++i)
        messages.push_back({recipients.at(i).Number, recipients.at(i).Message,
                            type == u"notification", parser.isSet(o.unicode),
                            parser.value(o.campaign), priority, notBefore});
    try {
        OutboxLink link(*address);
        link.call([&](OutboxDatabase& database) { database.enqueue(messages); });
    } catch (const OutboxError& error) {
        err << "quillon-cli enqueue: " << error.text() << '\n';
        return 1;
    }
    QTextStream(stdout) << tr("%1 row(s) added to the outbox").arg(messages.size()) << '\n';
    return 0;
}
