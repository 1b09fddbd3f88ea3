#include "stores/RecordFile.h"
#include "support/CliRunner.h"
#include "support/QtPrinters.h"
#include "support/ReplyRunFixture.h"
#include "support/SimulatedModems.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// quillon-cli send --opt-out: a reply "stop" that arrives during the run excludes the rest of
// that number's rows and puts the number on the exclusion list.

namespace {

const QString Leaving = u"+447700900001"_s;
const QString Staying = u"+447700900002"_s;

class OptOutSendTest : public ReplyRunFixture
{
protected:
    // Number and status of every row printed.
    static std::vector<std::pair<QString, QString>> rowsOf(const QString& out)
    {
        std::vector<std::pair<QString, QString>> rows;
        for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList cells = line.split(u'\t');
            if (cells.size() == 4)
                rows.emplace_back(cells[0], cells[2]);
        }
        return rows;
    }
};

TEST_F(OptOutSendTest, AStopArrivingMidRunExcludesTheRestOfThatNumbersRows)
{
    for (const bool textMode : {false, true}) {
        SCOPED_TRACE(textMode ? "text" : "pdu");
        data = textMode ? u"text"_s : u"pdu"_s;
        modems.start({u"cmgs-latency=60"_s});
        const QStringList numbers = {Leaving, Staying, Staying, Staying, Leaving,
                                     Staying, Leaving, Staying, Leaving};
        const QString list = writeList(numbers);
        QProcess process;
        startCli(process,
                 {"send", "--clock-factor", "10", "--file", list, "--port", "COM1", "--opt-out",
                  "--mode", textMode ? "COM1=text" : "COM1=pdu"},
                 variables());
        ASSERT_TRUE(process.waitForStarted());
        while (modems.air().empty() && process.state() == QProcess::Running)
            process.waitForReadyRead(10);
        ASSERT_EQ(modems.air().front().destination, Leaving);
        deliver(u"sms from=+447700900001 text= stop"_s);
        const CliRun run = finishCli(process);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

        const auto rows = rowsOf(run.out);
        ASSERT_EQ(rows.size(), std::size_t(numbers.size())) << run.out.toStdString();
        SCOPED_TRACE(run.out.toStdString());
        EXPECT_EQ(rows.front().second, "Message sent successfully.");
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].first, numbers[qsizetype(i)]);
            if (rows[i].first == Staying)
                EXPECT_EQ(rows[i].second, "Message sent successfully.") << i;
        }
        // The reply came while the second row went: the leaving number's later rows end
        // excluded, and none of them went on the air.
        for (const std::size_t later : {4u, 6u, 8u})
            EXPECT_EQ(rows[later].second, "Excluded.") << later;
        int toLeaving = 0;
        for (const sim::AirMessage& message : modems.air())
            toLeaving += message.destination == Leaving ? 1 : 0;
        EXPECT_EQ(toLeaving, 1);
        EXPECT_TRUE(run.err.contains(u"Opted out: +447700900001"_s)) << run.err.toStdString();

        // On the list, which is now in use; the reply is in the inbox, gone from the modem.
        const QString folder = home.filePath(data + u"/QUILLON_DATA"_s);
        QStringList listed, inUse;
        ASSERT_TRUE(RecordFile::ReadLines(folder + u"/Exclusion/Opted out.korv"_s, listed));
        EXPECT_EQ(listed, QStringList{Leaving});
        ASSERT_TRUE(RecordFile::ReadLines(folder + u"/AppExclusion.korv"_s, inUse));
        EXPECT_TRUE(inUse.contains(u"Opted out"_s));
        const CliRun inbox = runCli({"inbox", "--port", "COM1"}, variables());
        EXPECT_TRUE(inbox.err.contains(u"COM1: 0 new, 0 already stored, 0 left"_s))
            << inbox.err.toStdString();
        EXPECT_EQ(inbox.out.count(u"\t+447700900001\t"_s), 1) << inbox.out.toStdString();
        modems.stop();
    }
}

TEST_F(OptOutSendTest, AReplyToOneModemExcludesTheRowsEveryModemSends)
{
    modems.start({u"cmgs-latency=60"_s, u"cmgs-latency=60"_s});
    QStringList numbers(14, Staying);
    for (const int row : {0, 6, 9, 13})
        numbers[row] = Leaving;
    const QString list = writeList(numbers);
    QProcess process;
    startCli(process,
             {"send", "--clock-factor", "10", "--file", list, "--port", "COM1", "--port", "COM2",
              "--opt-out"},
             variables());
    ASSERT_TRUE(process.waitForStarted());
    const auto leavingOnAir = [this] {
        int count = 0;
        for (const sim::AirMessage& message : modems.air())
            count += message.destination == Leaving ? 1 : 0;
        return count;
    };
    while (leavingOnAir() == 0 && process.state() == QProcess::Running)
        process.waitForReadyRead(10);
    // The reply reaches the modem that did not send to the number.
    QFile fifo(QString::fromStdString(modems.simulator().controlPath(2).string()));
    ASSERT_TRUE(fifo.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    ASSERT_GT(fifo.write("sms from=+447700900001 text=STOP\n"), 0);
    fifo.close();
    const CliRun run = finishCli(process);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const auto rows = rowsOf(run.out);
    ASSERT_EQ(rows.size(), 14u) << run.out.toStdString();
    SCOPED_TRACE(run.out.toStdString());
    for (const std::size_t later : {9u, 13u})
        EXPECT_EQ(rows[later].second, "Excluded.") << later;
    EXPECT_LE(leavingOnAir(), 2);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].first == Staying)
            EXPECT_EQ(rows[i].second, "Message sent successfully.") << i;
    }
}

TEST_F(OptOutSendTest, OnlyAWholeKeywordOptsOutAndOnlyWhenAsked)
{
    modems.start({u"cmgs-latency=60"_s});
    const QString list = writeList({Leaving, Staying, Staying, Leaving});
    // Replies that stood there before the run are read at its start.
    deliver(u"sms from=+447700900001 text=please stop"_s);
    deliver(u"sms from=+447700900002 text=Halt"_s);
    const CliRun run =
        runCli({"send", "--clock-factor", "10", "--file", list, "--port", "COM1", "--opt-out",
                "--opt-out-keywords", "halt, quit", "--opt-out-list", "Replies"},
               variables());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto rows = rowsOf(run.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].second, "Message sent successfully.");
    EXPECT_EQ(rows[1].second, "Excluded.");
    EXPECT_EQ(rows[2].second, "Excluded.");
    EXPECT_EQ(rows[3].second, "Message sent successfully.");

    EXPECT_EQ(runCli({"send", "--file", list, "--port", "COM1", "--opt-out-list", "x"}, variables())
                  .exitCode,
              2);
}

} // namespace
