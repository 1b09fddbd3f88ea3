// What the run journal costs per message: the submission record synced before the modem is
// asked, then the outcome and the sent-item mark, with the outcome synced too or left to the
// next sync. Run it on the disk the data folder lives on (it writes into the system's
// temporary folder; set TMPDIR to measure another disk).

#include "sending/JournalRecorder.h"
#include "stores/DataFolder.h"
#include "stores/RunJournal.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_JournalPerMessage(benchmark::State& state)
{
    const bool syncOutcomes = state.range(0) != 0;
    QTemporaryDir dir;
    const DataFolder data(dir.path());
    RunJournal journal(data);
    JournalRecorder recorder(journal, {"retries=0", {}, false, syncOutcomes, 1}, nullptr);
    constexpr int Rows = 2000;
    std::vector<QueueRow> rows(Rows);
    for (int i = 0; i < Rows; ++i) {
        rows[std::size_t(i)][NumberColumn] = QStringLiteral("+4477009%1").arg(10000 + i);
        rows[std::size_t(i)][MessageColumn] =
            QStringLiteral("Dear customer %1, your order is ready for collection.").arg(i);
    }
    recorder.begun(rows);
    if (!journal.isOpen()) {
        state.SkipWithError("cannot write the journal");
        return;
    }
    int row = 0;
    for (auto _ : state) {
        recorder.submitting(row, QStringLiteral("3"));
        recorder.outcome(row, QStringLiteral("Message sent successfully."), QStringLiteral("3"));
        recorder.logged(row);
        row = (row + 1) % Rows;
    }
    state.SetLabel(syncOutcomes ? "outcomes synced" : "outcomes unsynced");
}
BENCHMARK(BM_JournalPerMessage)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Writing the rows of a run before its first submission, synced once.
void BM_JournalBegin(benchmark::State& state)
{
    QTemporaryDir dir;
    const DataFolder data(dir.path());
    RunJournal journal(data);
    std::vector<JournalRow> rows;
    for (int i = 0; i < state.range(0); ++i)
        rows.push_back({i,
                        QStringLiteral("+4477009%1").arg(10000 + i),
                        QStringLiteral("Dear customer %1, your order is ready.").arg(i),
                        {}});
    for (auto _ : state)
        if (!journal.begin({1, "retries=0", int(rows.size()), 0}, rows))
            state.SkipWithError("cannot write the journal");
}
BENCHMARK(BM_JournalBegin)->Arg(2000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
