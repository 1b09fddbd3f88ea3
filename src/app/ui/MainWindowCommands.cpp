#include "app/QuillonApp.h"
#include "app/ui/DevicePanel.h"
#include "app/ui/MainWindow.h"
#include "app/ui/OptionsPanel.h"
#include "modem/SendOptions.h"
#include "outbox/ui/SharedOutboxDialog.h"
#include "recipients/RecipientListExport.h"
#include "recipients/ui/CFill_Msg_In_List.h"
#include "recipients/ui/CManually_Multiple_Num_Add.h"
#include "recipients/ui/CUpdate_Num_Message.h"
#include "recipients/ui/CUpdate_Selected_Item_SMS.h"
#include "recipients/ui/ClearSelectedJob.h"
#include "recipients/ui/MessageEdit.h"
#include "recipients/ui/RecipientTableView.h"
#include "sending/ui/CQuota_Dlg.h"
#include "sending/ui/CampaignPreviewDlg.h"
#include "stores/ui/ExclusionSetLoader.h"
#include "stores/ui/InboxWindow.h"
#include "stores/ui/SentItems.h"
#include "stores/ui/ViewTemplates.h"
#include "widgets/CSpecialEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>

void CKORV_QuillonDlg::onAdd()
{
    if (m_logic->recipientCommands().Add(m_number->text(), m_composer->text(),
                                         m_logic->numberCheckOptions()))
        m_number->clear();
    m_number->setFocus();
}

void CKORV_QuillonDlg::onLoadContacts()
{
    if (m_hooks.loadContactsFromFile)
        m_hooks.loadContactsFromFile(*this);
}

void CKORV_QuillonDlg::onAddManually()
{
    CManually_Multiple_Num_Add dialog(m_session.recipients(), m_logic->numberCheckOptions(),
                                      m_composer->text(), m_prompter, this);
    dialog.exec();
}

void CKORV_QuillonDlg::onDynamicExcel()
{
    if (m_hooks.dynamicExcelWizard)
        m_hooks.dynamicExcelWizard(*this);
}

void CKORV_QuillonDlg::onUpdateSelected()
{
    CUpdate_Selected_Item_SMS::Run(this, m_session.recipients(), m_list->selectedRows(),
                                   m_prompter);
}

void CKORV_QuillonDlg::onEditRow()
{
    CUpdate_Num_Message::Run(this, m_session.recipients(), m_list->selectedRows(),
                             m_logic->numberCheckOptions(), m_prompter);
}

void CKORV_QuillonDlg::onApplyMessage()
{
    CFill_Msg_In_List::Run(this, m_session.recipients(), m_composer->text(), m_list->selectedRows(),
                           m_prompter);
}

void CKORV_QuillonDlg::onClearSelected()
{
    RunClearSelected(this, m_session.recipients(), m_prompter, m_list->selectedRows(),
                     m_list->selectionMark(), [this](int row) { m_list->selectOnly(row); });
}

void CKORV_QuillonDlg::onClearAll()
{
    m_logic->recipientCommands().ClearAll();
}

void CKORV_QuillonDlg::onExport()
{
    m_exports.exportRecipientList(this, [this](Exporter& exporter) {
        ExportRecipientList(exporter, m_session.recipients());
    });
}

void CKORV_QuillonDlg::onModemWizard()
{
    if (!m_hooks.modemConnectionWizard)
        return;
    m_hooks.modemConnectionWizard(*this);
    m_devices->refresh();
}

void CKORV_QuillonDlg::onDeviceSettings()
{
    if (!m_hooks.deviceReview)
        return;
    m_hooks.deviceReview(*this);
    m_devices->refresh();
}

