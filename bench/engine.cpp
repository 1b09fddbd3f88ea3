// Speed of the sending engine: CPU per message with 32 modems and no latency, how throughput
// grows with the number of modems against the modem-bound limit, and a million-row queue's
// memory and the sending window's refresh while workers send.
#include "base/Clock.h"
#include "base/Prompter.h"
#include "devices/DeviceState.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/PortMap.h"
#include "modem/SendOptions.h"
#include "recipients/RecipientList.h"
#include "sending/ModemChannelTable.h"
#include "sending/ModemSubmitter.h"
#include "sending/RunOptions.h"
#include "sending/RunState.h"
#include "sending/SendQueueModel.h"
#include "sending/SendingRun.h"
#include "sim/ModemSimulator.h"

#include <QCoreApplication>
#include <QHash>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <memory>
#include <sys/resource.h>
#include <thread>

namespace {

class SilentPrompter : public Prompter
{
public:
    void inform(const QString&, const QString&, Icon) override {}
    bool confirm(const QString&, const QString&, Icon) override { return true; }
    Answer askYesNoCancel(const QString&, const QString&, Icon) override { return Answer::Yes; }
};

// A modem that takes a fixed real time per message and no processor time.
class SleepingSubmitter : public MessageSubmitter
{
public:
    explicit SleepingSubmitter(std::chrono::microseconds perMessage) : m_perMessage(perMessage) {}
    SubmitOutcome submit(ModemChannel&, int, int, const SendRequest&,
                         const std::function<bool()>&) override
    {
        std::this_thread::sleep_for(m_perMessage);
        return SubmitOutcome::Sent;
    }

private:
    std::chrono::microseconds m_perMessage;
};

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// Everything a run needs, with `modems` devices on ports 1.. in PDU mode.
struct Rig
{
    Rig(int modems, int rows, unsigned clockFactor, MessageSubmitter* submitter = nullptr)
        : clock(clockFactor), ports(portsDir.path()), channels(ports, clock),
          modemSubmitter(clock, references, &sendOptions, &devices.details())
    {
        std::vector<RecipientRow> recipients;
        recipients.reserve(std::size_t(rows));
        const QString message = QStringLiteral("Benchmark message");
        for (int i = 0; i < rows; ++i)
            recipients.push_back({QString::number(447700000000LL + i), message});
        list.insertRecipients(0, std::move(recipients));
        QList<DeviceChoice> choices;
        QList<int> modes;
        QStringList labels;
        for (int port = 1; port <= modems; ++port) {
            const QString label = QStringLiteral("COM%1 - Modem").arg(port);
            choices.append({label, port});
            modes.append(1);
            labels.append(label);
        }
        if (modems > 1) {
            choices.append({AllDeviceText(), 0});
            modes.append(0);
            labels.append(AllDeviceText());
        }
        devices.setChoiceList(choices, int(choices.size()) - 1);
        devices.setDeviceModeList(modes);
        devices.setDeviceList(labels, int(labels.size()) - 1);
        active = submitter ? submitter : &modemSubmitter;
    }

    void startSimulator(int modems, const QString& profile)
    {
        sim::SimulatorOptions options;
        options.portsDir = portsDir.path().toStdString();
        options.modems = modems;
        if (!profile.isEmpty())
            options.addProfileForAll(profile);
        simulator = std::make_unique<sim::ModemSimulator>(options);
        simulator->start();
    }

    SendingContext context()
    {
        return {state, options, devices, channels, *active, clock, prompter, list, exclusions};
    }

    // Sends everything; false when the run did not finish within the limit.
    bool runToEnd(std::chrono::seconds limit = std::chrono::seconds(600))
    {
        SendingRun run(context());
        run.open();
        return run.waitUntilSettled(limit);
    }

