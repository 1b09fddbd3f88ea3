#include "CliCommand.h"
#include "CliHelp.h"
#include "ModemCliSupport.h"
#include "app/QuillonApp.h"
#include "base/Clock.h"
#include "modem/DeviceInfoLookup.h"
#include "modem/PortMap.h"
#include "sending/InboxReading.h"
#include "stores/InboxAssembly.h"
#include "stores/InboxStore.h"
#include "stores/InboxView.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("InboxCommand", text);
}

QString timeText(const QDateTime& time)
{
    return time.isValid() ? time.toString(Qt::ISODate) : QString();
}

QString stateOf(const InboxMessage& message)
{
    if (message.complete())
        return QStringLiteral("complete");
    QStringList missing;
    for (const int part : message.missingParts)
        missing.append(QString::number(part));
    return QStringLiteral("incomplete (missing %1)").arg(missing.join(u','));
}

} // namespace

int runInboxCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Reads the messages the modems on the given ports received into the inbox store, "
           "then prints every message the store holds, oldest first, separated by tabs: "
           "\"message\", port, sender, service-centre time, received time, coding (text or "
           "8bit, whose text is hex), parts, state (complete, or incomplete with the parts "
           "missing once a long message waited an hour for them), unread or read, and the "
           "text, line breaks as \\n. With --mark-read every message printed is marked read "
           "afterwards, as the Inbox window marks a message it shows selected. With --delete each "
           "message is deleted from its modem once stored; without, "
           "the modem keeps it and the store knows it when it is read again. Without --port "
           "only the store is read."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption portOption("port", tr("Read the messages of this modem (repeatable)."),
                                        tr("COM<n>"));
    const QCommandLineOption deleteOption(
        "delete", tr("Delete each message from the modem once it is stored."));
    const QCommandLineOption markOption("mark-read",
                                        tr("Mark every message printed as read afterwards."));
    const QCommandLineOption clockOption(
        "clock-factor", tr("Run every designed wait N times faster (for simulated modems)."),
        tr("N"), "1");
    parser.addOptions({portOption, deleteOption, markOption, clockOption});
    if (!parser.parse(arguments))
        return refuseUsage(QStringLiteral("inbox"), parser.errorText());
    if (PrintHelpIfAsked(
            parser, helpOption,
            tr("Usage: quillon-cli inbox [--port COM<n>...] [--delete] [--mark-read]")))
        return 0;
    std::vector<InboxSource> sources;
    for (const QString& text : parser.values(portOption)) {
        const std::optional<int> port = parsePortText(text);
        if (!port)
            return refuseUsage(QStringLiteral("inbox"), tr("Not a port: %1").arg(text));
        sources.push_back({*port, 0});
    }
    bool numeric = false;
    const unsigned factor = parser.value(clockOption).toUInt(&numeric);
    if (!numeric || factor == 0)
        return refuseUsage(QStringLiteral("inbox"), tr("--clock-factor takes a positive number."));

    const Clock clock(factor);
    const CQuillonApp app(StartupEnvironment::ofThisProcess(), clock);
    InboxStore store(app.dataFolder());
    QTextStream err(stderr);
    int failures = 0;
    for (const InboxReading& reading : ReadInboxFromModems(
             sources, PortMap::fromEnvironment(), clock, store, parser.isSet(deleteOption))) {
        if (!reading.error.isEmpty()) {
            err << "quillon-cli inbox: " << portTextOf(reading.port) << ": " << reading.error
                << '\n';
            ++failures;
            continue;
        }
        err << portTextOf(reading.port) << ": "
            << tr("%1 new, %2 already stored, %3 left in the modem")
                   .arg(reading.stored)
                   .arg(reading.duplicates)
                   .arg(reading.left)
            << '\n';
    }
    std::vector<InboxPart> parts;
    if (!store.Load(parts)) {
        err << "quillon-cli inbox: " << tr("Cannot read %1").arg(store.path()) << '\n';
        return 1;
    }
    InboxReadState read;
    if (!store.readMarks().Load(read.keys))
        err << "quillon-cli inbox: " << tr("Cannot read %1").arg(store.readMarks().path()) << '\n';
    read.seenUntil = store.seenUntil();
    const InboxAssembly assembly = assembleInbox(parts, QDateTime::currentDateTime(), clock);
    QTextStream out(stdout);
    QStringList printed;
    for (const InboxMessage& message : assembly.messages) {
        out << "message\t" << message.port << '\t' << message.sender << '\t'
            << timeText(message.serviceCentreTime) << '\t' << timeText(message.receivedAt) << '\t'
            << (message.coding == InboxPart::Coding::EightBit ? "8bit" : "text") << '\t'
            << message.partCount << '\t' << stateOf(message) << '\t'
            << (read.isRead(message) ? "read" : "unread") << '\t' << OneLineText(message.text)
            << '\n';
        printed.append(message.key);
    }
    out.flush();
    if (parser.isSet(markOption) && !store.readMarks().MarkRead(printed)) {
        err << "quillon-cli inbox: " << tr("Cannot write %1").arg(store.readMarks().path()) << '\n';
        return 1;
    }
    if (assembly.waiting > 0)
        err << tr("%1 long message(s) waiting for parts").arg(assembly.waiting) << '\n';
    return failures == 0 ? 0 : 1;
}
