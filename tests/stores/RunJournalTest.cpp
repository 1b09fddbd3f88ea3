#include "stores/RunJournal.h"

#include "stores/DataFolder.h"
#include "support/FileBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const JournalBegin kBegin{0x1234567890ULL, "retries=2,save-sent-items=1", 3, 17};
const std::vector<JournalRow> kRows{{0, "+447700900001", "one", ""},
                                    {1, "+447700900002", "two\nlines", "u"},
                                    {2, "+447700900003", "three", ""}};

QStringList linesOf(const std::vector<JournalEntry>& entries)
{
    QStringList lines;
    for (const JournalEntry& entry : entries)
        lines.append(RunJournalRecord::ToLine(entry));
    return lines;
}

std::vector<JournalEntry> started()
{
    std::vector<JournalEntry> entries{kBegin};
    for (const JournalRow& row : kRows)
        entries.push_back(row);
    return entries;
}

TEST(RunJournalRecordTest, EveryKindRoundTripsAndCarriesItsChecksum)
{
    // The published check value of CRC-32 for "123456789" is CBF43926; here over UTF-16LE.
    EXPECT_EQ(RunJournalRecord::Crc32(u"123456789"), 0xA290E877u);
    const std::vector<JournalEntry> entries{kBegin,
                                            kRows[1],
                                            JournalSubmitting{1, "3"},
                                            JournalOutcome{1, "Error : +CMS ERROR: 38", "3"},
                                            JournalLogged{1},
                                            JournalFinished{},
                                            JournalSetAside{}};
    for (const JournalEntry& entry : entries) {
        const QString line = RunJournalRecord::ToLine(entry);
        EXPECT_FALSE(line.contains(u'\n')) << line.toStdString();
        const std::optional<JournalEntry> back = RunJournalRecord::FromLine(line);
        ASSERT_TRUE(back.has_value()) << line.toStdString();
        EXPECT_TRUE(*back == entry) << line.toStdString();
        EXPECT_TRUE(RunJournalRecord::FromLine(line + "\r").has_value());
    }
    EXPECT_EQ(RunJournalRecord::ToLine(JournalLogged{4}).left(5), QString("\x07L\x0B"
                                                                          "4\x0B"));
}

