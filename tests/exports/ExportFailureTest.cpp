#include "FileSizeLimit.h"
#include "exports/BiffWriter.h"
#include "exports/HtmlExportWriter.h"
#include "exports/TextExportWriter.h"
#include "exports/XlsxExportWriter.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct Writer
{
    const char* name;
    std::function<ExportResult(const QString&, const ExportTable&)> write;
};

const Writer kWriters[] = {
    {"xls", WriteXls},
    {"xlsx", WriteXlsx},
    {"exclusion list text", TextExport::WriteExclusionList},
    {"templates text", TextExport::WriteTemplates},
    {"sent items text",
     [](const QString& p, const ExportTable& t) {
         return TextExport::WriteSentItems(p, t, "01/05/2026", "31/05/2026");
     }},
    {"templates html", HtmlExport::WriteTemplates},
    {"sent items html",
     [](const QString& p, const ExportTable& t) {
         return HtmlExport::WriteSentItems(p, t, "01/05/2026", "31/05/2026");
     }},
};

// Enough text that every writer has written to disk before it ends.
ExportTable sizeableTable()
{
    ExportTable table;
    table.columns = {"Number", "Message", "Date", "Status"};
    table.rowCount = 3000;
    table.row = [](qsizetype i) {
        return QStringList{QString::number(440000000 + i), QStringLiteral("message %1").arg(i),
                           "06/05/2026", "Message sent successfully."};
    };
    return table;
}

class ExportFailureTest : public ::testing::Test
{
protected:
    QString path() const { return dir.filePath(QStringLiteral("export")); }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir;
};

TEST_F(ExportFailureTest, AMissingFolderCreatesNothing)
{
    const QString target = dir.filePath(QStringLiteral("missing/export"));
    for (const Writer& writer : kWriters) {
        const ExportResult result = writer.write(target, sizeableTable());
        EXPECT_EQ(result.status, ExportStatus::CannotCreate) << writer.name;
        EXPECT_EQ(result.errorNumber, ENOENT) << writer.name;
        EXPECT_EQ(ExportFailureText(result),
                  "Error in file.\n\nOR\n\nThere is not enough space on the disk.");
    }
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(ExportFailureTest, AFullDiskKeepsTheOldFileAndLeavesNoPartOfTheNewOne)
{
    for (const Writer& writer : kWriters) {
        WriteBytes(path(), "old");
        ExportResult result;
        {
            FileSizeLimit limit(4096);
            result = writer.write(path(), sizeableTable());
        }
        EXPECT_EQ(result.status, ExportStatus::WriteFailed) << writer.name;
        EXPECT_EQ(ReadBytes(path()), "old") << writer.name;
        EXPECT_EQ(entries(), QStringList{"export"}) << writer.name;
    }
}

TEST_F(ExportFailureTest, AnXlsxWhoseTemporaryFilesCannotBeWrittenFailsAndKeepsTheOldFile)
{
    // The rows' temporary file passes the limit while the compressed package stays far below
    // it: only the temporary writes fail.
    ExportTable table;
    table.columns = {"Number", "Message"};
    table.rowCount = 20000;
    table.row = [](qsizetype i) {
        return QStringList{QString::number(447700900000 + i),
                           QStringLiteral("The parents evening is on Thursday at six o'clock.")};
    };
    WriteBytes(path(), "old");
    ExportResult result;
    {
        FileSizeLimit limit(512 * 1024);
        result = WriteXlsx(path(), table);
    }
    EXPECT_EQ(result.status, ExportStatus::WriteFailed);
    EXPECT_EQ(ReadBytes(path()), "old");
    EXPECT_EQ(entries(), QStringList{"export"});
    // Without the limit the same table is written whole.
    EXPECT_TRUE(WriteXlsx(path(), table).ok());
    EXPECT_LT(QFileInfo(path()).size(), 512 * 1024);
}

TEST_F(ExportFailureTest, ATargetThatCannotBeReplacedLeavesNoPartOfTheNewFile)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("export"));
    for (const Writer& writer : kWriters) {
        const ExportResult result = writer.write(path(), sizeableTable());
        EXPECT_EQ(result.status, ExportStatus::CannotReplace) << writer.name;
        EXPECT_EQ(entries(), QStringList{"export"}) << writer.name;
    }
}

TEST_F(ExportFailureTest, ASuccessReplacesTheOldFileAndKeepsItsPermissions)
{
    for (const Writer& writer : kWriters) {
        WriteBytes(path(), "old");
        ASSERT_EQ(chmod(QFile::encodeName(path()).constData(), 0640), 0);
        const ExportResult result = writer.write(path(), sizeableTable());
        EXPECT_TRUE(result.ok()) << writer.name;
        EXPECT_GT(QFileInfo(path()).size(), 10000) << writer.name;
        EXPECT_EQ(entries(), QStringList{"export"}) << writer.name;
        struct stat st
        {};
        stat(QFile::encodeName(path()).constData(), &st);
        EXPECT_EQ(st.st_mode & 0777, 0640u) << writer.name;
    }
}

TEST(ExportSuccessText, SaysHowManyCellsWereCut)
{
    const QString success = QStringLiteral("Sent Items have been exported successfully.");
    EXPECT_EQ(ExportSuccessText(success, {}), success);
    EXPECT_EQ(ExportSuccessText(success, {ExportStatus::Written, 0, 1}),
              success + "\n\n1 cell held more than 32767 characters and was cut to 32767, the "
                        "most a workbook cell holds.");
    EXPECT_EQ(ExportSuccessText(success, {ExportStatus::Written, 0, 3}),
              success + "\n\n3 cells held more than 32767 characters and were cut to 32767, the "
                        "most a workbook cell holds.");
}

} // namespace
