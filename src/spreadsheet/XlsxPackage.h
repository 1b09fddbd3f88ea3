#pragma once

#include "spreadsheet/Spreadsheet.h"

#include <QString>
#include <vector>

struct zip;
typedef struct zip zip_t;

// Parts of an xlsx package and the relationships that lead from one to another.
namespace XlsxPackage {

struct Relationship
{
    QString id;
    QString type;
    QString target; // a part name within the package, or empty for external targets
};

// "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels"; "" (the package) -> "_rels/.rels".
QString relationshipsPartOf(const QString& partName);

// The part a relationship target names, seen from the part holding the relationship; empty
// when the target points outside the package.
QString resolveTarget(const QString& sourcePart, const QString& target);

// Whether a relationship type is of the given kind ("worksheet", "sharedStrings" ...), in both
// the transitional and the strict vocabulary.
bool isType(const QString& type, QStringView kind);

// The relationships of a part; a missing relationships part means none.
SpreadsheetError readRelationships(zip_t& zip, const QString& sourcePart, const ReadLimits& limits,
                                   std::vector<Relationship>& out);

// The first relationship of the given kind, or null.
const Relationship* findType(const std::vector<Relationship>& relationships, QStringView kind);

} // namespace XlsxPackage
