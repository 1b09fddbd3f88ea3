#pragma once

#include "sim/UniqueFd.h"

#include <filesystem>
#include <string>

namespace sim {

// One pseudo-terminal standing for a modem's serial port, with its link in the port folder.
// The simulator keeps the master and one slave descriptor of its own, so the port does not hang
// up when the program closes it, and watches the slave device to learn when the program closes
// it: then the port is reset the way a real serial port starts afresh.
class PtyPort
{
public:
    // Creates the pty (raw, 9600 8N1) and the link; throws SimError.
    explicit PtyPort(std::filesystem::path link);
    ~PtyPort();
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    int master() const { return m_master.get(); }
    int watch() const { return m_watch.get(); } // -1 when closes cannot be watched
    const std::string& devicePath() const { return m_device; }
    const std::filesystem::path& link() const { return m_link; }

    // Reads pending open and close notices of the slave device; true when the last outside user
    // closed it (it may have been opened again since: see hostOpen).
    bool readHostEvents();

    // Whether the program (or anyone but the simulator) has the port open, as of the notices read.
    bool hostOpen() const { return m_hostOpens > 0; }

    // After the program closed the port: clears its exclusive-use flag and discards what it left
    // unread.
    void resetAfterHostClose();

    // Unplugs the modem: removes the link and closes the pty, so the program's descriptor hangs up.
    void remove();

private:
    void removeLink();

    UniqueFd m_master;
    UniqueFd m_slave;
    UniqueFd m_watch;
    std::string m_device;
    std::filesystem::path m_link;
    bool m_linked = false;
    int m_hostOpens = 0;
};

} // namespace sim
