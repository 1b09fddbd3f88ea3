#include "support/CliRunner.h"
#include "support/SimulatedModems.h"
#include "support/WorkbookReaders.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <map>

// The journal of quillon-cli send: a second stop signal ends the program at once, and the
// journal lets --resume finish the list; quillon-cli journal prints and exports it.

namespace {

const QString kSent = QStringLiteral("Message sent successfully.");
const QString kUnknown =
    QStringLiteral("Error : Outcome unknown (the program stopped during the submission).");

class JournalCommandTest : public ::testing::Test
{
protected:
    CliVariables variables() const
    {
        return {{"QUILLON_PORTS", modems.folder()}, {"QUILLON_HOME", home.path()}};
    }
    CliRun cli(const QStringList& arguments) const { return runCli(arguments, variables()); }

    // "number<TAB>...<TAB>status<TAB>retry" lines of a send's output, by number.
    static std::map<QString, QString> statuses(const QString& out)
    {
        std::map<QString, QString> result;
        for (const QString& line : out.split('\n')) {
            const QStringList cells = line.split('\t');
            if (cells.size() == 4)
                result[cells[0]] = cells[2];
        }
        return result;
    }

    SimulatedModems modems;
    QTemporaryDir home;
};

TEST_F(JournalCommandTest, ASecondSignalEndsAtOnceAndResumeFinishesTheList)
{
    modems.start({"cmgs-latency=40", "cmgs-latency=40"});
    QByteArray lines;
    for (int i = 0; i < 30; ++i)
        lines += "+4477009002" + QByteArray::number(10 + i) + "\thello\n";
    const QString list = home.filePath("list.txt");
    {
        QFile file(list);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines);
    }
    // At a fifth of the designed pace the finishing wait after a stop is a second long: the
    // second signal comes inside it, before the run has logged its rows.
    QProcess process;
    startCli(
        process,
        {"send", "--clock-factor", "5", "--file", list, "--all", "--fast", "--save-sent-items"},
        variables());
    ASSERT_TRUE(process.waitForStarted());
    while (modems.air().size() < 3 && process.state() == QProcess::Running)
        process.waitForReadyRead(20);
    process.terminate();
    QThread::msleep(150);
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 143);
    const std::size_t airAtStop = modems.air().size();
    EXPECT_LT(airAtStop, 30u);

    const CliRun before = cli({"journal"});
    ASSERT_EQ(before.exitCode, 0) << before.err.toStdString();
    EXPECT_TRUE(before.out.contains(": 30 rows, unfinished\n")) << before.out.toStdString();

    const CliRun resumed = cli({"send", "--clock-factor", "10", "--resume", "--all"});
    ASSERT_EQ(resumed.exitCode, 0) << resumed.err.toStdString();
    EXPECT_TRUE(resumed.out.startsWith("Resuming run ")) << resumed.out.toStdString();
    const std::map<QString, QString> rows = statuses(resumed.out);
    ASSERT_EQ(rows.size(), 30u);
    std::map<QString, int> onAir;
    for (const sim::AirMessage& m : modems.air())
        ++onAir[m.destination];
    for (const auto& [number, status] : rows) {
        EXPECT_TRUE(status == kSent || status == kUnknown) << status.toStdString();
        if (status == kSent)
            EXPECT_EQ(onAir[number], 1) << number.toStdString();
        else
            EXPECT_LE(onAir[number], 1) << number.toStdString();
    }

    const CliRun after = cli({"journal"});
    EXPECT_TRUE(after.out.contains(": 30 rows, finished\n")) << after.out.toStdString();
    EXPECT_TRUE(after.out.contains(QRegularExpression("\nSent \\d+, failed 0, unknown \\d+, "
                                                      "other 0, not sent 0\n")))
        << after.out.toStdString();
    const QString exported = home.filePath("last run.xlsx");
    const CliRun exporting = cli({"journal", "--export", exported});
    ASSERT_EQ(exporting.exitCode, 0) << exporting.err.toStdString();
    const ReadWorkbook book = ReadXlsx(exported);
    ASSERT_TRUE(book.opened);
    ASSERT_EQ(book.sheets.size(), 1);
    ASSERT_EQ(book.sheets[0].rows.size(), 31);
    EXPECT_EQ(book.sheets[0].rows[0],
              QStringList({"Number", "Message", "Current Status", "Status"}));

    // Nothing left to take up; the options that need --resume refuse without it.
    const CliRun again = cli({"send", "--resume", "--all"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains("no unfinished run")) << again.err.toStdString();
    EXPECT_EQ(cli({"send", "--file", list, "--all", "--resend-unknown"}).exitCode, 2);
    EXPECT_EQ(cli({"send", "--file", list, "--all", "--resume"}).exitCode, 2);
    EXPECT_EQ(cli({"journal", "--export", home.filePath("x.txt")}).exitCode, 2);
    EXPECT_EQ(cli({"journal", "--set-aside"}).exitCode, 1); // the run is finished
}

} // namespace
