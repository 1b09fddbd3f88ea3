#pragma once

#include "sim/AirLog.h"
#include "sim/AtEngine.h"
#include "sim/ModemProfile.h"
#include "sim/PtyPort.h"
#include "sim/UniqueFd.h"

#include <QString>
#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>

namespace sim {

// One simulated modem: its pty, its AT engine, and the thread that serves them.
class SimulatedModem
{
public:
    // Creates the pty and the link portsDir/COM<port>; throws SimError.
    SimulatedModem(int port, const std::filesystem::path& portsDir, ModemProfile profile,
                   AirLog& air);
    ~SimulatedModem();
    SimulatedModem(const SimulatedModem&) = delete;
    SimulatedModem& operator=(const SimulatedModem&) = delete;

    void start();
    void stop();

    int port() const { return m_port; }
    QString portName() const;
    const std::filesystem::path& linkPath() const { return m_linkPath; }
    // The FIFO that takes control lines for this modem (see inboxEntriesFor): the link path
    // with ".sms" added.
    const std::filesystem::path& controlPath() const { return m_controlPath; }
    std::string devicePath() const { return m_pty.devicePath(); }
    bool present() const { return m_present; } // false once it vanished

private:
    enum class Wait
    {
        Ready,
        Elapsed,
        HostClosed,
        Stop,
        Control, // a control line can be read (only when asked to watch for one)
    };

    void run();
    Wait wait(short masterEvents, int timeoutMs, bool watchControl = false);
    void readControl();
    Wait writeAll(const QByteArray& bytes);
    Wait writeChunks(const std::vector<OutputChunk>& chunks);
    void afterHostClosed();
    QByteArray drainMaster();

    int m_port;
    std::filesystem::path m_linkPath;
    PtyPort m_pty;
    AtEngine m_engine;
    Wait writeTrickled(const QByteArray& bytes);
    int latencyOf(const OutputChunk& chunk);

    int m_latencyMs;
    int m_submissionLatencyMs;
    int m_lateMs;
    int m_lateEvery;
    bool m_trickle;
    int m_answers = 0;
    UniqueFd m_stop;
    std::filesystem::path m_controlPath;
    UniqueFd m_control;
    QByteArray m_controlLine; // a control line read in part
    QByteArray m_carried;     // input read while handling a close that belongs to the next session
    std::thread m_thread;
    std::atomic<bool> m_present{true};
};

} // namespace sim
