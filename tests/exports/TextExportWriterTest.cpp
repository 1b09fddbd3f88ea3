#include "exports/TextExportWriter.h"

#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kRule = QString(132, u'=') + QStringLiteral("\r\n");

class TextExportWriterTest : public ::testing::Test
{
protected:
    QString path() const { return dir.filePath(QStringLiteral("export.txt")); }

    QTemporaryDir dir;
};

TEST_F(TextExportWriterTest, ExclusionListIsEightBitUnderItsBanner)
{
    const ExportTable numbers = ExportTable::fromRows({"Exclusion Number"}, {{"0123"}, {"+4412"}});
    ASSERT_TRUE(TextExport::WriteExclusionList(path(), numbers).ok());

    const QString expected = kRule + "\t\t\t\t[ Quillon - Exclusion Number List ]\r\n\r\n" + kRule +
                             "\r\n0123\r\n+4412\r\n\r\n";
    EXPECT_EQ(ReadBytes(path()), expected.toLatin1());
}

TEST_F(TextExportWriterTest, TemplatesAreNumberedFromOneInUtf16)
{
    struct Case
    {
        const char* name;
        QList<QStringList> rows;
        QString records;
    };
    const Case cases[] = {
        {"none", {}, ""},
        {"two",
         {{"Hello"}, {QString::fromUtf8("Two\nlines, Ünïcode 😀")}},
         "\r\nS.No : 1\r\n---------\r\nMessage  : Hello\r\n" +
             QString::fromUtf8(
                 "\r\nS.No : 2\r\n---------\r\nMessage  : Two\nlines, Ünïcode 😀\r\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(
            TextExport::WriteTemplates(path(), ExportTable::fromRows({"Template Message"}, c.rows))
                .ok());
        const QString expected = kRule + "\t\t\t\t[ KORV Quillon - Template Messages ]\r\n\r\n" +
                                 kRule + "\r\n" + c.records + "\r\n";
        EXPECT_EQ(ReadBytes(path()), Utf16Bytes(expected));
    }
}

TEST_F(TextExportWriterTest, SentItemsAreNumberedFromOneUnderTheirPeriod)
{
    const ExportTable items =
        ExportTable::fromRows({"Number", "Message", "Date", "Status"},
                              {{"+4412", "Hi", "06/05/2026", "Message sent successfully."},
                               {"0044", "Two\nlines", "07/05/2026", "Error : +CMS ERROR: 500"}});
    ASSERT_TRUE(TextExport::WriteSentItems(path(), items, "01/05/2026", "31/05/2026").ok());

    const QString expected =
        kRule + "\r\n\t\t\t\t\t\t[ Quillon - Sent Items ]\r\n\r\n" +
        "\t\t\t\t\t    [ Duration - 01/05/2026 to 31/05/2026 ]\r\n\r\n" + kRule +
        "S.No.\t: 1\r\nDate\t: 06/05/2026\r\nStatus\t: Message sent successfully.\r\n"
        "Number\t: +4412\r\nMessage\t: Hi\r\n" +
        kRule +
        "S.No.\t: 2\r\nDate\t: 07/05/2026\r\nStatus\t: Error : +CMS ERROR: 500\r\n"
        "Number\t: 0044\r\nMessage\t: Two\nlines\r\n" +
        kRule;
    EXPECT_EQ(ReadBytes(path()), Utf16Bytes(expected));
}

TEST_F(TextExportWriterTest, InboxMessagesAreNumberedFromOne)
{
    const ExportTable messages = ExportTable::fromRows(
        {"Number", "Message", "Received", "Modem", "Last sent item"},
        {{"+4412", "STOP", "06/05/2026 10:00:00", "COM1", "05/05/2026: Offer"},
         {"Bank", "Две\nстроки", "07/05/2026 11:00:00", "COM2", ""}});
    ASSERT_TRUE(TextExport::WriteInbox(path(), messages).ok());

    const QString expected =
        kRule + "\r\n\t\t\t\t\t\t[ Quillon - Inbox ]\r\n\r\n" + kRule +
        "S.No.\t: 1\r\nNumber\t: +4412\r\nMessage\t: STOP\r\nReceived\t: 06/05/2026 10:00:00\r\n"
        "Modem\t: COM1\r\nLast sent item\t: 05/05/2026: Offer\r\n" +
        kRule +
        QString::fromUtf8("S.No.\t: 2\r\nNumber\t: Bank\r\nMessage\t: Две\nстроки\r\n"
                          "Received\t: 07/05/2026 11:00:00\r\nModem\t: COM2\r\n"
                          "Last sent item\t: \r\n") +
        kRule;
    EXPECT_EQ(ReadBytes(path()), Utf16Bytes(expected));
}

TEST_F(TextExportWriterTest, LongListsAreWrittenWhole)
{
    constexpr qsizetype count = 5000; // far more text than is gathered before each write
    ExportTable templates;
    templates.columns = {QStringLiteral("Template Message")};
    templates.rowCount = count;
    templates.row = [](qsizetype i) { return QStringList{QStringLiteral("template %1").arg(i)}; };
    ASSERT_TRUE(TextExport::WriteTemplates(path(), templates).ok());

    const QByteArray bytes = ReadBytes(path());
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    EXPECT_EQ(text.count(QStringLiteral("\r\nS.No : ")), count);
    EXPECT_TRUE(text.endsWith(
        QStringLiteral("\r\nS.No : 5000\r\n---------\r\nMessage  : template 4999\r\n\r\n")));
}

} // namespace
