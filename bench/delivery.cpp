// Matching status reports to the parts they report on: 1,000,000 parts sent over 32 ports
// (message references wrap at 256, so every reference is in use thousands of times), then
// 1,000,000 reports, one per part, in another order.

#include "sending/DeliveryMatcher.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

struct Load
{
    std::vector<SentPart> parts;
    std::vector<std::pair<QString, StatusReport>> reports;
    QDateTime receivedAt;
};

Load makeLoad(int count)
{
    Load load;
    const QDateTime start(QDate(2026, 12, 10), QTime(8, 0), Qt::UTC);
    load.parts.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const QString port = QString::number(i % 32 + 1);
        const QString recipient = QStringLiteral("+4477%1").arg(i, 8, 10, QChar('0'));
        load.parts.push_back(
            {i, port, (i / 32) % 256, recipient, start.addMSecs(i * 10LL), 1, 1, 1, {}, {}});
    }
    // Reports come back out of order: a stride through the parts.
    load.reports.reserve(std::size_t(count));
    for (int k = 0; k < count; ++k) {
        const SentPart& part = load.parts[std::size_t((std::int64_t(k) * 7919) % count)];
        StatusReport report;
        report.messageReference = part.messageReference;
        report.recipient = part.recipient;
        load.reports.emplace_back(part.port, report);
    }
    load.receivedAt = start.addSecs(count / 100 + 60);
    return load;
}

void BM_MatchReports(benchmark::State& state)
{
    const Load load = makeLoad(int(state.range(0)));
    for (auto _ : state) {
        DeliveryMatcher matcher;
        for (const SentPart& part : load.parts)
            matcher.addSentPart(part);
        int matched = 0;
        for (const auto& [port, report] : load.reports)
            matched += matcher.addReport(port, report, load.receivedAt) ? 1 : 0;
        if (matched != int(load.reports.size()))
            state.SkipWithError("a report found no part");
        benchmark::DoNotOptimize(matched);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MatchReports)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
