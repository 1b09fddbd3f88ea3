#pragma once

#include "base/StoppableThread.h"
#include "devices/ConnectionTestCases.h"
#include "devices/DeviceChannel.h"
#include "devices/DeviceSettings.h"
#include "modem/Interrogation.h"

#include <QList>
#include <QString>
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>

class ConcatReferenceCounter;
class DeviceDetailsStore;
class Prompter;
struct DeviceTable;

struct ConnectionTestDependencies
{
    const DeviceDetailsStore& details;
    DeviceChannel channel;
    ConcatReferenceCounter& references;
    Prompter& prompter;
    InvalidNumberTest isInvalidNumber; // null: only the basic checks
};

// The connection-settings test: sends one test SMS per combination of message mode and SMSC
// through a chosen device of its opener, on a thread of its own, and applies a working
// combination to the opener's row. The dialog polls its state on a timer.
//
// The test thread's handle stays set until the thread's own last step: a stop only asks, so
// Close and Use keep refusing while the current case still runs.
class ConnectionTest
{
public:
    // openerPorts: the opener's port texts, each followed by ";". phone: the opener's test
    // number when it is valid, else empty.
    ConnectionTest(ConnectionTestDependencies deps, DeviceTable& opener, const QString& openerPorts,
                   const QString& phone);
    ~ConnectionTest(); // asks a running test to stop and waits for it
    ConnectionTest(const ConnectionTest&) = delete;
    ConnectionTest& operator=(const ConnectionTest&) = delete;

    QList<TestDeviceRow> devices() const;
    QList<TestCaseRow> cases() const;
    int chosenDevice() const { return m_chosen; }
    QString startCaption() const;
    QString detailsText() const;
    QString model() const;
    bool logButtonsShown() const;
    QString statusLine() const;
    int progress() const { return m_progress; }
    // For the dialog's 50 ms timer.
    void advanceProgress();

    // Clicking a device row; ignored while a test runs.
    void chooseDevice(int row);

    bool Start();
    // Asks, then requests the stop. True when a stop was requested.
    bool Stop();
    bool isRunning() const { return m_thread.running(); }
    bool stopRequested() const { return m_thread.stopRequested(); }
    // For the UI thread's timer: once the thread has ended, joins it and shows its message.
    bool finishIfDone();
    void waitUntilFinished();

    // Called on the opener's row after a case was applied to it, for the opener's widgets.
    std::function<void(int openerRow)> onApplied;
    bool UseSelectedCase(int caseRow);

    // The checks before the file is chosen.
    bool canSaveLog();
    // The file name as saved: ".txt" appended unless it ends in it.
    static QString logFileName(const QString& chosen);
    bool SaveTestCaseLog(const QString& path);
    void ClearStatus();
    // False while a test runs or when the user keeps the dialog open.
    bool Close();

    // The fields of the dialog.
    QString defaultSmsc;
    QString customSmsc;
    QString phone;
    SettingsFocus focus = SettingsFocus::None;

    static QString inProgressMessage();
    // Where the dialog's number boxes tell of a refused character.
    Prompter& prompter() const { return m_deps.prompter; }

private:
    struct RunInput
    {
        int port = 0;
        QString phone;
        QString customSmsc;
        QList<TestCaseRow> cases;
    };
    void run(const RunInput& input, const std::stop_token& stop);
    void runCases(const RunInput& input, const std::stop_token& stop);
    void setStatusLine(const QString& text);
    void setCaseStatus(int index, const QString& status);
    bool refuseWhileRunning();
    void showPortError();

    ConnectionTestDependencies m_deps;
    DeviceTable& m_opener;
    mutable std::mutex m_mutex; // guards the rows, cases and status line
    QList<TestDeviceRow> m_devices;
    QList<TestCaseRow> m_cases;
    QString m_statusLine;
    bool m_logButtons = false;
    int m_chosen = -1;
    int m_runDevice = -1;
    std::optional<QString> m_portError;

    std::atomic<int> m_progress{0};
    // Its stop request is Stop's: the test ends before its next case.
    StoppableThread m_thread;
};
