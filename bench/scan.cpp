// Speed of the modem scan: the opening probe of all 512 port names when nothing answers, and a
// whole scan of eight simulated modems with the real clock (designed waits and time-outs).
#include "base/Clock.h"
#include "base/Prompter.h"
#include "devices/DeviceDetailsStore.h"
#include "devices/ModemScan.h"
#include "devices/OpeningProbe.h"
#include "devices/PortEnumeration.h"
#include "devices/ScanResults.h"
#include "modem/CSMSSerialPort.h"
#include "modem/PortMap.h"
#include "sim/ModemSimulator.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class SilentPrompter : public Prompter
{
public:
    void inform(const QString&, const QString&, Icon) override {}
    bool confirm(const QString&, const QString&, Icon) override { return false; }
    Answer askYesNoCancel(const QString&, const QString&, Icon) override { return Answer::No; }
};

void BM_OpeningProbeEmptyFolder(benchmark::State& state)
{
    QTemporaryDir folder;
    const PortMap ports(folder.path());
    for (auto _ : state)
        benchmark::DoNotOptimize(ProbePortsByOpening(ports));
}
BENCHMARK(BM_OpeningProbeEmptyFolder)->Unit(benchmark::kMillisecond);

// The machine's own /dev names: ttyS nodes without a UART fail at once with EIO.
void BM_OpeningProbeMachinePorts(benchmark::State& state)
{
    const PortMap ports;
    for (auto _ : state)
        benchmark::DoNotOptimize(ProbePortsByOpening(ports));
}
BENCHMARK(BM_OpeningProbeMachinePorts)->Unit(benchmark::kMillisecond);

void BM_ScanEightSimulatedModems(benchmark::State& state)
{
    QTemporaryDir folder;
    sim::SimulatorOptions options;
    options.portsDir = folder.path().toStdString();
    options.modems = 8;
    for (int port = 1; port <= 8; ++port)
        options.addProfile(port, QStringLiteral("imei=35000000000000%1").arg(port));
    sim::ModemSimulator simulator(options);
    simulator.start();
    const PortMap ports(folder.path());
    CSMSSerialPort channel(ports, Clock::system());
    EmptySerialPortLister lister;
    DeviceDetailsStore details;
    ScanResults results(details);
    SilentPrompter prompter;
    ModemScan scan({ports, Clock::system(), channel, lister, results, prompter, {}, {}});
    for (auto _ : state) {
        scan.StartModemScan();
        scan.waitUntilFinished();
    }
    if (results.rows().size() != 8)
        state.SkipWithError("not every modem was listed");
}
BENCHMARK(BM_ScanEightSimulatedModems)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
