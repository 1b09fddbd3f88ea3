#include "spreadsheet/XlsxSheet.h"

#include "spreadsheet/CellText.h"
#include "spreadsheet/XlsxPart.h"
#include "spreadsheet/XlsxStrings.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr std::uint32_t MaxRow = 1048576;
constexpr std::uint32_t MaxColumn = 16384;

enum class CellType
{
    Number,
    Shared,
    Formula, // a formula's text result
    Inline,
    Boolean,
    Error,
    Date,
    Unknown,
};

CellType cellType(QStringView t)
{
    if (t.isEmpty() || t == u"n")
        return CellType::Number;
    if (t == u"s")
        return CellType::Shared;
    if (t == u"str")
        return CellType::Formula;
    if (t == u"inlineStr")
        return CellType::Inline;
    if (t == u"b")
        return CellType::Boolean;
    if (t == u"e")
        return CellType::Error;
    if (t == u"d")
        return CellType::Date;
    return CellType::Unknown;
}

// One <c> element as read so far.
struct CellElement
{
    std::uint32_t row = 0;
    std::uint32_t column = 0;
    CellType type = CellType::Number;
    int style = 0;
    QString value;   // <v>
    QString inline_; // <is>
    bool hasValue = false;
    bool hasInline = false;
};

class SheetReader
{
public:
    SheetReader(XlsxPart& part, const XlsxSheetContext& context, CellSink& sink)
        : m_part(part), m_context(context), m_sink(sink)
    {}

    SpreadsheetError run();

private:
    bool startRow();
    bool startCell();
    bool endCell();
    bool number();
    bool report(CellKind kind, QStringView text, std::uint64_t shareKey = 0);
    SpreadsheetError failure(const QString& what) const;

    XlsxPart& m_part;
    const XlsxSheetContext& m_context;
    CellSink& m_sink;
    std::uint32_t m_row = 0;
    std::uint32_t m_column = 0;
    CellElement m_cell;
    bool m_inCell = false;
    bool m_stopped = false;
    QString m_problem;
};

bool SheetReader::startRow()
{
    const QStringView r = m_part.xml().attributes().value("r"_L1);
    if (r.isEmpty()) {
        ++m_row;
    } else {
        bool ok = false;
        m_row = r.toUInt(&ok);
        if (!ok || m_row < 1 || m_row > MaxRow) {
            m_problem = QStringLiteral("row number ") + r.toString();
            return false;
        }
    }
    m_column = 0;
    return true;
}

bool SheetReader::startCell()
{
    const QXmlStreamAttributes attributes = m_part.xml().attributes();
    m_cell = CellElement();
    const QStringView r = attributes.value("r"_L1);
    if (r.isEmpty()) {
        m_cell.row = std::max<std::uint32_t>(m_row, 1);
        m_cell.column = m_column + 1;
    } else if (!ParseCellReference(r, m_cell.row, m_cell.column)) {
        m_problem = QStringLiteral("cell reference ") + r.toString();
        return false;
    }
    m_column = m_cell.column;
    m_cell.type = cellType(attributes.value("t"_L1));
    if (m_cell.type == CellType::Unknown) {
        m_problem = QStringLiteral("cell type ") + attributes.value("t"_L1).toString();
        return false;
    }
    m_cell.style = attributes.value("s"_L1).toInt();
    m_inCell = true;
    return true;
}

bool SheetReader::report(CellKind kind, QStringView text, std::uint64_t shareKey)
{
    if (text.isEmpty())
        return true;
    if (!m_sink.cell(m_cell.row, m_cell.column, CellValue{kind, text, shareKey}))
        m_stopped = true;
    return true;
}