TEST(RunJournalRecordTest, DamagedGarbageAndUnknownLinesAreNoRecords)
{
    const QString outcome =
        RunJournalRecord::ToLine(JournalOutcome{2, "Message sent successfully.", "1"});
    QString flipped = outcome;
    flipped[3] = u'7'; // row 2 becomes row 7: the checksum no longer matches
    // A kind this version does not know, with a right checksum.
    QString unknown = QStringLiteral("\x07Z\x0B"
                                     "1");
    unknown += QStringLiteral("\x0B%1").arg(RunJournalRecord::Crc32(unknown), 8, 16, QChar('0'));
    QString extraField = QStringLiteral("\x07L\x0B"
                                        "1\x0B"
                                        "2");
    extraField +=
        QStringLiteral("\x0B%1").arg(RunJournalRecord::Crc32(extraField), 8, 16, QChar('0'));
    const struct
    {
        const char* what;
        QString line;
    } cases[] = {
        {"empty", ""},
        {"cut short in the checksum", outcome.left(outcome.size() - 1)},
        {"cut short in a field", outcome.left(10)},
        {"one character changed", flipped},
        {"garbage", "hello world"},
        {"sent-items record", "\x07+447700900001\x0Bhi\x07"
                              "01/01/2026\x0BMessage sent successfully."},
        {"unknown kind", unknown},
        {"known kind, wrong field count", extraField},
        {"no kind", "\x07"},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(RunJournalRecord::FromLine(c.line).has_value()) << c.what;
}

TEST(RunJournalReplayTest, RowsTakeTheirLastSubmissionOutcomeAndLog)
{
    std::vector<JournalEntry> entries = started();
    entries.insert(entries.end(),
                   {JournalSubmitting{0, "1"}, JournalOutcome{0, "Error : x", "1"},
                    JournalSubmitting{0, "2"}, // a retry round: outcome open again
                    JournalSubmitting{1, "1"}, JournalOutcome{1, "Message sent successfully.", "1"},
                    JournalLogged{1}, JournalOutcome{2, "Skipped.", "2"},
                    JournalOutcome{9, "Error : x", "1"}}); // no such row
    const RunJournalContent content = RunJournalReplay::Fold(linesOf(entries));
    ASSERT_TRUE(content.hasRun());
    EXPECT_TRUE(content.isUnfinished());
    EXPECT_EQ(*content.begin, kBegin);
    ASSERT_EQ(content.rows.size(), 3u);
    EXPECT_EQ(content.rows[1].text, "two\nlines");
    EXPECT_EQ(content.rows[1].flags, "u");
    EXPECT_TRUE(content.rows[0].outcomeUnknown());
    EXPECT_EQ(content.rows[0].submittingPort, "2");
    EXPECT_EQ(content.rows[1].status, "Message sent successfully.");
    EXPECT_TRUE(content.rows[1].logged);
    EXPECT_FALSE(content.rows[2].outcomeUnknown());
    EXPECT_EQ(content.rows[2].status, "Skipped.");
    EXPECT_EQ(content.ignoredLines, 1);
}

TEST(RunJournalReplayTest, WhetherARunIsThereAndUnfinished)
{
    const auto with = [](std::vector<JournalEntry> tail, bool head = true) {
        std::vector<JournalEntry> entries = head ? started() : std::vector<JournalEntry>{};
        entries.insert(entries.end(), tail.begin(), tail.end());
        return RunJournalReplay::Fold(linesOf(entries));
    };
    EXPECT_FALSE(RunJournalReplay::Fold({}).hasRun()); // an empty file
    EXPECT_FALSE(with({}, false).isUnfinished());
    EXPECT_TRUE(with({}).isUnfinished());
    EXPECT_FALSE(with({JournalFinished{}}).isUnfinished());
    EXPECT_TRUE(with({JournalFinished{}}).finished);
    EXPECT_FALSE(with({JournalSetAside{}}).isUnfinished());
    // Rows missing (the crash came while they were written): no run, nothing was sent.
    RunJournalContent partial = RunJournalReplay::Fold(linesOf({kBegin, kRows[0], kRows[1]}));
    EXPECT_FALSE(partial.hasRun());
    EXPECT_FALSE(partial.isUnfinished());
    // Rows out of order are not taken; records before a later begin belong to an older run.
    EXPECT_FALSE(RunJournalReplay::Fold(linesOf({kBegin, kRows[1], kRows[0], kRows[2]})).hasRun());
    std::vector<JournalEntry> twice = started();
    twice.push_back(JournalOutcome{0, "Error : x", "1"});
    const std::vector<JournalEntry> again = started();
    twice.insert(twice.end(), again.begin(), again.end());
    EXPECT_FALSE(RunJournalReplay::Fold(linesOf(twice)).rows[0].status.has_value());
}

class RunJournalFileTest : public ::testing::Test
{
protected:
    QTemporaryDir base;
    DataFolder folder{base.path()};
    RunJournal journal{folder};
};

TEST_F(RunJournalFileTest, WritesAUtf16RecordFileAndReadsItBack)
{
    ASSERT_TRUE(journal.begin(kBegin, kRows));
    ASSERT_TRUE(journal.append(JournalSubmitting{0, "1"}, true));
    ASSERT_TRUE(journal.append(JournalOutcome{0, "Message sent successfully.", "1"}, false));
    journal.close();
    EXPECT_FALSE(journal.append(JournalLogged{0}, false)); // closed
    const QByteArray bytes = ReadBytes(journal.path());
    ASSERT_GE(bytes.size(), 4);
    EXPECT_EQ(bytes.left(2), QByteArray("\xFF\xFE", 2));
    EXPECT_EQ(bytes.right(4), QByteArray("\r\0\n\0", 4));
    RunJournalContent content;
    ASSERT_TRUE(journal.load(content));
    EXPECT_TRUE(content.isUnfinished());
    EXPECT_EQ(content.rows[0].status, "Message sent successfully.");
    EXPECT_EQ(content.ignoredLines, 0);

    // Resumed, set aside, and replaced by the next run: the old one is kept as the previous.
    ASSERT_TRUE(journal.resume());
    ASSERT_TRUE(journal.append(JournalLogged{0}, true));
    journal.close();
    ASSERT_TRUE(journal.setAside());
    ASSERT_TRUE(journal.load(content));
    EXPECT_TRUE(content.rows[0].logged);
    EXPECT_TRUE(content.setAside);
    EXPECT_FALSE(content.isUnfinished());
    ASSERT_TRUE(journal.begin({7, "", 0, 0}, {}));
    ASSERT_TRUE(journal.load(content));
    EXPECT_EQ(content.begin->run, 7u);
    ASSERT_TRUE(RunJournal::Load(journal.previousPath(), content));
    EXPECT_EQ(content.begin->run, kBegin.run);
    EXPECT_TRUE(content.setAside);
}

TEST_F(RunJournalFileTest, MissingAndEmptyFilesHoldNoRun)
{
    RunJournalContent content;
    ASSERT_TRUE(journal.load(content));
    EXPECT_FALSE(content.begin.has_value());
    folder.EnsureDataFolder();
    for (const QByteArray& bytes : {QByteArray(), QByteArray("\xFF\xFE", 2), QByteArray("\xFF")}) {
        WriteBytes(journal.path(), bytes);
        ASSERT_TRUE(journal.load(content));
        EXPECT_FALSE(content.hasRun());
        EXPECT_EQ(content.ignoredLines, 0);
    }
}

// A crash can cut the last record anywhere: the records before it stay, it is ignored, and
// the next append starts on a line of its own.
TEST_F(RunJournalFileTest, ARecordCutShortAnywhereIsIgnoredAndTheNextOneReads)
{
    ASSERT_TRUE(journal.begin(kBegin, kRows));
    ASSERT_TRUE(journal.append(JournalSubmitting{2, "4"}, true));
    journal.close();
    const QByteArray whole = ReadBytes(journal.path());
    const QByteArray last = Utf16Bytes(
        RunJournalRecord::ToLine(JournalOutcome{2, "Message sent successfully.", "4"}) + "\r\n",
        false);
    for (qsizetype cut = 1; cut < last.size() - 4; ++cut) {
        WriteBytes(journal.path(), whole + last.left(cut));
        RunJournalContent content;
        ASSERT_TRUE(journal.load(content));
        ASSERT_TRUE(content.hasRun()) << cut;
        EXPECT_TRUE(content.rows[2].outcomeUnknown()) << cut;
        EXPECT_LE(content.ignoredLines, 1) << cut;

        ASSERT_TRUE(journal.resume());
        ASSERT_TRUE(journal.append(JournalOutcome{2, "Error : x", "4"}, false));
        journal.close();
        ASSERT_TRUE(journal.load(content));
        EXPECT_EQ(content.rows[2].status, "Error : x") << cut;
    }
}

} // namespace
