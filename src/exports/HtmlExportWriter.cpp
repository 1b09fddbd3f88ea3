#include "exports/HtmlExportWriter.h"

#include "exports/TextExportFile.h"

using namespace Qt::StringLiterals;

namespace HtmlExport {

namespace {

const QString kStyles = QStringLiteral(
    "<style type=\"text/css\">"
    ".style1{font-family:Verdana,Arial,Helvetica,sans-serif;font-size:16px;font-weight:bold}"
    ".style2{font-family:Verdana,Arial,Helvetica,sans-serif;font-size:12px}"
    ".style3{font-family:Verdana,Arial,Helvetica,sans-serif;font-size:13px;font-weight:bold;"
    "color:#FFFFFF}"
    "</style></head><body>"
    "<table width=1100 border=0 align=center cellpadding=0 cellspacing=0>");

QString recordLine(const QString& label, const QString& value)
{
    return u"</td><tr><td width=60>"_s + label + u"</td><td>:&nbsp;&nbsp;</td><td>"_s + value;
}

} // namespace

QString EscapedText(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += u"&amp;"_s;
            break;
        case u'<':
            out += u"&lt;"_s;
            break;
        case u'>':
            out += u"&gt;"_s;
            break;
        case u'"':
            out += u"&quot;"_s;
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString MessageText(QStringView text)
{
    QString out = EscapedText(text);
    out.replace(u'\n', u"<br>"_s);
    out.replace(u' ', u"&nbsp;"_s);
    return out;
}

ExportResult WriteTemplates(const QString& path, const ExportTable& templates)
{
    TextExportFile file(path, TextExportFile::Encoding::Utf16WithMark);
    file.write(u"<html><head><title>Quillon - Phone Messages</title>"_s + kStyles +
               u"<tr><td height=40 align=center class=style1>KORV Quillon - Template Messages"
               u"</td></tr><tr><td class=style2>"_s);
    for (qsizetype i = 0; i < templates.rowCount && file.ok(); ++i) {
        file.write(u"<br>S.No. : "_s + QString::number(i + 1) +
                   u"<br>---------<br>Message&nbsp;&nbsp;&nbsp;:&nbsp;&nbsp;"_s +
                   MessageText(templates.row(i).value(0)) + u"<br>"_s);
    }
    file.write(u"<br>"_s);
    return file.finish();
}

ExportResult WriteSentItems(const QString& path, const ExportTable& items, const QString& startDate,
                            const QString& endDate)
{
    TextExportFile file(path, TextExportFile::Encoding::Utf16WithMark);
    file.write(u"<html><head><title>[ Quillon - Sent Items ]</title>"_s + kStyles +
               u"<tr><td height=40 align=center class=style1>[ Quillon - Sent Items ]</td></tr>"
               u"<tr><td height=30 align=center class=style2>"_s);
    file.write(u"[ Duration - "_s + EscapedText(startDate) + u" to "_s + EscapedText(endDate) +
               u" ]"_s);
    file.write(u"</td></tr></table><br><br><table width=1100 border=1 align=center "
               u"cellpadding=0 cellspacing=0 bordercolor=#000000><tr><th height = 30 bgcolor = "
               u"#647dbe align = Left class =style3>Sent Items:</th></tr>"_s);
    for (qsizetype i = 0; i < items.rowCount && file.ok(); ++i) {
        const QStringList cells = items.row(i);
        file.write(u"<tr><td  height = 50 class = style2><table><tr><td width=60>S.No.</td><td>"
                   u":&nbsp;&nbsp;</td><td>"_s +
                   QString::number(i + 1) +
                   recordLine(QStringLiteral("Date"), EscapedText(cells.value(2))) +
                   recordLine(QStringLiteral("Status"), EscapedText(cells.value(3))) +
                   recordLine(QStringLiteral("Number"), EscapedText(cells.value(0))) +
                   recordLine(QStringLiteral("Message"), MessageText(cells.value(1))) +
                   (cells.size() > 4
                        ? recordLine(QStringLiteral("Delivery"), EscapedText(cells.value(4)))
                        : QString()) +
                   u"</td></table></td></tr>"_s);
    }
    return file.finish();
}

ExportResult WriteInbox(const QString& path, const ExportTable& messages)
{
    TextExportFile file(path, TextExportFile::Encoding::Utf16WithMark);
    file.write(u"<html><head><title>[ Quillon - Inbox ]</title>"_s + kStyles +
               u"<tr><td height=40 align=center class=style1>[ Quillon - Inbox ]</td></tr>"
               u"</table><br><br><table width=1100 border=1 align=center "
               u"cellpadding=0 cellspacing=0 bordercolor=#000000><tr><th height = 30 bgcolor = "
               u"#647dbe align = Left class =style3>Inbox:</th></tr>"_s);
    for (qsizetype i = 0; i < messages.rowCount && file.ok(); ++i) {
        const QStringList cells = messages.row(i);
        file.write(u"<tr><td  height = 50 class = style2><table><tr><td width=60>S.No.</td><td>"
                   u":&nbsp;&nbsp;</td><td>"_s +
                   QString::number(i + 1) +
                   recordLine(QStringLiteral("Number"), EscapedText(cells.value(0))) +
                   recordLine(QStringLiteral("Message"), MessageText(cells.value(1))) +
                   recordLine(QStringLiteral("Received"), EscapedText(cells.value(2))) +
                   recordLine(QStringLiteral("Modem"), EscapedText(cells.value(3))) +
                   recordLine(QStringLiteral("Last sent item"), MessageText(cells.value(4))) +
                   u"</td></table></td></tr>"_s);
    }
    return file.finish();
}

} // namespace HtmlExport