bool SheetReader::endCell()
{
    m_inCell = false;
    if (m_cell.type == CellType::Inline)
        return report(CellKind::Text, m_cell.hasInline ? m_cell.inline_ : m_cell.value);
    if (!m_cell.hasValue)
        return true;
    const QString& v = m_cell.value;
    switch (m_cell.type) {
    case CellType::Shared: {
        bool ok = false;
        const std::uint64_t index = QStringView(v).trimmed().toULongLong(&ok);
        const XlsxSharedStrings* strings = m_context.sharedStrings;
        if (!ok || !strings || index >= strings->size()) {
            m_problem = QStringLiteral("shared string ") + v.left(40);
            return false;
        }
        return report(CellKind::Text, strings->at(index), index + 1);
    }
    case CellType::Formula:
        return report(CellKind::Text, DecodeXlsxEscapes(v));
    case CellType::Boolean: {
        const QStringView b = QStringView(v).trimmed();
        return report(CellKind::Boolean, CellText::boolean(b == u"1" || b == u"true"));
    }
    case CellType::Error:
        return report(CellKind::Error, v);
    case CellType::Date:
        return report(CellKind::Date, CellText::isoDate(v));
    default:
        return number();
    }
}

bool SheetReader::number()
{
    const QStringView v = QStringView(m_cell.value).trimmed();
    if (v.isEmpty())
        return true;
    bool ok = false;
    const double value = v.toDouble(&ok);
    if (!ok) {
        m_problem = QStringLiteral("number ") + v.left(40).toString();
        return false;
    }
    const std::vector<bool>* dates = m_context.dateStyles;
    const int style = m_cell.style;
    if (dates && style >= 0 && std::size_t(style) < dates->size() && (*dates)[style])
        return report(CellKind::Date, CellText::serialDate(value, m_context.date1904));
    return report(CellKind::Number, CellText::number(value));
}

SpreadsheetError SheetReader::failure(const QString& what) const
{
    return {SpreadsheetErrorCode::Corrupt, m_part.name() + QStringLiteral(": bad ") + what};
}

SpreadsheetError SheetReader::run()
{
    bool inSheetData = false;
    while (!m_part.atEnd() && !m_stopped) {
        const QXmlStreamReader::TokenType token = m_part.next();
        if (token == QXmlStreamReader::EndElement) {
            const QStringView name = m_part.xml().name();
            if (name == u"c" && m_inCell) {
                if (!endCell())
                    return failure(m_problem);
            } else if (name == u"sheetData") {
                inSheetData = false;
            }
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = m_part.xml().name();
        if (!inSheetData) {
            inSheetData = name == u"sheetData";
        } else if (m_inCell) {
            if (name == u"v") {
                m_cell.value = m_part.elementText();
                m_cell.hasValue = true;
            } else if (name == u"is") {
                m_cell.inline_ = ReadXlsxRichText(m_part);
                m_cell.hasInline = true;
            } else {
                m_part.xml().skipCurrentElement(); // formula text and extensions
            }
        } else if (name == u"row") {
            if (!startRow())
                return failure(m_problem);
        } else if (name == u"c") {
            if (!startCell())
                return failure(m_problem);
        }
    }
    if (m_stopped)
        return {};
    return m_part.finish();
}

} // namespace

bool ParseCellReference(QStringView reference, std::uint32_t& row, std::uint32_t& column)
{
    qsizetype i = 0;
    std::uint32_t col = 0;
    for (; i < reference.size() && i < 4; ++i) {
        const char16_t c = reference[i].toUpper().unicode();
        if (c < u'A' || c > u'Z')
            break;
        col = col * 26 + (c - u'A' + 1);
    }
    if (i == 0 || col > MaxColumn || i == reference.size())
        return false;
    bool ok = false;
    const std::uint32_t r = reference.mid(i).toUInt(&ok);
    if (!ok || r < 1 || r > MaxRow || !reference[i].isDigit())
        return false;
    row = r;
    column = col;
    return true;
}

SpreadsheetError ReadXlsxSheet(XlsxPart& part, const XlsxSheetContext& context, CellSink& sink)
{
    return SheetReader(part, context, sink).run();
}
