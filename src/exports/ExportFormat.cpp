#include "exports/ExportFormat.h"

#include <QFileInfo>

QString ExportExtension(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Xls:
        return QStringLiteral("xls");
    case ExportFormat::Xlsx:
        return QStringLiteral("xlsx");
    case ExportFormat::Txt:
        return QStringLiteral("txt");
    case ExportFormat::Html:
        return QStringLiteral("html");
    }
    return {};
}

QString ExportFilterLabel(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Xls:
        return QStringLiteral("Excel(97-2003) Files(*.xls)");
    case ExportFormat::Xlsx:
        return QStringLiteral("Excel Files(*.xlsx)");
    case ExportFormat::Txt:
        return QStringLiteral("Text Files(*.txt)");
    case ExportFormat::Html:
        return QStringLiteral("Html Files(*.html)");
    }
    return {};
}

QString ExportFilterText(const QList<ExportFormat>& formats)
{
    QString text;
    for (const ExportFormat format : formats)
        text += ExportFilterLabel(format) + QStringLiteral("|*.") + ExportExtension(format) + u'|';
    return text + u'|';
}

QString WithExportExtension(const QString& path, ExportFormat format)
{
    const QString extension = ExportExtension(format);
    // Only the file name's own last suffix counts, not a dot in a folder name.
    if (QFileInfo(path).suffix().compare(extension, Qt::CaseInsensitive) == 0)
        return path;
    return path + u'.' + extension;
}
