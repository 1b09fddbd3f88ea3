#include "outbox/OutboxLink.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <atomic>
#include <benchmark/benchmark.h>
#include <thread>
#include <vector>

// What the outbox database costs each message: instances of 32 workers each, every worker
// claiming one row at a time (the worst case: serve claims batches), marking it submitted and
// writing its outcome, on SQLite or on the PostgreSQL server that QUILLON_BENCH_POSTGRES names
// (scripts/test-postgres starts one). Items per second are messages; the modems' own rate is a
// few messages per second each.

namespace {

OutboxAddress benchAddress(const QTemporaryDir& folder)
{
    const QString server = qEnvironmentVariable("QUILLON_BENCH_POSTGRES");
    if (!server.isEmpty())
        return *ParseOutboxAddress(server, {}).address;
    OutboxAddress address;
    address.file = folder.filePath("Outbox.sqlite");
    return address;
}

void fill(OutboxLink& link, int rows)
{
    std::vector<OutboxMessage> messages;
    for (int i = 0; i < rows; ++i)
        messages.push_back({QStringLiteral("+4477%1").arg(i, 8, 10, QChar('0')),
                            QStringLiteral("bench"),
                            false,
                            false,
                            {},
                            0,
                            0});
    link.call([&](OutboxDatabase& database) { database.enqueue(messages); });
}

// One link an instance, each with `connections` connections to the outbox.
std::vector<std::unique_ptr<OutboxLink>> instanceLinks(const OutboxAddress& address, int instances,
                                                       int connections)
{
    std::vector<std::unique_ptr<OutboxLink>> links;
    for (int i = 0; i < instances; ++i)
        links.push_back(std::make_unique<OutboxLink>(address, connections));
    return links;
}

void BM_ClaimSubmitFinish(benchmark::State& state)
{
    const int instances = int(state.range(0));
    const int workers = int(state.range(1));
    constexpr int RowsPerRound = 6000;
    QTemporaryDir folder;
    const OutboxAddress address = benchAddress(folder);
    const auto links = instanceLinks(address, instances, 1);
    std::int64_t done = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fill(*links[0], RowsPerRound);
        state.ResumeTiming();
        std::atomic<std::int64_t> finished{0};
        std::vector<std::thread> threads;
        for (int i = 0; i < instances; ++i)
            for (int w = 0; w < workers; ++w)
                threads.emplace_back([&, i] {
                    OutboxLink& link = *links[std::size_t(i)];
                    const QString name = QStringLiteral("bench%1").arg(i);
                    for (;;) {
                        const std::vector<OutboxRow> rows = link.call(
                            [&](OutboxDatabase& database) { return database.claim(name, 1, 60); });
                        if (rows.empty())
                            return;
                        link.call([&](OutboxDatabase& database) {
                            database.markSubmitting(rows[0].id, name);
                            return database.finish(rows[0].id, name,
                                                   {OutboxState::Sent, "sent", "COM1", "1"});
                        });
                        finished.fetch_add(1);
                    }
                });
        for (std::thread& thread : threads)
            thread.join();
        done += finished.load();
    }
    state.SetItemsProcessed(done);
}

// As serve works: each instance claims a batch of four rows per worker, its workers mark and
// finish their rows one by one through the instance's connection.
void BM_ServeBatches(benchmark::State& state)
{
    const int instances = int(state.range(0));
    const int workers = int(state.range(1));
    constexpr int RowsPerRound = 12000;
    QTemporaryDir folder;
    const OutboxAddress address = benchAddress(folder);
    const auto links = instanceLinks(address, instances, int(state.range(2)));
    std::int64_t done = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fill(*links[0], RowsPerRound);
        state.ResumeTiming();
        std::atomic<std::int64_t> finished{0};
        std::vector<std::thread> threads;
        for (int i = 0; i < instances; ++i)
            threads.emplace_back([&, i] {
                OutboxLink& link = *links[std::size_t(i)];
                const QString name = QStringLiteral("bench%1").arg(i);
                for (;;) {
                    const std::vector<OutboxRow> rows = link.call([&](OutboxDatabase& database) {
                        return database.claim(name, 4 * workers, 60);
                    });
                    if (rows.empty())
                        return;
                    std::atomic<std::size_t> next{0};
                    std::vector<std::thread> pool;
                    for (int w = 0; w < workers; ++w)
                        pool.emplace_back([&] {
                            for (std::size_t r = next++; r < rows.size(); r = next++) {
                                link.call([&](OutboxDatabase& database) {
                                    return database.markSubmitting(rows[r].id, name);
                                });
                                link.call([&](OutboxDatabase& database) {
                                    return database.finish(
                                        rows[r].id, name, {OutboxState::Sent, "sent", "COM1", "1"});
                                });
                                finished.fetch_add(1);
                            }
                        });
                    for (std::thread& thread : pool)
                        thread.join();
                }
            });
        for (std::thread& thread : threads)
            thread.join();
        done += finished.load();
    }
    state.SetItemsProcessed(done);
}

BENCHMARK(BM_ServeBatches)
    ->ArgNames({"instances", "workers", "connections"})
    ->Args({3, 32, 1})
    ->Args({3, 32, 4})
    ->Args({1, 32, 1})
    ->Args({1, 32, 4})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

BENCHMARK(BM_ClaimSubmitFinish)
    ->Args({3, 32})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
