#include "devices/ConnectionTest.h"

#include "base/Clock.h"
#include "base/Prompter.h"
#include "base/StatusTexts.h"
#include "devices/DeviceChannelWork.h"
#include "devices/DeviceDetailsStore.h"
#include "devices/DeviceRecords.h"
#include "devices/DeviceTable.h"
#include "devices/DeviceTexts.h"
#include "modem/CSMSException.h"
#include "modem/CSMSSerialPort.h"
#include "modem/SubmissionContext.h"
#include "stores/StdioFileEx.h"

namespace {

constexpr std::uint32_t DeviceOpenTimeoutMs = 5000;
constexpr int ProgressStep = 5;

QString tr(const char* text)
{
    return QCoreApplication::translate("ConnectionTest", text);
}

} // namespace

ConnectionTest::ConnectionTest(ConnectionTestDependencies deps, DeviceTable& opener,
                               const QString& openerPorts, const QString& phoneNumber)
    : phone(phoneNumber), m_deps(std::move(deps)), m_opener(opener)
{
    for (const QString& port : openerPorts.split(u';')) {
        if (port.size() <= 3)
            continue;
        TestDeviceRow row;
        row.comPort = port;
        row.details = m_deps.details.GetDetailValue(port, QStringLiteral("Com Port Details :"));
        const int openerRow = opener.rowOfPort(port);
        if (openerRow >= 0 && opener.rows[openerRow].useCustomSmsc == u"Y")
            row.lastSmsc = opener.rows[openerRow].smscNo;
        row.defSmsc = m_deps.details.GetDetailValue(port, QStringLiteral("Default SMSC No. :"));
        m_devices.append(row);
    }
}

ConnectionTest::~ConnectionTest()
{
    m_thread.stopAndJoin();
}

QString ConnectionTest::inProgressMessage()
{
    return tr("Device connection test is in progress. To perform this operation either stop the "
              "current process or wait for the test to be completed.");
}

QList<TestDeviceRow> ConnectionTest::devices() const
{
    const std::lock_guard lock(m_mutex);
    return m_devices;
}

QList<TestCaseRow> ConnectionTest::cases() const
{
    const std::lock_guard lock(m_mutex);
    return m_cases;
}

QString ConnectionTest::statusLine() const
{
    const std::lock_guard lock(m_mutex);
    return m_statusLine;
}

bool ConnectionTest::logButtonsShown() const
{
    const std::lock_guard lock(m_mutex);
    return m_logButtons;
}

QString ConnectionTest::startCaption() const
{
    const std::lock_guard lock(m_mutex);
    const QString port = m_chosen >= 0 ? m_devices[m_chosen].comPort : QStringLiteral("COM");
    return m_chosen >= 0 ? tr("Start Test for Device Connected at : %1").arg(port)
                         : tr("Start Test for Device Connected at : COM");
}

