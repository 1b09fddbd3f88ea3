#include "modem/CSMSSerialPort.h"

#include "modem/CSMSException.h"
#include "modem/Clock.h"
#include "modem/PortMap.h"
#include "modem/SerialLineSettings.h"

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
    m_response.clear();
    if (const int error = usableError())
        return failReadUntil(error);
    const QByteArrayView wanted = token ? QByteArrayView(token) : QByteArrayView();
    QByteArray collected;
    std::array<char, ReadBlockSize> block{};
    for (;;) {
        bool ready = false;
        if (const int error = pollFor(POLLIN, m_timeoutMs, ready))
            return failReadUntil(error);
        if (!ready) {
            m_response = decodeModemText(collected).trimmed();
            return false;
        }
        std::size_t count = 0;
        if (const int error = readSome(block, count))
            return failReadUntil(error);
        // Ready but nothing to read: the device hung up.
        if (count == 0)
            return failReadUntil(EIO);
        std::replace(block.begin(), block.begin() + count, '\0', ' ');
        collected.append(block.data(), static_cast<qsizetype>(count));
        if (!wanted.isEmpty() && collected.contains(wanted)) {
            m_response = decodeModemText(collected);
            return true;
        }
    }
}

void CSMSSerialPort::DiscardInput()
{
    m_response.clear();
    if (usableError() != 0)
        return;
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
