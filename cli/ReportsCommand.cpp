#include "CliCommand.h"
#include "CliHelp.h"
#include "ModemCliSupport.h"
#include "app/QuillonApp.h"
#include "base/Clock.h"
#include "modem/DeviceInfoLookup.h"
#include "modem/PortMap.h"
#include "sending/DeliveryReading.h"
#include "sending/DeliveryTracker.h"
#include "sending/SentItemDeliveries.h"
#include "stores/DeliveryReportStore.h"
#include "stores/InboxStore.h"
#include "stores/SentItemStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <unordered_set>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ReportsCommand", text);
}

QString portName(const QString& port)
{
    bool number = false;
    const int value = port.toInt(&number);
    return number ? QStringLiteral("COM%1").arg(value) : port;
}

// "row <run>:<row> <recipient> <port> <parts> <state>" for every sent row the store holds, in
// the order they were sent.
void printRows(QTextStream& out, const std::vector<DeliveryRecordEntry>& entries,
               const DeliveryTracker& tracker)
{
    std::unordered_set<DeliveryRowId, DeliveryRowIdHash> seen;
    for (const DeliveryRecordEntry& entry : entries) {
        const auto* part = std::get_if<DeliveryPartRecord>(&entry);
        if (!part || !seen.insert({part->run, part->row}).second)
            continue;
        const std::optional<RowDelivery> delivery = tracker.rowDelivery({part->run, part->row});
        out << "row\t" << QString::number(part->run, 16) << ':' << part->row << '\t'
            << part->recipient << '\t' << portName(part->port) << '\t' << part->partCount << '\t'
            << (delivery ? deliveryText(*delivery) : QString()) << '\n';
    }
}

// "item <number> <date> <status> <state>" for every sent-items record a report was asked for.
void printSentItems(QTextStream& out, const SentItemStore& sentItems,
                    const std::vector<DeliveryRecordEntry>& entries)
{
    std::vector<SentItem> items;
    if (!sentItems.Load(items))
        return;
    const std::vector<QString> texts = SentItemDeliveryTexts(items, entries);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!texts[i].isEmpty())
            out << "item\t" << items[i].number << '\t' << items[i].date << '\t' << items[i].status
                << '\t' << texts[i] << '\n';
    }
}

void printUnmatched(QTextStream& out, const DeliveryTracker& tracker)
{
    for (const DeliveryMatcher::UnmatchedReport& report : tracker.unmatched())
        out << "unmatched\t" << portName(report.port) << '\t' << report.report.messageReference
            << '\t' << report.report.recipient << '\t' << statusReason(report.report.status)
            << '\n';
}

} // namespace

int runReportsCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Reads the delivery reports the modems on the given ports hold (routed ones they "
           "printed, stored ones in their \"SR\" store, which are deleted once kept), adds them "
           "to the delivery-report store and matches every report the store holds against the "
           "parts sent with --delivery-reports. Prints, separated by tabs, one \"row\" line per "
           "sent row (run:row, number, port, parts, state), one \"item\" line per sent-items "
           "record that asked for a report (number, date, status, state) and one \"unmatched\" "
           "line per report that matches no part (port, reference, number, status). A message "
           "a modem hands over directly (+CMT) while it is read is stored in the inbox. Without "
           "--port only the store is read."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption portOption("port", tr("Read the reports of this modem (repeatable)."),
                                        tr("COM<n>"));
    parser.addOption(portOption);
    if (!parser.parse(arguments))
        return refuseUsage(QStringLiteral("reports"), parser.errorText());
    if (PrintHelpIfAsked(parser, helpOption, tr("Usage: quillon-cli reports [--port COM<n>...]")))
        return 0;
    std::vector<ReportSource> sources;
    for (const QString& text : parser.values(portOption)) {
        const std::optional<int> port = parsePortText(text);
        if (!port)
            return refuseUsage(QStringLiteral("reports"), tr("Not a port: %1").arg(text));
        sources.push_back({*port, 0});
    }

    const Clock& clock = Clock::system();
    const CQuillonApp app(StartupEnvironment::ofThisProcess(), clock);
    DeliveryReportStore store(app.dataFolder());
    QTextStream err(stderr);
    int failures = 0;
    {
        DeliveryTracker reader(&store);
        InboxStore inbox(app.dataFolder());
        for (const ReportReading& reading :
             ReadReportsFromModems(sources, PortMap::fromEnvironment(), clock, reader, &inbox)) {
            if (!reading.error.isEmpty()) {
                err << "quillon-cli reports: " << portTextOf(reading.port) << ": " << reading.error
                    << '\n';
                ++failures;
            } else {
                err << portTextOf(reading.port) << ": "
                    << tr("%1 report(s) read").arg(reading.reports) << '\n';
                if (reading.messages > 0)
                    err << portTextOf(reading.port) << ": "
                        << tr("%1 message(s) received, in the inbox").arg(reading.messages) << '\n';
            }
        }
    }
    std::vector<DeliveryRecordEntry> entries;
    if (!store.Load(entries)) {
        err << "quillon-cli reports: " << tr("Cannot read %1").arg(store.path()) << '\n';
        return 1;
    }
    DeliveryTracker tracker;
    tracker.addEntries(entries, QDateTime());
    QTextStream out(stdout);
    printRows(out, entries, tracker);
    printSentItems(out, SentItemStore(app.dataFolder()), entries);
    printUnmatched(out, tracker);
    return failures == 0 ? 0 : 1;
}
