#include "FileSizeLimit.h"
#include "exports/ExportFormat.h"
#include "exports/ListExports.h"
#include "support/ExportFakes.h"
#include "support/FileBytes.h"
#include "support/WorkbookReaders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kFailure =
    QStringLiteral("Error in file.\n\nOR\n\nThere is not enough space on the disk.");
const QString kCapacityQuestion = QStringLiteral(
    "Number of rows in table is greater than the capacity of MS Excel worksheet so remaining "
    "rows convert in new worksheet of same MS Excel File.\n\nAre you sure you want to "
    "continue?");

class ExportStepsTest : public ::testing::Test
{
protected:
    QString at(const QString& name) const { return dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    ExportJob numbers(qsizetype count) const
    {
        ExportJob job;
        job.formats = {ExportFormat::Xls, ExportFormat::Xlsx};
        job.table.columns = {"Number"};
        job.table.rowCount = count;
        job.table.row = [](qsizetype i) { return QStringList{QString::number(i + 1)}; };
        job.successText = "Done.";
        return job;
    }

    QTemporaryDir dir;
    FakeExportDesk desk;
};

TEST(ExportFormat, AppendsTheChosenFiltersExtensionUnlessTheNameHasIt)
{
    const struct
    {
        ExportFormat format;
        QString typed;
        QString expected;
    } cases[] = {
        {ExportFormat::Xls, "list", "list.xls"},
        {ExportFormat::Xls, "list.XLS", "list.XLS"},
        {ExportFormat::Xls, "list.xlsx", "list.xlsx.xls"},
        {ExportFormat::Xlsx, "list.xls", "list.xls.xlsx"},
        {ExportFormat::Txt, "notes.Txt", "notes.Txt"},
        {ExportFormat::Html, "page.htm", "page.htm.html"},
        {ExportFormat::Txt, "/data.txt/notes", "/data.txt/notes.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithExportExtension(c.typed, c.format), c.expected) << c.typed.toStdString();
}

TEST_F(ExportStepsTest, CancellingTheSaveDialogEndsSilently)
{
    desk.dialog.cancel();
    EXPECT_EQ(desk.exporter.run(numbers(3)), ExportOutcome::Cancelled);
    EXPECT_TRUE(desk.prompter.shown().isEmpty());
    EXPECT_EQ(desk.worker.runs, 0);
    EXPECT_TRUE(desk.result.shown.isEmpty());
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(ExportStepsTest, ATargetThatCannotBeOpenedForWritingIsRefusedWithItsFileError)
{
    // A folder under the target name cannot be opened for writing, whoever runs the test.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.xls"));
    desk.dialog.choose(at("taken"));
    EXPECT_EQ(desk.exporter.run(numbers(3)), ExportOutcome::Refused);
    ASSERT_EQ(desk.prompter.shown().size(), 1);
    const ScriptedPrompter::Shown& shown = desk.prompter.shown().first();
    EXPECT_EQ(shown.caption, "Message");
    EXPECT_EQ(shown.text, "Error in file accessing.\n\nOR\n\nIs a directory.");
    EXPECT_EQ(shown.icon, Prompter::Icon::Information);
    EXPECT_EQ(desk.worker.runs, 0);
}

TEST_F(ExportStepsTest, AReadOnlyFileIsRefusedAndKept)
{
    // A program file while it runs cannot be opened for writing, not even by root. It runs from
    // the test programs' folder, which allows running programs where /tmp may not.
    QTemporaryDir runnable(QCoreApplication::applicationDirPath() + "/export-test-XXXXXX");
    const QString target = runnable.filePath("old.xlsx");
    ASSERT_TRUE(QFile::copy("/bin/sleep", target));
    const QByteArray old = ReadBytes(target);
    QProcess running;
    running.start(target, {"30"});
    ASSERT_TRUE(running.waitForStarted());
    desk.dialog.choose(target, 1);
    EXPECT_EQ(desk.exporter.run(numbers(3)), ExportOutcome::Refused);
    running.kill();
    running.waitForFinished();
    EXPECT_EQ(desk.prompter.texts(),
              QStringList{"Error in file accessing.\n\nOR\n\nText file busy."});
    EXPECT_EQ(ReadBytes(target), old);
    EXPECT_EQ(QDir(runnable.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.xlsx"});
}

TEST_F(ExportStepsTest, AnExistingFileIsReplacedWhole)
{
    WriteBytes(at("old.xlsx"), QByteArray(100000, 'x'));
    desk.dialog.choose(at("old.xlsx"), 1);
    EXPECT_EQ(desk.exporter.run(numbers(3)), ExportOutcome::Written);
    const ReadWorkbook book = ReadXlsx(at("old.xlsx"));
    ASSERT_TRUE(book.opened);
    EXPECT_EQ(book.sheets.at(0).rows.size(), 4);
    EXPECT_EQ(entries(), QStringList{"old.xlsx"});
}

TEST_F(ExportStepsTest, OnlyAnXlsExportPastOneSheetAsksTheCapacityQuestion)
{
    // 65,535 rows fit one sheet: no question.
    desk.dialog.choose(at("fits"), 0);
    EXPECT_EQ(desk.exporter.run(numbers(65535)), ExportOutcome::Written);
    EXPECT_TRUE(desk.prompter.shown().isEmpty());

    // One more: the question; No writes nothing.
    desk.prompter.answer(false);
    desk.dialog.choose(at("refused"), 0);
    EXPECT_EQ(desk.exporter.run(numbers(65536)), ExportOutcome::Cancelled);
    ASSERT_EQ(desk.prompter.shown().size(), 1);
    EXPECT_EQ(desk.prompter.shown()[0].caption, "Confirm");
    EXPECT_EQ(desk.prompter.shown()[0].text, kCapacityQuestion);
    EXPECT_TRUE(desk.prompter.shown()[0].question);
    EXPECT_FALSE(QFile::exists(at("refused.xls")));
    EXPECT_EQ(desk.worker.runs, 1);

    // Yes: 65,535 rows in Sheet1 and the last one in Sheet2.
    desk.prompter.answer(true);
    desk.dialog.choose(at("split"), 0);
    EXPECT_EQ(desk.exporter.run(numbers(65536)), ExportOutcome::Written);
    const ReadWorkbook book = ReadXls(at("split.xls"));
    ASSERT_TRUE(book.opened);
    ASSERT_EQ(book.sheets.size(), 2);
    EXPECT_EQ(book.sheets[0].name, "Sheet1");
    EXPECT_EQ(book.sheets[0].rows.size(), 65536);
    EXPECT_EQ(book.sheets[1].name, "Sheet2");
    EXPECT_EQ(book.sheets[1].rows, (QList<QStringList>{{"Number"}, {"65536"}}));

    // An xlsx sheet holds far more: no question.
    desk.dialog.choose(at("large"), 1);
    EXPECT_EQ(desk.exporter.run(numbers(65536)), ExportOutcome::Written);
    EXPECT_EQ(desk.prompter.shown().size(), 2);
    EXPECT_TRUE(desk.prompter.allAnswersUsed());
}

TEST_F(ExportStepsTest, AWriterFailureSaysSoAndLeavesNoFile)
{
    desk.dialog.choose(at("missing/list"), 0);
    EXPECT_EQ(desk.exporter.run(numbers(3)), ExportOutcome::Failed);
    {
        FileSizeLimit fullDisk(4096);
        desk.dialog.choose(at("full"), 1);
        EXPECT_EQ(desk.exporter.run(numbers(20000)), ExportOutcome::Failed);
    }
    EXPECT_EQ(desk.prompter.texts(), (QStringList{kFailure, kFailure}));
    EXPECT_EQ(desk.prompter.shown()[0].caption, "Message");
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_TRUE(desk.result.shown.isEmpty());
}

TEST_F(ExportStepsTest, AReadOnlyFolderGetsTheFailureMessage)
{
    // No one, root included, makes a file in /proc.
    for (const int format : {0, 1}) {
        desk.dialog.choose("/proc/quillon-export-test", format);
        EXPECT_EQ(desk.exporter.run(numbers(3)), ExportOutcome::Failed);
    }
    EXPECT_EQ(desk.prompter.texts(), (QStringList{kFailure, kFailure}));
    EXPECT_FALSE(QFile::exists("/proc/quillon-export-test.xlsx"));

    // A path through a file is refused with its file error, and the file stays as it was.
    WriteBytes(at("locked"), "a file, not a folder");
    desk.dialog.choose(at("locked/list"), 1);
    EXPECT_EQ(desk.exporter.run(numbers(3)), ExportOutcome::Refused);
    EXPECT_EQ(desk.prompter.texts().last(), "Error in file accessing.\n\nOR\n\nNot a directory.");
    EXPECT_EQ(ReadBytes(at("locked")), "a file, not a folder");
    EXPECT_EQ(entries(), QStringList{"locked"});
}

TEST_F(ExportStepsTest, TheResultPromptOpensTheFileWithTheDefaultApplicationOrTheChooser)
{
    const struct
    {
        bool ticked;
        bool defaultWorks;
        bool chooserWorks;
        QStringList calls;
        QStringList messages;
    } cases[] = {
        {false, true, true, {}, {}},
        {true, true, true, {"default"}, {}},
        {true, false, true, {"default", "chooser"}, {}},
        {true,
         false,
         false,
         {"default", "chooser"},
         {"No application could be started to open the exported file. It is saved as:\n\n%1"}},
    };
    const QString path = at("list.xlsx");
    for (const auto& c : cases) {
        FakeExportDesk each;
        each.result.open = c.ticked;
        each.opener.defaultWorks = c.defaultWorks;
        each.opener.chooserWorks = c.chooserWorks;
        each.dialog.choose(at("list"), 1);
        EXPECT_EQ(each.exporter.run(numbers(2)), ExportOutcome::Written);
        EXPECT_EQ(each.result.shown, QStringList{"Done."});
        QStringList calls;
        for (const QString& call : c.calls)
            calls.append(call + " " + path);
        EXPECT_EQ(each.opener.calls, calls);
        QStringList messages;
        for (const QString& message : c.messages)
            messages.append(message.arg(path));
        EXPECT_EQ(each.prompter.texts(), messages);
    }
}

TEST_F(ExportStepsTest, TheSuccessTextCountsCellsCutToTheCellLimit)
{
    const QString longTemplate(40000, QChar(u'a'));
    desk.dialog.choose(at("templates"), 1);
    EXPECT_EQ(ExportTemplates(desk.exporter, {"short", longTemplate}), ExportOutcome::Written);
    EXPECT_EQ(desk.result.shown,
              QStringList{"Template Message List has been exported successfully.\n\n1 cell held "
                          "more than 32767 characters and was cut to 32767, the most a workbook "
                          "cell holds."});
}

} // namespace
