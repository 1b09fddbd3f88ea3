#include "CliCommand.h"
#include "CliHelp.h"
#include "ModemCliSupport.h"
#include "OutboxCliSupport.h"
#include "SendCommandSetup.h"
#include "ServeFollowUp.h"
#include "StopSignals.h"
#include "app/QuillonApp.h"
#include "base/Clock.h"
#include "outbox/OutboxError.h"
#include "outbox/OutboxLink.h"
#include "outbox/OutboxRuns.h"
#include "outbox/OutboxSubmitter.h"
#include "sending/SendingRun.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSysInfo>
#include <QTextStream>
#include <memory>
#include <unistd.h>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ServeCommand", text);
}

const QString Name = QStringLiteral("serve");

struct ServeOptions
{
    QCommandLineOption database = outboxDatabaseOption();
    QCommandLineOption instance{
        "instance", tr("This instance's name in the outbox (default host:pid)."), tr("NAME")};
    QCommandLineOption lease{"lease",
                             tr("Seconds a claimed row stays this instance's without a sign of "
                                "life (default 60); another instance takes it after that."),
                             tr("SECONDS"), "60"};
    QCommandLineOption batch{"batch", tr("Rows claimed at a time (default 4 per modem)."), tr("N")};
    QCommandLineOption poll{"poll", tr("Seconds between looks at an empty outbox (default 2)."),
                            tr("SECONDS"), "2"};
    QCommandLineOption exitWhenEmpty{"exit-when-empty",
                                     tr("End when no row of the outbox is left to send by any "
                                        "instance.")};
};

struct ServeSettings
{
    QString instance;
    int leaseSeconds = 60;
    int batch = 0;
    int pollSeconds = 2;
    bool exitWhenEmpty = false;
};

QString readServeSettings(const QCommandLineParser& parser, const ServeOptions& o,
                          ServeSettings& settings)
{
    settings.instance = parser.value(o.instance);
    if (settings.instance.isEmpty())
        settings.instance = QSysInfo::machineHostName() + u':' + QString::number(getpid());
    bool numeric = false;
    settings.leaseSeconds = parser.value(o.lease).toInt(&numeric);
    if (!numeric || settings.leaseSeconds < 2)
        return tr("--lease takes a number of seconds from 2.");
    settings.pollSeconds = parser.value(o.poll).toInt(&numeric);
    if (!numeric || settings.pollSeconds < 1)
        return tr("--poll takes a number of seconds from 1.");
    if (parser.isSet(o.batch)) {
        settings.batch = parser.value(o.batch).toInt(&numeric);
        if (!numeric || settings.batch < 1)
            return tr("--batch takes a positive number.");
    }
    settings.exitWhenEmpty = parser.isSet(o.exitWhenEmpty);
    return {};
}

// One claimed batch through the engine, a run per kind of message, each row's outcome written
// back as its run ends. The leases are renewed while the runs go on. The last run stays until
// the next begins: settled, it keeps looking at the modems for reports.
class BatchSender
{
public:
    BatchSender(SendSession& session, OutboxLink& link, const ServeSettings& settings,
                const StopSignals& stop, QTextStream& out, const Clock& clock)
        : m_session(session), m_link(link), m_settings(settings), m_stop(stop), m_out(out),
          m_submitter(session.modemSubmitter(), link, settings.instance),
          m_followUp(session, link, settings.instance, clock)
    {}
    ~BatchSender()
    {
        m_lastRun.reset(); // its threads end before the follow-up they report to
    }

    ServeFollowUp& followUp() { return m_followUp; }

