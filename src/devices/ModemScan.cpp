#include "devices/ModemScan.h"

#include "base/Clock.h"
#include "base/Prompter.h"
#include "devices/DeviceDetailsStore.h"
#include "devices/OpeningProbe.h"
#include "devices/PortEnumeration.h"
#include "devices/PortNameMerge.h"
#include "devices/ScanResults.h"
#include "modem/CSMSException.h"
#include "modem/CSMSSerialPort.h"
#include "modem/DeviceInfoLookup.h"
#include "modem/ModemCommands.h"
#include "modem/PortMap.h"
#include "modem/SimState.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <cerrno>
#include <map>

// Diagnostic lines only; enable with QT_LOGGING_RULES="quillon.devices.scan.debug=true".
Q_LOGGING_CATEGORY(lcScan, "quillon.devices.scan", QtWarningMsg)

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ModemScan", text);
}

const QString SupportedModeLabel = QStringLiteral("Supported SMS Mode :");
const QString PduModeText = QStringLiteral("PDU Mode");
const QString TextModeText = QStringLiteral("Text Mode");

bool isPermissionError(const CSMSException& error)
{
    const auto code = error.code();
    return code && (*code == (CSMSException::SystemErrorBase | EACCES) ||
                    *code == (CSMSException::SystemErrorBase | EPERM));
}

// Closes the scan channel when the probe of a port ends, whichever way.
struct ChannelCloser
{
    CSMSSerialPort& channel;
    ~ChannelCloser() { channel.Close(); }
};

} // namespace

ModemScan::ModemScan(ScanDependencies dependencies) : m_deps(std::move(dependencies)) {}

ModemScan::~ModemScan()
{
    m_thread.stopAndJoin();
}

QString ModemScan::StopScanQuestion()
{
    return tr("Terminating the current process will stop scanning modem device. Are you sure you "
              "want to continue?");
}

QString ModemScan::TroubleshootingQuestion()
{
    return tr("Scanning process for finding connected mobile devices has not been completed yet. "
              "Are you sure you want to stop the process?");
}

QString ModemScan::NoDeviceMessage()
{
    return tr("No compatible device found connected to your computer.\r\n\r\nPlease make sure "
              "that Drivers of your device are installed properly and the drivers that you "
              "installed are compatible with your operating system.");
}

QString ModemScan::permissionMessage(const std::vector<std::pair<int, QString>>& portsAndGroups)
{
    std::map<QString, QStringList> portsOfGroup;
    for (const auto& [port, group] : portsAndGroups)
        portsOfGroup[group].append(portTextOf(port));
    QString text = portsAndGroups.size() == 1
                       ? tr("A port could not be opened because your account has no permission "
                            "to use it, so it was not searched for a modem:")
                       : tr("Some ports could not be opened because your account has no "
                            "permission to use them, so they were not searched for a modem:");
    for (const auto& [group, ports] : portsOfGroup) {
        const bool one = ports.size() == 1;
        text += QStringLiteral("\r\n\r\n") + ports.join(QStringLiteral(", "));
        if (group.isEmpty())
            text += one ? tr(": is not accessible to normal users; ask the administrator of this "
                             "computer for access.")
                        : tr(": are not accessible to normal users; ask the administrator of "
                             "this computer for access.");
        else
            text += (one ? tr(": belongs to the group \"%1\". Add your account to it (for "
                              "example \"sudo usermod -aG %1 $USER\"), log out and in again, "
                              "and search again.")
                         : tr(": belong to the group \"%1\". Add your account to it (for "
                              "example \"sudo usermod -aG %1 $USER\"), log out and in again, "
                              "and search again."))
                        .arg(group);
    }
    return text;
}

bool ModemScan::StartModemScan()
{
    if (m_thread.joinable()) {
        if (m_thread.running())
            return false;
        finishIfDone();
    }
    m_probingModems = false;
    m_position = 0;
    m_range = PortMap::MaxPort;
    {
        const std::lock_guard lock(m_resultMutex);
        m_noPortFound = false;
        m_denied.clear();
    }
    return m_thread.start([this](const std::stop_token& stop) { run(stop); });
}

