#include "recipients/RecipientList.h"
#include "sending/CampaignPreview.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 1'000'000;

// A list of a million rows in the main window's own list, numbers all different.
RecipientList& listOf(bool distinctTexts, const QString& extra)
{
    static RecipientList list;
    list.clear();
    const QString shared =
        QStringLiteral("Dear customer, your appointment is confirmed for Monday at 10:30. "
                       "Reply STOP to opt out.") +
        extra;
    std::vector<RecipientRow> rows;
    rows.reserve(Rows);
    for (int i = 0; i < Rows; ++i) {
        const QString number = QStringLiteral("+4477009%1").arg(i, 7, 10, QLatin1Char('0'));
        rows.push_back({number, distinctTexts ? QStringLiteral("Dear customer %1, your "
                                                               "appointment is confirmed for "
                                                               "Monday at 10:30. Reply STOP to "
                                                               "opt out.%2")
                                                    .arg(i)
                                                    .arg(extra)
                                              : shared});
    }
    list.insertRecipients(0, std::move(rows));
    return list;
}

void run(benchmark::State& state, const RecipientList& list, bool nationalLanguages = false)
{
    PreviewSettings settings;
    settings.unicode = nationalLanguages;
    settings.nationalLanguages = nationalLanguages;
    settings.modems = {{QStringLiteral("COM1 - a"), 1, -1},
                       {QStringLiteral("COM2 - b"), 1, 400'000},
                       {QStringLiteral("COM3 - c"), 2, -1}};
    settings.pacing = {false, 100, 60'000};
    for (auto _ : state)
        benchmark::DoNotOptimize(previewCampaign(list, settings));
    state.SetItemsProcessed(state.iterations() * list.count());
}

void BM_PreviewMillionRowsOneText(benchmark::State& state)
{
    run(state, listOf(false, QString()));
}
BENCHMARK(BM_PreviewMillionRowsOneText)->Unit(benchmark::kMillisecond);

void BM_PreviewMillionRowsDistinctTexts(benchmark::State& state)
{
    run(state, listOf(true, QString()));
}
BENCHMARK(BM_PreviewMillionRowsDistinctTexts)->Unit(benchmark::kMillisecond);

// Every row with a curly quote: each is also checked for its look-alike replacement.
void BM_PreviewMillionRowsDistinctLookalikes(benchmark::State& state)
{
    run(state, listOf(true, QStringLiteral(" \u201CThanks\u201D")));
}
BENCHMARK(BM_PreviewMillionRowsDistinctLookalikes)->Unit(benchmark::kMillisecond);

// Turkish texts that need the national language tables: each count searches the tables.
void BM_PreviewMillionRowsOneTextNational(benchmark::State& state)
{
    run(state,
        listOf(false,
               QStringLiteral(" Te\u015Fekk\u00FCrler, g\u00F6r\u00FC\u015F\u00FCr\u00FCz.")),
        true);
}
BENCHMARK(BM_PreviewMillionRowsOneTextNational)->Unit(benchmark::kMillisecond);

void BM_PreviewMillionRowsDistinctNational(benchmark::State& state)
{
    run(state,
        listOf(true, QStringLiteral(" Te\u015Fekk\u00FCrler, g\u00F6r\u00FC\u015F\u00FCr\u00FCz.")),
        true);
}
BENCHMARK(BM_PreviewMillionRowsDistinctNational)->Unit(benchmark::kMillisecond);

// Hindi beside the English: the Hindi tables carry the capitals in their single shift table.
void BM_PreviewMillionRowsDistinctHindi(benchmark::State& state)
{
    run(state, listOf(true, QStringLiteral(" नमस्ते, आप कैसे हैं? मैं ठीक हूँ।")), true);
}
BENCHMARK(BM_PreviewMillionRowsDistinctHindi)->Unit(benchmark::kMillisecond);

} // namespace
