// The wizard's "Import Numbers and their respective messages" over a 50,000-row two-column
// sheet, with "Skip Duplicate Numbers" and "Use Exclusion Rules" on: open the workbook, read the
// sheet, check every number and put the rows at the top of the list.

#include "recipients/ExcelImport.h"
#include "recipients/RecipientBatch.h"
#include "recipients/RecipientList.h"
#include "stores/BiffWriter.h"
#include "stores/ExclusionSet.h"
#include "stores/SpreadsheetReader.h"
#include "stores/XlsxExportWriter.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 50'000;

QString writeSheet(const QString& name)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    ExportTable table;
    table.columns = {QStringLiteral("Number"), QStringLiteral("Message")};
    table.rowCount = Rows - 1;
    table.row = [](qsizetype i) {
        return QStringList{QString::number(447700900000LL + i),
                           QStringLiteral("Dear customer %1, your order is ready.").arg(i % 1000)};
    };
    if (name.endsWith(QLatin1String(".xlsx")))
        WriteXlsx(path, table);
    else
        WriteXls(path, table);
    return path;
}

void importSheet(benchmark::State& state, const QString& path)
{
    ExclusionSet exclusions;
    for (int i = 0; i < 1000; ++i)
        exclusions.add(QString::number(447700900000LL + 7 * i));
    const NumberCheckOptions options{true, true, &exclusions};
    for (auto _ : state) {
        RecipientList list;
        SpreadsheetReader reader;
        if (reader.open(path))
            state.SkipWithError("cannot open the workbook");
        const SheetTable* sheet = ReadImportSheet(reader, 0, nullptr);
        RecipientBatch batch(list);
        ImportNumbersAndMessages(*sheet, 1, 2, batch, options);
        InsertBatchAtTop(list, batch);
        benchmark::DoNotOptimize(list.count());
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}

void BM_ImportNumbersAndMessagesXlsx(benchmark::State& state)
{
    importSheet(state, writeSheet(QStringLiteral("import.xlsx")));
}
BENCHMARK(BM_ImportNumbersAndMessagesXlsx)->Unit(benchmark::kMillisecond);

void BM_ImportNumbersAndMessagesXls(benchmark::State& state)
{
    importSheet(state, writeSheet(QStringLiteral("import.xls")));
}
BENCHMARK(BM_ImportNumbersAndMessagesXls)->Unit(benchmark::kMillisecond);

} // namespace
