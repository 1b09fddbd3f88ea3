#include "spreadsheet/SheetTable.h"
#include "spreadsheet/SpreadsheetReader.h"
#include "support/CliRunner.h"
#include "support/WorkbookFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

CliRun runImport(const QStringList& arguments, rlim_t fileSizeLimit = RLIM_INFINITY)
{
    QProcess process;
    // A limit as a shell or a job scheduler sets it, with the signal as a new process has it.
    process.setChildProcessModifier([fileSizeLimit] {
        signal(SIGXFSZ, SIG_DFL);
        if (fileSizeLimit != RLIM_INFINITY) {
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = fileSizeLimit;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
    });
    startCli(process, QStringList{"import"} + arguments);
    return finishCli(process);
}

TEST(ImportCommandTest, PrintsRowsForEachWayOfImporting)
{
    QTemporaryDir dir;
    const QString book = dir.filePath("b.xlsx");
    ASSERT_TRUE(WriteWorkbook(book, {{"Other", {{"1"}}},
                                     {"Pupils",
                                      {{"Mother", "Father", "Name"},
                                       {447700900001.0, "222", "Ann\nLee"},
                                       {"333", QVariant(), "Bob"}}}}));
    const struct
    {
        QStringList arguments;
        const char* out;
    } cases[] = {
        {{book, "--sheet", "Pupils", "--columns", "2,1", "--composer", "hi"},
         "447700900001\thi\n333\thi\n222\thi\nTotal Numbers : 3\n"},
        {{book, "--sheet", "2", "--message-column", "3"},
         "447700900001\tAnn\\nLee\n333\tBob\nTotal Numbers : 2\n"},
        {{book, "--sheet", "2", "--columns", "1,2", "--template", "For <COL-3>"},
         "447700900001\tFor Ann\\nLee\n333\tFor Bob\n222\tFor Ann\\nLee\nTotal Numbers : 3\n"},
        // Number columns are read left to right, however they are named.
        {{book, "--sheet", "2", "--columns", "2,1", "--template", "For <COL-3>"},
         "447700900001\tFor Ann\\nLee\n333\tFor Bob\n222\tFor Ann\\nLee\nTotal Numbers : 3\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = runImport(c.arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, c.out) << c.arguments.join(' ').toStdString();
    }

    const CliRun missing = runImport({dir.filePath("none.txt")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("File does not exist on selected location."));
}

TEST(ImportCommandTest, FailuresExitWithOneAndSayWhy)
{
    QTemporaryDir dir;
    // #N/A in the third row: the reading breaks off there, the rows before it stay.
    const QString broken = dir.filePath("err.xlsx");
    ASSERT_TRUE(WriteZip(
        broken,
        XlsxPackageEntries(
            {{{"S", WorksheetXml("<row r=\"1\"><c r=\"A1\"><v>111</v></c></row>"
                                 "<row r=\"2\"><c r=\"A2\"><v>222</v></c></row>"
                                 "<row r=\"3\"><c r=\"A3\" t=\"e\"><v>#N/A</v></c></row>")}},
             {},
             {},
             {}})));
    const CliRun discarded = runImport({broken});
    EXPECT_EQ(discarded.exitCode, 1);
    EXPECT_TRUE(discarded.err.contains("File reading process is discarded."))
        << discarded.err.toStdString();
    EXPECT_EQ(discarded.out, "111\t\n222\t\nTotal Numbers : 2\n");

    const QString nothing = dir.filePath("none.xlsx");
    ASSERT_TRUE(WriteWorkbook(nothing, {{"S", {{"Phone"}, {"not a number"}}}}));
    const CliRun empty = runImport({nothing});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.err, "quillon-cli import: Either file is corrupted or selected file contains "
                         "invalid characters.\n\nOR\n\nRecipient number is skipped because of "
                         "using 'Skip Duplicate Numbers' or 'Exclusion List' option.\n");
    EXPECT_TRUE(empty.out.isEmpty());
}

TEST(ImportCommandTest, ExclusionRulesLeaveOutTheNumbersInUse)
{
    QTemporaryDir home;
    const QString data = home.filePath("QUILLON_DATA");
    ASSERT_TRUE(QDir().mkpath(data + "/Exclusion"));
    const auto writeUtf16 = [](const QString& path, const QString& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\xff\xfe");
        file.write(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    };
    writeUtf16(data + "/Exclusion/ExListIndex.korv", "OptOut\r\n");
    writeUtf16(data + "/Exclusion/OptOut.korv", "222\r\n");
    writeUtf16(data + "/AppExclusion.korv", "OptOut\r\n");
    const QString list = home.filePath("list.txt");
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("111\n222\n333\n");
    file.close();

    for (const bool rules : {false, true}) {
        QStringList arguments{"import", list};
        if (rules)
            arguments.append("--use-exclusion-rules");
        const CliRun run = runCli(arguments, {{"QUILLON_HOME", home.path()}});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out.count('\t'), rules ? 2 : 3);
    }
}

TEST(ImportCommandTest, ExportWritesTheListAsAWorkbook)
{
    QTemporaryDir dir;
    const QString book = dir.filePath("in.xlsx");
    ASSERT_TRUE(WriteWorkbook(book, {{"S", {{"Phone", "Text"}, {"111", "one"}, {"222", "two"}}}}));
    for (const char* name : {"out.xls", "out.xlsx"}) {
        const QString out = dir.filePath(name);
        const CliRun run = runImport({book, "--message-column", "2", "--export", out});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, "Total Numbers : 2\n");
        SpreadsheetReader reader;
        ASSERT_TRUE(reader.open(out).ok()) << name;
        const SheetTable* sheet = reader.sheet(0);
        ASSERT_NE(sheet, nullptr);
        ASSERT_EQ(sheet->rowCount(), 3);
        EXPECT_EQ(sheet->cellText(1, 1), "Number");
        EXPECT_EQ(sheet->cellText(2, 1), "111");
        EXPECT_EQ(sheet->cellText(3, 2), "two");
    }
    const CliRun wrong = runImport({book, "--export", dir.filePath("out.csv")});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_FALSE(QFile::exists(dir.filePath("out.csv")));
}

TEST(ImportCommandTest, AnExportPastAFileSizeLimitFailsWithTheMessageAndLeavesNoFile)
{
    QTemporaryDir dir;
    const QString numbers = dir.filePath("numbers.txt");
    QByteArray lines;
    for (int i = 0; i < 20000; ++i)
        lines += "4477009" + QByteArray::number(10000 + i) + "\r\n";
    QFile file(numbers);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(lines);
    file.close();
    for (const char* name : {"out.xls", "out.xlsx"}) {
        const CliRun run =
            runImport({numbers, "--composer", "hi", "--export", dir.filePath(name)}, 64 * 1024);
        EXPECT_EQ(run.exitCode, 1) << name; // -1: killed by a signal
        EXPECT_TRUE(
            run.err.contains("Error in file.\n\nOR\n\nThere is not enough space on the disk."))
            << run.err.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"numbers.txt"});
}

} // namespace
