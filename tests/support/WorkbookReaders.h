#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Workbooks read back the way other programs read them, for checking what the writers made.
struct ReadSheet
{
    QString name;
    QList<QStringList> rows; // every row as wide as the sheet
    bool allText = true;     // every cell present is a text cell
};

struct ReadWorkbook
{
    bool opened = false;
    QList<ReadSheet> sheets;
};

// Through FreeXL, as xls readers do.
ReadWorkbook ReadXls(const QString& path);
// Through Python's xlrd, where it is installed (python3-xlrd).
bool XlrdAvailable();
ReadWorkbook ReadXlsWithXlrd(const QString& path);
// By unpacking the sheets' XML.
ReadWorkbook ReadXlsx(const QString& path);
// The raw XML of one part of an xlsx package, such as "xl/worksheets/sheet1.xml".
QByteArray XlsxPart(const QString& path, const QString& part);
