#pragma once

#include "base/StoppableThread.h"
#include "modem/Interrogation.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <stop_token>
#include <utility>
#include <vector>

class CSMSSerialPort;
class Clock;
class ModemChannel;
class PortMap;
class Prompter;
class ScanSink;
class SerialPortLister;

// What a scan works with. All references must outlive the ModemScan.
struct ScanDependencies
{
    const PortMap& ports;
    const Clock& clock;
    // The scan channel, used by this scan alone while it runs: the scan opens it on each port
    // and talks to the modem through interrogateScannedPort.
    CSMSSerialPort& channel;
    const SerialPortLister& lister;
    ScanSink& sink;
    Prompter& prompter;
    // Closes every channel the application holds; null closes the scan channel only.
    std::function<void()> closeAllChannels;
    // The phone-number rule used to judge a decoded SMSC; null: the basic rule.
    InvalidNumberTest isInvalidNumber;
};

// The scan's questions to whatever answers on port, through channel opened on it: a modem that
// can send SMS is appended to sink with its details, unless it is there already (one modem
// exposing several ports) or is a PC's own serial port. name: the system's name for the port,
// empty when it has none worth showing. False when nothing on the port answers as a modem.
// Raises CSMSException when the channel fails.
bool interrogateScannedPort(ModemChannel& channel, int port, const QString& name, ScanSink& sink,
                            const InvalidNumberTest& isInvalidNumber);

// Where a running scan is, for a progress bar polled by a timer.
struct ScanProgress
{
    bool running = false;
    bool probingModems = false; // false: the opening probe (range 512)
    int position = 0;
    int range = 0;
};

// The modem scan: finds the ports by opening them, names them from the system's listing,
// probes each for a modem that can send SMS and lists it with its details, on a thread of its
// own. Stopping is cooperative: the scan ends at the next port boundary, keeping what it found.
class ModemScan
{
public:
    static constexpr std::uint32_t ProbeTimeoutMs = 1000;
    static constexpr std::uint32_t ListingDelayMs = 1000;

    explicit ModemScan(ScanDependencies dependencies);
    ~ModemScan(); // stops a running scan without asking
    ModemScan(const ModemScan&) = delete;
    ModemScan& operator=(const ModemScan&) = delete;

    // Starts the scan thread; false (nothing done) when a scan is running already.
    bool StartModemScan();

    // Stops a running scan. askFirst: holds the scan at its next port boundary and asks
    // question first; No lets it go on. True when no scan runs any more.
    bool StopModemScan(bool askFirst, const QString& question = StopScanQuestion());

    // Holds the scan at its next port boundary and asks question; Yes requests the stop
    // without waiting for it (see hasEnded). True when the scan is to end or has ended.
    bool askToStop(const QString& question = StopScanQuestion());

    // Asks the scan to end at its next port boundary; does not wait. Safe from any thread.
    void requestStop();
    // The scan thread has run to its end (or none runs): joining it no longer waits.
    bool hasEnded() const { return !m_thread.running(); }

    // ScanThread is set: a scan runs or has ended without being finished yet.
    bool isRunning() const { return m_thread.joinable(); }
    ScanProgress progress() const;

    // For the UI thread's timer: once the scan thread has ended, joins it and shows the end
    // messages through the prompter. True when that happened on this call.
    bool finishIfDone();
    // Waits for the scan to end and finishes it as finishIfDone does.
    void waitUntilFinished();

    // Ports found existing that could not be opened for lack of permission, in the last scan.
    std::vector<int> deniedPorts() const;

    static QString StopScanQuestion();
    static QString TroubleshootingQuestion();
    static QString NoDeviceMessage();
    // The Linux extra: ports skipped for lack of permission, grouped by the group that would
    // grant access to them (empty: no group would; such ports are for the administrator).
    static QString permissionMessage(const std::vector<std::pair<int, QString>>& portsAndGroups);

private:
    void run(const std::stop_token& stop);
    bool checkpoint(const std::stop_token& stop);
    std::vector<int> openingProbe(const std::stop_token& stop);
    void probePort(int port, QString name);
    void closeAllChannels();
    void finish();

    ScanDependencies m_deps;
    std::atomic<bool> m_probingModems{false};
    std::atomic<int> m_position{0};
    std::atomic<int> m_range{0};

    std::mutex m_holdMutex;
    std::condition_variable_any m_holdChanged; // also woken by a stop request
    bool m_hold = false;

    mutable std::mutex m_resultMutex;
    bool m_noPortFound = false;
    std::vector<int> m_denied;

    // Its stop request is the scan's stop; it ends the scan at the next port boundary.
    StoppableThread m_thread;
};
