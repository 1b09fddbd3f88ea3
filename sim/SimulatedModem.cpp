#include "sim/SimulatedModem.h"

#include "sim/SimError.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <poll.h>
#include <sys/eventfd.h>
#include <utility>

namespace sim {

namespace {

constexpr int VanishDelayMs = 50;

QString comName(int port)
{
    return QStringLiteral("COM%1").arg(port);
}

} // namespace

SimulatedModem::SimulatedModem(int port, const std::filesystem::path& portsDir,
                               ModemProfile profile, AirLog& air)
    : m_port(port), m_linkPath(portsDir / comName(port).toStdString()), m_pty(m_linkPath),
      m_engine(comName(port), profile, [&air](const AirMessage& message) { air.append(message); }),
      m_latencyMs(profile.latencyMs),
      m_submissionLatencyMs(profile.submissionLatencyMs < 0 ? profile.latencyMs
                                                            : profile.submissionLatencyMs),
      m_lateMs(profile.lateMs), m_lateEvery(profile.lateEvery), m_trickle(profile.trickle),
      m_stop(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    if (!m_stop.valid())
        throw SimError("eventfd failed");
}

SimulatedModem::~SimulatedModem()
{
    stop();
}

QString SimulatedModem::portName() const
{
    return comName(m_port);
}

void SimulatedModem::start()
{
    if (!m_thread.joinable())
        m_thread = std::thread([this] { run(); });
}

void SimulatedModem::stop()
{
    if (!m_thread.joinable())
        return;
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(m_stop.get(), &one, sizeof one);
    m_thread.join();
}

void SimulatedModem::run()
{
    std::array<char, 4096> buffer{};
    for (;;) {
        QByteArray input = std::exchange(m_carried, {});
        if (input.isEmpty()) {
            const Wait waited = wait(POLLIN, m_engine.msUntilNextReport().value_or(-1));
            if (waited == Wait::Stop)
                return;
            if (waited == Wait::Elapsed && writeChunks(m_engine.releaseDueReports()) == Wait::Stop)
                return;
            if (waited != Wait::Ready)
                continue;
            const ssize_t length = ::read(m_pty.master(), buffer.data(), buffer.size());
            if (length < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            if (length <= 0)
                return; // the pty is gone
            input = QByteArray(buffer.data(), length);
        }
        if (writeChunks(m_engine.feed(input)) == Wait::Stop)
            return;
        if (m_engine.vanishing()) {
            // As a USB device that resets: what it said still reaches the host first.
            if (wait(0, VanishDelayMs) == Wait::Stop)
                return;
            m_present = false;
            m_pty.remove();
            return;
        }
    }
}

SimulatedModem::Wait SimulatedModem::wait(short masterEvents, int timeoutMs)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int remaining = -1;
        if (timeoutMs >= 0) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            remaining = static_cast<int>(std::max<std::int64_t>(0, left.count()));
        }
        std::array<pollfd, 3> fds = {{{m_stop.get(), POLLIN, 0},
                                      {m_pty.watch(), POLLIN, 0},
                                      {m_pty.master(), masterEvents, 0}}};
        const int ready = ::poll(fds.data(), masterEvents ? 3 : 2, remaining);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || fds[0].revents)
            return Wait::Stop;
        if (fds[1].revents && m_pty.readHostEvents()) {
            afterHostClosed();
            return Wait::HostClosed;
        }
        if (masterEvents && fds[2].revents)
            return Wait::Ready;
        if (ready == 0)
            return Wait::Elapsed;
    }
}

void SimulatedModem::afterHostClosed()
{
    // What the program wrote before closing still reaches the modem; its answers go nowhere.
    // Input that may come from a new opening is kept for the next session instead.
    QByteArray pending;
    if (!m_pty.hostOpen()) {
        pending = drainMaster();
        m_pty.readHostEvents(); // an opening that raced the drain
        if (!m_pty.hostOpen()) {
            m_engine.feed(pending);
            pending.clear();
        }
    }
    m_engine.hostClosed();
    m_pty.resetAfterHostClose();
    m_carried += pending;
}

QByteArray SimulatedModem::drainMaster()
{
    QByteArray drained;
    std::array<char, 4096> buffer{};
    ssize_t length = 0;
    while ((length = ::read(m_pty.master(), buffer.data(), buffer.size())) > 0)
        drained.append(buffer.data(), length);
    return drained;
}

SimulatedModem::Wait SimulatedModem::writeAll(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::write(m_pty.master(), bytes.constData() + done, bytes.size() - done);
        if (written > 0) {
            done += written;
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR)
            return Wait::Stop;
        const Wait waited = wait(POLLOUT, -1);
        if (waited != Wait::Ready)
            return waited;
    }
    return Wait::Ready;
}

SimulatedModem::Wait SimulatedModem::writeChunks(const std::vector<OutputChunk>& chunks)
{
    for (const OutputChunk& chunk : chunks) {
        const int latency = chunk.answer ? latencyOf(chunk) : 0;
        if (latency > 0) {
            const Wait waited = wait(0, latency);
            if (waited == Wait::Stop || waited == Wait::HostClosed)
                return waited; // after a close the answers have no one to go to
        }
        const Wait written =
            chunk.answer && m_trickle ? writeTrickled(chunk.bytes) : writeAll(chunk.bytes);
        if (written != Wait::Ready)
            return written;
    }
    return Wait::Ready;
}

int SimulatedModem::latencyOf(const OutputChunk& chunk)
{
    if (m_lateMs > 0 && ++m_answers % m_lateEvery == 0)
        return m_lateMs;
    return chunk.submissionResult ? m_submissionLatencyMs : m_latencyMs;
}

// A byte, then a millisecond's pause, so every read on the other side gets a piece of a line.
SimulatedModem::Wait SimulatedModem::writeTrickled(const QByteArray& bytes)
{
    for (const char c : bytes) {
        const Wait written = writeAll(QByteArray(1, c));
        if (written != Wait::Ready)
            return written;
        const Wait waited = wait(0, 1);
        if (waited == Wait::Stop || waited == Wait::HostClosed)
            return waited;
    }
    return Wait::Ready;
}

} // namespace sim
