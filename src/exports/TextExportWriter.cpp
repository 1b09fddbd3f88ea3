#include "exports/TextExportWriter.h"

#include "exports/TextExportFile.h"

#include <iterator>

using namespace Qt::StringLiterals;

namespace TextExport {

namespace {

const QString kEnd = QStringLiteral("\r\n");

QString ruleLine()
{
    return QString(132, u'=') + kEnd;
}

QString cell(const QStringList& cells, qsizetype column)
{
    return cells.value(column);
}

} // namespace

ExportResult WriteExclusionList(const QString& path, const ExportTable& numbers)
{
    TextExportFile file(path, TextExportFile::Encoding::EightBit);
    file.write(ruleLine());
    file.write(u"\t\t\t\t[ Quillon - Exclusion Number List ]\r\n\r\n"_s);
    file.write(ruleLine());
    file.write(kEnd);
    for (qsizetype i = 0; i < numbers.rowCount && file.ok(); ++i) {
        file.write(cell(numbers.row(i), 0));
        file.write(kEnd);
    }
    file.write(kEnd);
    return file.finish();
}

ExportResult WriteTemplates(const QString& path, const ExportTable& templates)
{
    TextExportFile file(path, TextExportFile::Encoding::Utf16WithMark);
    file.write(ruleLine());
    file.write(u"\t\t\t\t[ KORV Quillon - Template Messages ]\r\n\r\n"_s);
    file.write(ruleLine());
    file.write(kEnd);
    for (qsizetype i = 0; i < templates.rowCount && file.ok(); ++i) {
        file.write(u"\r\nS.No : "_s + QString::number(i + 1) + u"\r\n---------\r\nMessage  : "_s);
        file.write(cell(templates.row(i), 0));
        file.write(kEnd);
    }
    file.write(kEnd);
    return file.finish();
}

ExportResult WriteSentItems(const QString& path, const ExportTable& items, const QString& startDate,
                            const QString& endDate)
{
    enum Column
    {
        Number,
        Message,
        Date,
        Status,
        Delivery
    };
    TextExportFile file(path, TextExportFile::Encoding::Utf16WithMark);
    file.write(ruleLine());
    file.write(u"\r\n\t\t\t\t\t\t[ Quillon - Sent Items ]\r\n\r\n"_s);
    file.write(u"\t\t\t\t\t    [ Duration - "_s + startDate + u" to "_s + endDate +
               u" ]\r\n\r\n"_s);
    file.write(ruleLine());
    for (qsizetype i = 0; i < items.rowCount && file.ok(); ++i) {
        const QStringList cells = items.row(i);
        file.write(u"S.No.\t: "_s + QString::number(i + 1) + kEnd);
        file.write(u"Date\t: "_s + cell(cells, Date) + kEnd);
        file.write(u"Status\t: "_s + cell(cells, Status) + kEnd);
        file.write(u"Number\t: "_s + cell(cells, Number) + kEnd);
        file.write(u"Message\t: "_s + cell(cells, Message) + kEnd);
        if (cells.size() > Delivery)
            file.write(u"Delivery\t: "_s + cell(cells, Delivery) + kEnd);
        file.write(ruleLine());
    }
    return file.finish();
}

ExportResult WriteInbox(const QString& path, const ExportTable& messages)
{
    static const QString labels[] = {u"Number\t: "_s, u"Message\t: "_s, u"Received\t: "_s,
                                     u"Modem\t: "_s, u"Last sent item\t: "_s};
    TextExportFile file(path, TextExportFile::Encoding::Utf16WithMark);
    file.write(ruleLine());
    file.write(u"\r\n\t\t\t\t\t\t[ Quillon - Inbox ]\r\n\r\n"_s);
    file.write(ruleLine());
    for (qsizetype i = 0; i < messages.rowCount && file.ok(); ++i) {
        const QStringList cells = messages.row(i);
        file.write(u"S.No.\t: "_s + QString::number(i + 1) + kEnd);
        for (qsizetype column = 0; column < std::size(labels); ++column)
            file.write(labels[column] + cell(cells, column) + kEnd);
        file.write(ruleLine());
    }
    return file.finish();
}

} // namespace TextExport
