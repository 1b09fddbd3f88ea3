#include "support/CliRunner.h"
#include "support/QtPrinters.h"
#include "support/SimulatedModems.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// quillon-cli inbox against simulated modems that the network delivers messages to.

namespace {

class InboxCommandTest : public ::testing::Test
{
protected:
    CliRun cli(const QStringList& arguments) const
    {
        return runCli(arguments,
                      {{"QUILLON_PORTS", modems.folder()}, {"QUILLON_HOME", home.path()}});
    }

    void deliver(int port, const QString& line)
    {
        QFile fifo(QString::fromStdString(modems.simulator().controlPath(port).string()));
        ASSERT_TRUE(fifo.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        ASSERT_GT(fifo.write((line + u'\n').toUtf8()), 0);
    }

    // The fields after "message", port and the two times but the read state, for lines from
    // sender.
    static QStringList messagesFrom(const QString& out, const QString& sender)
    {
        QStringList found;
        for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(u'\t');
            if (fields.size() == 10 && fields[0] == u"message" && fields[2] == sender)
                found.append(
                    QStringList{fields[1], fields[5], fields[6], fields[7], fields[9]}.join(u'|'));
        }
        return found;
    }

    // Text and read state of every message printed, oldest first.
    static QStringList readStates(const QString& out)
    {
        QStringList found;
        for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(u'\t');
            if (fields.size() == 10 && fields[0] == u"message")
                found.append(fields[9] + u'|' + fields[8]);
        }
        return found;
    }

    SimulatedModems modems; // with unsolicited lines
    QTemporaryDir home;
};

TEST_F(InboxCommandTest, PrintsEveryKindOfMessageInBothModes)
{
    modems.start({QString(), u"text-only"_s});
    const QString part1 = QString(153, u'a');
    const QString part3 = u"the end"_s;
    for (const int port : {1, 2}) {
        deliver(port, u"sms from=+447700900123 text=Hello\\nthere"_s);
        deliver(port, u"sms from=+79001234567 text=Привет 😀"_s);
        deliver(port, u"sms from=Bank coding=8bit text=0102ff"_s);
        // Three parts, the second never comes, the third first.
        deliver(port, u"sms from=+15550001 parts=3,1 text="_s + part1 + QString(153, u'b') + part3);
    }

    const CliRun read = cli({"inbox", "--port", "COM1", "--port", "COM2", "--delete"});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_TRUE(read.err.contains(u"COM1: 5 new, 0 already stored, 0 left in the modem"_s))
        << read.err.toStdString();
    EXPECT_TRUE(read.err.contains(u"COM2: 5 new, 0 already stored, 0 left in the modem"_s))
        << read.err.toStdString();
    EXPECT_TRUE(read.err.contains(u"1 long message(s) waiting for parts"_s))
        << read.err.toStdString();
    EXPECT_EQ(messagesFrom(read.out, u"+447700900123"_s),
              (QStringList{u"COM1|text|1|complete|Hello\\nthere"_s,
                           u"COM2|text|1|complete|Hello\\nthere"_s}));
    EXPECT_EQ(
        messagesFrom(read.out, u"+79001234567"_s),
        (QStringList{u"COM1|text|1|complete|Привет 😀"_s, u"COM2|text|1|complete|Привет 😀"_s}));
    // Text mode gives 8-bit data as hex without saying it is data.
    EXPECT_EQ(messagesFrom(read.out, u"Bank"_s),
              (QStringList{u"COM1|8bit|1|complete|0102FF"_s, u"COM2|text|1|complete|0102FF"_s}));
    // Text mode has no concatenation header: there each part is a message of its own.
    EXPECT_EQ(
        messagesFrom(read.out, u"+15550001"_s),
        (QStringList{u"COM2|text|1|complete|"_s + part3, u"COM2|text|1|complete|"_s + part1}));

    // An hour later (at once, on a fast clock) the long one shows, its gap marked.
    const CliRun later = cli({"inbox", "--clock-factor", "3600000"});
    ASSERT_EQ(later.exitCode, 0) << later.err.toStdString();
    const QStringList longOnes = messagesFrom(later.out, u"+15550001"_s);
    ASSERT_EQ(longOnes.size(), 3) << later.out.toStdString();
    EXPECT_EQ(longOnes[0], u"COM1|text|3|incomplete (missing 2)|"_s + part1 + u"[…]"_s + part3);
    EXPECT_EQ(longOnes[1], u"COM2|text|1|complete|"_s + part3);
    EXPECT_EQ(longOnes[2], u"COM2|text|1|complete|"_s + part1);
}

