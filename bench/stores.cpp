// Loading the stores into the windows' models: 100,000 sent items and 10,000 templates.

#include "stores/DataFolder.h"
#include "stores/SentItemStore.h"
#include "stores/SentItemsModel.h"
#include "stores/TemplateListModel.h"
#include "stores/TemplateStore.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString messageText(int i)
{
    return QStringLiteral("Dear customer %1,\nyour order is ready for collection at our store. "
                          "Reply STOP to opt out.")
        .arg(i);
}

void BM_SentItemsFileIntoModel(benchmark::State& state)
{
    QTemporaryDir dir;
    const DataFolder data(dir.path());
    SentItemStore store(data);
    std::vector<SentItem> records;
    for (int i = 0; i < state.range(0); ++i)
        records.push_back({QStringLiteral("+4477009%1").arg(i, 5, 10, QChar('0')), messageText(i),
                           QStringLiteral("06/12/2026"),
                           i % 10 ? QStringLiteral("Message sent successfully.")
                                  : QStringLiteral("Error : +CMS ERROR: 500")});
    if (!store.WriteBack(records)) {
        state.SkipWithError("cannot write the sent-items file");
        return;
    }
    SentItemsModel model;
    for (auto _ : state) {
        std::vector<SentItem> loaded;
        store.Load(loaded);
        model.setRecords(std::move(loaded));
        benchmark::DoNotOptimize(model.rowCount());
    }
    if (model.rowCount() != state.range(0))
        state.SkipWithError("records lost");
}
BENCHMARK(BM_SentItemsFileIntoModel)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_TemplatesFileIntoModel(benchmark::State& state)
{
    QTemporaryDir dir;
    const DataFolder data(dir.path());
    TemplateStore store(data);
    QStringList templates;
    for (int i = 0; i < state.range(0); ++i)
        templates.append(messageText(i));
    if (!store.SaveTemplates(templates)) {
        state.SkipWithError("cannot write the templates file");
        return;
    }
    TemplateListModel model;
    for (auto _ : state) {
        QStringList loaded;
        store.LoadTemplates(loaded);
        model.setOldestFirst(std::move(loaded));
        benchmark::DoNotOptimize(model.rowCount());
    }
    if (model.rowCount() != state.range(0))
        state.SkipWithError("templates lost");
}
BENCHMARK(BM_TemplatesFileIntoModel)->Arg(10000)->Unit(benchmark::kMillisecond);

// Closing the sent-items window after deleting records rewrites the whole file.
void BM_SentItemsWriteBack(benchmark::State& state)
{
    QTemporaryDir dir;
    const DataFolder data(dir.path());
    SentItemStore store(data);
    std::vector<SentItem> records;
    for (int i = 0; i < state.range(0); ++i)
        records.push_back({QString::number(447700900000LL + i), messageText(i),
                           QStringLiteral("06/12/2026"),
                           QStringLiteral("Message sent successfully.")});
    for (auto _ : state)
        benchmark::DoNotOptimize(store.WriteBack(records));
}
BENCHMARK(BM_SentItemsWriteBack)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
