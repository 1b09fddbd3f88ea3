// Speed of the simulated modem: decoding submitted PDUs, and one AT round trip through a pty.
#include "sim/ModemSimulator.h"
#include "sim/PduDecoder.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

// 160 GSM characters ("A" repeated), relative validity, modem's SMSC.
QByteArray longGsmPdu()
{
    QByteArray packed;
    unsigned bits = 0;
    int count = 0;
    for (int i = 0; i < 160; ++i) {
        bits |= 0x41u << count;
        count += 7;
        while (count >= 8) {
            packed.append(static_cast<char>(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        packed.append(static_cast<char>(bits & 0xFF));
    return "0011000B916407281553F80000AAA0" + packed.toHex().toUpper();
}

void BM_DecodeGsm160(benchmark::State& state)
{
    const QByteArray pdu = longGsmPdu();
    if (!sim::decodeSubmitPdu(pdu, true))
        state.SkipWithError("the PDU does not decode");
    for (auto _ : state)
        benchmark::DoNotOptimize(sim::decodeSubmitPdu(pdu, true));
}
BENCHMARK(BM_DecodeGsm160);

void BM_DecodeUcs2(benchmark::State& state)
{
    const QByteArray pdu = "0011000B916407281553F800088F8C" + QByteArray("041F").repeated(70);
    if (!sim::decodeSubmitPdu(pdu, true))
        state.SkipWithError("the PDU does not decode");
    for (auto _ : state)
        benchmark::DoNotOptimize(sim::decodeSubmitPdu(pdu, true));
}
BENCHMARK(BM_DecodeUcs2);

void BM_PtyRoundTrip(benchmark::State& state)
{
    QTemporaryDir dir;
    sim::SimulatorOptions options;
    options.portsDir = dir.path().toStdString();
    sim::ModemSimulator simulator(options);
    simulator.start();
    const int fd = ::open(simulator.linkPath(1).c_str(), O_RDWR | O_NOCTTY);
    for (auto _ : state) {
        ::write(fd, "AT\r", 3);
        QByteArray collected;
        while (!collected.endsWith("OK\r\n")) {
            pollfd p{fd, POLLIN, 0};
            ::poll(&p, 1, 1000);
            char buffer[256];
            const ssize_t length = ::read(fd, buffer, sizeof buffer);
            if (length <= 0)
                break;
            collected.append(buffer, length);
        }
    }
    ::close(fd);
}
BENCHMARK(BM_PtyRoundTrip);

} // namespace