TEST_F(InboxCommandTest, AMessageStoredButNotDeletedIsKnownWhenReadAgain)
{
    modems.start({QString()});
    deliver(1, u"sms from=+447700900123 text=STOP"_s);
    // Stored, left in the modem: what a crash between storing and deleting leaves.
    const CliRun kept = cli({"inbox", "--port", "COM1"});
    ASSERT_EQ(kept.exitCode, 0) << kept.err.toStdString();
    EXPECT_TRUE(kept.err.contains(u"COM1: 1 new, 0 already stored, 1 left in the modem"_s))
        << kept.err.toStdString();
    const CliRun again = cli({"inbox", "--port", "COM1", "--delete"});
    EXPECT_TRUE(again.err.contains(u"COM1: 0 new, 1 already stored, 0 left in the modem"_s))
        << again.err.toStdString();
    EXPECT_EQ(messagesFrom(again.out, u"+447700900123"_s),
              QStringList{u"COM1|text|1|complete|STOP"_s});
    const CliRun empty = cli({"inbox", "--port", "COM1", "--delete"});
    EXPECT_TRUE(empty.err.contains(u"COM1: 0 new, 0 already stored, 0 left in the modem"_s));
}

TEST_F(InboxCommandTest, AReadingKilledBetweenStoringAndDeletingLosesNothingAndKeepsOneCopy)
{
    modems.start({u"silent-cmgd=1"_s});
    deliver(1, u"sms from=+447700900123 text=STOP"_s);
    // The modem hangs on the deletion; the program is killed while it waits.
    QProcess process;
    startCli(process, {"inbox", "--port", "COM1", "--delete"},
             {{"QUILLON_PORTS", modems.folder()}, {"QUILLON_HOME", home.path()}});
    ASSERT_TRUE(process.waitForStarted());
    QFile inbox(home.filePath(u"QUILLON_DATA/Inbox.korv"_s));
    while (inbox.size() < 40 && process.state() == QProcess::Running)
        process.waitForReadyRead(10);
    ASSERT_EQ(process.state(), QProcess::Running);
    process.kill();
    ASSERT_TRUE(process.waitForFinished(10000));

    const CliRun again = cli({"inbox", "--port", "COM1", "--delete"});
    EXPECT_TRUE(again.err.contains(u"COM1: 0 new, 1 already stored, 0 left in the modem"_s))
        << again.err.toStdString();
    EXPECT_EQ(messagesFrom(again.out, u"+447700900123"_s),
              QStringList{u"COM1|text|1|complete|STOP"_s});
}

TEST_F(InboxCommandTest, AFullStorageIsEmptiedOfWhatTheNetworkHeldBack)
{
    modems.start({u"storage=2"_s});
    for (int i = 1; i <= 5; ++i)
        deliver(1, u"sms from=+1555000%1 text=number %1"_s.arg(i));
    const CliRun read = cli({"inbox", "--port", "COM1", "--delete"});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_TRUE(read.err.contains(u"COM1: 5 new, 0 already stored, 0 left in the modem"_s))
        << read.err.toStdString();
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(messagesFrom(read.out, u"+1555000%1"_s.arg(i)).size(), 1) << i;
}

TEST_F(InboxCommandTest, AMessageStaysUnreadUntilMarkedReadAndTheMarkLasts)
{
    modems.start({QString()});
    deliver(1, u"sms from=+447700900123 text=first"_s);
    deliver(1, u"sms from=+447700900124 parts=2,1 text="_s + QString(200, u'x'));
    ASSERT_EQ(cli({"inbox", "--port", "COM1", "--delete"}).exitCode, 0);
    // The state printed is the one before the marking.
    const CliRun marking = cli({"inbox", "--mark-read"});
    ASSERT_EQ(marking.exitCode, 0) << marking.err.toStdString();
    EXPECT_EQ(readStates(marking.out),
              (QStringList{u"first|unread"_s, QString(200, u'x') + u"|unread"_s}))
        << marking.out.toStdString() << marking.err.toStdString();

    // A message that comes later is unread on its own, and so stays across readings.
    deliver(1, u"sms from=+447700900125 text=second"_s);
    ASSERT_EQ(cli({"inbox", "--port", "COM1", "--delete"}).exitCode, 0);
    for (int reading = 0; reading < 2; ++reading) {
        const CliRun listed = cli({"inbox"});
        EXPECT_EQ(
            readStates(listed.out),
            (QStringList{u"first|read"_s, QString(200, u'x') + u"|read"_s, u"second|unread"_s}))
            << listed.out.toStdString();
    }
    QFile marks(home.filePath(u"QUILLON_DATA/InboxRead.korv"_s));
    ASSERT_TRUE(marks.open(QIODevice::ReadOnly));
    EXPECT_TRUE(marks.read(2) == QByteArray("\xFF\xFE", 2)) << "a UTF-16 record file";
}

TEST_F(InboxCommandTest, RefusesWhatItCannotRead)
{
    EXPECT_EQ(cli({"inbox", "--port", "LPT1"}).exitCode, 2);
    EXPECT_EQ(cli({"inbox", "--clock-factor", "0"}).exitCode, 2);
    const CliRun missing = cli({"inbox", "--port", "COM9"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith(u"quillon-cli inbox: COM9: "_s))
        << missing.err.toStdString();
}

} // namespace
