#include "support/WorkbookFixture.h"

#include "support/XlsFixture.h"

#include <QDate>
#include <QFile>
#include <QHash>
#include <zip.h>

namespace {

QByteArray columnName(int column)
{
    QByteArray name;
    for (; column > 0; column = (column - 1) / 26)
        name.prepend(char('A' + (column - 1) % 26));
    return name;
}

QByteArray xmlText(const QString& text)
{
    return text.toHtmlEscaped().toUtf8();
}

// Shared strings for text, cell format 1 (built-in date format 14) for dates: what Excel
// itself writes for such cells.
bool writeXlsx(const QString& path, const std::vector<FixtureSheet>& sheets)
{
    XlsxPackageParts parts;
    parts.styles = "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/"
                   "main\"><cellXfs count=\"2\"><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/>"
                   "</cellXfs></styleSheet>";
    QHash<QString, int> stringIndex;
    QByteArray strings;
    for (const FixtureSheet& sheet : sheets) {
        QByteArray data;
        for (size_t r = 0; r < sheet.rows.size(); ++r) {
            const QByteArray rowNumber = QByteArray::number(qulonglong(sheet.firstRow + r));
            data += "<row r=\"" + rowNumber + "\">";
            for (size_t c = 0; c < sheet.rows[r].size(); ++c) {
                const QVariant& v = sheet.rows[r][c];
                if (!v.isValid())
                    continue;
                const QByteArray ref = columnName(int(sheet.firstColumn + c)) + rowNumber;
                switch (v.typeId()) {
                case QMetaType::QString: {
                    auto known = stringIndex.find(v.toString());
                    if (known == stringIndex.end()) {
                        known = stringIndex.insert(v.toString(), int(stringIndex.size()));
                        strings +=
                            "<si><t xml:space=\"preserve\">" + xmlText(v.toString()) + "</t></si>";
                    }
                    data += "<c r=\"" + ref + "\" t=\"s\"><v>" + QByteArray::number(*known) +
                            "</v></c>";
                    break;
                }
                case QMetaType::Bool:
                    data +=
                        "<c r=\"" + ref + "\" t=\"b\"><v>" + (v.toBool() ? "1" : "0") + "</v></c>";
                    break;
                case QMetaType::QDate:
                    data += "<c r=\"" + ref + "\" s=\"1\"><v>" +
                            QByteArray::number(QDate(1899, 12, 30).daysTo(v.toDate())) + "</v></c>";
                    break;
                default:
                    data += "<c r=\"" + ref + "\"><v>" + QByteArray::number(v.toDouble(), 'g', 17) +
                            "</v></c>";
                }
            }
            data += "</row>";
        }
        parts.sheets.emplace_back(sheet.name, WorksheetXml(data));
    }
    parts.sharedStrings = "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/"
                          "main\">" +
                          strings + "</sst>";
    return WriteZip(path, XlsxPackageEntries(parts));
}

bool writeXls(const QString& path, const std::vector<FixtureSheet>& sheets)
{
    xlsfixture::Book book;
    for (const FixtureSheet& sheet : sheets) {
        xlsfixture::Sheet s{sheet.name, {}, std::nullopt};
        for (size_t r = 0; r < sheet.rows.size(); ++r) {
            for (size_t c = 0; c < sheet.rows[r].size(); ++c) {
                const QVariant& v = sheet.rows[r][c];
                xlsfixture::Cell cell;
                cell.row = int(sheet.firstRow - 1 + r);
                cell.column = int(sheet.firstColumn - 1 + c);
                switch (v.typeId()) {
                case QMetaType::QString:
                    // FreeXL cannot read an empty shared string: write a blank cell.
                    cell.kind =
                        v.toString().isEmpty() ? xlsfixture::Kind::Blank : xlsfixture::Kind::Text;
                    cell.text = v.toString();
                    break;
                case QMetaType::Bool:
                    cell.kind = xlsfixture::Kind::Bool;
                    cell.number = v.toBool();
                    break;
                case QMetaType::QDate:
                    cell.kind = xlsfixture::Kind::Date;
                    cell.number = double(QDate(1899, 12, 30).daysTo(v.toDate()));
                    break;
                default:
                    if (!v.isValid())
                        continue;
                    cell.number = v.toDouble();
                }
                s.cells.push_back(cell);
            }
        }
        book.sheets.push_back(std::move(s));
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(xlsfixture::xls(book)) >= 0;
}

} // namespace

bool WriteWorkbook(const QString& path, const std::vector<FixtureSheet>& sheets)
{
    if (path.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive))
        return writeXls(path, sheets);
    return writeXlsx(path, sheets);
}

bool WriteZip(const QString& path, const std::vector<ZipEntry>& entries)
{
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return false;
    for (const ZipEntry& e : entries) {
        // The entries outlive zip_close(), which is when libzip reads the buffers.
        zip_source_t* source = zip_source_buffer(zip, e.data.constData(), e.data.size(), 0);
        if (!source || zip_file_add(zip, e.name.toUtf8().constData(), source,
                                    ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(zip);
            return false;
        }
    }
    if (zip_close(zip) == 0)
        return true;
    zip_discard(zip);
    return false;
}

QByteArray WorksheetXml(const QByteArray& sheetData)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
           "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
           "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
           "<sheetData>" +
           sheetData + "</sheetData></worksheet>";
}

std::vector<ZipEntry> XlsxPackageEntries(const XlsxPackageParts& parts)
{
    const QByteArray relNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    QByteArray types = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types "
                       "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                       "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                       "<Default Extension=\"rels\" "
                       "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                       "</Types>";
    QByteArray rootRels = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
                          "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                          "<Relationship Id=\"rId1\" Type=\"" +
                          relNs + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
    QByteArray workbook = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook "
                          "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                          "xmlns:r=\"" +
                          relNs + "\">" + parts.workbookProperties + "<sheets>";
    QByteArray rels = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
                      "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    std::vector<ZipEntry> entries{{"[Content_Types].xml", types}, {"_rels/.rels", rootRels}};
    for (size_t i = 0; i < parts.sheets.size(); ++i) {
        const QByteArray n = QByteArray::number(qulonglong(i + 1));
        workbook += "<sheet name=\"" + parts.sheets[i].first.toHtmlEscaped().toUtf8() +
                    "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
        rels += "<Relationship Id=\"rId" + n + "\" Type=\"" + relNs +
                "/worksheet\" Target=\"worksheets/sheet" + n + ".xml\"/>";
        entries.push_back({"xl/worksheets/sheet" + n + ".xml", parts.sheets[i].second});
    }
    workbook += "</sheets></workbook>";
    if (!parts.sharedStrings.isEmpty()) {
        rels += "<Relationship Id=\"rIdS\" Type=\"" + relNs +
                "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
        entries.push_back({"xl/sharedStrings.xml", parts.sharedStrings});
    }
    if (!parts.styles.isEmpty()) {
        rels +=
            "<Relationship Id=\"rIdT\" Type=\"" + relNs + "/styles\" Target=\"/xl/styles.xml\"/>";
        entries.push_back({"xl/styles.xml", parts.styles});
    }
    rels += "</Relationships>";
    entries.push_back({"xl/workbook.xml", workbook});
    entries.push_back({"xl/_rels/workbook.xml.rels", rels});
    return entries;
}
