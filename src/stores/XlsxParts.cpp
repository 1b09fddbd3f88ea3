#include "stores/XlsxParts.h"

namespace Xlsx {

namespace {

const QByteArray kDeclaration =
    QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n");
const QByteArray kMain =
    QByteArrayLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
const QByteArray kRelationships =
    QByteArrayLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QByteArray kPackageRelationships =
    QByteArrayLiteral("http://schemas.openxmlformats.org/package/2006/relationships");
constexpr char kTextStyle[] = "1"; // the cell format with the "@" number format

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool looksLikeEscape(QStringView text, qsizetype at)
{
    if (at + 7 > text.size() || text[at + 1] != u'x' || text[at + 6] != u'_')
        return false;
    for (qsizetype i = at + 2; i < at + 6; ++i) {
        if (!isHexDigit(text[i]))
            return false;
    }
    return true;
}

void appendEscape(QString& out, char16_t unit)
{
    out += QLatin1String("_x");
    out += QString::number(unit, 16).toUpper().rightJustified(4, u'0');
    out += u'_';
}

// Characters XML 1.0 cannot carry, and carriage returns, which XML reading turns into line feeds.
bool needsEscape(QStringView text, qsizetype at)
{
    const char16_t c = text[at].unicode();
    if (c < 0x20)
        return c != u'\t' && c != u'\n';
    if (c == 0xFFFE || c == 0xFFFF)
        return true;
    if (QChar::isHighSurrogate(c))
        return at + 1 >= text.size() || !text[at + 1].isLowSurrogate();
    if (QChar::isLowSurrogate(c))
        return at == 0 || !text[at - 1].isHighSurrogate();
    return false;
}

} // namespace

QByteArray contentTypes(qsizetype sheets)
{
    QByteArray xml = kDeclaration;
    xml += "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" "
           "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
           "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
           "<Override PartName=\"/xl/styles.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>";
    for (qsizetype i = 0; i < sheets; ++i) {
        xml += "<Override PartName=\"/" + sheetPartName(i).toUtf8() +
               "\" ContentType=\"application/"
               "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
    }
    return xml + "</Types>";
}

QByteArray packageRelationships()
{
    return kDeclaration + "<Relationships xmlns=\"" + kPackageRelationships +
           "\"><Relationship Id=\"rId1\" Type=\"" + kRelationships +
           "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
}

QByteArray workbook(const QStringList& sheetNames)
{
    QByteArray xml = kDeclaration + "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" +
                     kRelationships + "\"><bookViews><workbookView/></bookViews><sheets>";
    for (qsizetype i = 0; i < sheetNames.size(); ++i) {
        const QByteArray id = QByteArray::number(i + 1);
        xml += "<sheet name=\"" + cellText(sheetNames[i]).toUtf8() + "\" sheetId=\"" + id +
               "\" r:id=\"rId" + id + "\"/>";
    }
    return xml + "</sheets></workbook>";
}

QByteArray workbookRelationships(qsizetype sheets)
{
    QByteArray xml = kDeclaration + "<Relationships xmlns=\"" + kPackageRelationships + "\">";
    for (qsizetype i = 0; i < sheets; ++i) {
        xml += "<Relationship Id=\"rId" + QByteArray::number(i + 1) + "\" Type=\"" +
               kRelationships + "/worksheet\" Target=\"worksheets/sheet" +
               QByteArray::number(i + 1) + ".xml\"/>";
    }
    xml += "<Relationship Id=\"rId" + QByteArray::number(sheets + 1) + "\" Type=\"" +
           kRelationships + "/styles\" Target=\"styles.xml\"/>";
    return xml + "</Relationships>";
}

QByteArray styles()
{
    return kDeclaration + "<styleSheet xmlns=\"" + kMain +
           "\"><fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/>"
           "<family val=\"2\"/></font></fonts>"
           "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
           "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
           "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border>"
           "</borders>"
           "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" "
           "borderId=\"0\"/></cellStyleXfs>"
           "<cellXfs count=\"2\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" "
           "xfId=\"0\"/><xf numFmtId=\"49\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
           "applyNumberFormat=\"1\"/></cellXfs>"
           "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/>"
           "</cellStyles></styleSheet>";
}

QString sheetPartName(qsizetype sheetIndex)
{
    return QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheetIndex + 1);
}

QByteArray sheetHead(qsizetype rows, qsizetype columns, bool selected)
{
    return kDeclaration + "<worksheet xmlns=\"" + kMain + "\" xmlns:r=\"" + kRelationships +
           "\"><dimension ref=\"A1:" + columnName(columns - 1) + QByteArray::number(rows) +
           "\"/><sheetViews><sheetView " + (selected ? "tabSelected=\"1\" " : "") +
           "workbookViewId=\"0\"/></sheetViews><sheetFormatPr defaultRowHeight=\"15\"/>"
           "<sheetData>";
}

QByteArray sheetTail()
{
    return QByteArrayLiteral("</sheetData><pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" "
                             "bottom=\"0.75\" header=\"0.3\" footer=\"0.3\"/></worksheet>");
}

void appendRow(QByteArray& out, qsizetype row, const QList<QStringView>& cells)
{
    const QByteArray number = QByteArray::number(row);
    out += "<row r=\"" + number + "\">";
    for (qsizetype c = 0; c < cells.size(); ++c) {
        const QStringView text = cells[c];
        if (text.isEmpty())
            continue;
        out += "<c r=\"" + columnName(c) + number + "\" s=\"" + kTextStyle +
               "\" t=\"inlineStr\"><is><t";
        if (text.front().isSpace() || text.back().isSpace())
            out += " xml:space=\"preserve\"";
        out += '>';
        out += cellText(text).toUtf8();
        out += "</t></is></c>";
    }
    out += "</row>";
}

QByteArray columnName(qsizetype column)
{
    QByteArray name;
    for (qsizetype n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(char('A' + (n - 1) % 26));
    return name;
}

QString cellText(QStringView text)
{
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'&')
            out += QLatin1String("&amp;");
        else if (c == u'<')
            out += QLatin1String("&lt;");
        else if (c == u'>')
            out += QLatin1String("&gt;");
        else if (c == u'_' && looksLikeEscape(text, i))
            out += QLatin1String("_x005F_");
        else if (needsEscape(text, i))
            appendEscape(out, c.unicode());
        else
            out += c;
    }
    return out;
}

} // namespace Xlsx
