#include "spreadsheet/XlsxWorkbook.h"

#include "spreadsheet/XlsxPackage.h"
#include "spreadsheet/XlsxPart.h"
#include "spreadsheet/XlsxSheet.h"
#include "spreadsheet/XlsxStyles.h"

using namespace Qt::Literals::StringLiterals;

using XlsxPackage::Relationship;

XlsxWorkbook::XlsxWorkbook(const ReadLimits& limits) : m_limits(limits) {}

XlsxWorkbook::~XlsxWorkbook() = default;

std::unique_ptr<Workbook> XlsxWorkbook::open(const QString& path, const ReadLimits& limits,
                                             SpreadsheetError& error)
{
    std::unique_ptr<XlsxWorkbook> workbook(new XlsxWorkbook(limits));
    error = workbook->readStructure(path);
    if (!error.ok())
        return nullptr;
    return workbook;
}

SpreadsheetError XlsxWorkbook::readStructure(const QString& path)
{
    m_zip = OpenZipForReading(path);
    if (!m_zip)
        return {SpreadsheetErrorCode::Corrupt, QStringLiteral("Not a readable zip package")};
    std::vector<Relationship> packageRelations;
    if (SpreadsheetError e =
            XlsxPackage::readRelationships(*m_zip, QString(), m_limits, packageRelations);
        !e.ok())
        return e;
    const Relationship* document = XlsxPackage::findType(packageRelations, u"officeDocument");
    return readWorkbookPart(document ? document->target : QStringLiteral("xl/workbook.xml"));
}

SpreadsheetError XlsxWorkbook::readWorkbookPart(const QString& workbookPart)
{
    std::vector<Relationship> relations;
    if (SpreadsheetError e =
            XlsxPackage::readRelationships(*m_zip, workbookPart, m_limits, relations);
        !e.ok())
        return e;
    if (const Relationship* r = XlsxPackage::findType(relations, u"sharedStrings"))
        m_sharedStringsPart = r->target;
    if (const Relationship* r = XlsxPackage::findType(relations, u"styles"))
        m_stylesPart = r->target;

    XlsxPart part(*m_zip, workbookPart, m_limits);
    if (!part.open())
        return {SpreadsheetErrorCode::Corrupt, QStringLiteral("No workbook part ") + workbookPart};
    while (!part.atEnd()) {
        if (part.next() != QXmlStreamReader::StartElement)
            continue;
        const QStringView element = part.xml().name();
        const QXmlStreamAttributes attributes = part.xml().attributes();
        if (element == u"workbookPr") {
            const QStringView v = attributes.value("date1904"_L1);
            m_date1904 = v == u"1" || v == u"true";
        } else if (element == u"sheet") {
            // The relationship id is the one attribute named "id" in a namespace (r:id).
            QString id;
            for (const QXmlStreamAttribute& a : attributes)
                if (a.name() == u"id" && !a.namespaceUri().isEmpty())
                    id = a.value().toString();
            const auto r = std::find_if(relations.begin(), relations.end(),
                                        [&](const Relationship& x) { return x.id == id; });
            if (r == relations.end() || r->target.isEmpty())
                return {SpreadsheetErrorCode::Corrupt,
                        QStringLiteral("Sheet without a part: ") + id};
            if (XlsxPackage::isType(r->type, u"worksheet"))
                m_sheets.push_back({attributes.value("name"_L1).toString(), r->target});
        }
    }
    return part.finish();
}

SpreadsheetError XlsxWorkbook::readSharedParts()
{
    if (m_sharedPartsRead)
        return {};
    if (!m_sharedStringsPart.isEmpty()) {
        XlsxPart part(*m_zip, m_sharedStringsPart, m_limits);
        if (part.open()) {
            if (SpreadsheetError e = m_sharedStrings.read(part, m_limits); !e.ok())
                return e;
        } else if (!part.missing()) {
            return part.finish();
        }
    }
    if (!m_stylesPart.isEmpty()) {
        XlsxPart part(*m_zip, m_stylesPart, m_limits);
        if (part.open()) {
            if (SpreadsheetError e = ReadXlsxDateStyles(part, m_dateStyles); !e.ok())
                return e;
        } else if (!part.missing()) {
            return part.finish();
        }
    }
    m_sharedPartsRead = true;
    return {};
}

QStringList XlsxWorkbook::sheetNames() const
{
    QStringList names;
    for (const SheetPart& s : m_sheets)
        names.append(s.name);
    return names;
}

SpreadsheetError XlsxWorkbook::readCells(int sheet, CellSink& sink)
{
    if (sheet < 0 || std::size_t(sheet) >= m_sheets.size())
        return {SpreadsheetErrorCode::NoSuchSheet, QStringLiteral("No sheet %1").arg(sheet)};
    if (SpreadsheetError e = readSharedParts(); !e.ok())
        return e;
    XlsxPart part(*m_zip, m_sheets[sheet].part, m_limits);
    if (!part.open())
        return {SpreadsheetErrorCode::Corrupt,
                QStringLiteral("Cannot unzip ") + m_sheets[sheet].part};
    const XlsxSheetContext context{&m_sharedStrings, &m_dateStyles, m_date1904};
    return ReadXlsxSheet(part, context, sink);
}
