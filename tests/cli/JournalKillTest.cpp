#include "stores/DataFolder.h"
#include "stores/RunJournal.h"
#include "stores/SentItemStore.h"
#include "support/CliRunner.h"
#include "support/SimulatedModems.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <iostream>
#include <map>

// quillon-cli send killed (SIGKILL) at random moments of a long run and taken up again with
// --resume each time: no message goes twice, every row ends with one outcome and the
// sent-items log holds one record per row. QUILLON_KILLS (default 10), QUILLON_KILL_ROWS
// (2000) and QUILLON_KILL_SEED (22) scale it; the soak runs 100 kills.

namespace {

int environmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

QString digitsOf(const QString& number)
{
    QString digits;
    for (const QChar c : number)
        if (c.isDigit())
            digits += c;
    return digits;
}

class JournalKillTest : public ::testing::Test
{
protected:
    void startChild(QProcess& process, const QStringList& arguments, int child)
    {
        process.setStandardOutputFile(home.filePath(QStringLiteral("out-%1.txt").arg(child)));
        process.setStandardErrorFile(home.filePath(QStringLiteral("err-%1.txt").arg(child)));
        startCli(process, QStringList{"send", "--clock-factor", "50", "--all"} + arguments,
                 {{"QUILLON_PORTS", modems.folder()}, {"QUILLON_HOME", home.path()}});
        ASSERT_TRUE(process.waitForStarted());
    }

    RunJournalContent journal() const
    {
        RunJournalContent content;
        EXPECT_TRUE(RunJournal(data).load(content));
        return content;
    }

    QString childError(int child) const { return childFile("err", child); }
    QString childFile(const char* kind, int child) const
    {
        QFile file(home.filePath(QStringLiteral("%1-%2.txt").arg(kind).arg(child)));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // The sent-item records the resuming children found missing, and found written without
    // the journal's mark.
    std::pair<int, int> sentItemRepairs(int children) const
    {
        const QRegularExpression line(
            "; (\\d+) sent-item records missing, (\\d+) found written\\.");
        int missing = 0, found = 0;
        for (int child = 1; child <= children; ++child) {
            const QRegularExpressionMatch match = line.match(childFile("out", child));
            if (match.hasMatch()) {
                missing += match.captured(1).toInt();
                found += match.captured(2).toInt();
            }
        }
        return {missing, found};
    }

    SimulatedModems modems;
    QTemporaryDir home;
    DataFolder data{home.path()};
};

TEST_F(JournalKillTest, KilledRunsResumeWithoutSendingAnyRowTwice)
{
    const int kills = environmentNumber("QUILLON_KILLS", 10);
    const int rowCount = environmentNumber("QUILLON_KILL_ROWS", 2000);
    QRandomGenerator random(quint32(environmentNumber("QUILLON_KILL_SEED", 22)));
    modems.start({"", "", "", ""});
    QByteArray lines;
    for (int i = 0; i < rowCount; ++i)
        lines += "+4477009" + QByteArray::number(10000 + i) + "\tmessage " + QByteArray::number(i) +
                 "\n";
    const QString list = home.filePath("list.txt");
    {
        QFile file(list);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines);
    }
    const QStringList fresh{"--file", list, "--fast", "--save-sent-items"};

    int killed = 0, child = 0, killsBeforeStart = 0;
    // At most this many messages go before a kill, so every kill comes before the list's end.
    const int stride = std::max(2, rowCount / (kills + 1));
    bool done = false;
    while (!done) {
        const RunJournalContent before = journal();
        // A kill that came after the run's end (while the child printed its rows).
        if (child > 0 && before.finished)
            break;
        const bool resume = before.isUnfinished();
        QProcess process;
        startChild(process, resume ? QStringList{"--resume"} : fresh, ++child);
        if (killed < kills) {
            const std::size_t airBefore = modems.air().size();
            // One kill in five at a random moment of the child's first 50 ms (mostly while it
            // probes the modems, reads the journal or writes its rows); the others once it has
            // sent a random number of messages, a little after one.
            if (random.bounded(5) == 0) {
                process.waitForFinished(int(random.bounded(50)));
                killsBeforeStart += modems.air().size() == airBefore ? 1 : 0;
            } else {
                const std::size_t target = airBefore + 1 + random.bounded(stride);
                while (modems.air().size() < target && process.state() == QProcess::Running)
                    process.waitForFinished(2);
                QThread::usleep(random.bounded(3000));
            }
            if (process.state() == QProcess::Running) {
                process.kill();
                ASSERT_TRUE(process.waitForFinished(30000));
                ++killed;
                continue;
            }
        }
        if (process.state() != QProcess::NotRunning)
            ASSERT_TRUE(process.waitForFinished(600000));
        ASSERT_EQ(process.exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(process.exitCode(), 0) << childError(child).toStdString();
        done = true;
    }

    const RunJournalContent end = journal();
    ASSERT_TRUE(end.hasRun());
    EXPECT_TRUE(end.finished);
    ASSERT_EQ(int(end.rows.size()), rowCount);

    std::map<QString, int> onAir;
    for (const sim::AirMessage& m : modems.air())
        ++onAir[digitsOf(m.destination)];
    std::map<QString, std::map<QString, int>> records; // number to status to count
    std::vector<SentItem> items;
    ASSERT_TRUE(SentItemStore(data).Load(items));
    for (const SentItem& item : items)
        ++records[digitsOf(item.number)][item.status];

    const QString sent = "Message sent successfully.";
    const QString unknown = "Error : Outcome unknown (the program stopped during the submission).";
    int sentRows = 0, unknownRows = 0, failedRows = 0, duplicates = 0, unknownOnAir = 0;
    for (const JournalRowState& row : end.rows) {
        const QString number = digitsOf(row.number);
        ASSERT_TRUE(row.status.has_value()) << row.number.toStdString();
        const int air = onAir[number];
        duplicates += std::max(0, air - 1);
        if (*row.status == sent) {
            ++sentRows;
            EXPECT_EQ(air, 1) << row.number.toStdString();
        } else if (*row.status == unknown) {
            ++unknownRows;
            unknownOnAir += air;
            EXPECT_LE(air, 1) << row.number.toStdString();
        } else {
            // A loaded machine makes a modem miss its answer now and then: the row fails.
            EXPECT_TRUE(row.status->startsWith("Error : ")) << row.status->toStdString();
            ++failedRows;
            EXPECT_LE(air, 1) << row.number.toStdString();
        }
        EXPECT_EQ(records[number], (std::map<QString, int>{{*row.status, 1}}))
            << row.number.toStdString();
    }
    EXPECT_EQ(duplicates, 0);
    EXPECT_LE(failedRows, rowCount / 20);
    EXPECT_EQ(int(items.size()), rowCount);
    EXPECT_EQ(killed, kills);
    const auto repairs = sentItemRepairs(child);
    std::cout << "kills " << killed << " (" << killsBeforeStart
              << " before the child sent anything), children " << child << ", rows " << rowCount
              << ", sent " << sentRows << ", failed " << failedRows << ", unknown " << unknownRows
              << " (" << unknownOnAir << " of them on the air), duplicates " << duplicates
              << ", messages on the air " << modems.air().size() << ", sent-item records "
              << items.size() << " (" << repairs.first << " written on resuming, " << repairs.second
              << " found written without their mark)" << std::endl;
}

} // namespace
