#include "support/CliRunner.h"
#include "support/QtPrinters.h"
#include "support/SimulatedModems.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

// quillon-cli reports against a simulated modem that stores its reports, after a send run
// that closed before they came.

namespace {

class ReportsCommandTest : public ::testing::Test
{
protected:
    CliRun cli(const QStringList& arguments) const
    {
        return runCli(arguments,
                      {{"QUILLON_PORTS", modems.folder()}, {"QUILLON_HOME", home.path()}});
    }

    QStringList linesOf(const QString& text, const QString& kind) const
    {
        QStringList lines;
        for (const QString& line : text.split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(kind + '\t'))
                lines.append(line);
        }
        return lines;
    }

    SimulatedModems modems; // with unsolicited lines
    QTemporaryDir home;
};

TEST_F(ReportsCommandTest, AReportThatCameAfterTheRunIsReadOnDemandAndMarksItsSentItem)
{
    modems.start({"reports-stored,report-delay=10000,report=*1:delivered,report=*2:expired"});
    const QString list = home.filePath("list.txt");
    {
        QFile file(list);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("+447700900001\tone\n+447700900002\ttwo\n");
    }
    const CliRun send = cli({"send", "--clock-factor", "10", "--file", list, "--port", "COM1",
                             "--delivery-reports", "--save-sent-items"});
    ASSERT_EQ(send.exitCode, 0) << send.err.toStdString();
    ASSERT_TRUE(send.out.contains("\t0\tPending\n")) << send.out.toStdString(); // run closed first

    // The reports fall due in the modem's store; each reading takes what is there by then.
    const QString today = QDate::currentDate().toString("dd/MM/yyyy");
    const QStringList expected = {
        "item\t+447700900001\t" + today + "\tMessage sent successfully.\tDelivered",
        "item\t+447700900002\t" + today +
            "\tMessage sent successfully.\tNot delivered: validity period expired"};
    CliRun read;
    QElapsedTimer waited;
    waited.start();
    do {
        QThread::msleep(500);
        read = cli({"reports", "--port", "COM1"});
        ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    } while (linesOf(read.out, "item") != expected && waited.elapsed() < 40000);
    EXPECT_EQ(linesOf(read.out, "item"), expected) << read.out.toStdString();
    EXPECT_EQ(linesOf(read.out, "row").size(), 2) << read.out.toStdString();
    EXPECT_TRUE(linesOf(read.out, "unmatched").isEmpty()) << read.out.toStdString();

    // Kept in the store, deleted from the modem.
    const CliRun again = cli({"reports", "--port", "COM1"});
    EXPECT_TRUE(again.err.contains("COM1: 0 report(s) read")) << again.err.toStdString();
    EXPECT_EQ(linesOf(again.out, "item"), expected);
    const CliRun storeOnly = cli({"reports"});
    EXPECT_EQ(linesOf(storeOnly.out, "item"), expected);
    EXPECT_TRUE(storeOnly.err.isEmpty()) << storeOnly.err.toStdString();
}

TEST_F(ReportsCommandTest, RefusesAPortThatIsNoPort)
{
    const CliRun run = cli({"reports", "--port", "LPT1"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("LPT1")) << run.err.toStdString();
}

} // namespace
