// Speed of the recipient list: number checks against the duplicate index and a large exclusion
// set, inserts at the top, reading rows for the view, removing scattered rows, and loading the
// exclusion lists.
#include "base/Prompter.h"
#include "recipients/RecipientBatch.h"
#include "recipients/RecipientCommands.h"
#include "recipients/RecipientList.h"
#include "stores/DataFolder.h"
#include "stores/ExclusionSet.h"
#include "stores/RecordFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <random>

namespace {

class SilentPrompter : public Prompter
{
public:
    void inform(const QString&, const QString&, Icon) override {}
    bool confirm(const QString&, const QString&, Icon) override { return true; }
    Answer askYesNoCancel(const QString&, const QString&, Icon) override { return Answer::Yes; }
};

QString numberAt(qint64 base, qint64 i)
{
    return QString::number(base + i);
}

const ExclusionSet& millionExclusions()
{
    static const ExclusionSet set = [] {
        ExclusionSet s;
        for (qint64 i = 0; i < 1'000'000; ++i)
            s.add(numberAt(447'700'000'000, i));
        return s;
    }();
    return set;
}

// 100,000 typed numbers, one by one through Add, with both options ticked. One in ten is
// excluded and one in ten repeats an earlier one, so every branch of the check is taken.
void BM_AddHundredThousandWithDuplicateAndExclusionChecks(benchmark::State& state)
{
    const ExclusionSet& exclusions = millionExclusions();
    QStringList typed;
    for (qint64 i = 0; i < 100'000; ++i) {
        if (i % 10 == 3)
            typed.append(numberAt(447'700'000'000, i * 7));
        else if (i % 10 == 7)
            typed.append(typed[i / 2]);
        else
            typed.append("(07" + QString::number(i % 100) + ") " + numberAt(5'000'000, i));
    }
    const NumberCheckOptions options{true, true, &exclusions};
    SilentPrompter prompter;
    for (auto _ : state) {
        state.PauseTiming();
        RecipientList list;
        RecipientCommands commands(list, prompter);
        state.ResumeTiming();
        for (const QString& number : typed)
            commands.Add(number, QStringLiteral("Hello"), options);
        benchmark::DoNotOptimize(list.count());
        state.PauseTiming();
        state.counters["rows"] = list.count();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddHundredThousandWithDuplicateAndExclusionChecks)->Unit(benchmark::kMillisecond);

RecipientList& listOf(qint64 rows)
{
    static std::map<qint64, std::unique_ptr<RecipientList>> lists;
    std::unique_ptr<RecipientList>& list = lists[rows];
    if (!list) {
        list = std::make_unique<RecipientList>();
        std::vector<RecipientRow> all;
        for (qint64 i = 0; i < rows; ++i)
            all.push_back({numberAt(7'000'000'000, i), QStringLiteral("Message text")});
        list->insertRecipients(0, std::move(all));
    }
    return *list;
}

// What the view asks while scrolling: one cell at a random row...
void BM_DataAtRandomRow(benchmark::State& state)
{
    const RecipientList& list = listOf(state.range(0));
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(0, list.count() - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(list.data(list.index(pick(random), 1)));
}
BENCHMARK(BM_DataAtRandomRow)->Arg(10'000)->Arg(1'000'000);

// ... and a whole screen of 40 rows, both columns, after a jump to a random place.
void BM_ScreenfulAfterAJump(benchmark::State& state)
{
    const RecipientList& list = listOf(state.range(0));
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(0, list.count() - 41);
    for (auto _ : state) {
        const int top = pick(random);
        for (int row = top; row < top + 40; ++row) {
            benchmark::DoNotOptimize(list.data(list.index(row, 0)));
            benchmark::DoNotOptimize(list.data(list.index(row, 1)));
        }
    }
}
BENCHMARK(BM_ScreenfulAfterAJump)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// A paste or import of N numbers at positions 0, 1, 2 ... above 100,000 older rows.
void BM_BatchAtTopAboveHundredThousand(benchmark::State& state)
{
    QStringList pasted;
    for (qint64 i = 0; i < state.range(0); ++i)
        pasted.append(numberAt(8'000'000, i));
    const NumberCheckOptions options{true, false, nullptr};
    for (auto _ : state) {
        state.PauseTiming();
        RecipientList list;
        std::vector<RecipientRow> older;
        for (qint64 i = 0; i < 100'000; ++i)
            older.push_back({numberAt(9'000'000, i), QString()});
        list.insertRecipients(0, std::move(older));
        state.ResumeTiming();
        RecipientBatch batch(list);
        for (const QString& number : pasted)
            batch.add(number, QStringLiteral("Hi"), options);
        InsertBatchAtTop(list, batch);
        benchmark::DoNotOptimize(list.count());
    }
}
BENCHMARK(BM_BatchAtTopAboveHundredThousand)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

// Clear Selected of every tenth row of a 1,000,000-row list: working out the rows that stay
// (the background part) and putting the result in place (the part on the UI thread).
void BM_ClearEveryTenthOfAMillion(benchmark::State& state)
{
    const bool planPart = state.range(0) == 0;
    QList<int> selected;
    for (int i = 0; i < 1'000'000; i += 10)
        selected.append(i);
    for (auto _ : state) {
        state.PauseTiming();
        RecipientList list;
        std::vector<RecipientRow> rows;
        for (qint64 i = 0; i < 1'000'000; ++i)
            rows.push_back({numberAt(7'000'000'000, i), QString()});
        list.insertRecipients(0, std::move(rows));
        if (!planPart) {
            RecipientRemoval plan = list.planRemoval(selected);
            state.ResumeTiming();
            list.applyRemoval(std::move(plan));
        } else {
            state.ResumeTiming();
            benchmark::DoNotOptimize(list.planRemoval(selected));
        }
        state.PauseTiming(); // the list's destruction is not part of either
        benchmark::DoNotOptimize(list.count());
        list.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClearEveryTenthOfAMillion)
    ->ArgName("uiPart")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Loading two lists in use holding 1,000,000 numbers between them.
void BM_LoadMillionExclusions(benchmark::State& state)
{
    QTemporaryDir dir;
    DataFolder folder(dir.path());
    folder.EnsureDataFolder();
    for (int list = 0; list < 2; ++list) {
        QStringList numbers;
        for (qint64 i = 0; i < 500'000; ++i)
            numbers.append(numberAt(447'700'000'000 + list * 500'000, i));
        RecordFile::Rewrite(folder.exclusionListPath(QString("List%1").arg(list)), numbers,
                            RecordFile::LineEnd::LF);
    }
    RecordFile::Rewrite(folder.appExclusionPath(), {"List0", "List1"}, RecordFile::LineEnd::LF);
    SilentPrompter prompter;
    for (auto _ : state) {
        ExclusionSet set;
        LoadExclusionSet(set, true, folder, prompter);
        state.counters["numbers"] = double(set.size());
    }
}
BENCHMARK(BM_LoadMillionExclusions)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
