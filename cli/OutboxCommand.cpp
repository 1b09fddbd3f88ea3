#include "CliCommand.h"
#include "CliHelp.h"
#include "ModemCliSupport.h"
#include "OutboxCliSupport.h"
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
    return QCoreApplication::translate("OutboxCommand", text);
}

const QString Name = QStringLiteral("outbox");

void printCounts(const OutboxCounts& c, QTextStream& out)
{
    out << tr("queued %1, claimed %2, submitting %3, sent %4, failed %5, excluded %6, skipped "
              "%7, unknown %8")
               .arg(c.queued)
               .arg(c.claimed)
               .arg(c.submitting)
               .arg(c.sent)
               .arg(c.failed)
               .arg(c.excluded)
               .arg(c.skipped)
               .arg(c.unknown)
        << '\n';
}

QString timeText(std::int64_t seconds)
{
    return seconds > 0 ? QDateTime::fromSecsSinceEpoch(seconds).toString(Qt::ISODate) : QString();
}

void printInbox(const std::vector<InboxEntry>& entries, QTextStream& out)
{
    for (const InboxEntry& e : entries)
        out << e.id << '\t' << timeText(e.reply.receivedAt) << '\t' << e.reply.port << '\t'
            << e.reply.instance << '\t' << e.reply.number << '\t'
            << (e.outboxId > 0 ? QString::number(e.outboxId) : QString()) << '\t'
            << (e.reply.complete ? "complete" : "incomplete") << '\t' << OneLineText(e.reply.text)
            << '\n';
    out << tr("%1 message(s) received").arg(entries.size()) << '\n';
}

} // namespace

int runOutboxCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Prints the outbox's row counts by state; with --rows, first one line per row (id, "
           "number, state, attempts, port, instance, result, delivery). With --inbox it prints "
           "the messages the serving instances received instead, one line each (id, received "
           "time, port, instance, sender, the outbox row last sent to the sender, \"complete\" or "
           "\"incomplete\" for a long message still missing parts, text)."));
    const QCommandLineOption help(QStringList{"h", "help"}, tr("Show this help."));
    const QCommandLineOption rows("rows", tr("Print every row."));
    const QCommandLineOption instance(
        "instance", tr("Count only the rows the serve instance NAME holds or last held."),
        tr("NAME"));
    const QCommandLineOption inbox("inbox", tr("Print the received messages."));
    const QCommandLineOption database = outboxDatabaseOption();
    parser.addOptions({help, rows, instance, inbox, database});
    if (!parser.parse(arguments))
        return refuseUsage(Name, parser.errorText());
    if (parser.isSet(help)) {
        QTextStream(stdout) << SubcommandHelpText(parser,
                                                  tr("Usage: quillon-cli outbox [OPTIONS]"));
        return 0;
    }
    const Clock clock(1);
    CQuillonApp app(StartupEnvironment::ofThisProcess(), clock);
    const std::optional<OutboxAddress> address =
        outboxAddressOf(parser.value(database), app.dataFolder(), Name);
    if (!address)
        return UsageErrorExit;
    QTextStream out(stdout);
    try {
        OutboxLink link(*address);
        if (parser.isSet(inbox)) {
            printInbox(link.call([](OutboxDatabase& outbox) { return outbox.inboxEntries(); }),
                       out);
            return 0;
        }
        if (parser.isSet(rows))
            for (const OutboxEntry& e :
                 link.call([](OutboxDatabase& outbox) { return outbox.entries(); }))
                out << e.id << '\t' << e.number << '\t' << e.state << '\t' << e.attempts << '\t'
                    << e.port << '\t' << e.claimedBy << '\t' << e.result << '\t' << e.delivery
                    << '\n';
        const QString name = parser.value(instance);
        printCounts(link.call([&name](OutboxDatabase& outbox) {
            return name.isEmpty() ? outbox.counts() : outbox.counts(name);
        }),
                    out);
    } catch (const OutboxError& error) {
        QTextStream(stderr) << "quillon-cli outbox: " << error.text() << '\n';
        return 1;
    }
    return 0;
}
