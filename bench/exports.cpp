#include "exports/BiffWriter.h"
#include "exports/HtmlExportWriter.h"
#include "exports/TextExportWriter.h"
#include "exports/XlsxExportWriter.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

// Export writers over generated rows: nothing is held in memory but what the writer keeps, so
// the peak resident size shows whether that stays flat as rows grow. Run one size per process
// (--benchmark_filter) to read each size's own peak.

namespace {

ExportTable recipients(qsizetype rows)
{
    ExportTable table;
    table.columns = {QStringLiteral("Number"), QStringLiteral("Message")};
    table.rowCount = rows;
    table.row = [](qsizetype i) {
        return QStringList{QStringLiteral("0%1").arg(7700000000 + i),
                           QStringLiteral("Dear customer %1, your order has shipped.").arg(i)};
    };
    return table;
}

ExportTable sentItems(qsizetype rows)
{
    ExportTable table;
    table.columns = {QStringLiteral("Number"), QStringLiteral("Message"), QStringLiteral("Date"),
                     QStringLiteral("Status")};
    table.rowCount = rows;
    table.row = [](qsizetype i) {
        return QStringList{QStringLiteral("+44%1").arg(7700000000 + i),
                           QStringLiteral("Dear customer %1, your order has shipped.").arg(i),
                           QStringLiteral("06/05/2026"),
                           QStringLiteral("Message sent successfully.")};
    };
    return table;
}

void report(benchmark::State& state, const QString& path)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = double(usage.ru_maxrss) / 1024.0;
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

template <typename Write> void run(benchmark::State& state, const QString& name, Write write)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    for (auto _ : state) {
        if (!write(path).ok())
            state.SkipWithError("export failed");
    }
    report(state, path);
}

void BM_XlsxRecipients(benchmark::State& state)
{
    const ExportTable table = recipients(state.range(0));
    run(state, "recipients.xlsx", [&](const QString& p) { return WriteXlsx(p, table); });
}
BENCHMARK(BM_XlsxRecipients)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_XlsSentItems(benchmark::State& state)
{
    const ExportTable table = sentItems(state.range(0));
    run(state, "sent.xls", [&](const QString& p) { return WriteXls(p, table); });
}
BENCHMARK(BM_XlsSentItems)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

void BM_TextSentItems(benchmark::State& state)
{
    const ExportTable table = sentItems(state.range(0));
    run(state, "sent.txt", [&](const QString& p) {
        return TextExport::WriteSentItems(p, table, "01/05/2026", "31/05/2026");
    });
}
BENCHMARK(BM_TextSentItems)->Arg(200000)->Unit(benchmark::kMillisecond);

void BM_HtmlSentItems(benchmark::State& state)
{
    const ExportTable table = sentItems(state.range(0));
    run(state, "sent.html", [&](const QString& p) {
        return HtmlExport::WriteSentItems(p, table, "01/05/2026", "31/05/2026");
    });
}
BENCHMARK(BM_HtmlSentItems)->Arg(200000)->Unit(benchmark::kMillisecond);

} // namespace
