#include "outbox/OutboxDatabase.h"
#include "support/CliRunner.h"
#include "support/QtPrinters.h"
#include "support/SimulatedModems.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
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
                                    const QString& name = {})
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

    SimulatedModems modems; // with unsolicited lines
    QTemporaryDir home;
};

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

} // namespace
