#include "CliCommand.h"
#include "ModemCliSupport.h"
#include "SendCommandSetup.h"
#include "StopSignals.h"
#include "app/QuillonApp.h"
#include "base/Clock.h"
#include "sending/QueueText.h"
#include "sending/RowPredicates.h"
#include "sending/SendingRun.h"
#include "stores/DataFolder.h"
#include "stores/RunJournal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <optional>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("SendCommand", text);
}

int refuse(const QString& message)
{
    return refuseUsage(QStringLiteral("send"), message);
}

struct Tally
{
    int sent = 0, failed = 0, excluded = 0, skipped = 0, stopped = 0;
};

Tally tallyOf(const std::vector<QueueRow>& rows)
{
    Tally tally;
    for (const QueueRow& row : rows) {
        const QString& status = row[StatusColumn];
        if (RowPredicates::IsSuccess(row))
            ++tally.sent;
        else if (RowPredicates::IsFailed(row))
            ++tally.failed;
        else if (status == u"Excluded.")
            ++tally.excluded;
        else if (status == u"Skipped.")
            ++tally.skipped;
        else
            ++tally.stopped; // "Stopped", or never attempted
    }
    return tally;
}

// Runs until the run has finished, printing the progress text and pause label as they change;
// a retry round's question about unconfirmed rows is answered by --resend-unconfirmed, and a
// stop signal presses Stop.
void follow(SendingRun& run, bool resendUnconfirmed, const StopSignals& stopSignals,
            QTextStream& out)
{
    QString progress, pause;
    bool stopped = false;
    for (;;) {
        const bool settled = run.waitUntilSettled(std::chrono::milliseconds(50));
        const RunView view = run.view();
        if (view.resendQuestionRows > 0) {
            out << SendingRun::resendQuestionText(view.resendQuestionRows) << ' '
                << (resendUnconfirmed ? tr("Yes") : tr("No")) << '\n'
                << Qt::flush;
            run.answerResendQuestion(resendUnconfirmed);
        }
        if (view.progressText != progress && !view.progressText.isEmpty())
            out << (progress = view.progressText) << '\n' << Qt::flush;
        if (view.pauseLabel != pause) {
            pause = view.pauseLabel;
            if (!pause.isEmpty())
                out << pause << '\n' << Qt::flush;
        }
        if (settled)
            return;
        if (stopSignals.received() != 0 && !stopped) {
            stopped = true;
            out << tr("Stopping: the messages being sent finish, no new one starts.") << '\n'
                << Qt::flush;
            run.stopPressed();
        }
    }
}

// With delivery reports asked, each row's delivery state is a fifth column and the tally
// counts the rows delivered.
void printRows(const std::vector<QueueRow>& rows, const std::optional<QStringList>& deliveries,
               QTextStream& out)
{
    int delivered = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QueueRow& row = rows[i];
        out << row[NumberColumn] << '\t' << row[CurrentStatusColumn] << '\t' << row[StatusColumn]
            << '\t' << row[RetryColumn];
        if (deliveries) {
            const QString text = deliveries->value(qsizetype(i));
            delivered += text == deliveryText({RowDelivery::State::Delivered, {}}) ? 1 : 0;
            out << '\t' << text;
        }
        out << '\n';
    }
    const Tally t = tallyOf(rows);
    out << tr("Sent %1, failed %2, excluded %3, skipped %4, stopped %5")
               .arg(t.sent)
               .arg(t.failed)
               .arg(t.excluded)
               .arg(t.skipped)
               .arg(t.stopped);
    if (deliveries)
        out << tr(", delivered %1").arg(delivered);
    out << '\n';
}

} // namespace

int runSendCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    const SendCommandOptions options = SendCommandOptions::declare(parser);
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(options.help)) {
        QTextStream(stdout) << SendCommandOptions::helpText(parser);
        return 0;
    }
    SendSettings settings;
    if (const QString error = settings.read(parser, options); !error.isEmpty())
        return refuse(error);
    const StopSignals stopSignals; // before any thread starts

    const Clock clock(settings.clockFactor);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CQuillonApp app(StartupEnvironment::ofThisProcess(), clock);
    RunJournalContent journal;
    FileError journalError;
    const bool journalRead = RunJournal(app.dataFolder()).load(journal, &journalError);
    if (settings.resume) {
        if (!journalRead) {
            err << "quillon-cli send: " << FileErrorText(journalError) << '\n';
            return 1;
        }
        if (journal.isUnfinished())
            settings.applyJournalOptions(journal.begin->options);
    } else if (journalRead && journal.isUnfinished()) {
        err << "quillon-cli send: "
            << tr("the unfinished run %1 is not resumed (--resume would); once this run begins "
                  "its journal is the previous one (quillon-cli journal --previous)")
                   .arg(journal.begin->run)
            << '\n'
            << Qt::flush;
    }
    SendSession session(settings, app.dataFolder(), clock);
    const QString loadError =
        settings.resume ? session.loadJournalRows(journal, out) : session.loadRecipients(err);
    if (!loadError.isEmpty()) {
        err << "quillon-cli send: " << loadError << '\n';
        return 1;
    }
    if (const QString error = session.resolveNonGsmRows(err); !error.isEmpty()) {
        err << "quillon-cli send: " << error << '\n';
        return 1;
    }
    if (const QString error = session.confirmDevices(err); !error.isEmpty()) {
        err << "quillon-cli send: " << error << '\n';
        return 1;
    }
    if (const int signalNumber = stopSignals.received())
        return StopSignals::exitStatusFor(signalNumber);
    session.recordRun();
    SendingRun run(session.context());
    run.open();
    follow(run, settings.resendUnconfirmed, stopSignals, out);
    const std::vector<QueueRow> rows = run.queue().rows(0, run.queue().rowCount());
    std::optional<QStringList> deliveries;
    if (settings.deliveryReports)
        deliveries = session.waitForReports(int(rows.size()), settings.waitReportsSeconds,
                                            [&stopSignals] { return stopSignals.received() != 0; });
    printRows(rows, deliveries, out);
    for (const QString& number : session.optedOut())
        err << tr("Opted out: %1").arg(number) << '\n';
    const int signalNumber = stopSignals.received();
    return signalNumber ? StopSignals::exitStatusFor(signalNumber) : 0;
}
