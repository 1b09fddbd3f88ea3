#include "outbox/OutboxDatabase.h"
#include "support/CliRunner.h"
#include "support/QtPrinters.h"
#include "support/SimulatedModems.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>
#include <signal.h>

// quillon-cli serve instances sharing one outbox, one of them killed in the middle of its
// rows. Sizes come from QUILLON_SERVE_INSTANCES, QUILLON_SERVE_MODEMS (per instance) and
// QUILLON_SERVE_ROWS, so the soak runs the same test at full size.

namespace {

int sizeFrom(const char* name, int fallback)
{
    const int value = qEnvironmentVariableIntValue(name);
    return value > 0 ? value : fallback;
}

class ServeCommandTest : public ::testing::Test
{
protected:
    // One data folder per instance: each stands for a computer of its own.
    QString homeOf(int instance) const
    {
        return home.filePath(QStringLiteral("i%1").arg(instance));
    }

    CliRun cli(const QStringList& arguments, int instance = 0) const
    {
        return runCli(arguments,
                      {{"QUILLON_PORTS", modems.folder()}, {"QUILLON_HOME", homeOf(instance)}});
    }

    void enqueue(int rows, const QString& database)
    {
        const QString path = home.filePath("list.txt");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int i = 0; i < rows; ++i)
            file.write(
                QStringLiteral("+4477%1\tmessage %2\n").arg(i, 8, 10, QChar('0')).arg(i).toUtf8());
        file.close();
        const CliRun run =
            cli({"enqueue", "--file", path, "--campaign", "test", "--database", database});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        ASSERT_TRUE(run.out.contains(QStringLiteral("%1 row(s) added").arg(rows)));
    }

    std::unique_ptr<QProcess> serve(int instance, int firstPort, int ports, const QString& database,
                                    const QString& name = {}, const QStringList& extra = {})
    {
        QStringList arguments{"serve",
                              "--clock-factor",
                              "50",
                              "--fast",
                              "--exit-when-empty",
                              "--lease",
                              "3",
                              "--batch",
                              QString::number(20 * ports),
                              "--poll",
                              "1",
                              "--save-sent-items",
                              "--instance",
                              name.isEmpty() ? QStringLiteral("i%1").arg(instance) : name,
                              "--database",
                              database};
        for (int port = firstPort; port < firstPort + ports; ++port)
            arguments << "--port" << QStringLiteral("COM%1").arg(port);
        arguments << extra; // later values win
        auto process = std::make_unique<QProcess>();
        startCli(*process, arguments,
                 {{"QUILLON_PORTS", modems.folder()}, {"QUILLON_HOME", homeOf(instance)}});
        EXPECT_TRUE(process->waitForStarted());
        return process;
    }

    // Waits for the air to carry `count` messages (a minute at most).
    void waitForAir(int count) const
    {
        QElapsedTimer waited;
        waited.start();
        while (int(modems.air().size()) < count && waited.elapsed() < 60000)
            QThread::msleep(20);
    }

