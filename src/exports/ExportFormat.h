#pragma once

#include <QList>
#include <QString>

// The file formats an export can write, in the order the save dialogs offer them.
enum class ExportFormat
{
    Xls,
    Xlsx,
    Txt,
    Html
};

// "xls", "xlsx", "txt" or "html".
QString ExportExtension(ExportFormat format);

// The save dialog's label for a format, such as "Excel(97-2003) Files(*.xls)".
QString ExportFilterLabel(ExportFormat format);

// The whole filter of a save dialog in its classic form: label, pattern, label, pattern, ...,
// ending with "||".
QString ExportFilterText(const QList<ExportFormat>& formats);

// The path with ".ext" appended unless its extension already is the format's (letter case
// ignored). "list" and "list.xlsx" become "list.xls" and "list.xlsx.xls" for Xls.
QString WithExportExtension(const QString& path, ExportFormat format);
