#include "stores/DataFolder.h"

#include "base/FileError.h"
#include "base/TemporaryFileName.h"
#include "stores/RecordFile.h"
#include "stores/StdioFileEx.h"
#include "support/FileBytes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DataFolderTest : public ::testing::Test
{
protected:
    QStringList storeFiles() const
    {
        return {data.templatesPath(),   data.sentItemPath(),     data.sentItemWndPath(),
                data.sentItemAndPath(), data.appExclusionPath(), data.exListIndexPath()};
    }

    QTemporaryDir dir;
    DataFolder data{dir.path()};
};

TEST_F(DataFolderTest, CreatesEveryStoreWithJustTheMarkAndRecreatesAfterDeletion)
{
    EXPECT_EQ(data.templatesPath(), dir.path() + "/QUILLON_DATA/Templates.korv");
    EXPECT_EQ(data.exclusionListPath("Customers"),
              dir.path() + "/QUILLON_DATA/Exclusion/Customers.korv");
    for (int round = 0; round < 2; ++round) {
        data.EnsureDataFolder();
        for (const QString& file : storeFiles())
            EXPECT_EQ(ReadBytes(file), QByteArray("\xFF\xFE")) << file.toStdString();
        EXPECT_TRUE(QDir(data.exclusionFolder()).exists());
        QDir(data.folder()).removeRecursively();
    }
}

TEST_F(DataFolderTest, LeavesExistingFilesByteForByte)
{
    data.EnsureDataFolder();
    const QByteArray eightBit("hand made\r\n");
    WriteBytes(data.templatesPath(), eightBit);
    WriteBytes(data.sentItemPath(), QByteArray());
    QFile::remove(data.exListIndexPath());
    data.EnsureDataFolder();
    EXPECT_EQ(ReadBytes(data.templatesPath()), eightBit);
    EXPECT_EQ(ReadBytes(data.sentItemPath()), QByteArray());
    EXPECT_EQ(ReadBytes(data.exListIndexPath()), QByteArray("\xFF\xFE"));
}

TEST_F(DataFolderTest, TextWithLineBreaksIsOneRecordAndReadsBack)
{
    data.EnsureDataFolder();
    const QString text = QStringLiteral("Dear parent,\nschool opens Monday");
    ASSERT_TRUE(RecordFile::Append(data.templatesPath(), RecordFile::ToRecordText(text),
                                   RecordFile::LineEnd::LF));
    EXPECT_EQ(ReadBytes(data.templatesPath()),
              Utf16Bytes("Dear parent,|AP*|DX/school opens Monday\n"));
    QStringList lines;
    ASSERT_TRUE(RecordFile::ReadLines(data.templatesPath(), lines));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(RecordFile::FromRecordText(lines[0]), text);
}

TEST_F(DataFolderTest, RewriteWritesRecordsWithTheirLineEnds)
{
    ASSERT_TRUE(RecordFile::Rewrite(dir.filePath("s.korv"), {"a", "b"}, RecordFile::LineEnd::CRLF));
    EXPECT_EQ(ReadBytes(dir.filePath("s.korv")), Utf16Bytes("a\r\nb\r\n"));
    FileError error;
    QStringList lines;
    EXPECT_FALSE(RecordFile::ReadLines(dir.filePath("none.korv"), lines, &error));
    EXPECT_EQ(FileErrorText(error), "Error in file accessing.\n\nOR\n\nNo such file or directory.");
}

TEST_F(DataFolderTest, LeftoverRewritesAreDeletedOnceSettledAndNothingElse)
{
    data.EnsureDataFolder();
    const auto make = [](const QString& path, int ageSeconds) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.flush();
        file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                         QFileDevice::FileModificationTime);
    };
    const auto temporary = [](const QString& storePath) {
        return QFile::decodeName(TemporaryFileName::PatternFor(storePath))
            .replace("XXXXXX", "aB3xYz");
    };
    const QString old = temporary(data.templatesPath());
    const QString oldList = temporary(data.exclusionListPath("Staff"));
    const QString fresh = temporary(data.sentItemPath());
    // Names a user gives, some of the shape the program's temporary files once had.
    const QStringList users = {
        data.sentItemPath() + ".before", data.exclusionListPath("OptOut") + ".backup",
        data.templatesPath() + ".aB3xYz", data.exclusionListPath("Staff.korv.ab12cd"),
        data.folder() + "/notes.txt.abcdef"};
    for (const QString& path : {old, oldList})
        make(path, 3600);
    make(fresh, 0);
    for (const QString& path : users)
        make(path, 3600);

    EXPECT_EQ(data.RemoveLeftoverRewrites(), 2);

    EXPECT_FALSE(QFile::exists(old));
    EXPECT_FALSE(QFile::exists(oldList));
    EXPECT_TRUE(QFile::exists(fresh));
    for (const QString& path : users)
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    for (const QString& path : storeFiles())
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
}

TEST_F(DataFolderTest, ARewritesTemporaryFileHasTheProgramsOwnName)
{
    data.EnsureDataFolder();
    CStdioFileEx file;
    ASSERT_TRUE(file.Open(data.templatesPath(), 0x25001));
    file.WriteString(QStringLiteral("new\n"));
    const QStringList names = QDir(data.folder()).entryList(QDir::Files | QDir::Hidden);
    QStringList temporaries;
    for (const QString& name : names)
        if (!name.endsWith(".korv"))
            temporaries.append(name);
    ASSERT_EQ(temporaries.size(), 1) << names.join(' ').toStdString();
    EXPECT_TRUE(TemporaryFileName::IsTemporary(temporaries[0])) << temporaries[0].toStdString();
    EXPECT_TRUE(temporaries[0].startsWith(".quillon-tmp-Templates.korv."));
    file.Close();
    EXPECT_EQ(QDir(data.folder()).entryList(QDir::Files | QDir::Hidden).size(), names.size() - 1);
}

TEST(IsReservedFileNameTest, RefusesNamesThatCannotBeFileNames)
{
    const struct
    {
        QString name;
        bool valid;
    } cases[] = {
        {"Customers", true},
        {QString::fromUtf8("客户名单"), true},
        {"con.txt", true},
        {"com10", true},
        {"COM3", false},
        {"lpt1", false},
        {"Nul", false},
        {"aux", false},
        {"a:b", false},
        {"a/b", false},
        {"what?", false},
        {QString::fromUtf8("Café"), false},
        {QString("tab") + QChar(9), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsReservedFileName(c.name), c.valid) << c.name.toStdString();
}

TEST(FileErrorTextTest, TurnsSystemDescriptionsIntoMessages)
{
    const struct
    {
        QString description;
        QString text;
    } cases[] = {
        {"Failure creating file. Permission denied.",
         "Error in File creation.\n\nOR\n\nThere is not enough space on the disk."},
        {"  Permission denied. ", "Error in file accessing.\n\nOR\n\nPermission denied."},
        {"The operation completed successfully.", "Error in file accessing."},
        {"", "Error in file accessing."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileErrorText(c.description), c.text) << c.description.toStdString();
    EXPECT_EQ(SystemErrorText(0), "The operation completed successfully.");
}

} // namespace
