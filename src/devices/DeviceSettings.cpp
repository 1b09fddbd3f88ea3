#include "devices/DeviceSettings.h"

#include "base/Prompter.h"
#include "devices/DeviceDetailsStore.h"
#include "devices/DeviceRecords.h"
#include "devices/DeviceTexts.h"

namespace {

const QString DefaultSmscLine = QStringLiteral("Default SMSC No. :");
const QString SupportedModeLine = QStringLiteral("Supported SMS Mode :");

} // namespace

DeviceSettings::DeviceSettings(DeviceTable& table, const DeviceDetailsStore& details,
                               Prompter& prompter, InvalidNumberTest isInvalidNumber)
    : m_table(table), m_details(details), m_prompter(prompter),
      m_isInvalidNumber(std::move(isInvalidNumber)), m_pinEntry(prompter)
{}

void DeviceSettings::clearView()
{
    view = DeviceDetailsView{};
}

void DeviceSettings::forgetSelection()
{
    selectedRow = -1;
    clearView();
    smscControlsEnabled = false;
    customBox = false;
    customNumber.clear();
    phoneNumber.clear();
}

bool DeviceSettings::beginRowSelection(int row)
{
    selectedRow = row;
    clearView();
    const int port = m_table.validRow(row) ? PortNumberOfText(m_table.rows[row].comPort) : 0;
    if (port <= 0) {
        smscControlsEnabled = false;
        customBox = false;
        customNumber.clear();
        return false;
    }
    const ScanDeviceRow& device = m_table.rows[row];
    smscControlsEnabled = true;
    view.modeButtonsEnabled = true;
    const std::optional<QString> custom = m_table.FindCustomSmsc(device.comPort);
    if (custom && device.useCustomSmsc == u"Y") {
        customBox = true;
        customNumber = device.smscNo;
    } else if (!custom) {
        customBox = false;
        customNumber.clear();
    }
    return true;
}

void DeviceSettings::finishRowSelection(const std::optional<QString>& channelError)
{
    if (m_table.validRow(selectedRow))
        ShowDeviceDetails(m_table.rows[selectedRow].comPort);
    if (channelError)
        m_prompter.inform(DeviceText::message(), DeviceText::channelErrorMessage(*channelError));
}

void DeviceSettings::ShowDeviceDetails(const QString& portText)
{
    const QString details = m_details.FindDeviceDetails(portText);
    view.selectedDevice = portText;
    view.detailsText = QString(details)
                           .replace(QStringLiteral("||"), QStringLiteral("\n"))
                           .replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    view.lines.clear();
    QStringList supported;
    for (const QString& line : details.split(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0)
            continue;
        const DetailLine entry{line.left(colon + 1), line.mid(colon + 1)};
        view.lines.append(entry);
        if (entry.name == DefaultSmscLine)
            view.defaultSmsc = entry.value.trimmed();
        if (entry.name == SupportedModeLine) {
            supported = {DeviceText::pduModeText(), DeviceText::textModeText()};
            view.modeButtonsEnabled = true;
            view.modeChoice = entry.value.trimmed() == DeviceText::textModeText()
                                  ? DeviceText::textModeText()
                                  : DeviceText::pduModeText();
        }
    }
    const int row = m_table.rowOfPort(portText);
    if (row < 0)
        return;
    ScanDeviceRow& device = m_table.rows[row];
    device.defaultSmscNo = view.defaultSmsc;
    device.supportedModes = u';' + supported.join(u';') + u';';
    if (!device.smsMode.isEmpty()) {
        view.modeChoice = device.smsMode;
    } else {
        device.smsMode = view.modeChoice;
        m_table.setModeCode(row, ModeCodeOfText(view.modeChoice));
    }
}

void DeviceSettings::chooseMode(const QString& mode)
{
    if (!requireSelection())
        return;
    if (mode == DeviceText::textModeText())
        m_prompter.inform(DeviceText::information(), DeviceText::textModeInformation());
    m_table.rows[selectedRow].smsMode = mode;
    m_table.setModeCode(selectedRow, ModeCodeOfText(mode));
    view.modeChoice = mode;
}

QString DeviceSettings::selectedPortText() const
{
    if (m_table.validRow(selectedRow) && !m_table.rows[selectedRow].comPort.isEmpty())
        return m_table.rows[selectedRow].comPort;
    return view.selectedDevice;
}

