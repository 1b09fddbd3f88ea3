#include "exports/HtmlExportWriter.h"

#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class HtmlExportWriterTest : public ::testing::Test
{
protected:
    QString path() const { return dir.filePath(QStringLiteral("export.html")); }

    // The page as text, after checking it is UTF-16 little-endian with the byte-order mark.
    QString page() const
    {
        const QByteArray bytes = ReadBytes(path());
        EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                                  (bytes.size() - 2) / 2);
    }

    QTemporaryDir dir;
};

TEST(HtmlText, EscapesMarkupBeforeReplacingBlanksAndLineFeeds)
{
    struct Case
    {
        QString text;
        QString escaped;
        QString message;
    };
    const Case cases[] = {
        {"<script>alert(\"x\")</script>", "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;",
         "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;"},
        {"Tom & Jerry", "Tom &amp; Jerry", "Tom&nbsp;&amp;&nbsp;Jerry"},
        {"&nbsp;<br>", "&amp;nbsp;&lt;br&gt;", "&amp;nbsp;&lt;br&gt;"},
        {"two\nlines", "two\nlines", "two<br>lines"},
        {"It's 5 > 3", "It's 5 &gt; 3", "It's&nbsp;5&nbsp;&gt;&nbsp;3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HtmlExport::EscapedText(c.text), c.escaped) << c.text.toStdString();
        EXPECT_EQ(HtmlExport::MessageText(c.text), c.message) << c.text.toStdString();
    }
}

TEST_F(HtmlExportWriterTest, TemplatesFollowTheCaptionNumberedFromOne)
{
    const ExportTable templates =
        ExportTable::fromRows({"Template Message"}, {{"Hello there"}, {"<b>bold</b> & more\nok"}});
    ASSERT_TRUE(HtmlExport::WriteTemplates(path(), templates).ok());

    const QString text = page();
    EXPECT_TRUE(text.startsWith("<html><head><title>Quillon - Phone Messages</title>"));
    const QString caption = QStringLiteral("KORV Quillon - Template Messages");
    ASSERT_EQ(text.count(caption), 1);
    EXPECT_EQ(text.mid(text.indexOf(caption) + caption.size()),
              "</td></tr><tr><td class=style2>"
              "<br>S.No. : 1<br>---------<br>Message&nbsp;&nbsp;&nbsp;:&nbsp;&nbsp;"
              "Hello&nbsp;there<br>"
              "<br>S.No. : 2<br>---------<br>Message&nbsp;&nbsp;&nbsp;:&nbsp;&nbsp;"
              "&lt;b&gt;bold&lt;/b&gt;&nbsp;&amp;&nbsp;more<br>ok<br>"
              "<br>");
}

TEST_F(HtmlExportWriterTest, SentItemsAreRowsOfRecordTablesWithEveryTextEscaped)
{
    const ExportTable items = ExportTable::fromRows(
        {"Number", "Message", "Date", "Status"},
        {{"+4412", "Hi <script>x</script>", "06/05/2026", "Message sent successfully."},
         {"00&44", "a b", "07/05/2026", "Error : \"<busy>\""}});
    ASSERT_TRUE(HtmlExport::WriteSentItems(path(), items, "01/05/2026", "31/05/2026").ok());

    const QString text = page();
    EXPECT_TRUE(text.startsWith("<html><head><title>[ Quillon - Sent Items ]</title>"));
    EXPECT_TRUE(text.contains(">[ Quillon - Sent Items ]</td>"));
    const QString duration = QStringLiteral("[ Duration - ");
    ASSERT_EQ(text.count(duration), 1);
    const QString record =
        QStringLiteral("</td><tr><td width=60>%1</td><td>:&nbsp;&nbsp;</td><td>");
    EXPECT_EQ(
        text.mid(text.indexOf(duration)),
        "[ Duration - 01/05/2026 to 31/05/2026 ]"
        "</td></tr></table><br><br><table width=1100 border=1 align=center cellpadding=0 "
        "cellspacing=0 bordercolor=#000000><tr><th height = 30 bgcolor = #647dbe align = Left "
        "class =style3>Sent Items:</th></tr>"
        "<tr><td  height = 50 class = style2><table><tr><td width=60>S.No.</td><td>:&nbsp;&nbsp;"
        "</td><td>1" +
            record.arg("Date") + "06/05/2026" + record.arg("Status") +
            "Message sent successfully." + record.arg("Number") + "+4412" + record.arg("Message") +
            "Hi&nbsp;&lt;script&gt;x&lt;/script&gt;</td></table></td></tr>"
            "<tr><td  height = 50 class = style2><table><tr><td width=60>S.No.</td><td>"
            ":&nbsp;&nbsp;</td><td>2" +
            record.arg("Date") + "07/05/2026" + record.arg("Status") +
            "Error : &quot;&lt;busy&gt;&quot;" + record.arg("Number") + "00&amp;44" +
            record.arg("Message") + "a&nbsp;b</td></table></td></tr>");
}

} // namespace

namespace {

TEST_F(HtmlExportWriterTest, InboxMessagesAreRecordTablesWithEveryTextEscaped)
{
    const ExportTable messages =
        ExportTable::fromRows({"Number", "Message", "Received", "Modem", "Last sent item"},
                              {{"+4412", "<b>STOP</b>", "06/05/2026 10:00:00", "COM1", "a & b"}});
    ASSERT_TRUE(HtmlExport::WriteInbox(path(), messages).ok());
    const QString text = page();
    EXPECT_TRUE(text.startsWith("<html><head><title>[ Quillon - Inbox ]</title>"));
    const QString record =
        QStringLiteral("</td><tr><td width=60>%1</td><td>:&nbsp;&nbsp;</td><td>");
    EXPECT_TRUE(text.endsWith("</td><td>1" + record.arg("Number") + "+4412" +
                              record.arg("Message") + "&lt;b&gt;STOP&lt;/b&gt;" +
                              record.arg("Received") + "06/05/2026 10:00:00" + record.arg("Modem") +
                              "COM1" + record.arg("Last sent item") +
                              "a&nbsp;&amp;&nbsp;b</td></table></td></tr>"))
        << text.toStdString();
}

} // namespace
