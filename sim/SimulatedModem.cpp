#include "sim/SimulatedModem.h"

#include "sim/SimError.h"

#include <QTextStream>
#include <array>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
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
      m_stop(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), m_controlPath(m_linkPath.string() + ".sms")
{
    if (!m_stop.valid())
        throw SimError("eventfd failed");
    std::error_code ignored;
    std::filesystem::remove(m_controlPath, ignored);
    if (::mkfifo(m_controlPath.c_str(), 0600) != 0)
        throw SimError("mkfifo failed for " + m_controlPath.string());
    // Opened for writing too, so the FIFO never reads as ended between two writers.
    m_control.reset(::open(m_controlPath.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (!m_control.valid())
        throw SimError("cannot open " + m_controlPath.string());
}

SimulatedModem::~SimulatedModem()
{
    stop();
    std::error_code ignored;
    std::filesystem::remove(m_controlPath, ignored);
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
            const Wait waited = wait(POLLIN, m_engine.msUntilNextReport().value_or(-1), true);
            if (waited == Wait::Stop)
                return;
            if (waited == Wait::Control) {
                readControl();
                continue;
            }
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

void SimulatedModem::readControl()
{
    std::array<char, 4096> buffer{};
    ssize_t length = 0;
    while ((length = ::read(m_control.get(), buffer.data(), buffer.size())) > 0)
        m_controlLine.append(buffer.data(), length);
    qsizetype end = 0;
    while ((end = m_controlLine.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(m_controlLine.left(end)).trimmed();
        m_controlLine.remove(0, end + 1);
        if (line.isEmpty())
            continue;
        try {
            m_engine.receiveControlLine(line);
        } catch (const SimError& error) {
            QTextStream(stderr) << portName() << ": " << error.what() << ": " << line << "\n";
        }
    }
}

SimulatedModem::Wait SimulatedModem::wait(short masterEvents, int timeoutMs, bool watchControl)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int remaining = -1;
        if (timeoutMs >= 0) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            remaining = static_cast<int>(std::max<std::int64_t>(0, left.count()));
        }
        std::array<pollfd, 4> fds = {{{m_stop.get(), POLLIN, 0},
                                      {m_pty.watch(), POLLIN, 0},
                                      {watchControl ? m_control.get() : -1, POLLIN, 0},
                                      {m_pty.master(), masterEvents, 0}}};
        const int ready = ::poll(fds.data(), masterEvents ? 4 : 3, remaining);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || fds[0].revents)
            return Wait::Stop;
        if (fds[1].revents && m_pty.readHostEvents()) {
            afterHostClosed();
            return Wait::HostClosed;
        }
        if (fds[2].revents)
            return Wait::Control;
        if (masterEvents && fds[3].revents)
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