    QTemporaryDir portsDir;
    Clock clock;
    PortMap ports;
    ModemChannelTable channels;
    RunState state;
    RunOptions options;
    DeviceState devices;
    SendOptions sendOptions;
    ConcatReferenceCounter references;
    ModemSubmitter modemSubmitter;
    MessageSubmitter* active = nullptr;
    SilentPrompter prompter;
    RecipientList list;
    ExclusionSet exclusions;
    std::unique_ptr<sim::ModemSimulator> simulator;
};

// 10,000 rows over 32 simulated modems answering at once, designed waits 200 times faster. The
// processor time covers the engine, the serial channels and the simulated modems together.
void BM_ThirtyTwoModemsTenThousandRows(benchmark::State& state)
{
    constexpr int Rows = 10000;
    for (auto _ : state) {
        Rig rig(32, Rows, 200);
        rig.startSimulator(32, {});
        const double cpuBefore = processCpuSeconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        if (!rig.runToEnd())
            state.SkipWithError("the run did not finish");
        const double cpu = processCpuSeconds() - cpuBefore;
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
        state.counters["cpu_ms_per_msg"] = cpu * 1000 / Rows;
        state.counters["msgs_per_s"] = Rows / wall;
        state.counters["sent"] = double(rig.simulator->messages().size());
    }
}
BENCHMARK(BM_ThirtyTwoModemsTenThousandRows)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// The engine alone: 32 modems that take 2 ms per message without using the processor.
void BM_EngineOverheadThirtyTwoWorkers(benchmark::State& state)
{
    constexpr int Rows = 10000;
    SleepingSubmitter modems(std::chrono::milliseconds(2));
    for (auto _ : state) {
        Rig rig(32, Rows, 1000, &modems);
        const double cpuBefore = processCpuSeconds();
        if (!rig.runToEnd())
            state.SkipWithError("the run did not finish");
        state.counters["cpu_ms_per_msg"] = (processCpuSeconds() - cpuBefore) * 1000 / Rows;
    }
}
BENCHMARK(BM_EngineOverheadThirtyTwoWorkers)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// Messages per second with a fixed answer latency of the simulated modems, against n times
// what one modem sends alone (measured first). A rate is the messages over the time from the
// first to the last message on the air plus one message's period, so the run's opening and
// finishing waits do not count and one modem alone scores exactly its own rate.
double airRate(const std::vector<sim::AirMessage>& air, double period)
{
    if (air.size() < 2)
        return 0;
    const double span = double(air.front().time.msecsTo(air.back().time)) / 1000.0;
    return double(air.size()) / (span + period);
}

void BM_ScalingWithModemLatency(benchmark::State& state)
{
    const int modems = int(state.range(0));
    // Long enough that the designed 500 ms between worker starts is a small part of the run.
    const int perModem = 60;
    static double singlePeriod = 0; // seconds per message of one modem alone
    for (auto _ : state) {
        if (singlePeriod == 0) {
            Rig alone(1, perModem, 200);
            alone.startSimulator(1, QStringLiteral("latency=15"));
            alone.runToEnd();
            const auto air = alone.simulator->messages();
            singlePeriod =
                double(air.front().time.msecsTo(air.back().time)) / 1000.0 / double(air.size() - 1);
        }
        Rig rig(modems, modems * perModem, 200);
        rig.startSimulator(modems, QStringLiteral("latency=15"));
        if (!rig.runToEnd())
            state.SkipWithError("the run did not finish");
        const double rate = airRate(rig.simulator->messages(), singlePeriod);
        const double limit = modems / singlePeriod;
        state.counters["msgs_per_s"] = rate;
        state.counters["limit_msgs_per_s"] = limit;
        state.counters["efficiency_pct"] = rate * 100 / limit;
    }
}
BENCHMARK(BM_ScalingWithModemLatency)
    ->Arg(1)
    ->Arg(4)
    ->Arg(16)
    ->Arg(32)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// "Send as fast as each modem answers": every modem answers +CMGS after 300 ms and everything
// else at once. A part may cost at most the latency plus 100 ms, so K modems together reach
// K × 1000 / 400 parts per second. Each modem's rate is its parts over the time from its first
// to its last part plus one period, so the designed start-up of the workers one after the
// other does not count; the run's rate is their sum. The designed waits between the worker
// starts run 10 times faster; the modems' latency is real.
using MessagesByPort = QHash<QString, std::vector<sim::AirMessage>>;

MessagesByPort messagesByPort(const std::vector<sim::AirMessage>& air)
{
    MessagesByPort byPort;
    for (const sim::AirMessage& message : air)
        byPort[message.port].push_back(message);
    return byPort;
}

void BM_FastPacing(benchmark::State& state)
{
    const int modems = int(state.range(0));
    const bool fast = state.range(1) != 0;
    constexpr int LatencyMs = 300;
    const int perModem = fast ? 10 : 3;
    for (auto _ : state) {
        Rig rig(modems, modems * perModem, fast ? 10 : 1);
        rig.sendOptions.setFast(fast);
        rig.startSimulator(modems, QStringLiteral("cmgs-latency=%1").arg(LatencyMs));
        if (!rig.runToEnd())
            state.SkipWithError("the run did not finish");
        const MessagesByPort byPort = messagesByPort(rig.simulator->messages());
        double periods = 0; // seconds per part, summed over the modems
        for (const auto& messages : byPort)
            periods += double(messages.front().time.msecsTo(messages.back().time)) / 1000.0 /
                       double(messages.size() - 1);
        const double period = periods / double(byPort.size());
        double rate = 0;
        for (const auto& messages : byPort)
            rate += airRate(messages, period);
        const double target = modems * 1000.0 / (LatencyMs + 100);
        state.counters["ms_per_part"] = period * 1000;
        state.counters["parts_per_s"] = rate;
        state.counters["target_parts_per_s"] = target;
        state.counters["of_target_pct"] = rate * 100 / target;
    }
}
BENCHMARK(BM_FastPacing)
    ->Args({1, 1})
    ->Args({4, 1})
    ->Args({16, 1})
    ->Args({32, 1})
    ->Args({1, 0})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// A million rows: the memory of the filled queue (beside the recipient list it copies), then
// what one 50 ms tick of the sending window costs (refresh and a screenful of cells) while 32
// workers send.
void BM_MillionRowQueueAndWindowTick(benchmark::State& state)
{
    constexpr int Rows = 1000000;
    SleepingSubmitter modems(std::chrono::milliseconds(5));
    for (auto _ : state) {
        const double before = residentMegabytes();
        Rig rig(32, Rows, 1000, &modems);
        const double withList = residentMegabytes();
        SendingRun run(rig.context());
        run.open();
        while (run.view().statusLabel != QStringLiteral("Sending Messages, Please wait..."))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const double withQueue = residentMegabytes();
        SendQueueModel model(run.queue());
        double worstTickMs = 0;
        double totalTickMs = 0;
        constexpr int Ticks = 40;
        for (int tick = 0; tick < Ticks; ++tick) {
            const auto start = std::chrono::steady_clock::now();
            model.refresh();
            const int first = (tick * 7919) % (Rows - 30);
            for (int row = first; row < first + 30; ++row)
                for (int column = 0; column < QueueColumnCount; ++column)
                    benchmark::DoNotOptimize(model.data(model.index(row, column)));
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            worstTickMs = std::max(worstTickMs, ms);
            totalTickMs += ms;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        state.counters["list_mb"] = withList - before;
        state.counters["queue_mb"] = withQueue - withList;
        state.counters["tick_ms_mean"] = totalTickMs / Ticks;
        state.counters["tick_ms_worst"] = worstTickMs;
        run.closePressed();
    }
}
BENCHMARK(BM_MillionRowQueueAndWindowTick)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace
