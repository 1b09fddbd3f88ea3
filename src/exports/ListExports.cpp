#include "exports/ListExports.h"

#include "exports/HtmlExportWriter.h"
#include "exports/TextExportWriter.h"

namespace {

ExportTable oneColumn(const QString& title, const QStringList& texts)
{
    ExportTable table;
    table.columns = {title};
    table.rowCount = texts.size();
    // The writer reads on the export thread; it gets its own copy of the list.
    table.row = [texts](qsizetype i) { return QStringList{texts[i]}; };
    return table;
}

} // namespace

ExportOutcome ExportExclusionList(Exporter& exporter, const QStringList& numbers)
{
    ExportJob job;
    job.formats = {ExportFormat::Xls, ExportFormat::Xlsx, ExportFormat::Txt};
    job.table = oneColumn(QStringLiteral("Exclusion Number"), numbers);
    job.successText = Exporter::tr("Exclusion Number List has been exported successfully.");
    job.textWriter = TextExport::WriteExclusionList;
    return exporter.run(job);
}

ExportOutcome ExportTemplates(Exporter& exporter, const QStringList& templates)
{
    ExportJob job;
    job.formats = {ExportFormat::Xls, ExportFormat::Xlsx, ExportFormat::Txt, ExportFormat::Html};
    job.table = oneColumn(QStringLiteral("Template Message"), templates);
    job.successText = Exporter::tr("Template Message List has been exported successfully.");
    job.textWriter = TextExport::WriteTemplates;
    job.htmlWriter = HtmlExport::WriteTemplates;
    return exporter.run(job);
}

ExportOutcome ExportInbox(Exporter& exporter, const QList<QStringList>& rows)
{
    ExportJob job;
    job.formats = {ExportFormat::Xls, ExportFormat::Xlsx, ExportFormat::Txt, ExportFormat::Html};
    job.table = ExportTable::fromRows({QStringLiteral("Number"), QStringLiteral("Message"),
                                       QStringLiteral("Received"), QStringLiteral("Modem"),
                                       QStringLiteral("Last sent item")},
                                      rows);
    job.successText = Exporter::tr("Inbox has been exported successfully.");
    job.textWriter = TextExport::WriteInbox;
    job.htmlWriter = HtmlExport::WriteInbox;
    return exporter.run(job);
}
