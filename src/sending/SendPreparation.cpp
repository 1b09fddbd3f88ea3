#include "sending/SendPreparation.h"

#include "base/Prompter.h"
#include "devices/DeviceRecords.h"
#include "devices/QuotaAssignment.h"
#include "modem/SimState.h"
#include "recipients/RecipientList.h"
#include "sending/ModemChannelTable.h"
#include "sending/NonGsmRows.h"
#include "sending/PortProbe.h"
#include "sending/RunOptions.h"
#include "sending/RunState.h"

namespace {

QString wizardHint()
{
    return SendPreparation::tr("Please use USB Modem Connection Wizard for finding device or "
                               "establishing connection.");
}

} // namespace

SendPreparation::SendPreparation(Dependencies dependencies) : m_deps(std::move(dependencies)) {}

QString SendPreparation::NoDeviceText()
{
    return tr("Either USB Modem Device is not connected properly or No USB Modem Device is "
              "selected.") +
           QStringLiteral("\n\n") + wizardHint();
}

bool SendPreparation::refuse(const QString& text, Focus focus)
{
    m_focus = focus;
    m_deps.prompter.inform(tr("Message"), text);
    return false;
}

std::optional<DeviceCheckPlan> SendPreparation::send(const SendInputs& inputs)
{
    m_focus = Focus::None;
    const Gate gate = quotaGate();
    if (gate == Gate::Stop)
        return std::nullopt;
    const bool quotaPath = gate == Gate::Quota;
    RunState& state = m_deps.state;
    if (state.RunOpen == 1 || m_preparing)
        return std::nullopt;
    state.setPauseTexts(inputs.pauseEvery, inputs.pauseFor);
    state.RetryLimit = inputs.retriesOn ? inputs.retryCount.trimmed().toInt() : 0;
    state.RetryRound = 0;
    state.RetryRoundActive = 0;

    if (!devicesSelected(quotaPath) || !checksPass(inputs) ||
        (m_deps.previewStep && !m_deps.previewStep()) || !composerQuestion(inputs.composer) ||
        !nonGsmQuestion(inputs))
        return std::nullopt;
    reloadLists();
    closeSlots(quotaPath);
    state.RetryRoundActive = 0;
    if (state.RunOpen == 1)
        return std::nullopt;
    m_preparing = true;
    DeviceCheckPlan plan = PlanDeviceCheck(m_deps.devices, quotaPath);
    m_deps.devices.setDeviceList({}, -1);
    return plan;
}

SendPreparation::Gate SendPreparation::quotaGate()
{
    if (!m_deps.options.quotaManagement)
        return Gate::Plain;
    DeviceState& devices = m_deps.devices;
    const QList<DeviceRecord> records = ParseDeviceRecordText(devices.DeviceRecordText());
    if (records.isEmpty() || devices.DeviceCount() == 0) {
        m_deps.prompter.inform(tr("Message"), tr("No quota assigned."));
        return Gate::Stop;
    }
    const bool anyAuto = std::any_of(records.begin(), records.end(),
                                     [](const DeviceRecord& r) { return r.inUse() && r.isAuto(); });
    if (!anyAuto) {
        const int rows = m_deps.recipients.count();
        // 64 bits: a hand-edited device file may hold quotas whose sum passes int.
        qint64 assigned = 0;
        for (const DeviceRecord& record : records)
            if (record.inUse() && !record.isAuto())
                assigned += std::max(0, record.quotaCount());
        if ((devices.QuotaTotalMessages() < rows || assigned < rows) &&
            !m_deps.prompter.confirm(tr("Confirm"), QuotaShortfallQuestion(rows, assigned)))
            return Gate::Stop;
    }
    m_deps.state.consumedQuotaLog.clear();
    return Gate::Quota;
}

bool SendPreparation::devicesSelected(bool quotaPath)
{
    const DeviceState& devices = m_deps.devices;
    const bool selected =
        !devices.choiceList().isEmpty() && (quotaPath || !devices.chosenLabel().isEmpty());
    if (selected)
        return true;
    m_deps.prompter.inform(tr("Message"), NoDeviceText());
    return false;
}

bool SendPreparation::checksPass(const SendInputs& inputs)
{
    const RecipientList& list = m_deps.recipients;
    if (!inputs.numberBox.isEmpty())
        return refuse(tr("Please insert entered number to the list."), Focus::NumberBox);
    if (list.isEmpty())
        return refuse(tr("Phone numbers-Messages list is empty."), Focus::NumberBox);
    if (list.at(0).Number.isEmpty())
        return refuse(tr("Please enter a valid phone number."), Focus::NumberBox);
    if (inputs.composer.isEmpty())
        return refuse(tr("Please enter some text message."), Focus::Composer);
    const QString noDelay = tr("No values have been selected in 'Delayed Delivery Options'.");
    if (inputs.delayedDelivery && inputs.pauseEvery.isEmpty())
        return refuse(noDelay, Focus::PauseEvery);
    if (inputs.delayedDelivery && inputs.pauseFor.isEmpty())
        return refuse(noDelay, Focus::PauseFor);
    return true;
}

bool SendPreparation::composerQuestion(const QString& composer)
{
    if (composer == m_lastComposer)
        return true;
    m_lastComposer = composer;
    RecipientList& list = m_deps.recipients;
    QList<int> rows;
    switch (m_deps.composerQuestion.ask()) {
    case ComposerChangeQuestion::Answer::Cancel:
        return false;
    case ComposerChangeQuestion::Answer::ContinueAnyway:
        return true;
    case ComposerChangeQuestion::Answer::ApplyToAll:
        for (int i = 0; i < list.count(); ++i)
            rows.append(i);
        break;
    case ComposerChangeQuestion::Answer::ApplyToBlank:
        for (int i = 0; i < list.count(); ++i)
            if (list.at(i).Message.isEmpty())
                rows.append(i);
        break;
    }
    list.setMessages(rows, composer);
    return true;
}

