#include "exports/ListExports.h"
#include "exports/ProcessStatusExport.h"
#include "exports/SentItemsExportJob.h"
#include "recipients/RecipientList.h"
#include "recipients/RecipientListExport.h"
#include "support/ExportFakes.h"
#include "support/FileBytes.h"
#include "support/WorkbookReaders.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

const std::vector<SentItem> kSentItems = {
    {"111", "first", "30/04/2026", "Message sent successfully."},
    {"222", "second", "01/05/2026", "Error : +CMS ERROR: 500"},
    {"333", "third", "15/05/2026", "Message sent to device."},
    {"444", "fourth", "31/05/2026", "Error : +CME ERROR: 10"},
    {"555", "fifth", "01/06/2026", "Error : +CMS ERROR: 500"},
    {"666", "sixth", "no date", "Message sent successfully."},
    {"777", "seventh", "20/05/2026", "Message sent successfully. "},
};

SentItemsExportOptions may(StatusChoice choice, ExportFormat format = ExportFormat::Txt)
{
    return {choice, QDate(2026, 5, 1), QDate(2026, 5, 31), format};
}

class ExportsTest : public ::testing::Test
{
protected:
    QString at(const QString& name) const { return dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir;
    FakeExportDesk desk;
};

TEST_F(ExportsTest, EachExportOffersItsFiltersAndWritesTheChosenFormat)
{
    RecipientList recipients;
    recipients.insertRecipient(0, {"0044123", "hello"});
    const std::vector<ProcessStatusRow> statuses = {
        {"0044123", "hello", "Done (COM3 - Modem)", "Message sent successfully.", "0"}};
    using Run = std::function<ExportOutcome(Exporter&)>;
    const struct
    {
        const char* name;
        Run run;
        QString filter;
        int filterIndex;
        QString typed;
        QString written;
        QByteArray start; // the format's first bytes
    } cases[] = {
        {"recipients", [&](Exporter& e) { return ExportRecipientList(e, recipients); },
         "Excel(97-2003) Files(*.xls)|*.xls|Excel Files(*.xlsx)|*.xlsx||", 0, "people",
         "people.xls", "\xD0\xCF\x11\xE0"},
        {"recipients", [&](Exporter& e) { return ExportRecipientList(e, recipients); },
         "Excel(97-2003) Files(*.xls)|*.xls|Excel Files(*.xlsx)|*.xlsx||", 1, "people.xls",
         "people.xls.xlsx", "PK"},
        {"exclusion", [](Exporter& e) { return ExportExclusionList(e, {"0044123"}); },
         "Excel(97-2003) Files(*.xls)|*.xls|Excel Files(*.xlsx)|*.xlsx|Text Files(*.txt)|*.txt||",
         2, "blocked", "blocked.txt", "===="},
        {"templates", [](Exporter& e) { return ExportTemplates(e, {"hello"}); },
         "Excel(97-2003) Files(*.xls)|*.xls|Excel Files(*.xlsx)|*.xlsx|Text Files(*.txt)|*.txt|"
         "Html Files(*.html)|*.html||",
         3, "page.HTML", "page.HTML", QByteArray("\xFF\xFE<\0h\0", 6)},
        {"templates", [](Exporter& e) { return ExportTemplates(e, {"hello"}); },
         "Excel(97-2003) Files(*.xls)|*.xls|Excel Files(*.xlsx)|*.xlsx|Text Files(*.txt)|*.txt|"
         "Html Files(*.html)|*.html||",
         2, "notes.html", "notes.html.txt", QByteArray("\xFF\xFE=\0", 4)},
        {"sent items",
         [](Exporter& e) {
             return ExportSentItems(e, kSentItems, may(StatusChoice::All, ExportFormat::Xlsx));
         },
         "Excel Files(*.xlsx)|*.xlsx||", 0, "sent", "sent.xlsx", "PK"},
        {"statuses", [&](Exporter& e) { return ExportProcessStatuses(e, statuses, true); },
         "Excel(97-2003) Files(*.xls)|*.xls|Excel Files(*.xlsx)|*.xlsx||", 0, "run.xlsx",
         "run.xlsx.xls", "\xD0\xCF\x11\xE0"},
    };
    for (const auto& c : cases) {
        FakeExportDesk each;
        each.dialog.choose(at(c.typed), c.filterIndex);
        EXPECT_EQ(c.run(each.exporter), ExportOutcome::Written) << c.name;
        ASSERT_EQ(each.dialog.offered.size(), 1) << c.name;
        EXPECT_EQ(ExportFilterText(each.dialog.offered[0]), c.filter) << c.name;
        EXPECT_TRUE(ReadBytes(at(c.written)).startsWith(c.start))
            << c.name << " " << c.written.toStdString();
        EXPECT_TRUE(each.prompter.shown().isEmpty()) << c.name;
    }
}

TEST_F(ExportsTest, EachExportReportsItsOwnSuccessText)
{
    RecipientList recipients;
    const struct
    {
        std::function<ExportOutcome(Exporter&)> run;
        QString text;
    } cases[] = {
        {[&](Exporter& e) { return ExportRecipientList(e, recipients); },
         "Phone Number and Message List has been exported successfully."},
        {[](Exporter& e) { return ExportExclusionList(e, {"1"}); },
         "Exclusion Number List has been exported successfully."},
        {[](Exporter& e) { return ExportTemplates(e, {"t"}); },
         "Template Message List has been exported successfully."},
        {[](Exporter& e) { return ExportSentItems(e, kSentItems, may(StatusChoice::All)); },
         "Sent Items have been exported successfully."},
        {[](Exporter& e) {
             return ExportProcessStatuses(e, {{"1", "m", "c", "s", "0"}}, false);
         },
         "Sent Items have been exported successfully."},
    };
    for (const auto& c : cases) {
        FakeExportDesk each;
        each.dialog.choose(at("out"), 0);
        EXPECT_EQ(c.run(each.exporter), ExportOutcome::Written);
        EXPECT_EQ(each.result.shown, QStringList{c.text});
    }
}

TEST_F(ExportsTest, RecipientCellsAreWrittenAsTheListHoldsThem)
{
    RecipientList recipients;
    recipients.insertRecipients(
        0, {{"00441234", "it's 'quoted'"}, {"12345678901234567890", "second"}, {"+44 77", ""}});
    desk.dialog.choose(at("people"), 1);
    ASSERT_EQ(ExportRecipientList(desk.exporter, recipients), ExportOutcome::Written);
    const ReadWorkbook book = ReadXlsx(at("people.xlsx"));
    ASSERT_TRUE(book.opened);
    EXPECT_EQ(book.sheets.at(0).rows, (QList<QStringList>{{"Number", "Message"},
                                                          {"00441234", "it's 'quoted'"},
                                                          {"12345678901234567890", "second"},
                                                          {"+44 77", ""}}));
    EXPECT_TRUE(book.sheets.at(0).allText);
}

TEST(SentItemsSelection, TakesThePeriodWithBothEndsAndTheStatusChoice)
{
    const struct
    {
        StatusChoice choice;
        QStringList numbers;
    } cases[] = {
        {StatusChoice::All, {"222", "333", "444", "777"}},
        {StatusChoice::Succeeded, {"333"}},
        {StatusChoice::Failed, {"222", "444"}},
    };
    for (const auto& c : cases) {
        QStringList numbers;
        for (const SentItem& item : SelectSentItems(kSentItems, may(c.choice)))
            numbers.append(item.number);
        EXPECT_EQ(numbers, c.numbers) << StatusChoiceCode(c.choice).toStdString();
    }
}

TEST_F(ExportsTest, SentItemsAreNumberedFromOneAmongThoseExported)
{
    desk.dialog.choose(at("failed"), 0);
    ASSERT_EQ(ExportSentItems(desk.exporter, kSentItems, may(StatusChoice::Failed)),
              ExportOutcome::Written);
    const QString text = QString::fromUtf16(
        reinterpret_cast<const char16_t*>(ReadBytes(at("failed.txt")).constData() + 2),
        (ReadBytes(at("failed.txt")).size() - 2) / 2);
    EXPECT_TRUE(text.contains("[ Duration - 01/05/2026 to 31/05/2026 ]"));
    EXPECT_TRUE(text.contains("S.No.\t: 1\r\nDate\t: 01/05/2026\r\nStatus\t: Error : +CMS ERROR: "
                              "500\r\nNumber\t: 222\r\n"));
    EXPECT_TRUE(text.contains("S.No.\t: 2\r\nDate\t: 31/05/2026\r\n"));
    EXPECT_FALSE(text.contains("S.No.\t: 3"));
}

TEST_F(ExportsTest, ASentItemsSelectionThatMatchesNothingLeavesNoFile)
{
    desk.dialog.choose(at("nothing"), 0);
    SentItemsExportOptions june = may(StatusChoice::Succeeded, ExportFormat::Html);
    june.start = june.end = QDate(2026, 6, 1);
    EXPECT_EQ(ExportSentItems(desk.exporter, kSentItems, june), ExportOutcome::Refused);
    EXPECT_EQ(desk.prompter.texts(), QStringList{"There is no record for selected duration."});
    EXPECT_EQ(desk.prompter.shown()[0].caption, "Message");
    EXPECT_EQ(desk.worker.runs, 0);
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(ExportsTest, ProcessStatusesKeepTheirColumnsAndTheChosenRows)
{
    const std::vector<ProcessStatusRow> rows = {
        {"111", "hello", "Done (COM3 - Modem)", "Message sent successfully.", "0"},
        {"222", "hello", "Done (COM4 - Phone)", "Error : +CMS ERROR: 500", "2"},
        {"333", "hello", "Stopped", "Stopped", "0"},
    };
    std::vector<ProcessStatusRow> reported = rows;
    reported[0].Delivery = "Delivered";
    reported[1].Delivery = reported[2].Delivery = QString();
    const struct
    {
        bool withRetry;
        StatusChoice choice;
        QList<QStringList> sheet;
        const std::vector<ProcessStatusRow>* rows = nullptr;
    } cases[] = {
        {true,
         StatusChoice::Failed,
         {{"Number", "Message", "Current Status", "Status", "Retry"},
          {"222", "hello", "Done (COM4 - Phone)", "Error : +CMS ERROR: 500", "2"}}},
        {false,
         StatusChoice::All,
         {{"Number", "Message", "Current Status", "Status"},
          {"111", "hello", "Done (COM3 - Modem)", "Message sent successfully."},
          {"222", "hello", "Done (COM4 - Phone)", "Error : +CMS ERROR: 500"},
          {"333", "hello", "Stopped", "Stopped"}}},
        // With delivery reports asked: the state as a last column.
        {false,
         StatusChoice::Succeeded,
         {{"Number", "Message", "Current Status", "Status", "Delivery"},
          {"111", "hello", "Done (COM3 - Modem)", "Message sent successfully.", "Delivered"}},
         &reported},
    };
    for (const auto& c : cases) {
        FakeExportDesk each;
        each.dialog.choose(at("run"), 1);
        ASSERT_EQ(
            ExportProcessStatuses(each.exporter, c.rows ? *c.rows : rows, c.withRetry, c.choice),
            ExportOutcome::Written);
        const ReadWorkbook book = ReadXlsx(at("run.xlsx"));
        ASSERT_TRUE(book.opened);
        EXPECT_EQ(book.sheets.at(0).rows, c.sheet);
    }

    desk.dialog.choose(at("none"), 1);
    EXPECT_EQ(ExportProcessStatuses(desk.exporter, {rows[2]}, true, StatusChoice::Succeeded),
              ExportOutcome::Refused);
    EXPECT_EQ(desk.prompter.texts(), QStringList{"There is no item for selected Export Option."});
    EXPECT_FALSE(QFile::exists(at("none.xlsx")));
}

} // namespace

// The sent-items export gains a "Delivery" column once any record of the window asked for a
// report; records without one get an empty cell.
TEST_F(ExportsTest, SentItemsGainTheDeliveryColumnWhenAnyRecordAskedForAReport)
{
    std::vector<QString> reported(kSentItems.size());
    reported[2] = "Not delivered: validity period expired";
    const std::vector<QString> none(kSentItems.size());
    const struct
    {
        const std::vector<QString>* deliveries;
        QList<QStringList> sheet;
    } cases[] = {
        {&reported,
         {{"Number", "Message", "Date", "Status", "Delivery"},
          {"222", "second", "01/05/2026", "Error : +CMS ERROR: 500", ""},
          {"333", "third", "15/05/2026", "Message sent to device.",
           "Not delivered: validity period expired"},
          {"444", "fourth", "31/05/2026", "Error : +CME ERROR: 10", ""},
          {"777", "seventh", "20/05/2026", "Message sent successfully. ", ""}}},
        {&none,
         {{"Number", "Message", "Date", "Status"},
          {"222", "second", "01/05/2026", "Error : +CMS ERROR: 500"},
          {"333", "third", "15/05/2026", "Message sent to device."},
          {"444", "fourth", "31/05/2026", "Error : +CME ERROR: 10"},
          {"777", "seventh", "20/05/2026", "Message sent successfully. "}}},
    };
    for (const auto& c : cases) {
        FakeExportDesk each;
        each.dialog.choose(at("items"), 0);
        ASSERT_EQ(ExportSentItems(each.exporter, kSentItems,
                                  may(StatusChoice::All, ExportFormat::Xlsx), *c.deliveries),
                  ExportOutcome::Written);
        const ReadWorkbook book = ReadXlsx(at("items.xlsx"));
        ASSERT_TRUE(book.opened);
        EXPECT_EQ(book.sheets.at(0).rows, c.sheet);
    }

    desk.dialog.choose(at("items"), 0);
    ASSERT_EQ(ExportSentItems(desk.exporter, kSentItems, may(StatusChoice::Succeeded), reported),
              ExportOutcome::Written);
    const QByteArray bytes = ReadBytes(at("items.txt"));
    const QString text = QString::fromUtf16(
        reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    EXPECT_TRUE(text.contains("Message\t: third\r\nDelivery\t: Not delivered: validity period "
                              "expired\r\n"))
        << text.toStdString();
}