void CKORV_QuillonDlg::onQuota()
{
    if (!m_logic->canOpenQuota())
        return;
    CQuota_Dlg dialog(m_session.devices(), m_prompter, m_session.recipients().count(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_devices->quotaBox()->setChecked(true);
}

void CKORV_QuillonDlg::onExclusionWizard()
{
    if (m_hooks.exclusionListWizard)
        m_hooks.exclusionListWizard(*this);
}

void CKORV_QuillonDlg::onViewTemplates()
{
    CViewTemplates window(m_session.templateStore(), m_composerAccess.get(), dialogPrompter(),
                          this);
    window.setExport(&m_exports);
    window.setImportSource(m_hooks.templateImport);
    window.exec();
}

void CKORV_QuillonDlg::onSend()
{
    if (!m_launcher->send(this, m_logic->sendInputs(m_number->text(), m_composer->text())))
        focusAfterRefusal();
    // Send may have ticked the Unicode option for rows the GSM alphabet cannot carry.
    m_options->showOptions(m_logic->options());
    refreshCharacters();
    m_devices->refresh();
}

void CKORV_QuillonDlg::onPreview()
{
    if (m_logic->isBusy())
        return;
    showPreview(false);
}

bool CKORV_QuillonDlg::showPreview(bool sendStep)
{
    const PreviewChoiceStore store(m_app.dataFolder());
    CampaignPreviewDlg dialog(m_session.recipients(), m_logic->previewSettings(), store, sendStep,
                              this);
    dialog.setSelectedRows(m_list->selectedRows());
    return dialog.exec() == QDialog::Accepted;
}

void CKORV_QuillonDlg::focusAfterRefusal()
{
    switch (m_logic->sendPreparation().focus()) {
    case SendPreparation::Focus::NumberBox:
        m_number->setFocus();
        break;
    case SendPreparation::Focus::Composer:
        m_composer->setFocus();
        break;
    case SendPreparation::Focus::PauseEvery:
        m_options->pauseEvery()->setFocus();
        break;
    case SendPreparation::Focus::PauseFor:
        m_options->pauseFor()->setFocus();
        break;
    case SendPreparation::Focus::None:
        break;
    }
}

void CKORV_QuillonDlg::onSharedOutbox()
{
    if (m_logic->isBusy())
        return;
    const MainWindowOptions& options = m_logic->options();
    if (!m_outboxProgress)
        m_outboxProgress = std::make_unique<OutboxProgress>();
    SharedOutboxDialog dialog({m_app.dataFolder(), m_session.recipients(),
                               options.messageType == QLatin1String(SendOptions::NotificationType),
                               options.unicode, m_outboxProgress.get()},
                              m_prompter, this);
    dialog.exec();
}

void CKORV_QuillonDlg::onSentItems()
{
    if (!m_logic->canOpenSentItems())
        return;
    CSent_Items window(m_session.sentItems(), dialogPrompter(), this);
    window.setComposerHandler(
        [this](const std::vector<SentItem>& items) { return m_logic->insertSentItems(items); });
    window.setExport(&m_exports);
    window.setDeliveries(&m_session.sentItemDeliveries());
    window.exec();
}

void CKORV_QuillonDlg::onLastRun()
{
    const std::vector<ProcessStatusRow> rows = m_logic->lastRunRows();
    if (!rows.empty() && !m_exports.isRunning())
        m_exports.exportProcessStatuses(this, rows, false);
}

void CKORV_QuillonDlg::offerUnfinishedRun()
{
    if (m_logic->offerUnfinishedRun())
        refreshTotal();
}

void CKORV_QuillonDlg::onInbox()
{
    // Not during a run: its workers read the same modems.
    if (!m_logic->canOpenSentItems())
        return;
    CInbox window(m_session.inbox(), m_session.sentItems(), m_session.clock(), dialogPrompter(),
                  this);
    window.setComposerHandler(
        [this](const std::vector<SentItem>& items) { return m_logic->insertSentItems(items); });
    window.setReader(&m_session.inboxReader());
    window.setExport(&m_exports);
    window.exec();
}

void CKORV_QuillonDlg::onReset()
{
    if (!m_logic->reset())
        return;
    m_number->clear();
    m_composer->clear();
    m_options->showOptions(m_logic->options());
    refreshTotal();
    refreshCharacters();
    m_number->setFocus();
}

void CKORV_QuillonDlg::onExit()
{
    if (isMinimized())
        showNormal();
    if (!m_logic->requestExit())
        return;
    m_exitConfirmed = true;
    done(QDialog::Accepted);
}

void CKORV_QuillonDlg::onHelp()
{
    m_logic->openHelp();
}

void CKORV_QuillonDlg::onAbout()
{
    QMessageBox::about(
        this, tr("About KORV Quillon"),
        tr("<h3>KORV Quillon %1</h3><p>Sends SMS in bulk through GSM modems and phones "
           "connected as serial ports.</p>")
            .arg(QCoreApplication::applicationVersion()));
}

void CKORV_QuillonDlg::onOptionsChanged()
{
    MainWindowOptions options = m_options->options();
    options.quotaManagement = m_devices->quotaBox()->isChecked();
    if (m_logic->setOptions(options))
        LoadExclusionSetWithWait(this, m_session.exclusions(), true, m_session.data(), m_prompter);
    refreshCharacters(); // the warning depends on the Unicode option
}

void CKORV_QuillonDlg::clearMainWindowFields()
{
    // The run's finishing thread calls this; the widgets change on the UI thread.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_session.recipients().clear();
            m_number->clear();
            m_composer->clear();
        },
        Qt::QueuedConnection);
}