bool DeviceSettings::ApplyCustomSmsc(bool showMessage)
{
    const QString port = selectedPortText();
    if (port.isEmpty()) {
        m_prompter.inform(DeviceText::message(), DeviceText::noDeviceSelected());
        return false;
    }
    const int row = m_table.validRow(selectedRow) ? selectedRow : m_table.rowOfPort(port);
    if (customBox) {
        if (!IsAcceptableSmsc(customNumber)) {
            m_prompter.inform(DeviceText::message(), DeviceText::invalidSmsc());
            focus = SettingsFocus::CustomNumber;
            return false;
        }
        m_table.saveCustomSmsc(port, customNumber, QStringLiteral("Y"));
        if (m_table.validRow(row)) {
            m_table.rows[row].useCustomSmsc = QStringLiteral("Y");
            m_table.rows[row].smscNo = customNumber;
        }
        if (showMessage)
            m_prompter.inform(DeviceText::message(), DeviceText::customSmscSaved(port));
        return true;
    }
    m_table.RemoveCustomSmsc(port);
    if (m_table.validRow(row)) {
        m_table.rows[row].useCustomSmsc = QStringLiteral("N");
        m_table.rows[row].smscNo = view.defaultSmsc;
    }
    customNumber.clear();
    if (showMessage)
        m_prompter.inform(DeviceText::message(), DeviceText::customSmscReset(port));
    return true;
}

void DeviceSettings::setCustomBox(bool ticked)
{
    customBox = ticked;
    if (!ticked && !selectedPortText().isEmpty())
        ApplyCustomSmsc(false);
}

void DeviceSettings::showSmscHelp()
{
    m_prompter.inform(DeviceText::message(), DeviceText::smscHelp());
}

std::optional<QString> DeviceSettings::copyDetailsText()
{
    if (view.lines.isEmpty()) {
        m_prompter.inform(DeviceText::message(), DeviceText::selectValidDevice());
        return std::nullopt;
    }
    QString text;
    for (const DetailLine& line : view.lines)
        text += line.name + u'\t' + line.value + QStringLiteral("\r\n");
    return text;
}

std::optional<TestMessagePlan> DeviceSettings::prepareTestMessage()
{
    if (!ApplyCustomSmsc(false))
        return std::nullopt;
    const auto refuse = [this](const QString& text, SettingsFocus where = SettingsFocus::None) {
        m_prompter.inform(DeviceText::message(), text);
        focus = where;
        return std::nullopt;
    };
    if (!m_table.validRow(selectedRow))
        return refuse(DeviceText::selectValidDevice());
    const ScanDeviceRow& device = m_table.rows[selectedRow];
    const QString portText =
        PortNumberOfText(device.comPort) == 0 ? view.selectedDevice : device.comPort;
    if (portText.isEmpty())
        return refuse(DeviceText::selectValidDevice());
    const int port = PortNumberOfText(portText);
    if (port <= 0)
        return refuse(DeviceText::notWorking());
    const QString number = phoneNumber.trimmed();
    if (!IsAcceptableSmsc(number) || (m_isInvalidNumber && m_isInvalidNumber(number)))
        return refuse(DeviceText::invalidTestNumber(), SettingsFocus::PhoneNumber);
    if (device.smscNo.isEmpty() && view.defaultSmsc.isEmpty())
        return refuse(DeviceText::noDefaultSmsc());
    const int mode = ModeCodeOfText(device.smsMode);
    if (mode == 0)
        return refuse(DeviceText::modeBlank());

    TestMessagePlan plan;
    plan.port = port;
    plan.pduMode = mode == 1;
    plan.request.number = number;
    plan.request.text = QStringLiteral("Test message has been sent by ") + device.smsMode;
    if (!device.smscNo.isEmpty() && device.useCustomSmsc != u"N")
        plan.request.customSmsc = device.smscNo;
    plan.request.plainOptions = 1;
    return plan;
}

void DeviceSettings::showTestResult(const QString& text)
{
    m_prompter.inform(DeviceText::message(), text);
}

void DeviceSettings::showSimState(const SimCheck& check)
{
    if (m_table.validRow(selectedRow))
        m_table.rows[std::size_t(selectedRow)].comPortStatus = check.troubleText();
}

bool DeviceSettings::requireSelection()
{
    if (m_table.validRow(selectedRow))
        return true;
    m_prompter.inform(DeviceText::message(), DeviceText::noDeviceSelected());
    return false;
}

bool DeviceSettings::pinWanted() const
{
    return m_table.validRow(selectedRow) &&
           m_table.rows[std::size_t(selectedRow)].comPortStatus == SimText::pinRequired();
}
