#pragma once

#include "modem/UniqueFd.h"

#include <QByteArray>
#include <QString>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>

// The modem's end of a pseudo-terminal: the channel under test opens the slave as its port,
// the test reads and writes the master as the modem would.
class PseudoTerminal
{
public:
    PseudoTerminal() : m_master(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC))
    {
        char name[128] = {};
        if (!m_master.valid() || ::grantpt(m_master.get()) != 0 ||
            ::unlockpt(m_master.get()) != 0 || ::ptsname_r(m_master.get(), name, sizeof name) != 0)
            throw std::runtime_error("no pseudo-terminal");
        m_slavePath = QString::fromLocal8Bit(name);
    }

    const QString& slavePath() const { return m_slavePath; }
    int masterFd() const { return m_master.get(); }

    // Bytes from the modem to the channel.
    void send(const QByteArray& bytes)
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t count = ::write(m_master.get(), bytes.constData() + done,
                                          static_cast<size_t>(bytes.size() - done));
            if (count < 0 && errno != EINTR)
                throw std::runtime_error("write to pseudo-terminal master failed");
            done += count > 0 ? count : 0;
        }
    }

    // Exactly size bytes written by the channel; fewer only if nothing comes for seconds.
    QByteArray receive(qsizetype size)
    {
        QByteArray bytes;
        char block[256];
        while (bytes.size() < size) {
            pollfd entry{m_master.get(), POLLIN, 0};
            if (::poll(&entry, 1, 5000) <= 0)
                break;
            const ssize_t count =
                ::read(m_master.get(), block,
                       static_cast<size_t>(std::min<qsizetype>(size - bytes.size(), sizeof block)));
            if (count <= 0)
                break;
            bytes.append(block, count);
        }
        return bytes;
    }

    // The slave's line settings (a master reports those of its slave).
    termios slaveSettings() const
    {
        termios settings{};
        if (::tcgetattr(m_master.get(), &settings) != 0)
            throw std::runtime_error("tcgetattr on pseudo-terminal master failed");
        return settings;
    }

    // The modem goes away: the slave sees a hang-up.
    void unplug() { m_master.reset(); }

private:
    UniqueFd m_master;
    QString m_slavePath;
};