// After the composer question, which may write the composer text into the rows: the rows are
// then as they will be sent.
bool SendPreparation::nonGsmQuestion(const SendInputs& inputs)
{
    if (inputs.unicode)
        return true;
    const NonGsmRows found = findNonGsmRows(m_deps.recipients, inputs.nationalLanguages);
    if (found.isEmpty())
        return true;
    switch (askAboutNonGsmRows(m_deps.prompter, found)) {
    case NonGsmChoice::SendAsUnicode:
        if (m_deps.tickUnicode)
            m_deps.tickUnicode();
        return true;
    case NonGsmChoice::Replace:
        replaceNonGsmCharacters(m_deps.recipients, found.rows);
        return true;
    case NonGsmChoice::Back:
        break;
    }
    return false;
}

void SendPreparation::reloadLists()
{
    if (m_deps.options.useExclusionRules && m_deps.reloadExclusions)
        m_deps.reloadExclusions();
    if (m_deps.options.saveToTemplates && m_deps.reloadTemplates) {
        if (const auto error = m_deps.reloadTemplates())
            m_deps.prompter.inform(tr("Message"), *error);
    }
}

void SendPreparation::closeSlots(bool quotaPath)
{
    const DeviceState& devices = m_deps.devices;
    int slotCount = devices.DeviceCount();
    if (!quotaPath) {
        slotCount = int(devices.choiceList().size());
        if (devices.chosenLabel() == AllDeviceText())
            --slotCount;
    }
    m_deps.channels.closeSlots(slotCount);
}

DeviceCheckPlan PlanDeviceCheck(const DeviceState& devices, bool quotaPath)
{
    DeviceCheckPlan plan;
    plan.quotaPath = quotaPath;
    plan.notedChoice = devices.chosenLabel();
    plan.deviceCount = devices.DeviceCount();
    const bool all = plan.notedChoice == AllDeviceText();
    if (!quotaPath) {
        for (const DeviceChoice& choice : devices.choiceList()) {
            if (choice.label == AllDeviceText() || (!all && choice.label != plan.notedChoice))
                continue;
            plan.devices.append({choice.label, PortNumberOfLabel(choice.label)});
        }
        return plan;
    }
    for (const DeviceRecord& record : ParseDeviceRecordText(devices.DeviceRecordText())) {
        if ((!record.isAuto() && record.quotaCount() <= 0) || !record.inUse())
            continue;
        // The port is compared with its separator, so COM1 is not taken for COM12.
        if (!all && !plan.notedChoice.startsWith(record.port + QStringLiteral(" - ")))
            continue;
        plan.devices.append({record.port + QStringLiteral(" - ") + record.description,
                             PortNumberOfText(record.port)});
    }
    return plan;
}

DeviceCheckOutcome SendPreparation::checkDevices(const DeviceCheckPlan& plan, PortProbe& probe,
                                                 const std::function<void(const QString&)>& trace)
{
    DeviceCheckOutcome outcome;
    outcome.plan = plan;
    for (const DeviceChoice& device : plan.devices) {
        if (const auto error = probe.probe(device.port)) {
            ++outcome.failures;
            // A SIM or network problem is said plainly; other errors go to the trace only.
            outcome.failureText += SimText::isTrouble(*error)
                                       ? device.label + QStringLiteral(" : ") + *error + u'\n'
                                       : device.label + u'\n';
            if (trace)
                trace(QStringLiteral("\nError : %1\n").arg(*error));
            continue;
        }
        outcome.answered.append(device.label);
    }
    return outcome;
}

bool SendPreparation::answerFailures(const DeviceCheckOutcome& outcome)
{
    if (outcome.failures == 0)
        return true;
    // Every device failed when none of those probed answered.
    if (outcome.failures == outcome.plan.devices.size()) {
        m_deps.prompter.inform(tr("Message"),
                               outcome.failureText +
                                   tr("All Device not connected properly or not functioning.") +
                                   QStringLiteral("\n\n") + wizardHint());
        return false;
    }
    return m_deps.prompter.confirm(
        tr("Message"),
        outcome.failureText + tr("Device not connected properly or Device not functioning.") +
            QStringLiteral("\n\n") + wizardHint() + QStringLiteral("\n\nOR\n\n") +
            tr("Do you want to continue sending process with other connected device?"));
}

bool SendPreparation::completeDeviceCheck(const DeviceCheckOutcome& outcome)
{
    m_preparing = false;
    const DeviceCheckPlan& plan = outcome.plan;
    if (plan.quotaPath && plan.devices.isEmpty()) {
        m_deps.prompter.inform(
            tr("Message"),
            tr("Please check your Quota Management settings.\n\nIn your Quota Management "
               "Settings, No device or Selected Device has not been assigned sufficient quota "
               "to send sms."));
        return false;
    }
    if (!answerFailures(outcome))
        return false;
    QStringList list = outcome.answered;
    int selected = -1;
    if (plan.quotaPath) {
        if (!list.isEmpty())
            list.append(AllDeviceText());
        selected = int(list.size()) - 1;
    } else {
        if (list.size() > 1)
            list.append(AllDeviceText());
        selected = plan.notedChoice == AllDeviceText() ? int(list.size()) - 1
                                                       : int(list.indexOf(plan.notedChoice));
    }
    m_deps.devices.setDeviceList(list, selected);
    if (list.isEmpty()) {
        m_deps.prompter.inform(tr("Message"), NoDeviceText());
        return false;
    }
    return m_deps.state.RunOpen != 1;
}