    // Waits until the instance holds at least `rows` rows it has not begun to submit (half a
    // batch: it has just claimed one, so its modems cannot finish them all before the kill),
    // so that a kill leaves them to the others (a minute at most). The test reads the outbox
    // itself: a listing by another process would be too old by the time it is read. It counts
    // in the database: reading 10,000 rows takes as long as the modems take to send a hundred.
    void waitForClaims(const QString& database, const QString& instance, int rows) const
    {
        const OutboxAddress address = *ParseOutboxAddress(database, {}).address;
        OutboxDatabase outbox(address);
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 60000) {
            if (outbox.counts(instance).claimed >= rows)
                return;
        }
        ADD_FAILURE() << instance.toStdString() << " never held " << rows << " rows";
    }

    // Every row ended once, nothing went on the air twice, every sent row is on the air, and the
    // survivors finished the killed instance's rows.
    void checkOutcome(const QString& database, int rows, const QString& killed)
    {
        const CliRun listing = cli({"outbox", "--rows", "--database", database});
        ASSERT_EQ(listing.exitCode, 0) << listing.err.toStdString();
        // Keyed by the digits every form of a number ends with.
        QHash<QString, int> onAir;
        for (const sim::AirMessage& message : modems.air())
            ++onAir[message.destination.right(8)];
        int sent = 0, failed = 0, unknown = 0, repeated = 0, takenOver = 0;
        QStringList lines = listing.out.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), rows + 1) << listing.out.toStdString();
        EXPECT_TRUE(lines.last().startsWith("queued 0, claimed 0, submitting 0"))
            << lines.last().toStdString();
        lines.removeLast();
        for (const QString& line : lines) {
            const QStringList f = line.split('\t');
            ASSERT_GE(f.size(), 7) << line.toStdString();
            const int times = onAir.value(f[1].right(8));
            repeated += times > 1 ? 1 : 0;
            if (f[2] == "sent") {
                ++sent;
                EXPECT_EQ(times, 1) << line.toStdString();
                takenOver += f[3].toInt() > 1 ? 1 : 0;
            } else if (f[2] == "unknown") {
                ++unknown;
            } else {
                EXPECT_EQ(f[2], "failed") << line.toStdString();
                ++failed;
            }
        }
        EXPECT_EQ(repeated, 0);
        std::printf("rows %d: sent %d, failed %d, unknown %d, taken over from %s %d, air %zu\n",
                    rows, sent, failed, unknown, qPrintable(killed), takenOver,
                    modems.air().size());
        // A loaded machine makes a modem miss its answer now and then: such a row fails.
        EXPECT_EQ(sent + failed + unknown, rows);
        EXPECT_LE(failed, rows / 20);
        EXPECT_GT(takenOver, 0);
    }

    // The rows as "outbox --rows" lists them, split into their fields.
    std::vector<QStringList> listedRows(const QString& database) const
    {
        const CliRun listing = cli({"outbox", "--rows", "--database", database});
        EXPECT_EQ(listing.exitCode, 0) << listing.err.toStdString();
        std::vector<QStringList> rows;
        QStringList lines = listing.out.split('\n', Qt::SkipEmptyParts);
        if (!lines.isEmpty())
            lines.removeLast(); // the counts
        for (const QString& line : lines)
            rows.push_back(line.split('\t'));
        return rows;
    }

    void deliver(int port, const QByteArray& line) const
    {
        QFile fifo(QString::fromStdString(modems.simulator().controlPath(port).string()));
        ASSERT_TRUE(fifo.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        ASSERT_GT(fifo.write(line + '\n'), 0);
    }

    void enqueueRows(const QStringList& lines, const QString& database)
    {
        const QString path = home.filePath("rows.txt");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write((lines.join('\n') + '\n').toUtf8());
        file.close();
        const CliRun run = cli({"enqueue", "--file", path, "--database", database});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    }

    SimulatedModems modems; // with unsolicited lines
    QTemporaryDir home;
};

// Serve's options for delivery reports and replies, at a pace the reports and a reply can
// overtake: small batches, reports that come a few submissions later.
const QStringList FollowUpOptions{"--clock-factor", "10", "--batch", "3", "--delivery-reports",
                                  "--wait-reports", "100"};
const QString ReportProfile = "cmgs-latency=60,report-delay=400,report=*3:expired";

// A database of the suite's server for one test alone: the other serve tests expect theirs
// empty, and may run at the same time.
QString databaseOfItsOwn(const QString& server, const QString& suffix)
{
    const OutboxAddress address = *ParseOutboxAddress(server, {}).address;
    const QString name = address.database + suffix;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QPSQL", "test-create");
        database.setDatabaseName(address.database);
        database.setHostName(address.host);
        database.setUserName(address.user);
        EXPECT_TRUE(database.open());
        QSqlQuery(database).exec("DROP DATABASE IF EXISTS " + name);
        EXPECT_TRUE(QSqlQuery(database).exec("CREATE DATABASE " + name));
    }
    QSqlDatabase::removeDatabase("test-create");
    QString text = server;
    return text.replace("/" + address.database + "?", "/" + name + "?");
}

void killHard(QProcess& process)
{
    ::kill(pid_t(process.processId()), SIGKILL);
    process.waitForFinished(10000);
}

TEST_F(ServeCommandTest, ThreeInstancesOnPostgresqlFinishTheRowsOfOneKilledMidRun)
{
    const QString database = qEnvironmentVariable("QUILLON_TEST_POSTGRES");
    if (database.isEmpty())
        GTEST_SKIP() << "no PostgreSQL server for the tests";
    const int instances = sizeFrom("QUILLON_SERVE_INSTANCES", 3);
    const int perInstance = sizeFrom("QUILLON_SERVE_MODEMS", 8);
    const int rows = sizeFrom("QUILLON_SERVE_ROWS", 10000);
    modems.start(QStringList(instances * perInstance, QString()));
    // The suite's server is new for each run of the suite, with a database for this test.
    const CliRun empty = cli({"outbox", "--database", database});
    ASSERT_EQ(empty.exitCode, 0) << empty.err.toStdString();
    ASSERT_TRUE(empty.out.startsWith("queued 0, claimed 0, submitting 0, sent 0,"))
        << "the outbox was not empty: " << empty.out.toStdString();
    enqueue(rows, database);

    std::vector<std::unique_ptr<QProcess>> servers;
    for (int i = 0; i < instances; ++i)
        servers.push_back(serve(i + 1, 1 + i * perInstance, perInstance, database));
    waitForAir(rows / 3);
    waitForClaims(database, "i2", 10 * perInstance);
    killHard(*servers[1]);
    for (std::size_t i = 0; i < servers.size(); ++i) {
        if (i == 1)
            continue;
        ASSERT_TRUE(servers[i]->waitForFinished(240000));
        EXPECT_EQ(servers[i]->exitCode(), 0) << servers[i]->readAllStandardError().toStdString();
    }
    checkOutcome(database, rows, "i2");
}