bool ModemScan::askToStop(const QString& question)
{
    if (hasEnded())
        return true;
    {
        const std::lock_guard lock(m_holdMutex);
        m_hold = true;
    }
    const bool yes = m_deps.prompter.confirm(tr("Confirm"), question, Prompter::Icon::Warning);
    // Asked before the hold is lifted: the held scan must not pass one more boundary.
    if (yes)
        m_thread.requestStop();
    {
        const std::lock_guard lock(m_holdMutex);
        m_hold = false;
    }
    m_holdChanged.notify_all();
    return yes;
}

bool ModemScan::StopModemScan(bool askFirst, const QString& question)
{
    if (!m_thread.joinable())
        return true;
    if (askFirst && !askToStop(question))
        return false;
    requestStop();
    // A view's timer may have collected the finished scan while the question was open.
    if (m_thread.joinable())
        m_thread.join();
    // A stopped scan ends without its closing messages, as one cut short always has.
    return true;
}

void ModemScan::requestStop()
{
    m_thread.requestStop(); // wakes a held checkpoint through its stop token
}

ScanProgress ModemScan::progress() const
{
    return {m_thread.running(), m_probingModems, m_position, m_range};
}

bool ModemScan::finishIfDone()
{
    if (!m_thread.joinable() || m_thread.running())
        return false;
    m_thread.join();
    finish();
    return true;
}

void ModemScan::waitUntilFinished()
{
    if (!m_thread.joinable())
        return;
    m_thread.join();
    finish();
}

void ModemScan::finish()
{
    if (m_thread.stopRequested())
        return;
    bool noPortFound = false;
    std::vector<int> denied;
    {
        const std::lock_guard lock(m_resultMutex);
        noPortFound = m_noPortFound;
        denied = m_denied;
    }
    if (noPortFound)
        m_deps.prompter.inform(tr("Message"), NoDeviceMessage());
    if (!denied.empty()) {
        std::vector<std::pair<int, QString>> portsAndGroups;
        for (const int port : denied)
            portsAndGroups.emplace_back(port, groupGrantingAccessToPort(m_deps.ports, port));
        m_deps.prompter.inform(tr("Message"), permissionMessage(portsAndGroups),
                               Prompter::Icon::Warning);
    }
}

std::vector<int> ModemScan::deniedPorts() const
{
    const std::lock_guard lock(m_resultMutex);
    return m_denied;
}

bool ModemScan::checkpoint(const std::stop_token& stop)
{
    std::unique_lock lock(m_holdMutex);
    m_holdChanged.wait(lock, stop, [this] { return !m_hold; });
    return !stop.stop_requested();
}

void ModemScan::closeAllChannels()
{
    if (m_deps.closeAllChannels)
        m_deps.closeAllChannels();
    else
        m_deps.channel.Close();
}

std::vector<int> ModemScan::openingProbe(const std::stop_token& stop)
{
    m_range = PortMap::MaxPort;
    return ProbePortsByOpening(m_deps.ports, [this, &stop](int port) {
        m_position = port;
        qCDebug(lcScan) << "UsingCreateFile :: --" << portTextOf(port) << "--";
        return checkpoint(stop);
    });
}

