#include "exports/SentItemsExportJob.h"

#include "base/Prompter.h"
#include "exports/HtmlExportWriter.h"
#include "exports/TextExportWriter.h"

#include <algorithm>
#include <memory>

namespace {

QString bannerDate(const QDate& day)
{
    return day.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

QDate SentItemDay(const SentItem& item)
{
    const QString text = item.date.left(12).trimmed();
    QDate day = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
    if (!day.isValid())
        day = QDate::fromString(text, QStringLiteral("d/M/yyyy"));
    return day;
}

bool IsSentItemSelected(const SentItem& item, const SentItemsExportOptions& options)
{
    const QDate day = SentItemDay(item);
    return day.isValid() && day >= options.start && day <= options.end &&
           MatchesStatusChoice(options.choice, item.status);
}

std::vector<SentItem> SelectSentItems(const std::vector<SentItem>& records,
                                      const SentItemsExportOptions& options)
{
    std::vector<SentItem> selected;
    for (const SentItem& item : records) {
        if (IsSentItemSelected(item, options))
            selected.push_back(item);
    }
    return selected;
}

ExportOutcome ExportSentItems(Exporter& exporter, const std::vector<SentItem>& records,
                              const SentItemsExportOptions& options,
                              const std::vector<QString>& deliveries)
{
    const bool withDelivery = deliveries.size() == records.size() &&
                              std::any_of(deliveries.begin(), deliveries.end(),
                                          [](const QString& text) { return !text.isEmpty(); });
    auto selected = std::make_shared<std::vector<QStringList>>();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const SentItem& item = records[i];
        if (!IsSentItemSelected(item, options))
            continue;
        selected->push_back({item.number, item.message, item.date, item.status});
        if (withDelivery)
            selected->back().append(deliveries[i]);
    }
    if (selected->empty()) {
        exporter.prompter().inform(Exporter::tr("Message"),
                                   Exporter::tr("There is no record for selected duration."),
                                   Prompter::Icon::Information);
        return ExportOutcome::Refused;
    }
    const QString start = bannerDate(options.start);
    const QString end = bannerDate(options.end);

    ExportJob job;
    job.formats = {options.format};
    job.table.columns = {QStringLiteral("Number"), QStringLiteral("Message"),
                         QStringLiteral("Date"), QStringLiteral("Status")};
    if (withDelivery)
        job.table.columns.append(QStringLiteral("Delivery"));
    job.table.rowCount = qsizetype(selected->size());
    job.table.row = [selected](qsizetype i) { return (*selected)[size_t(i)]; };
    job.successText = Exporter::tr("Sent Items have been exported successfully.");
    job.textWriter = [start, end](const QString& path, const ExportTable& table) {
        return TextExport::WriteSentItems(path, table, start, end);
    };
    job.htmlWriter = [start, end](const QString& path, const ExportTable& table) {
        return HtmlExport::WriteSentItems(path, table, start, end);
    };
    return exporter.run(job);
}
