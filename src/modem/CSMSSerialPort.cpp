#include "modem/CSMSSerialPort.h"

#include "base/Clock.h"
#include "modem/CSMSException.h"
#include "modem/PortMap.h"
#include "modem/ReplyCollector.h"
#include "modem/SerialLineSettings.h"
#include "modem/UnsolicitedLines.h"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace {

// Modems answer in 8-bit text; the Windows code page keeps the euro sign and friends.
QString decodeModemText(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

// Claims the device for this channel alone. The flock sits on the device inode, so it also
// holds against opens through another symlink and against root, whom TIOCEXCL does not stop.
int claimExclusive(int fd)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? EBUSY : errno;
    if (::ioctl(fd, TIOCEXCL) != 0)
        return errno;
    return 0;
}

bool isCommand(QByteArrayView bytes)
{
    return bytes.size() >= 2 && qstrnicmp(bytes.data(), "AT", 2) == 0;
}

} // namespace

CSMSSerialPort::CSMSSerialPort(const PortMap& ports, const Clock& clock)
    : m_ports(ports), m_clock(clock)
{}

CSMSSerialPort::~CSMSSerialPort()
{
    Close();
}

void CSMSSerialPort::Open(int portNumber, std::uint32_t timeoutMs)
{
    if (portNumber == 0)
        return;
    Close();
    const auto path = m_ports.devicePath(portNumber);
    if (!path)
        RaiseSystemError(ENOENT);
    // Non-blocking: a blocking open waits for carrier on ttyS and ttyACM devices.
    UniqueFd fd(
        ::open(QFile::encodeName(*path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid())
        RaiseSystemError(errno);
    if (const int error = claimExclusive(fd.get()))
        RaiseSystemError(error);
    m_fd = std::move(fd);
    m_portNumber = portNumber;
    Configure(timeoutMs);
}

void CSMSSerialPort::Configure(std::uint32_t timeoutMs)
{
    if (!isOpen())
        RaiseSystemError(EBADF);
    termios settings{};
    if (::tcgetattr(m_fd.get(), &settings) != 0)
        failConfigure(errno);
    if (!m_settingsBeforeOpen)
        m_settingsBeforeOpen = settings;
    applyModemLineSettings(settings);
    if (::tcsetattr(m_fd.get(), TCSANOW, &settings) != 0)
        failConfigure(errno);
    if (const int error = raiseModemLines(m_fd.get()))
        failConfigure(error);
    m_timeoutMs = timeoutMs;
}

void CSMSSerialPort::failConfigure(int errorNumber)
{
    Close();
    RaiseSystemError(errorNumber);
}

bool CSMSSerialPort::Close()
{
    m_failure.reset();
    m_answerPrefix.clear();
    m_carry = {};
    m_unsettled = false;
    m_silent = false;
    const std::optional<termios> restore =
        m_restoreOnClose ? m_settingsBeforeOpen : std::optional<termios>();
    m_settingsBeforeOpen.reset();
    m_restoreOnClose = false;
    if (!isOpen())
        return false;
    if (restore)
        ::tcsetattr(m_fd.get(), TCSANOW, &*restore); // best effort: the port is let go anyway
    // A pseudo-terminal keeps the exclusive flag while its master lives; drop it so the port
    // can be opened again.
    ::ioctl(m_fd.get(), TIOCNXCL);
    return m_fd.reset();
}

int CSMSSerialPort::usableError() const
{
    if (!isOpen())
        return EBADF;
    return m_failure.value_or(0);
}

std::size_t CSMSSerialPort::Write(const char* bytes, std::size_t length)
{
    if (const int error = usableError())
        RaiseSystemError(error);
    const QByteArrayView data(bytes, static_cast<qsizetype>(length));
    if (isCommand(data)) {
        if (m_unsettled && !m_silent)
            resynchronise();
        m_answerPrefix = answerPrefixOf(data);
    }
    return writeAll(bytes, length);
}

std::size_t CSMSSerialPort::writeAll(const char* bytes, std::size_t length)
{
    std::size_t written = 0;
    while (written < length) {
        const ssize_t count = ::write(m_fd.get(), bytes + written, length - written);
        if (count > 0) {
            written += static_cast<std::size_t>(count);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno != EAGAIN)
            RaiseSystemError(errno);
        bool ready = false;
        if (const int error = pollFor(POLLOUT, m_timeoutMs, ready))
            RaiseSystemError(error);
        if (!ready)
            break; // write time-out: report what went out
    }
    return written;
}

std::size_t CSMSSerialPort::Read(std::span<char> buffer)
{
    if (const int error = usableError())
        RaiseSystemError(error);
    std::size_t count = 0;
    if (const int error = readSome(buffer, count))
        RaiseSystemError(error);
    return count;
}

bool CSMSSerialPort::WaitForData(std::uint32_t timeoutMs)
{
    if (const int error = usableError())
        RaiseSystemError(error);
    bool ready = false;
    if (const int error = pollFor(POLLIN, timeoutMs, ready))
        RaiseSystemError(error);
    return ready;
}

bool CSMSSerialPort::ReadUntil(const char* token)
{
    ReplyCollector collector(token, m_answerPrefix, std::exchange(m_carry, {}));
    return collect(collector, m_timeoutMs);
}

bool CSMSSerialPort::ReadSubmissionResult(QByteArrayView body, std::uint32_t graceMs)
{
    ReplyCollector collector("OK", m_answerPrefix, std::exchange(m_carry, {}));
    collector.expectEcho(body);
    return collect(collector, m_timeoutMs + graceMs);
}

bool CSMSSerialPort::collect(ReplyCollector& collector, std::uint32_t quietMs)
{
    m_response.clear();
    if (const int error = usableError())
        return failReadUntil(error);
    std::array<char, ReadBlockSize> block{};
    for (;;) {
        bool ready = false;
        std::size_t count = 0;
        int error = pollFor(POLLIN, quietMs, ready);
        if (!error && ready)
            error = readSome(block, count);
        // Ready but nothing to read: the device hung up.
        if (!error && ready && count == 0)
            error = EIO;
        if (error) {
            keepUnsolicited(collector);
            return failReadUntil(error);
        }
        if (!ready) {
            keepUnsolicited(collector);
            m_response = decodeModemText(collector.reply()).trimmed();
            m_unsettled = collector.waitsForToken();
            return false;
        }
        collector.add(QByteArrayView(block.data(), static_cast<qsizetype>(count)));
        if (collector.ended()) {
            keepUnsolicited(collector);
            m_unsettled = m_silent = false;
            const QString reply = decodeModemText(collector.reply());
            m_response = collector.tokenSeen() ? reply : reply.trimmed();
            return collector.tokenSeen();
        }
    }
}

void CSMSSerialPort::keepUnsolicited(const ReplyCollector& collector)
{
    // A message header whose body comes in the next read waits for the next collector.
    m_carry = collector.carry();
    for (const QByteArray& line : collector.unsolicited()) {
        if (m_unsolicited.size() == MaxUnsolicitedKept)
            m_unsolicited.pop_front();
        m_unsolicited.push_back(line);
    }
}

QList<QByteArray> CSMSSerialPort::takeUnsolicited()
{
    QList<QByteArray> lines(m_unsolicited.begin(), m_unsolicited.end());
    m_unsolicited.clear();
    return lines;
}

void CSMSSerialPort::returnUnsolicited(const QList<QByteArray>& lines)
{
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (m_unsolicited.size() == MaxUnsolicitedKept)
            return; // the newest are kept, as keepUnsolicited does
        m_unsolicited.push_front(*line);
    }
}

// A late answer comes before the answer to anything asked after it, so: let the line fall
// quiet, ask "AT", and let a second "OK" fall away too, in case the late answer's own "OK" was
// taken for this one.
void CSMSSerialPort::resynchronise()
{
    m_unsettled = false;
    drainQuietly(ResyncQuietMs);
    writeAll("AT\r", 3);
    ReplyCollector collector("OK", {}, std::exchange(m_carry, {}));
    const QString response = m_response;
    const bool answered = collect(collector, m_timeoutMs);
    m_response = response;
    if (!answered) {
        m_silent = true;
        return;
    }
    drainQuietly(ResyncQuietMs);
}

void CSMSSerialPort::drainQuietly(std::uint32_t quietMs)
{
    ReplyCollector collector(nullptr, {}, std::exchange(m_carry, {}));
    const std::uint64_t deadline = m_clock.tickCount() + m_timeoutMs;
    std::array<char, ReadBlockSize> block{};
    while (usableError() == 0 && m_clock.tickCount() < deadline) {
        bool ready = false;
        std::size_t count = 0;
        if (pollFor(POLLIN, quietMs, ready) != 0 || !ready)
            break;
        if (readSome(block, count) != 0 || count == 0)
            break;
        collector.add(QByteArrayView(block.data(), static_cast<qsizetype>(count)));
    }
    keepUnsolicited(collector);
}

void CSMSSerialPort::DiscardInput()
{
    m_response.clear();
    if (usableError() != 0)
        return;
    drainQuietly(0);
    ::tcflush(m_fd.get(), TCIFLUSH);
    // Some drivers keep bytes past the flush; read them away without waiting.
    std::array<char, ReadBlockSize> block{};
    std::size_t count = 0;
    while (readSome(block, count) == 0 && count > 0) {
    }
}

bool CSMSSerialPort::failReadUntil(int errorNumber)
{
    // Remembered so the caller's next write reports the failure instead of a success.
    if (isOpen())
        m_failure = errorNumber;
    return false;
}

int CSMSSerialPort::pollFor(short events, std::uint32_t timeoutMs, bool& ready) const
{
    const std::uint64_t deadline = m_clock.tickCount() + timeoutMs;
    for (;;) {
        const std::uint64_t now = m_clock.tickCount();
        const auto left = static_cast<std::uint32_t>(now < deadline ? deadline - now : 0);
        const auto wait = std::min<std::int64_t>(m_clock.realDuration(left).count(), INT_MAX);
        pollfd entry{m_fd.get(), events, 0};
        const int result = ::poll(&entry, 1, static_cast<int>(wait));
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0)
            return errno;
        ready = (entry.revents & events) != 0;
        if (result == 0 || ready)
            return 0;
        return (entry.revents & POLLNVAL) ? EBADF : EIO; // POLLHUP or POLLERR: device gone
    }
}

int CSMSSerialPort::readSome(std::span<char> buffer, std::size_t& count) const
{
    const std::size_t wanted = std::min(buffer.size(), ReadBlockSize);
    for (;;) {
        const ssize_t result = ::read(m_fd.get(), buffer.data(), wanted);
        if (result >= 0) {
            count = static_cast<std::size_t>(result);
            return 0;
        }
        if (errno == EINTR)
            continue;
        count = 0;
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : errno;
    }
}