    void send(const std::vector<OutboxRow>& rows)
    {
        for (const OutboxRun& run : SplitIntoRuns(rows)) {
            if (m_stop.received() != 0)
                giveBack(run.rows);
            else
                send(run);
        }
    }

private:
    void send(const OutboxRun& batch)
    {
        m_lastRun.reset(); // this run's workers look for the reports from now on
        std::vector<RecipientRow> recipients;
        for (const OutboxRow& row : batch.rows)
            recipients.push_back({row.message.number, row.message.text});
        m_session.replaceRecipients(std::move(recipients), batch.flash, batch.unicode);
        m_submitter.setRows(batch.rows);
        m_followUp.beginRun();
        m_lastRun = std::make_unique<SendingRun>(m_session.context(m_submitter));
        SendingRun& run = *m_lastRun;
        run.open();
        follow(run);
        const std::vector<QueueRow> rows = run.queue().rows(0, run.queue().rowCount());
        for (std::size_t i = 0; i < rows.size() && i < batch.rows.size(); ++i) {
            const std::int64_t id = batch.rows[i].id;
            const OutboxOutcome outcome =
                OutcomeOfRow(rows[i], m_submitter.submissionBegan(id), m_submitter.references(id));
            finish(id, outcome);
            if (outcome.state == QLatin1String(OutboxState::Sent))
                m_followUp.rowSent(i, id);
            m_out << id << '\t' << batch.rows[i].message.number << '\t' << outcome.state << '\t'
                  << outcome.result << '\n';
        }
        m_out << Qt::flush;
        m_followUp.endRun(rows.size());
        m_followUp.writeDeliveries();
        for (const QString& number : m_followUp.newOptOuts())
            QTextStream(stderr) << tr("Opted out: %1").arg(number) << '\n';
    }

    void follow(SendingRun& run)
    {
        const auto renewEvery = std::chrono::milliseconds(m_settings.leaseSeconds * 1000 / 3);
        auto renewed = std::chrono::steady_clock::now();
        bool stopped = false;
        while (!run.waitUntilSettled(std::chrono::milliseconds(50))) {
            if (run.view().resendQuestionRows > 0)
                run.answerResendQuestion(false); // unconfirmed rows may be on the air already
            if (m_stop.received() != 0 && !stopped) {
                stopped = true;
                run.stopPressed();
            }
            m_followUp.writeDeliveriesNowAndThen(); // reports of earlier batches come meanwhile
            m_followUp.writeRepliesNowAndThen();
            if (std::chrono::steady_clock::now() - renewed >= renewEvery) {
                renewed = std::chrono::steady_clock::now();
                try {
                    m_link.call([this](OutboxDatabase& database) {
                        database.renewLeases(m_settings.instance, m_settings.leaseSeconds);
                    });
                } catch (const OutboxError& error) {
                    QTextStream(stderr) << "quillon-cli serve: " << error.text() << '\n';
                }
            }
        }
    }

    void finish(std::int64_t id, const OutboxOutcome& outcome)
    {
        try {
            m_link.call([&](OutboxDatabase& database) {
                return database.finish(id, m_settings.instance, outcome);
            });
        } catch (const OutboxError& error) {
            // The lease runs out and the row's state tells the next instance what to do.
            QTextStream(stderr) << "quillon-cli serve: " << error.text() << '\n';
        }
    }

    void giveBack(const std::vector<OutboxRow>& rows)
    {
        for (const OutboxRow& row : rows)
            finish(row.id, {OutboxState::Queued, {}, {}, {}});
    }

    SendSession& m_session;
    OutboxLink& m_link;
    const ServeSettings& m_settings;
    const StopSignals& m_stop;
    QTextStream& m_out;
    OutboxSubmitter m_submitter;
    ServeFollowUp m_followUp;
    std::unique_ptr<SendingRun> m_lastRun;
};

// The received messages the outbox could not take even now stay in the local inbox only.
void finishReplies(ServeFollowUp& followUp)
{
    if (const std::size_t lost = followUp.finishReplies(); lost > 0)
        QTextStream(stderr) << "quillon-cli serve: "
                            << tr("%1 received message(s) not written to the outbox's inbox "
                                  "table; the local inbox keeps them.")
                                   .arg(lost)
                            << '\n';
}

