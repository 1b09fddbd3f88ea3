#include "stores/ExclusionSet.h"

#include "stores/DataFolder.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ExclusionSetTest : public ::testing::Test
{
protected:
    void SetUp() override { data.EnsureDataFolder(); }

    void inUse(const QString& names) { WriteBytes(data.appExclusionPath(), Utf16Bytes(names)); }
    void list(const QString& name, const QByteArray& bytes)
    {
        WriteBytes(data.exclusionListPath(name), bytes);
    }
    bool load(bool ticked = true) { return LoadExclusionSet(set, ticked, data, prompter); }

    QTemporaryDir dir;
    DataFolder data{dir.path()};
    ExclusionSet set;
    ScriptedPrompter prompter;
};

TEST_F(ExclusionSetTest, Union_OfListsInUseComparedWholeIgnoringCase)
{
    list("Staff", Utf16Bytes("+447700900001\n0700\nab12\n"));
    list("OptOut", Utf16Bytes("0700\r\n5551234\r\n"));
    list("Empty", Utf16Bytes(""));
    list("NotInUse", Utf16Bytes("999\n"));
    inUse("Staff\nOptOut\nEmpty\nDeletedByHand\n");

    ASSERT_TRUE(load());
    EXPECT_TRUE(prompter.shown().isEmpty()); // a missing list file is no error
    EXPECT_EQ(set.size(), 5);                // the number in both lists counts twice

    const struct
    {
        const char* number;
        bool excluded;
    } cases[] = {
        {"+447700900001", true},
        {"447700900001", false}, // a plus makes another number
        {"0700", true},
        {"5551234", true},
        {"AB12", true}, // letter case ignored
        {"ab1", false},
        {"0700 ", false},
        {"999", false}, // whole text only
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(set.IsExcluded(c.number), c.excluded) << c.number;
}

TEST_F(ExclusionSetTest, NothingLoadedWhileTheOptionIsOff)
{
    list("Staff", Utf16Bytes("0700\n"));
    inUse("Staff\n");
    EXPECT_FALSE(load(false));
    EXPECT_TRUE(set.isEmpty());
    EXPECT_FALSE(set.IsExcluded("0700"));

    ASSERT_TRUE(load());
    EXPECT_TRUE(set.IsExcluded("0700"));
    // Each load replaces the whole set.
    inUse("");
    ASSERT_TRUE(load());
    EXPECT_FALSE(set.IsExcluded("0700"));
}

TEST_F(ExclusionSetTest, DamagedFilesAreReadAsTextAndLeftAlone)
{
    const QByteArray megabyteLine = QByteArray(3 * 1024 * 1024, '7');
    const struct
    {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"EightBit", QByteArray("1111\r\n2222\n\xE9"
                                "3\n")}, // no mark: Windows-1252
        {"OddBytes", Utf16Bytes("4444\n") + QByteArray("\x35")},
        {"MarkInside", Utf16Bytes(QString("55") + QChar(0xFEFF) + "55\n6666\n")},
        {"NoFinalLf", Utf16Bytes("7777\n8888")},
        {"Huge", megabyteLine + "\n9999\n"},
        {"Junk", QByteArray("\xFF\xFE\x00\xD8\x00\x00\x0A\x00\x01\x02\x03", 11)},
    };
    QString names;
    for (const auto& f : files) {
        list(f.name, f.bytes);
        names += QString(f.name) + "\n";
    }
    inUse(names);

    ASSERT_TRUE(load());
    EXPECT_TRUE(prompter.shown().isEmpty());
    for (const char* number : {"1111", "2222", "\u00e93", "4444", "6666", "7777", "8888", "9999"})
        EXPECT_TRUE(set.IsExcluded(QString::fromUtf8(number))) << number;
    EXPECT_FALSE(set.IsExcluded("5555")); // U+FEFF stays part of the number
    for (const auto& f : files)
        EXPECT_EQ(ReadBytes(data.exclusionListPath(f.name)), f.bytes) << f.name;
}

TEST_F(ExclusionSetTest, UnreadableInUseFileIsReportedAndLeavesTheSetEmpty)
{
    list("Staff", Utf16Bytes("0700\n"));
    inUse("Staff\n");
    ASSERT_TRUE(load());
    ASSERT_TRUE(set.IsExcluded("0700"));

    QFile::remove(data.appExclusionPath());
    QDir().mkdir(data.appExclusionPath()); // cannot be opened as a file
    ASSERT_TRUE(load());
    EXPECT_TRUE(set.isEmpty());
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_EQ(prompter.shown()[0].caption, "Message");
    EXPECT_EQ(prompter.shown()[0].icon, Prompter::Icon::Information);
    EXPECT_TRUE(prompter.shown()[0].text.startsWith("Error in file accessing.\n\nOR\n\n"));
}

TEST(ExclusionSetCopyTest, CopyIsASnapshot)
{
    ExclusionSet live;
    live.add("0700");
    const ExclusionSet snapshot = live;
    live.clear();
    live.add("0800");
    EXPECT_TRUE(snapshot.IsExcluded("0700"));
    EXPECT_FALSE(snapshot.IsExcluded("0800"));
}

} // namespace
