#include "ScriptedModem.h"

#include <sys/eventfd.h>

ScriptedModem::ScriptedModem(Script script)
    : m_script(std::move(script)), m_stop(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    m_thread = std::thread([this] { serve(); });
}

ScriptedModem::~ScriptedModem()
{
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(m_stop.get(), &one, sizeof one);
    m_thread.join();
}

void ScriptedModem::serve()
{
    QByteArray pending;
    for (;;) {
        pollfd entries[] = {{m_pty.masterFd(), POLLIN, 0}, {m_stop.get(), POLLIN, 0}};
        if (::poll(entries, 2, -1) < 0 && errno != EINTR)
            return;
        if (entries[1].revents & POLLIN)
            return;
        if (!(entries[0].revents & POLLIN)) {
            // The channel side is closed: wait for it to open again.
            ::poll(&entries[1], 1, 1);
            continue;
        }
        char block[256];
        const ssize_t count = ::read(m_pty.masterFd(), block, sizeof block);
        if (count <= 0)
            continue;
        pending.append(block, count);
        for (qsizetype end = pending.indexOf('\r'), z = pending.indexOf('\x1A'); end >= 0 || z >= 0;
             end = pending.indexOf('\r'), z = pending.indexOf('\x1A')) {
            const qsizetype cut = (z >= 0 && (end < 0 || z < end)) ? z : end;
            const QByteArray input = pending.left(cut + 1).trimmed();
            pending.remove(0, cut + 1);
            if (!input.isEmpty())
                m_pty.send(m_script(input));
        }
    }
}
