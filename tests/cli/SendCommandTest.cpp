#include "support/CliRunner.h"
#include "support/QtPrinters.h"
#include "support/SimulatedModems.h"
#include "support/WorkbookFixture.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// quillon-cli send against simulated modems, with designed waits run 50 times faster.

namespace {

class SendCommandTest : public ::testing::Test
{
protected:
    QString writeList(const QByteArray& lines)
    {
        const QString path = home.filePath("list.txt");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines);
        return path;
    }

    // quillon-cli send on the simulated modems and this test's data folder, 50 times faster.
    void startSend(QProcess& process, const QStringList& arguments) const
    {
        startCli(process, QStringList{"send", "--clock-factor", "10"} + arguments,
                 {{"QUILLON_PORTS", modems.folder()}, {"QUILLON_HOME", home.path()}});
    }

    CliRun send(const QStringList& arguments) const
    {
        QProcess process;
        startSend(process, arguments);
        return finishCli(process);
    }

    SimulatedModems modems; // COM1, COM2, ...
    QTemporaryDir home;
};

TEST_F(SendCommandTest, SendsTheFileAndPrintsEveryRowAndTheTally)
{
    modems.start({"cms-error=38,every=2"}); // every second submission fails
    const QString list = writeList("+447700900001\tone\n"
                                   "+447700900002\ttwo\n"
                                   "+447700900001\tagain\n"
                                   "\n"
                                   "+447700900003\tthree\n");
    const CliRun run = send(
        {"--file", list, "--all", "--skip-duplicates", "--retries", "1", "--mode", "COM1=text"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines.mid(lines.size() - 5),
              QStringList({"+447700900001\tDone (COM1 - QSIM-900 Modem at COM1)\tMessage sent "
                           "successfully.\t0",
                           "+447700900002\tDone (COM1 - QSIM-900 Modem at COM1)\tError : +CMS "
                           "ERROR: 38\t1",
                           "+447700900001\tDone (COM1 - QSIM-900 Modem at COM1)\tSkipped.\t0",
                           "+447700900003\tDone (COM1 - QSIM-900 Modem at COM1)\tMessage sent "
                           "successfully.\t0",
                           "Sent 2, failed 1, excluded 0, skipped 1, stopped 0"}));
    EXPECT_TRUE(lines.first().contains(" Message or ")) << lines.first().toStdString();
    ASSERT_EQ(modems.air().size(), 2u);
    EXPECT_EQ(modems.air()[0].mode, "text");
}

TEST_F(SendCommandTest, ManualQuotaAndAPortWithoutModem)
{
    modems.start({"", ""});
    const QString list = writeList("+447700900001\ta\n+447700900002\tb\n+447700900003\tc\n");
    const CliRun run =
        send({"--file", list, "--port", "COM1", "--port", "COM2", "--quota", "COM1=1", "--fast"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith("Sent 3, failed 0, excluded 0, skipped 0, stopped 0\n"));
    int fromCom1 = 0;
    for (const sim::AirMessage& m : modems.air())
        fromCom1 += m.port == "COM1" ? 1 : 0;
    EXPECT_EQ(fromCom1, 1);

    const CliRun missing = send({"--file", list, "--port", "COM7"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("COM7")) << missing.err.toStdString();
}

// SIGTERM is the window's Stop: the message in flight finishes, no new one starts, every row
// gets its status and the tally is printed.
TEST_F(SendCommandTest, SigtermStopsTheRunAsStopDoes)
{
    modems.start({"cmgs-latency=40"}); // well inside the time-out at 50 times the designed pace
    QByteArray lines;
    for (int i = 0; i < 40; ++i)
        lines += "+4477009001" + QByteArray::number(10 + i) + "\thello\n";
    const QString list = writeList(lines);
    QProcess process;
    startSend(process, {"--file", list, "--all", "--fast"});
    ASSERT_TRUE(process.waitForStarted());
    while (modems.air().size() < 3 && process.state() == QProcess::Running)
        process.waitForReadyRead(50);
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 143);

    const QStringList out = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    int rows = 0, sent = 0;
    for (const QString& line : out) {
        const QStringList cells = line.split('\t');
        if (cells.size() != 4)
            continue;
        ++rows;
        sent += cells[2] == "Message sent successfully." ? 1 : 0;
        EXPECT_TRUE(cells[2] == "Message sent successfully." || cells[2] == "Stopped")
            << line.toStdString();
    }
    EXPECT_EQ(rows, 40);
    EXPECT_LT(sent, 40);
    EXPECT_EQ(sent, int(modems.air().size()));
    EXPECT_TRUE(out.filter(QRegularExpression("^Sent \\d+, failed 0")).size() == 1);
}

// Only with --delivery-reports does a message ask for a status report (TP-SRR).
TEST_F(SendCommandTest, DeliveryReportsOptionAsksForReports)
{
    modems.start({""});
    const QString list = writeList("+447700900001\ta\n");
    for (const bool asked : {false, true}) {
        QStringList arguments = {"--file", list, "--port", "COM1", "--fast"};
        if (asked)
            arguments.append("--delivery-reports");
        const CliRun run = send(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        ASSERT_FALSE(modems.air().empty());
        EXPECT_EQ(modems.air().back().pdu.mid(2, 2), asked ? "31" : "11");
    }
}

TEST_F(SendCommandTest, RefusesBadArguments)
{
    const QString list = writeList("+447700900001\ta\n");
    const QStringList cases[] = {
        {"--all"},
        {"--file", list},
        {"--file", list, "--port", "COM1", "--all"},
        {"--file", list, "--port", "LPT1"},
        {"--file", list, "--all", "--mode", "COM1=fast"},
        {"--file", list, "--all", "--quota", "COM1=x"},
        {"--file", list, "--all", "--retries", "11"},
        {"--file", list, "--all", "--pause-every", "5"},
        {"--file", list, "--all", "--type", "loud"},
        {"--file", list, "--all", "--smsc", "COM1=12a"},
        {"--file", list, "--all", "--non-gsm", "ascii"},
    };
    for (const QStringList& arguments : cases) {
        const CliRun run = send(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << arguments.join(' ').toStdString();
    }
}

TEST_F(SendCommandTest, ReadsWorkbooksAndTextFilesOfNumbersAsTheImportDoes)
{
    modems.start({""});
    const QString workbook = home.filePath("list.xlsx");
    ASSERT_TRUE(WriteWorkbook(workbook, {{"Sheet1",
                                          {{QString("Number"), QString("Text")},
                                           {QString("+447700900001"), QString("from a sheet")},
                                           {447700900002.0, QString("second")}}}}));
    CliRun run = send({"--file", workbook, "--port", "COM1"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith("Sent 2, failed 0, excluded 0, skipped 0, stopped 0\n"))
        << run.out.toStdString();

    const QString numbers = writeList("+447700900003,+447700900004\n");
    run = send({"--file", numbers, "--port", "COM1", "--message", "same for all"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith("Sent 2, failed 0, excluded 0, skipped 0, stopped 0\n"))
        << run.out.toStdString();

    QStringList texts;
    for (const sim::AirMessage& m : modems.air())
        texts.append(m.destination + ' ' + m.text);
    texts.sort();
    EXPECT_EQ(texts, QStringList({"+447700900001 from a sheet", "+447700900003 same for all",
                                  "+447700900004 same for all", "447700900002 second"}));
}

TEST_F(SendCommandTest, RowsTheGsmAlphabetCannotCarryAreRefusedReplacedOrSentAsUnicode)
{
    modems.start({""});
    const QString list = writeList("+447700900001\tDear Mr García\n"
                                   "+447700900002\tplain\n"
                                   "+447700900003\t“Sofía”\n");
    const CliRun refused = send({"--file", list, "--port", "COM1"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("2 rows (1, 3) hold characters the GSM alphabet cannot "
                                     "carry: í “ ”; nothing sent."))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(modems.air().empty());

    const auto sentTexts = [this](std::size_t from) {
        QStringList texts;
        const std::vector<sim::AirMessage> messages = modems.air();
        for (std::size_t i = from; i < messages.size(); ++i)
            texts.append(QStringLiteral("%1 %2 dcs %3")
                             .arg(messages[i].destination, messages[i].text)
                             .arg(messages[i].dcs));
        texts.sort();
        return texts;
    };
    CliRun run = send({"--file", list, "--port", "COM1", "--non-gsm", "replace"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(sentTexts(0),
              QStringList({"+447700900001 Dear Mr Garcia dcs 0", "+447700900002 plain dcs 0",
                           "+447700900003 \"Sofia\" dcs 0"}));

    run = send({"--file", list, "--port", "COM1", "--non-gsm", "unicode"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("sent as Unicode: 2 SMS in place of 2.")) << run.err.toStdString();
    EXPECT_EQ(sentTexts(3),
              QStringList({"+447700900001 Dear Mr García dcs 8", "+447700900002 plain dcs 8",
                           "+447700900003 “Sofía” dcs 8"}));
}

} // namespace

// Reports routed by one modem and stored by the other come back to their rows: delivered,
// expired, a long message whose parts are all delivered, and a row whose report never comes.
TEST_F(SendCommandTest, DeliveryReportsGiveEachRowItsStateAsAFifthColumn)
{
    const QString outcomes = "report=*1:delivered,report=*2:expired,report=*3:delivered,"
                             "report=*4:none,report-delay=20";
    modems.start({outcomes, outcomes + ",reports-stored"});
    const QString list = writeList("+447700900001\tone\n"
                                   "+447700900002\ttwo\n"
                                   "+447700900003\t" +
                                   QByteArray(200, 'x') + "\n+447700900004\tfour\n");
    const CliRun run =
        send({"--file", list, "--all", "--delivery-reports", "--wait-reports", "20"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 5);
    QStringList delivery;
    for (const QString& line : lines.mid(lines.size() - 5, 4)) {
        const QStringList fields = line.split('\t');
        ASSERT_EQ(fields.size(), 5) << line.toStdString();
        EXPECT_EQ(fields[2], "Message sent successfully.");
        delivery.append(fields[4]);
    }
    EXPECT_EQ(delivery, QStringList({"Delivered", "Not delivered: validity period expired",
                                     "Delivered", "Pending"}));
    EXPECT_EQ(lines.last(), "Sent 4, failed 0, excluded 0, skipped 0, stopped 0, delivered 2");
    EXPECT_EQ(modems.air().size(), 5u); // the long one in two parts
}