void ModemScan::run(const std::stop_token& stop)
{
    m_deps.sink.clearScanResults();
    const std::vector<int> opened = openingProbe(stop);
    if (checkpoint(stop))
        m_deps.clock.sleepMs(ListingDelayMs);
    if (!checkpoint(stop)) {
        closeAllChannels();
        return;
    }
    const std::vector<ListedSerialPort> listed = m_deps.lister.listSerialPorts();
    qCDebug(lcScan) << "UsingWMI Name Tot Count::" << listed.size();
    const QStringList names = mergePortNames(opened, listed);
    m_deps.sink.setFinalPorts(opened, names);
    QStringList customSmsc;
    for (const int port : opened)
        customSmsc.append(portTextOf(port) + QStringLiteral("||||N"));
    m_deps.sink.resetCustomSmscList(customSmsc);
    qCDebug(lcScan) << "final_ports Tot Count::" << opened.size();
    for (std::size_t i = 0; i < opened.size(); ++i)
        qCDebug(lcScan) << "Final Port ::" << names.value(static_cast<qsizetype>(i));

    m_probingModems = true;
    m_range = static_cast<int>(opened.size());
    m_position = 0;
    for (std::size_t i = 0; i < opened.size() && checkpoint(stop); ++i) {
        m_position = static_cast<int>(i) + 1;
        probePort(opened[i], names.value(static_cast<qsizetype>(i)));
    }
    closeAllChannels();
    {
        const std::lock_guard lock(m_resultMutex);
        m_noPortFound = opened.empty();
    }
}

void ModemScan::probePort(int port, QString name)
{
    const QString portText = portTextOf(port);
    qCDebug(lcScan) << "List ::" << portText;
    if (isBarePortName(name))
        name.clear();
    if (name.contains(QLatin1StringView("Mobile Logging")))
        return;
    CSMSSerialPort& channel = m_deps.channel;
    const ChannelCloser closer{channel};
    try {
        closeAllChannels();
        channel.Open(port, ProbeTimeoutMs);
        if (!interrogateScannedPort(channel, port, name, m_deps.sink, m_deps.isInvalidNumber)) {
            // Not a modem (a console, a serial device of another kind): leave its line as it
            // was found.
            channel.restoreLineSettingsOnClose();
        }
    } catch (const CSMSException& error) {
        qCDebug(lcScan) << portText << "::" << GetModemErrorText(error);
        channel.restoreLineSettingsOnClose();
        if (isPermissionError(error)) {
            const std::lock_guard lock(m_resultMutex);
            m_denied.push_back(port);
        }
    }
}

bool interrogateScannedPort(ModemChannel& channel, int port, const QString& name, ScanSink& sink,
                            const InvalidNumberTest& isInvalidNumber)
{
    const QString portText = portTextOf(port);
    if (!ProbeModem(channel)) {
        qCDebug(lcScan) << "Check_Connection FALSE";
        return false;
    }
    const QString modelText = QueryModel(channel) + QStringLiteral(" Modem at ") + portText;
    if (!CheckSmsCapability(channel)) {
        qCDebug(lcScan) << "Check Msg_Sending_Supported FALSE";
        return true;
    }
    const QString imei = QueryImei(channel);
    QString description = name.isEmpty() ? modelText : name;
    if (description.isEmpty())
        description = QStringLiteral("Unknown Device on COM%1").arg(port);
    // The built-in serial ports of a PC are never modems worth listing.
    if (description.contains(QString::fromUtf16(BuiltInPortName)))
        return true;
    // One modem exposing several ports answers with one IMEI on each: list it once.
    if (sink.hasImei(imei))
        return true;
    ResetModemStream(channel);
    // Asked before the information, whose queries end by closing the port.
    const QString simTrouble = QuerySimCheck(channel).troubleText();
    const QString information = QueryDeviceInformation(channel, isInvalidNumber);
    const QString details =
        withSimState(deviceDetailsText(portText, description, information), simTrouble);

    const QString supported = GetDetailValue(details, SupportedModeLabel);
    const bool textMode = supported == TextModeText;
    const QString smsc = GetDetailValue(details, QString::fromLatin1(DefaultSmscLabel));
    ScanDeviceRow row;
    row.comPort = portText;
    row.comPortDetails = description;
    row.comPortStatus = simTrouble;
    row.smscNo = smsc;
    row.imeiNo = imei;
    row.smsMode = textMode ? TextModeText : PduModeText;
    row.defaultSmscNo = smsc;
    row.supportedModes = QStringLiteral(";PDU Mode;Text Mode;");
    row.useCustomSmsc = QStringLiteral("N");
    sink.appendDevice(portText, details, row, textMode ? 2 : 1);
    return true;
}
