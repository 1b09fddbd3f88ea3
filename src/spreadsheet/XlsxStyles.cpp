#include "spreadsheet/XlsxStyles.h"

#include "spreadsheet/ExcelNumberFormat.h"
#include "spreadsheet/XlsxPart.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

SpreadsheetError ReadXlsxDateStyles(XlsxPart& part, std::vector<bool>& dateStyles)
{
    QHash<int, QString> codes;
    std::vector<int> formatIds;
    bool inCellFormats = false;
    while (!part.atEnd()) {
        const QXmlStreamReader::TokenType token = part.next();
        const QStringView name = part.xml().name();
        if (token == QXmlStreamReader::EndElement && name == u"cellXfs") {
            inCellFormats = false;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = part.xml().attributes();
        if (name == u"numFmt")
            codes.insert(attributes.value("numFmtId"_L1).toInt(),
                         attributes.value("formatCode"_L1).toString());
        else if (name == u"cellXfs")
            inCellFormats = true;
        else if (name == u"xf" && inCellFormats)
            formatIds.push_back(attributes.value("numFmtId"_L1).toInt());
    }
    dateStyles.clear();
    for (int id : formatIds)
        dateStyles.push_back(ExcelNumberFormat::isDate(id, codes.value(id)));
    return part.finish();
}
