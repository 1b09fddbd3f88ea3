#include "modem/PduEncoder.h"
#include "modem/PduSubmission.h"

#include <benchmark/benchmark.h>

namespace {

const QString Mobile = QStringLiteral("+441234567890");

QString gsmText(int length)
{
    const QString pattern =
        QStringLiteral("The quick brown fox jumps over the lazy dog 0123456789. ");
    QString text;
    while (text.size() < length)
        text += pattern;
    return text.left(length);
}

QString ucs2Text(int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(QChar(0x0410 + i % 32));
    return text;
}

void BM_EncodeSubmitPdu160Gsm(benchmark::State& state)
{
    const QString text = gsmText(160);
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeSubmitPdu(text, Mobile, QString(), PduOptions{}));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EncodeSubmitPdu160Gsm);

void BM_EncodeSubmitPdu70Ucs2(benchmark::State& state)
{
    const QString text = ucs2Text(70);
    PduOptions options;
    options.unicode = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeSubmitPdu(text, Mobile, QString(), options));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EncodeSubmitPdu70Ucs2);

// A whole ten-part message, cut once and then encoded part by part as the sender does.
void BM_TenPartUcs2PartByPart(benchmark::State& state)
{
    const QString text = ucs2Text(650);
    PduOptions options;
    options.unicode = true;
    for (auto _ : state) {
        const ConcatenatedMessage message(text, Mobile, QString(), 7, options);
        for (int part = 1; part <= message.partCount(); ++part)
            benchmark::DoNotOptimize(EncodeSubmitPduPart(message, part));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TenPartUcs2PartByPart);

void BM_TenPartGsmMessage(benchmark::State& state)
{
    const QString text = gsmText(1500);
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeMessagePdus(text, Mobile, QString(), 7, PduOptions{}));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TenPartGsmMessage);

} // namespace
