#include "ImportFixture.h"
#include "recipients/ExcelImport.h"
#include "recipients/TextNumberImport.h"
#include "spreadsheet/SpreadsheetReader.h"

namespace {

const QString nothingImported =
    "Either file is corrupted or selected file contains invalid characters.\n\nOR\n\nRecipient "
    "number is skipped because of using 'Skip Duplicate Numbers' or 'Exclusion List' option.";

class ImportFromFileTest : public ImportFixture
{
protected:
    int import(const QString& path, bool skipDuplicates = false)
    {
        window.path = path;
        return ImportFromFile(list, prompter, window, "hi", options(skipDuplicates, true));
    }

    ScriptedImportWindow window;
};

TEST_F(ImportFromFileTest, TextTokensAcrossLineEndsCommasAndBlanks)
{
    const struct
    {
        QByteArray bytes;
        QStringList numbers;
    } cases[] = {
        {"111,222\r\n333", {"111", "222", "333"}},
        {"111,222\n333\n", {"111", "222", "333"}},
        {"111,222\r333", {"111", "222", "333"}},
        {"07 00 1-2(3)\r\n,,\n\n+44 77", {"0700123", "+4477"}}, // blanks dropped, ',' ends
        {"12ab,\xE9"
         "5,99",
         {"99"}}, // letters and high bytes spoil
    };
    for (const auto& c : cases) {
        fill({"1=old"});
        prompter.answer(Prompter::Answer::No);
        import(file("n.txt", c.bytes));
        QStringList expected = c.numbers;
        expected.append("1");
        EXPECT_EQ(numbers(), expected) << c.bytes.toStdString();
        EXPECT_EQ(messages().first(), "hi");
    }
}

TEST_F(ImportFromFileTest, RefusedFilesKeepTheListEvenAfterYes)
{
    const struct
    {
        const char* name;
        QByteArray bytes; // null: the file is not there
        const char* text;
    } cases[] = {
        {"u16.txt",
         "\xFF\xFE"
         "1\0",
         "Please select the ANSI encoded text file."},
        {"u16be.txt",
         "\xFE\xFF\0"
         "1",
         "Please select the ANSI encoded text file."},
        {"u8.TXT",
         "\xEF\xBB\xBF"
         "1",
         "Please select the ANSI encoded text file."},
        {"empty.txt", "", "File is empty."},
        {"missing.txt", QByteArray(), "File does not exist on selected location."},
        {"numbers.csv", "123", "Please select a valid file."},
        {"text.xlsx", "123,456", "Failed to open Excel file!"},
    };
    for (const auto& c : cases) {
        fill({"1", "2"});
        prompter.answer(Prompter::Answer::Yes);
        const QString path = c.bytes.isNull() ? dir.filePath(c.name) : file(c.name, c.bytes);
        EXPECT_EQ(import(path), 0);
        EXPECT_EQ(numbers(), QStringList({"1", "2"})) << c.name;
        EXPECT_EQ(prompter.texts().last(), c.text) << c.name;
    }
    EXPECT_EQ(window.readings, 0);
}

TEST_F(ImportFromFileTest, CancelledChooserOrSheetDialogKeepsTheList)
{
    fill({"1", "2"});
    prompter.answer(Prompter::Answer::Yes).answer(Prompter::Answer::Yes);
    EXPECT_EQ(import(QString()), 0);
    window.tick = {}; // the sheet dialog is cancelled
    EXPECT_EQ(import(workbook("a.xlsx", {{"5"}})), 0);
    EXPECT_EQ(list.count(), 2);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(ImportFromFileTest, YesEmptiesTheListOnlyWhenReadingStarts)
{
    fill({"111", "2"});
    window.list = &list;
    window.tick = {0};
    prompter.answer(Prompter::Answer::Yes);
    EXPECT_EQ(import(workbook("a.xls", {{"111"}, {"3"}}), true), 2);
    EXPECT_FALSE(window.listEmptiedBeforeChoice);
    EXPECT_EQ(numbers(), QStringList({"111", "3"})); // 111 is no duplicate of a cleared row
}

TEST_F(ImportFromFileTest, NothingImportedIsToldAfterAFullReading)
{
    const QString path = file("n.txt", "111\n222");
    import(path, true);
    EXPECT_TRUE(prompter.texts().isEmpty());
    prompter.answer(Prompter::Answer::No);
    EXPECT_EQ(import(path, true), 0);
    EXPECT_EQ(prompter.texts().last(), nothingImported);
    prompter.answer(Prompter::Answer::No);
    EXPECT_EQ(import(file("letters.txt", "abc\ndef")), 0);
    EXPECT_EQ(prompter.shown().last().caption, "Message");
}

TEST_F(ImportFromFileTest, TickedColumnsOneAfterAnotherHeaderIncluded)
{
    for (const char* name : {"t.xlsx", "t.xls"}) {
        list.clear();
        exclusions.add("66");
        window.tick = {2, 0};
        const QString path = workbook(name, {{"Phone", "x", 900},
                                             {111, "7", QVariant()},
                                             {"22 2", "8", 66},
                                             {QVariant(), "9", 4412345678901.0}});
        EXPECT_EQ(import(path), 4) << name;
        // Column 1 from its header down, then column 3, whose numeric header is a number.
        EXPECT_EQ(numbers(), QStringList({"111", "222", "900", "4412345678901"})) << name;
    }
}

TEST_F(ImportFromFileTest, ErrorCellDiscardsTheReadingAndKeepsEarlierRows)
{
    // An xlsx sheet written by hand: #N/A in the third row of the only column.
    const QByteArray sheet = WorksheetXml("<row r=\"1\"><c r=\"A1\"><v>111</v></c></row>"
                                          "<row r=\"2\"><c r=\"A2\"><v>222</v></c></row>"
                                          "<row r=\"3\"><c r=\"A3\" t=\"e\"><v>#N/A</v></c></row>"
                                          "<row r=\"4\"><c r=\"A4\"><v>444</v></c></row>");
    const QString path = dir.filePath("err.xlsx");
    ASSERT_TRUE(WriteZip(path, XlsxPackageEntries({{{"S", sheet}}, {}, {}, {}})));
    fill({"9"});
    prompter.answer(Prompter::Answer::No);
    window.tick = {0};
    EXPECT_EQ(import(path), 2);
    EXPECT_EQ(numbers(), QStringList({"111", "222", "9"}));
    EXPECT_EQ(prompter.shown().last().caption, "Excel Error");
    EXPECT_EQ(prompter.texts().last(), "Excel Error : File reading process is discarded.");
}

TEST(ExcelColumnChoiceTest, UntitledColumnsSelectAllAndOk)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("h.xlsx");
    ASSERT_TRUE(WriteWorkbook(
        path, {{"Empty", {}},
               {"Data", {{QVariant(), QVariant(), " Name ", QVariant()}, {1, 2, 3, 4}}, 3, 2}}));
    SpreadsheetReader reader;
    ASSERT_TRUE(reader.open(path).ok());
    ExcelColumnChoice choice(reader);
    EXPECT_EQ(choice.sheets(), QStringList({"Empty", "Data"}));
    EXPECT_EQ(choice.chooseSheet(0)->text, "Excel sheet is empty.");
    EXPECT_EQ(choice.accept()->text, "There is no column.\n\nOR\n\nNo column is selected.");

    EXPECT_FALSE(choice.chooseSheet(1));
    EXPECT_EQ(choice.columns(),
              QStringList({"Untitled Column 1", "Untitled Column 2", "Name", "Untitled Column 3"}));
    EXPECT_EQ(choice.accept()->text, "No column is selected.");
    choice.setSelectAll(true);
    EXPECT_EQ(choice.ticked(), std::vector<bool>(4, true));
    choice.setTicked(1, false);
    EXPECT_FALSE(choice.selectAll());
    choice.setTicked(1, true);
    EXPECT_TRUE(choice.selectAll());
    EXPECT_FALSE(choice.accept());
}

} // namespace
