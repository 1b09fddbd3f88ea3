#include "support/WorkbookReaders.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <freexl.h>
#include <zip.h>

namespace {

ReadSheet readXlsSheet(const void* handle, unsigned short index)
{
    ReadSheet sheet;
    const char* name = nullptr;
    freexl_get_worksheet_name(handle, index, &name);
    sheet.name = QString::fromUtf8(name);
    freexl_select_active_worksheet(handle, index);
    unsigned int rows = 0;
    unsigned short columns = 0;
    freexl_worksheet_dimensions(handle, &rows, &columns);
    for (unsigned int r = 0; r < rows; ++r) {
        QStringList cells;
        for (unsigned short c = 0; c < columns; ++c) {
            FreeXL_CellValue value{};
            freexl_get_cell_value(handle, r, c, &value);
            if (value.type == FREEXL_CELL_SST_TEXT || value.type == FREEXL_CELL_TEXT) {
                cells.append(QString::fromUtf8(value.value.text_value));
            } else {
                sheet.allText = sheet.allText && value.type == FREEXL_CELL_NULL;
                cells.append(QString());
            }
        }
        sheet.rows.append(cells);
    }
    return sheet;
}

int columnOf(QStringView reference)
{
    int column = 0;
    for (const QChar c : reference) {
        if (!c.isLetter())
            break;
        column = column * 26 + (c.unicode() - u'A' + 1);
    }
    return column - 1;
}

// Text as a spreadsheet program shows it: "_xHHHH_" stands for the character U+HHHH.
QString unescaped(const QString& text)
{
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString out;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = escape.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        out += QStringView(text).mid(from, match.capturedStart() - from);
        out += QChar(char16_t(match.captured(1).toUShort(nullptr, 16)));
        from = match.capturedEnd();
    }
    return out + text.mid(from);
}

ReadSheet readXlsxSheet(const QByteArray& xml)
{
    ReadSheet sheet;
    QXmlStreamReader reader(xml);
    QStringList* row = nullptr;
    int column = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = reader.name();
        if (name == u"row") {
            sheet.rows.append(QStringList());
            row = &sheet.rows.last();
        } else if (name == u"c" && row) {
            column = columnOf(reader.attributes().value(QLatin1String("r")));
            sheet.allText =
                sheet.allText && reader.attributes().value(QLatin1String("t")) == u"inlineStr";
            while (row->size() <= column)
                row->append(QString());
        } else if (name == u"t" && row) {
            (*row)[column] = unescaped(reader.readElementText());
        }
    }
    qsizetype width = 0;
    for (const QStringList& r : sheet.rows)
        width = std::max(width, r.size());
    for (QStringList& r : sheet.rows) {
        while (r.size() < width)
            r.append(QString());
    }
    return sheet;
}

QStringList sheetNames(const QByteArray& workbookXml)
{
    QStringList names;
    QXmlStreamReader reader(workbookXml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"sheet")
            names.append(reader.attributes().value(QLatin1String("name")).toString());
    }
    return names;
}

} // namespace

ReadWorkbook ReadXls(const QString& path)
{
    ReadWorkbook book;
    const void* handle = nullptr;
    if (freexl_open(QFile::encodeName(path).constData(), &handle) != FREEXL_OK || !handle)
        return book;
    book.opened = true;
    unsigned int count = 0;
    freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count);
    for (unsigned int i = 0; i < count; ++i)
        book.sheets.append(readXlsSheet(handle, static_cast<unsigned short>(i)));
    freexl_close(handle);
    return book;
}

QByteArray XlsxPart(const QString& path, const QString& part)
{
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!zip)
        return {};
    QByteArray data;
    zip_stat_t stat;
    zip_file_t* file = nullptr;
    if (zip_stat(zip, part.toUtf8().constData(), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) &&
        (file = zip_fopen_index(zip, stat.index, 0))) {
        data.resize(qsizetype(stat.size));
        if (zip_fread(file, data.data(), stat.size) != zip_int64_t(stat.size))
            data.clear();
        zip_fclose(file);
    }
    zip_discard(zip);
    return data;
}

ReadWorkbook ReadXlsx(const QString& path)
{
    ReadWorkbook book;
    const QStringList names = sheetNames(XlsxPart(path, QStringLiteral("xl/workbook.xml")));
    book.opened = !names.isEmpty();
    for (qsizetype i = 0; i < names.size(); ++i) {
        ReadSheet sheet =
            readXlsxSheet(XlsxPart(path, QStringLiteral("xl/worksheets/sheet%1.xml").arg(i + 1)));
        sheet.name = names[i];
        book.sheets.append(sheet);
    }
    return book;
}

namespace {

// Prints the workbook as JSON: a list of sheets, each with its name, its rows of cell texts and
// whether every cell is a text cell.
const char kXlrdScript[] = R"(
import json, sys, xlrd
book = xlrd.open_workbook(sys.argv[1])
sheets = []
for s in book.sheets():
    rows = [[str(s.cell_value(r, c)) for c in range(s.ncols)] for r in range(s.nrows)]
    text = all(s.cell_type(r, c) in (xlrd.XL_CELL_TEXT, xlrd.XL_CELL_EMPTY)
               for r in range(s.nrows) for c in range(s.ncols))
    sheets.append({"name": s.name, "rows": rows, "allText": text})
json.dump(sheets, sys.stdout)
)";

QString pythonWithXlrd()
{
    // Debian's python3-xlrd belongs to the system's interpreter, which may not be first on PATH.
    for (const QString& python : {QStandardPaths::findExecutable("python3", {"/usr/bin"}),
                                  QStandardPaths::findExecutable("python3")}) {
        if (!python.isEmpty() && QProcess::execute(python, {"-c", "import xlrd"}) == 0)
            return python;
    }
    return {};
}

} // namespace

bool XlrdAvailable()
{
    static const bool available = !pythonWithXlrd().isEmpty();
    return available;
}

ReadWorkbook ReadXlsWithXlrd(const QString& path)
{
    ReadWorkbook book;
    QProcess python;
    python.start(pythonWithXlrd(), {"-c", kXlrdScript, path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        return book;
    const QJsonArray sheets = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    book.opened = true;
    for (const QJsonValue& value : sheets) {
        const QJsonObject object = value.toObject();
        ReadSheet sheet;
        sheet.name = object["name"].toString();
        sheet.allText = object["allText"].toBool();
        for (const QJsonValue& row : object["rows"].toArray()) {
            QStringList cells;
            for (const QJsonValue& cell : row.toArray())
                cells.append(cell.toString());
            sheet.rows.append(cells);
        }
        book.sheets.append(sheet);
    }
    return book;
}
