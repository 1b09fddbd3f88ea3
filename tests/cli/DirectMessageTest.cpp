#include "support/CliRunner.h"
#include "support/QtPrinters.h"
#include "support/ReplyRunFixture.h"
#include "support/SimulatedModems.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// Modems that hand received messages over at once ("+CMT") instead of storing them: during a
// quillon-cli send run they reach the inbox, with --opt-out or without, and opt-out too; so do
// those that come while the run waits for reports, and while quillon-cli reports reads.

namespace {

const QString Leaving = u"+447700900001"_s;
const QString Staying = u"+447700900002"_s;

class DirectMessageTest : public ReplyRunFixture
{
protected:
    // Runs the list through COM1 in the mode given; `arrive` is delivered `afterMs` after
    // `onAir` rows (0: the first) went on the air.
    CliRun sendWhileReplying(const QStringList& numbers, const QString& mode,
                             const QStringList& arrive,
                             const QStringList& options = {u"--opt-out"_s}, std::size_t onAir = 0,
                             unsigned long afterMs = 0)
    {
        QDir(home.path()).mkpath(data);
        QProcess process;
        startCli(process,
                 QStringList{"send", "--clock-factor", "10", "--file", writeList(numbers), "--port",
                             "COM1", "--mode", u"COM1="_s + mode} +
                     options,
                 variables());
        EXPECT_TRUE(process.waitForStarted());
        while (modems.air().size() < std::max<std::size_t>(onAir, 1) &&
               process.state() == QProcess::Running)
            process.waitForReadyRead(10);
        QThread::msleep(afterMs);
        for (const QString& line : arrive)
            deliver(line);
        return finishCli(process);
    }

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

    // Sender, parts, state and text of every message the inbox store holds.
    QStringList inboxMessages()
    {
        const CliRun inbox = runCli({"inbox"}, variables());
        EXPECT_EQ(inbox.exitCode, 0) << inbox.err.toStdString();
        QStringList found;
        for (const QString& line : inbox.out.split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(u'\t');
            if (fields.size() == 10 && fields[0] == u"message")
                found.append(QStringList{fields[2], fields[6], fields[7], fields[9]}.join(u'|'));
        }
        return found;
    }
};

// With cmt-ack the second message comes only once the first was acknowledged (AT+CNMA).
TEST_F(DirectMessageTest, AStopHandedOverMidRunExcludesTheLaterRowsAndReachesTheInboxOnce)
{
    for (const QString& mode : {u"pdu"_s, u"text"_s}) {
        for (const QString& profile : {u"cmt-direct"_s, u"cmt-ack"_s}) {
            SCOPED_TRACE((mode + u' ' + profile).toStdString());
            data = mode + u'-' + profile;
            modems.start({u"cmgs-latency=60,"_s + profile});
            const QStringList numbers = {Leaving, Staying, Staying, Staying, Leaving,
                                         Staying, Leaving, Staying, Leaving, Staying};
            const CliRun run = sendWhileReplying(
                numbers, mode,
                {u"sms from=+447700900001 text=STOP"_s, u"sms from=+447700900003 text=hi, you"_s});
            ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
            const auto rows = rowsOf(run.out);
            ASSERT_EQ(rows.size(), std::size_t(numbers.size())) << run.out.toStdString();
            SCOPED_TRACE(run.out.toStdString());
            for (std::size_t i = 0; i < rows.size(); ++i) {
                if (rows[i].first == Staying)
                    EXPECT_EQ(rows[i].second, "Message sent successfully.") << i;
            }
            for (const std::size_t later : {6u, 8u})
                EXPECT_EQ(rows[later].second, "Excluded.") << later;
            EXPECT_TRUE(run.err.contains(u"Opted out: +447700900001"_s)) << run.err.toStdString();
            EXPECT_EQ(inboxMessages(), (QStringList{u"+447700900001|1|complete|STOP"_s,
                                                    u"+447700900003|1|complete|hi, you"_s}));
            modems.stop();
        }
    }
}

TEST_F(DirectMessageTest, ALongMessageHandedOverInTwoPartsIsJoined)
{
    modems.start({u"cmgs-latency=60,cmt-ack"_s});
    const QString text = QString(150, u'a') + QString(50, u'b');
    const CliRun run = sendWhileReplying(QStringList(6, Staying), u"pdu"_s,
                                         {u"sms from=+447700900004 text="_s + text});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(inboxMessages(), QStringList{u"+447700900004|2|complete|"_s + text});
}

// Without opt-out nothing sets the modem up for replies, yet what it hands over is stored
// all the same; in text mode a text of several lines comes whole, its "OK" line too.
TEST_F(DirectMessageTest, WithoutOptOutAMessageHandedOverMidRunReachesTheInboxOnce)
{
    for (const QString& mode : {u"pdu"_s, u"text"_s}) {
        const QString profile = mode == u"pdu" ? u"cmt-direct"_s : u"cmt-ack"_s;
        SCOPED_TRACE((mode + u' ' + profile).toStdString());
        data = mode + u"-plain"_s;
        modems.start({u"cmgs-latency=60,"_s + profile});
        const CliRun run =
            sendWhileReplying(QStringList(6, Staying), mode,
                              {u"sms from=+447700900003 text=first line\\nOK\\nlast line"_s}, {});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        for (const auto& row : rowsOf(run.out))
            EXPECT_EQ(row.second, "Message sent successfully.");
        EXPECT_EQ(inboxMessages(),
                  QStringList{u"+447700900003|1|complete|first line\\nOK\\nlast line"_s});
        modems.stop();
    }
}

// After the last submission the run still looks at the modem for late reports: a message
// handed over then is stored as well.
TEST_F(DirectMessageTest, AMessageHandedOverWhileReportsAreAwaitedIsStored)
{
    modems.start({u"cmt-ack,report-delay=2500"_s});
    const CliRun run = sendWhileReplying(
        QStringList(2, Staying), u"pdu"_s, {u"sms from=+447700900005 text=late one"_s},
        {u"--delivery-reports"_s, u"--wait-reports"_s, u"60"_s}, 2, 400);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(u"delivered 2"_s)) << run.out.toStdString();
    EXPECT_EQ(inboxMessages(), QStringList{u"+447700900005|1|complete|late one"_s});
}

TEST_F(DirectMessageTest, AMessageHandedOverWhileReportsAreReadIsStored)
{
    modems.start({u"cmt-ack,latency=100"_s});
    QDir(home.path()).mkpath(data);
    deliver(u"sms from=+447700900006 text=while reading"_s);
    const CliRun reports = runCli({"reports", "--port", "COM1"}, variables());
    ASSERT_EQ(reports.exitCode, 0) << reports.err.toStdString();
    EXPECT_TRUE(reports.err.contains(u"COM1: 1 message(s) received, in the inbox"_s))
        << reports.err.toStdString();
    EXPECT_EQ(inboxMessages(), QStringList{u"+447700900006|1|complete|while reading"_s});
}

} // namespace
