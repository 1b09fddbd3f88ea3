#include "recipients/RecipientListExport.h"

#include "recipients/RecipientList.h"

ExportTable RecipientExportTable(const RecipientList& list)
{
    ExportTable table;
    table.columns = {QStringLiteral("Number"), QStringLiteral("Message")};
    table.rowCount = list.count();
    table.row = [&list](qsizetype i) {
        const RecipientRow& row = list.at(int(i));
        return QStringList{row.Number, row.Message};
    };
    return table;
}

ExportOutcome ExportRecipientList(Exporter& exporter, const RecipientList& list)
{
    ExportJob job;
    job.formats = {ExportFormat::Xls, ExportFormat::Xlsx};
    job.table = RecipientExportTable(list);
    job.successText = Exporter::tr("Phone Number and Message List has been exported successfully.");
    return exporter.run(job);
}
