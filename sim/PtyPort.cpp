#include "sim/PtyPort.h"

#include "sim/SimError.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <termios.h>

namespace sim {

namespace {

[[noreturn]] void fail(const std::string& what)
{
    throw SimError(what + ": " + std::strerror(errno));
}

void setCloseOnExec(int fd)
{
    ::fcntl(fd, F_SETFD, ::fcntl(fd, F_GETFD) | FD_CLOEXEC);
}

// Raw mode: without it the line discipline would echo the modem's own answers back to it.
void makeRaw(int fd)
{
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        fail("tcgetattr");
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B9600);
    ::cfsetospeed(&settings, B9600);
    if (::tcsetattr(fd, TCSANOW, &settings) != 0)
        fail("tcsetattr");
}

} // namespace

PtyPort::PtyPort(std::filesystem::path link) : m_link(std::move(link))
{
    int master = -1;
    int slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
        fail("openpty");
    m_master.reset(master);
    m_slave.reset(slave);
    setCloseOnExec(master);
    setCloseOnExec(slave);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    makeRaw(slave);

    std::array<char, 128> name{};
    if (::ptsname_r(master, name.data(), name.size()) != 0)
        fail("ptsname_r");
    m_device = name.data();

    m_watch.reset(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    if (m_watch.valid() &&
        ::inotify_add_watch(m_watch.get(), m_device.c_str(), IN_OPEN | IN_CLOSE) < 0)
        m_watch.reset();

    std::error_code error;
    std::filesystem::create_directories(m_link.parent_path(), error);
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(m_link)))
        std::filesystem::remove(m_link, error);
    std::filesystem::create_symlink(m_device, m_link, error);
    if (error)
        throw SimError("Cannot create the port link " + m_link.string() + ": " + error.message());
    m_linked = true;
}

PtyPort::~PtyPort()
{
    removeLink();
}

bool PtyPort::readHostEvents()
{
    bool closed = false;
    alignas(inotify_event) std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t length = ::read(m_watch.get(), buffer.data(), buffer.size());
        if (length <= 0)
            return closed;
        for (ssize_t pos = 0; pos < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + pos);
            if (event->mask & IN_OPEN) {
                ++m_hostOpens;
            } else if ((event->mask & IN_CLOSE) && m_hostOpens > 0 && --m_hostOpens == 0) {
                closed = true;
            }
            pos += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

void PtyPort::resetAfterHostClose()
{
    ::ioctl(m_slave.get(), TIOCNXCL);
    ::tcflush(m_slave.get(), TCIFLUSH);
}

void PtyPort::remove()
{
    removeLink();
    m_watch.reset();
    m_slave.reset();
    m_master.reset();
}

void PtyPort::removeLink()
{
    if (!m_linked)
        return;
    m_linked = false;
    std::error_code error;
    // Only our own link: the folder may have been reused meanwhile.
    if (std::filesystem::read_symlink(m_link, error) == m_device)
        std::filesystem::remove(m_link, error);
}

} // namespace sim