QString ConnectionTest::detailsText() const
{
    if (m_chosen < 0)
        return QString();
    return m_deps.details.FindDeviceDetails(devices()[m_chosen].comPort)
        .replace(QStringLiteral("||"), QStringLiteral("\n"))
        .replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

QString ConnectionTest::model() const
{
    if (m_chosen < 0)
        return QString();
    return m_deps.details.GetDetailValue(devices()[m_chosen].comPort, QStringLiteral("Model :"));
}

void ConnectionTest::advanceProgress()
{
    if (!isRunning())
        return; // the timer's last tick comes after the run has put the bar back to 0
    int now = m_progress;
    m_progress = now + ProgressStep > 100 ? 0 : now + ProgressStep;
}

void ConnectionTest::chooseDevice(int row)
{
    if (isRunning() || row < 0 || row >= devices().size())
        return;
    m_chosen = row;
    const TestDeviceRow device = devices()[row];
    defaultSmsc = device.defSmsc;
    customSmsc = device.lastSmsc;
    const QString details = m_deps.details.FindDeviceDetails(device.comPort);
    QList<TestCaseRow> cases = TestCasesFor(details, device.defSmsc, model(), device.history);
    const std::lock_guard lock(m_mutex);
    m_cases = std::move(cases);
    m_logButtons = !device.history.isEmpty();
}

bool ConnectionTest::refuseWhileRunning()
{
    if (!isRunning())
        return false;
    m_deps.prompter.inform(DeviceText::message(), inProgressMessage());
    return true;
}

bool ConnectionTest::Start()
{
    if (isRunning())
        return false;
    finishIfDone();
    if (m_chosen < 0) {
        m_deps.prompter.inform(DeviceText::message(), DeviceText::noDeviceSelected());
        return false;
    }
    if (!IsAcceptableSmsc(customSmsc)) {
        m_deps.prompter.inform(DeviceText::message(), DeviceText::invalidSmsc());
        focus = SettingsFocus::CustomNumber;
        return false;
    }
    const QString number = phone.trimmed();
    if (!IsAcceptableSmsc(number) || (m_deps.isInvalidNumber && m_deps.isInvalidNumber(number))) {
        m_deps.prompter.inform(DeviceText::message(), DeviceText::invalidTestNumber());
        focus = SettingsFocus::PhoneNumber;
        return false;
    }
    RunInput input;
    input.phone = number;
    input.customSmsc = customSmsc;
    {
        const std::lock_guard lock(m_mutex);
        m_devices[m_chosen].lastSmsc = customSmsc;
        for (TestCaseRow& row : m_cases)
            row.status.clear();
        input.port = PortNumberOfText(m_devices[m_chosen].comPort);
        input.cases = m_cases;
        m_portError.reset();
    }
    m_runDevice = m_chosen;
    return m_thread.start(
        [this, input = std::move(input)](const std::stop_token& stop) { run(input, stop); });
}

void ConnectionTest::setStatusLine(const QString& text)
{
    const std::lock_guard lock(m_mutex);
    m_statusLine = text;
}

void ConnectionTest::setCaseStatus(int index, const QString& status)
{
    const std::lock_guard lock(m_mutex);
    if (index < m_cases.size())
        m_cases[index].status = status;
}

void ConnectionTest::runCases(const RunInput& input, const std::stop_token& stop)
{
    const SubmissionContext context{m_deps.channel.clock, m_deps.references, nullptr,
                                    [stop] { return stop.stop_requested(); }, &m_deps.details};
    for (int i = 0; i < input.cases.size() && !stop.stop_requested(); ++i) {
        const TestCaseRow& row = input.cases[i];
        setStatusLine(tr("Execute Case %1: %2").arg(i + 1).arg(row.description));
        m_progress = 0;
        SendRequest request;
        request.number = input.phone;
        request.text = u'\'' + row.caseSms + u'\'';
        request.customSmsc = row.customSmsc() ? input.customSmsc : QString();
        request.plainOptions = 1;
        QString status = StatusTexts::messageSent();
        try {
            SubmitThroughChannel(m_deps.channel, context, request, row.pduMode());
        } catch (const CSMSException& error) {
            status = SubmissionErrorStatus(error).value_or(StatusTexts::messageSent());
        }
        setCaseStatus(i, status);
        m_progress = 100;
    }
}

void ConnectionTest::run(const RunInput& input, const std::stop_token& stop)
{
    bool portFailed = false;
    try {
        setStatusLine(tr("Connecting Device"));
        m_deps.channel.closeAll();
        m_deps.channel.channel.Open(input.port, DeviceOpenTimeoutMs);
        setStatusLine(tr("Initialize Device"));
        runCases(input, stop);
        m_deps.channel.closeAll();
    } catch (const CSMSException& error) {
        m_deps.channel.closeAll();
        portFailed = true;
        const std::lock_guard lock(m_mutex);
        m_portError = error.GetErrorMessage();
    }
    {
        const std::lock_guard lock(m_mutex);
        for (TestCaseRow& row : m_cases) {
            if (row.status.isEmpty())
                row.status = portFailed ? tr("Device Connection Error") : tr("Stopped");
        }
        m_statusLine = tr("Status");
        m_devices[m_runDevice].history = HistoryOf(m_cases);
        m_logButtons = true;
    }
    // The last step: once the body returns, isRunning() is false and the dialog may close.
    m_progress = 0;
}

bool ConnectionTest::Stop()
{
    if (!isRunning())
        return false;
    if (!m_deps.prompter.confirm(DeviceText::confirmCaption(),
                                 tr("Device connection test process has not been completed yet. "
                                    "Are you sure you want to stop the process?")))
        return false;
    m_thread.requestStop();
    return true;
}

bool ConnectionTest::finishIfDone()
{
    if (isRunning() || !m_thread.joinable())
        return false;
    m_thread.join();
    m_progress = 0; // a tick racing the thread's last step may have moved it
    showPortError();
    return true;
}

void ConnectionTest::showPortError()
{
    std::optional<QString> error;
    {
        const std::lock_guard lock(m_mutex);
        error.swap(m_portError);
    }
    if (error)
        m_deps.prompter.inform(DeviceText::message(), DeviceText::notWorkingWithError(*error));
}

void ConnectionTest::waitUntilFinished()
{
    if (!m_thread.joinable())
        return;
    m_thread.join();
    showPortError();
}

bool ConnectionTest::UseSelectedCase(int caseRow)
{
    if (refuseWhileRunning())
        return false;
    if (m_chosen < 0) {
        m_deps.prompter.inform(DeviceText::message(), DeviceText::noDeviceSelected());
        return false;
    }
    const QList<TestCaseRow> rows = cases();
    const bool hasCase = caseRow >= 0 && caseRow < rows.size();
    if (hasCase && rows[caseRow].customSmsc() && !IsAcceptableSmsc(customSmsc)) {
        m_deps.prompter.inform(DeviceText::message(), DeviceText::invalidSmsc());
        focus = SettingsFocus::CustomNumber;
        return false;
    }
    if (!hasCase) {
        m_deps.prompter.inform(
            DeviceText::message(),
            tr("Please select at least one connection settings for sending SMS."));
        return false;
    }
    const TestCaseRow& chosenCase = rows[caseRow];
    const QString port = devices()[m_chosen].comPort;
    const QString question = tr("You have selected '%1' settings for sending SMS using '%2' "
                                "connected at %3.\n\nDo you want to continue with selected "
                                "settings?")
                                 .arg(chosenCase.description, model(), port);
    if (!m_deps.prompter.confirm(DeviceText::confirmCaption(), question))
        return false;

    const int openerRow = m_opener.rowOfPort(port);
    if (openerRow >= 0) {
        ScanDeviceRow& target = m_opener.rows[openerRow];
        target.smsMode =
            chosenCase.pduMode() ? DeviceText::pduModeText() : DeviceText::textModeText();
        m_opener.setModeCode(openerRow, chosenCase.pduMode() ? 1 : 2);
        target.useCustomSmsc = chosenCase.customSmsc() ? QStringLiteral("Y") : QStringLiteral("N");
        target.smscNo = chosenCase.customSmsc() ? customSmsc : defaultSmsc;
        target.checked = true;
        m_opener.saveCustomSmsc(port, target.smscNo, target.useCustomSmsc);
        if (onApplied)
            onApplied(openerRow);
    }
    {
        const std::lock_guard lock(m_mutex);
        m_devices[m_chosen].settingUse = QStringLiteral("Y");
        m_devices[m_chosen].lastSmsc = customSmsc;
    }
    m_deps.prompter.inform(
        DeviceText::message(),
        tr("Selected connection settings '%1' for device '%2' have been applied successfully.")
            .arg(chosenCase.description, model()));
    return true;
}

bool ConnectionTest::canSaveLog()
{
    if (m_chosen < 0) {
        m_deps.prompter.inform(DeviceText::message(), DeviceText::noDeviceSelected());
        return false;
    }
    const QList<TestCaseRow> rows = cases();
    const bool anyStatus = std::any_of(
        rows.begin(), rows.end(), [](const TestCaseRow& row) { return !row.status.isEmpty(); });
    if (devices()[m_chosen].history.isEmpty() && !anyStatus) {
        m_deps.prompter.inform(DeviceText::message(),
                               tr("No test case has been executed yet on selected device."));
        return false;
    }
    return true;
}

QString ConnectionTest::logFileName(const QString& chosen)
{
    return chosen.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)
               ? chosen
               : chosen + QStringLiteral(".txt");
}

