#include "spreadsheet/XlsxPackage.h"

#include "spreadsheet/XlsxPart.h"

#include <QDir>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace XlsxPackage {

QString relationshipsPartOf(const QString& partName)
{
    const qsizetype slash = partName.lastIndexOf(u'/');
    return partName.left(slash + 1) + QStringLiteral("_rels/") + partName.mid(slash + 1) +
           QStringLiteral(".rels");
}

QString resolveTarget(const QString& sourcePart, const QString& target)
{
    const QString decoded = QUrl::fromPercentEncoding(target.toUtf8());
    QString path;
    if (decoded.startsWith(u'/'))
        path = decoded;
    else
        path = u'/' + sourcePart.left(sourcePart.lastIndexOf(u'/') + 1) + decoded;
    path = QDir::cleanPath(path);
    if (!path.startsWith(u'/') || path.startsWith(QStringLiteral("/..")))
        return {};
    return path.mid(1);
}

bool isType(const QString& type, QStringView kind)
{
    return type.size() > kind.size() && type.endsWith(kind) &&
           type[type.size() - kind.size() - 1] == u'/';
}

SpreadsheetError readRelationships(zip_t& zip, const QString& sourcePart, const ReadLimits& limits,
                                   std::vector<Relationship>& out)
{
    XlsxPart part(zip, relationshipsPartOf(sourcePart), limits);
    if (!part.open()) {
        if (part.missing())
            return {};
        return part.finish();
    }
    while (!part.atEnd()) {
        if (part.next() != QXmlStreamReader::StartElement || part.xml().name() != u"Relationship")
            continue;
        const QXmlStreamAttributes attributes = part.xml().attributes();
        Relationship r;
        r.id = attributes.value("Id"_L1).toString();
        r.type = attributes.value("Type"_L1).toString();
        if (attributes.value("TargetMode"_L1) != u"External")
            r.target = resolveTarget(sourcePart, attributes.value("Target"_L1).toString());
        out.push_back(std::move(r));
    }
    return part.finish();
}

const Relationship* findType(const std::vector<Relationship>& relationships, QStringView kind)
{
    for (const Relationship& r : relationships)
        if (isType(r.type, kind) && !r.target.isEmpty())
            return &r;
    return nullptr;
}

} // namespace XlsxPackage