TEST_F(ServeCommandTest, OneInstanceOnSqliteKilledAndStartedAgainFinishesItsRows)
{
    const int rows = 300;
    modems.start({{}, {}});
    const QString database = home.filePath("shared/Outbox.sqlite");
    QDir().mkpath(home.filePath("shared"));
    enqueue(rows, database);
    std::unique_ptr<QProcess> first = serve(1, 1, 2, database);
    waitForAir(rows / 3);
    waitForClaims(database, "i1", 20);
    killHard(*first);
    std::unique_ptr<QProcess> again = serve(1, 1, 2, database, "i1-again");
    ASSERT_TRUE(again->waitForFinished(120000));
    EXPECT_EQ(again->exitCode(), 0) << again->readAllStandardError().toStdString();
    checkOutcome(database, rows, "the first run");
    // The second instance's own rows: every one of them ended.
    const CliRun own = cli({"outbox", "--instance", "i1-again", "--database", database});
    ASSERT_EQ(own.exitCode, 0) << own.err.toStdString();
    EXPECT_TRUE(own.out.startsWith("queued 0, claimed 0, submitting 0, sent "))
        << own.out.toStdString();
    EXPECT_FALSE(own.out.startsWith("queued 0, claimed 0, submitting 0, sent 0,"));
}

