#include "stores/SentItemStore.h"

#include "stores/DataFolder.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace {

const QString kBel = QStringLiteral("\x07");
const QString kVt = QStringLiteral("\x0B");
const QDate kDay(2026, 12, 6);

class SentItemStoreTest : public ::testing::Test
{
protected:
    std::vector<SentItem> load()
    {
        std::vector<SentItem> records;
        EXPECT_TRUE(store.Load(records));
        return records;
    }

    QTemporaryDir dir;
    DataFolder data{dir.path()};
    SentItemStore store{data};
};

TEST_F(SentItemStoreTest, AppendWritesTheRecordLineAndCreatesTheFolder)
{
    ASSERT_TRUE(store.Append("+4479", "Hi\nthere", "Message sent successfully.", kDay));
    ASSERT_TRUE(store.Append("555", "", "Error : +CMS ERROR: 500", kDay));
    EXPECT_EQ(ReadBytes(data.sentItemPath()),
              Utf16Bytes(kBel + "+4479" + kVt + "Hi|AP*|DX/there" + kBel + "06/12/2026" + kVt +
                         "Message sent successfully.\r\n" + kBel + "555" + kVt + kBel +
                         "06/12/2026" + kVt + "Error : +CMS ERROR: 500\r\n"));
    EXPECT_EQ(ReadBytes(data.templatesPath()), QByteArray("\xFF\xFE"));
}

TEST_F(SentItemStoreTest, RecordsReadBackAsTheReaderSplitsThem)
{
    const struct
    {
        QString message;
        QString status;
        QString messageRead;
    } cases[] = {
        {"Two\nlines", "Message sent successfully.", "Two\nlines"},
        {"   indented", "Error : +CMS ERROR: 500", "indented"}, // leading blanks are lost
        {"trailing  ", "Message sent successfully.", "trailing  "},
        {"", "Error : No answer", ""},
        {"bell \x07 inside", "", "bell  inside"},
        {"\n", "ok", ""},
    };
    for (const auto& c : cases)
        ASSERT_TRUE(store.Append("123", c.message, c.status, kDay));
    const auto records = load();
    ASSERT_EQ(records.size(), std::size(cases));
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(cases[i].message.toStdString());
        const SentItem expected{"123", cases[i].messageRead, "06/12/2026", cases[i].status};
        EXPECT_EQ(records[i], expected);
    }
}

TEST(SentItemRecordTest, LinesAreSplitByPositionNotByFields)
{
    const struct
    {
        QString line;
        bool kept;
        SentItem item;
    } cases[] = {
        {kBel + "12" + kVt + "msg" + kBel + "01/02/2026" + kVt + "done",
         true,
         {"12", "msg", "01/02/2026", "done"}},
        // No BEL after the number: all of the rest is the date.
        {kBel + "12" + kVt + "just text", true, {"12", "", "just text", ""}},
        // A nine-character date shifts the status by one.
        {kBel + "12" + kVt + "m" + kBel + "1/02/2026" + kVt + "done",
         true,
         {"12", "m", "1/02/2026d", "one"}},
        {kBel + kVt + "no number" + kBel + "01/02/2026" + kVt + "x", false, {}},
        {"no separators at all", false, {}},
        {"   \r", false, {}},
        {"  " + kBel + "7" + kVt + "m" + kBel + "01/02/2026" + kVt + "s  \r",
         true,
         {"7", "m", "01/02/2026", "s"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        SentItem item;
        ASSERT_EQ(SentItemRecord::FromLine(c.line, item), c.kept);
        if (c.kept) {
            EXPECT_EQ(item, c.item);
        }
    }
}

TEST_F(SentItemStoreTest, DamagedFilesAreReadWithoutTouchingThem)
{
    const QString good = kBel + "1" + kVt + "a" + kBel + "01/02/2026" + kVt + "ok\r\n";
    const struct
    {
        const char* name;
        QByteArray bytes;
        std::size_t records;
    } cases[] = {
        {"no mark", Utf16Bytes(good + good, false), 2},
        {"mark in the middle", Utf16Bytes(good) + Utf16Bytes(good), 2},
        {"odd byte count", Utf16Bytes(good) + QByteArray("\x41"), 1},
        {"last line without line end", Utf16Bytes(good + good.chopped(2)), 2},
        {"8-bit text",
         QByteArray("\x07"
                    "1\x0B"
                    "a\x07"
                    "01/02/2026\x0B"
                    "ok\r\n"),
         0},
        // A line without VT, then a lone surrogate for a number.
        {"binary junk", QByteArray("\x00\x0A\xFF\xFF\x0A\x00\x00\xD8\x0B\x00\x41\x00", 12), 1},
        {"empty", QByteArray(), 0},
        {"a line of megabytes",
         Utf16Bytes(kBel + "9" + kVt + QString(1'000'000, 'x') + kBel + "01/02/2026" + kVt +
                    "ok\r\n"),
         1},
    };
    data.EnsureDataFolder();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(data.sentItemPath(), c.bytes);
        EXPECT_EQ(load().size(), c.records);
        EXPECT_EQ(ReadBytes(data.sentItemPath()), c.bytes);
    }
}

TEST_F(SentItemStoreTest, AnUnreadableFileGivesNoRecords)
{
    WriteBytes(data.folder(), "a file where the data folder should be");
    std::vector<SentItem> records{{"x", "", "", ""}};
    EXPECT_FALSE(store.Load(records));
    EXPECT_TRUE(records.empty());
    FileError error;
    EXPECT_FALSE(store.Append("1", "m", "s", kDay, &error));
    EXPECT_NE(error.errorNumber, 0);
}

TEST_F(SentItemStoreTest, WriteBackKeepsListOrderAndNothingLeavesTheMark)
{
    const std::vector<SentItem> rows{{"3", "c", "03/01/2026", "s3"},
                                     {"1", "a\nb", "01/01/2026", ""}};
    ASSERT_TRUE(store.WriteBack(rows));
    EXPECT_EQ(load(), rows);
    ASSERT_TRUE(store.WriteBack({}));
    EXPECT_EQ(ReadBytes(data.sentItemPath()), QByteArray("\xFF\xFE"));
}

TEST_F(SentItemStoreTest, ConcurrentAppendsKeepEveryRecordWhole)
{
    constexpr int kThreads = 4;
    constexpr int kEach = 200;
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t) {
        workers.emplace_back([this, t] {
            for (int i = 0; i < kEach; ++i)
                store.Append(QString::number(t * 1000 + i), QString(50, QChar('a' + t)),
                             "Message sent successfully.", kDay);
        });
    }
    for (auto& worker : workers)
        worker.join();
    const auto records = load();
    ASSERT_EQ(records.size(), std::size_t(kThreads * kEach));
    std::set<QString> numbers;
    for (const SentItem& record : records) {
        const int t = record.number.toInt() / 1000;
        EXPECT_EQ(record.message, QString(50, QChar('a' + t)));
        EXPECT_EQ(record.status, "Message sent successfully.");
        numbers.insert(record.number);
    }
    EXPECT_EQ(numbers.size(), records.size());
}

} // namespace