// Claims and sends until stopped, or until the outbox is done with --exit-when-empty.
int serveLoop(OutboxLink& link, BatchSender& sender, const ServeSettings& settings, int batch,
              int waitReportsSeconds, const Clock& clock, const StopSignals& stop)
{
    QTextStream err(stderr);
    while (stop.received() == 0) {
        std::vector<OutboxRow> rows;
        try {
            link.call([](OutboxDatabase& database) { return database.expireLeases(); });
            rows = link.call([&](OutboxDatabase& database) {
                return database.claim(settings.instance, batch, settings.leaseSeconds);
            });
            if (rows.empty() && settings.exitWhenEmpty &&
                link.call([](OutboxDatabase& database) { return database.counts(); }).open() == 0) {
                sender.followUp().waitForReports(waitReportsSeconds,
                                                 [&stop] { return stop.received() != 0; });
                finishReplies(sender.followUp());
                return 0;
            }
        } catch (const OutboxError& error) {
            err << "quillon-cli serve: " << error.text() << '\n' << Qt::flush;
        }
        if (rows.empty()) {
            for (int waited = 0; waited < settings.pollSeconds * 10 && stop.received() == 0;
                 ++waited) {
                clock.sleepMs(100);
                sender.followUp().writeDeliveriesNowAndThen();
                sender.followUp().writeRepliesNowAndThen();
            }
            continue;
        }
        sender.send(rows);
    }
    sender.followUp().writeDeliveries(); // what came since the last look
    finishReplies(sender.followUp());
    return StopSignals::exitStatusFor(stop.received());
}

} // namespace

int runServeCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    const SendCommandOptions options = SendCommandOptions::declare(parser);
    parser.setApplicationDescription(
        tr("Sends the rows of the shared outbox through the modems of this computer, as the "
           "sending window does, with other instances on other computers taking rows of the "
           "same outbox. Prints one line per row sent (id, number, state, result). With "
           "--delivery-reports each sent row's delivery column follows its reports, also those "
           "that come during later batches; --wait-reports with --exit-when-empty waits for the "
           "last ones. With --opt-out every message the modems receive also goes to the "
           "outbox's inbox table, once also when it is read again after a restart, linked to "
           "the row last sent to its sender; a long message still missing parts after an hour "
           "goes in as incomplete, made whole if they come. SIGINT or "
           "SIGTERM stops it as the window's Stop does (exit 130 or 143)."));
    const ServeOptions serve;
    parser.addOptions({serve.database, serve.instance, serve.lease, serve.batch, serve.poll,
                       serve.exitWhenEmpty});
    if (!parser.parse(arguments))
        return refuseUsage(Name, parser.errorText());
    if (parser.isSet(options.help)) {
        QTextStream(stdout) << SubcommandHelpText(
            parser, tr("Usage: quillon-cli serve (--port COM<n>... | --all) [OPTIONS]"));
        return 0;
    }
    SendSettings settings;
    if (const QString error = settings.read(parser, options, false); !error.isEmpty())
        return refuseUsage(Name, error);
    ServeSettings serveSettings;
    if (const QString error = readServeSettings(parser, serve, serveSettings); !error.isEmpty())
        return refuseUsage(Name, error);
    const StopSignals stopSignals; // before any thread starts

    const Clock clock(settings.clockFactor);
    CQuillonApp app(StartupEnvironment::ofThisProcess(), clock);
    const std::optional<OutboxAddress> address =
        outboxAddressOf(parser.value(serve.database), app.dataFolder(), Name);
    if (!address)
        return UsageErrorExit;
    QTextStream out(stdout);
    QTextStream err(stderr);
    std::unique_ptr<OutboxLink> link;
    try {
        // The workers' marks commit together over several connections on a server; an SQLite
        // file takes one writer at a time, so more connections only wait on each other there.
        const bool server = address->kind == OutboxAddress::Kind::Postgresql;
        link = std::make_unique<OutboxLink>(*address, server ? 4 : 1);
    } catch (const OutboxError& error) {
        err << "quillon-cli serve: " << error.text() << '\n';
        return 1;
    }
    SendSession session(settings, app.dataFolder(), clock);
    if (const QString error = session.confirmDevices(err); !error.isEmpty()) {
        err << "quillon-cli serve: " << error << '\n';
        return 1;
    }
    const int batch = serveSettings.batch > 0
                          ? serveSettings.batch
                          : 4 * int(settings.allPorts ? 32 : settings.ports.size());
    BatchSender sender(session, *link, serveSettings, stopSignals, out, clock);
    return serveLoop(*link, sender, serveSettings, batch, settings.waitReportsSeconds, clock,
                     stopSignals);
}