// One instance with reports asked: a reply "STOP" while it sends excludes that number's later
// rows, the reply goes to the inbox table linked to the row it answers, and every sent row's
// delivery state comes, those of a batch whose reports came while later batches went too.
TEST_F(ServeCommandTest, OneInstanceOnSqliteWritesDeliveriesAndRepliesIntoTheOutbox)
{
    modems.start({ReportProfile});
    const QString database = home.filePath("shared/Outbox.sqlite");
    QDir().mkpath(home.filePath("shared"));
    const QString leaving = "+447700900001", staying = "+447700900002", expiring = "+447700900003";
    const QStringList numbers{leaving, staying, expiring, staying,  leaving,
                              staying, leaving, staying,  expiring, leaving};
    QStringList lines;
    for (int i = 0; i < numbers.size(); ++i)
        lines << numbers[i] + '\t' + (i == 3 ? QString(200, 'x') : QStringLiteral("row %1").arg(i));
    enqueueRows(lines, database);

    std::unique_ptr<QProcess> server =
        serve(1, 1, 1, database, {}, FollowUpOptions + QStringList{"--opt-out"});
    while (modems.air().empty() && server->state() == QProcess::Running)
        server->waitForReadyRead(10);
    ASSERT_FALSE(modems.air().empty());
    ASSERT_EQ(modems.air().front().destination, leaving);
    deliver(1, "sms from=+447700900001 text=STOP");
    ASSERT_TRUE(server->waitForFinished(60000));
    const QString err = server->readAllStandardError();
    ASSERT_EQ(server->exitCode(), 0) << err.toStdString();
    EXPECT_TRUE(err.contains("Opted out: +447700900001")) << err.toStdString();

    const std::vector<QStringList> rows = listedRows(database);
    ASSERT_EQ(rows.size(), std::size_t(numbers.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QStringList& f = rows[i];
        SCOPED_TRACE(f.join(" | ").toStdString());
        ASSERT_EQ(f.size(), 8);
        if (f[1] == leaving && i > 0) {
            EXPECT_EQ(f[2], "excluded");
            EXPECT_EQ(f[6], "Excluded.");
            EXPECT_EQ(f[7], "");
            continue;
        }
        EXPECT_EQ(f[2], "sent");
        EXPECT_EQ(f[7], QString(f[1] == expiring ? "Not delivered: validity period expired"
                                                 : "Delivered"));
    }
    EXPECT_EQ(modems.air().size(), 8u); // the long row in two parts, every part delivered

    const CliRun inbox = cli({"outbox", "--inbox", "--database", database});
    ASSERT_EQ(inbox.exitCode, 0) << inbox.err.toStdString();
    const QStringList received = inbox.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(received.size(), 2) << inbox.out.toStdString();
    const QStringList f = received[0].split('\t');
    ASSERT_EQ(f.size(), 8) << received[0].toStdString();
    EXPECT_FALSE(f[1].isEmpty()); // received time
    EXPECT_EQ(f.mid(2), QStringList({"COM1", "i1", leaving, rows[0][0], "complete", "STOP"}));
    EXPECT_EQ(received[1], "1 message(s) received");
    // And in the local inbox, gone from the modem.
    const CliRun local = cli({"inbox", "--port", "COM1"}, 1);
    EXPECT_TRUE(local.err.contains("COM1: 0 new, 0 already stored, 0 left"))
        << local.err.toStdString();
    EXPECT_EQ(local.out.count("\t+447700900001\t"), 1) << local.out.toStdString();
}

// An instance killed after it stored a reply and wrote it to the inbox table, before the modem
// deleted it: the next start reads it again, and the table still holds it once.
TEST_F(ServeCommandTest, AReplyReadAgainAfterARestartKeepsItsOneInboxRow)
{
    modems.start({"silent-cmgd=1"}); // the modem hangs on the first deletion
    const QString database = home.filePath("shared/Outbox.sqlite");
    QDir().mkpath(home.filePath("shared"));
    enqueueRows({"+447700900001\tfirst"}, database);
    deliver(1, "sms from=+447700900009 text=STOP");
    QThread::msleep(200); // the network hands it to the modem

    std::unique_ptr<QProcess> first = serve(1, 1, 1, database, {}, {"--opt-out"});
    {
        OutboxDatabase outbox(*ParseOutboxAddress(database, {}).address);
        QElapsedTimer waited;
        waited.start();
        while (outbox.inboxEntries().empty() && waited.elapsed() < 30000)
            QThread::msleep(20);
        ASSERT_EQ(outbox.inboxEntries().size(), 1u);
    }
    killHard(*first); // the modem still holds the reply, whether or not it answered by now

    enqueueRows({"+447700900002\tsecond"}, database);
    std::unique_ptr<QProcess> again = serve(1, 1, 1, database, {}, {"--opt-out"});
    ASSERT_TRUE(again->waitForFinished(60000));
    ASSERT_EQ(again->exitCode(), 0) << again->readAllStandardError().toStdString();

    const CliRun inbox = cli({"outbox", "--inbox", "--database", database});
    const QStringList received = inbox.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(received.size(), 2) << inbox.out.toStdString();
    EXPECT_TRUE(received[0].endsWith("\t+447700900009\t\tcomplete\tSTOP"))
        << received[0].toStdString();
    const CliRun local = cli({"inbox", "--port", "COM1"}, 1);
    EXPECT_TRUE(local.err.contains("COM1: 0 new, 0 already stored, 0 left"))
        << local.err.toStdString(); // deleted by the second start
    EXPECT_EQ(local.out.count("\t+447700900009\t"), 1) << local.out.toStdString();
}

// Two instances on one server, each with its own modem sending to the same numbers, whose
// references then repeat: each row gets the report of the modem that sent it.
TEST_F(ServeCommandTest, TwoInstancesOnPostgresqlEachMatchTheReportsOfTheirOwnModems)
{
    const QString server = qEnvironmentVariable("QUILLON_TEST_POSTGRES");
    if (server.isEmpty())
        GTEST_SKIP() << "no PostgreSQL server for the tests";
    const QString database = databaseOfItsOwn(server, "_delivery");
    modems.start(
        {"cmgs-latency=30,report-delay=300", "cmgs-latency=30,report-delay=300,report=*:expired"});
    QStringList lines;
    for (int i = 0; i < 16; ++i)
        lines << QStringLiteral("+44770090000%1\trow %2").arg(i % 3).arg(i);
    enqueueRows(lines, database);

    std::vector<std::unique_ptr<QProcess>> servers;
    for (int i = 1; i <= 2; ++i)
        servers.push_back(serve(i, i, 1, database, {}, FollowUpOptions));
    for (auto& process : servers) {
        ASSERT_TRUE(process->waitForFinished(60000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    }
    const std::vector<QStringList> rows = listedRows(database);
    ASSERT_EQ(rows.size(), 16u);
    QHash<QString, int> byPort;
    for (const QStringList& f : rows) {
        SCOPED_TRACE(f.join(" | ").toStdString());
        ASSERT_EQ(f.size(), 8);
        ASSERT_EQ(f[2], "sent");
        ++byPort[f[4]];
        EXPECT_EQ(f[5], QString(f[4] == "COM1" ? "i1" : "i2"));
        EXPECT_EQ(f[7],
                  QString(f[4] == "COM1" ? "Delivered" : "Not delivered: validity period expired"));
    }
    EXPECT_GT(byPort.value("COM1"), 0);
    EXPECT_GT(byPort.value("COM2"), 0);
}

} // namespace