bool ConnectionTest::SaveTestCaseLog(const QString& path)
{
    QString log = QStringLiteral("\r\n");
    for (const TestCaseRow& row : cases())
        log += row.possibleCase + QStringLiteral("\r\n") + row.status + QStringLiteral("\r\n") +
               row.caseSms + QStringLiteral("\r\n\r\n");
    CStdioFileEx file;
    const bool written = file.Open(path, CStdioFileEx::modeCreate | CStdioFileEx::modeWrite |
                                             CStdioFileEx::modeWriteUnicode) &&
                         CatchFileError(nullptr, [&] {
                             file.WriteString(detailsText());
                             file.WriteString(u"\r\n");
                             file.WriteString(log);
                             file.Close();
                         });
    if (!written) {
        m_deps.prompter.inform(
            DeviceText::message(),
            tr("Error in file.\n\nOR\n\nThere is not enough space on the disk."));
        return false;
    }
    m_deps.prompter.inform(
        DeviceText::message(),
        tr("The Device Connection Status log file has been saved.\r\n\r\nIf you are facing any "
           "difficulties in using the software or connecting the device with software, you can "
           "send this log file with the details of your problem to our support team."));
    return true;
}

void ConnectionTest::ClearStatus()
{
    if (m_chosen < 0) {
        m_deps.prompter.inform(DeviceText::message(), DeviceText::noDeviceSelected());
        return;
    }
    if (isRunning())
        return;
    const QList<TestCaseRow> rows = cases();
    const bool anyStatus = std::any_of(
        rows.begin(), rows.end(), [](const TestCaseRow& row) { return !row.status.isEmpty(); });
    if (devices()[m_chosen].history.isEmpty() && !anyStatus)
        return;
    if (!m_deps.prompter.confirm(DeviceText::confirmCaption(),
                                 tr("Are you sure you want to clear the last connection test "
                                    "results performed on'%1''")
                                     .arg(model())))
        return;
    const std::lock_guard lock(m_mutex);
    m_devices[m_chosen].history.clear();
    for (TestCaseRow& row : m_cases)
        row.status.clear();
}

bool ConnectionTest::Close()
{
    if (refuseWhileRunning())
        return false;
    finishIfDone();
    QStringList untouched;
    for (const TestDeviceRow& row : devices()) {
        if (row.settingUse != u"Y")
            untouched.append(row.comPort);
    }
    if (untouched.isEmpty())
        return true;
    return m_deps.prompter.confirm(DeviceText::confirmCaption(),
                                   tr("You have not selected any connection settings yet for "
                                      "device connected at %1.\nAre you sure to continue?")
                                       .arg(untouched.join(u',')));
}
