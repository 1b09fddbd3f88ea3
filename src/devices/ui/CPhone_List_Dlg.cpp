#include "devices/ui/CPhone_List_Dlg.h"

#include "devices/ConnectionTest.h"
#include "devices/ConnectionTestInputs.h"
#include "devices/DeviceSelection.h"
#include "devices/DeviceState.h"
#include "devices/DeviceTexts.h"
#include "devices/PortEnumeration.h"
#include "devices/ui/CAutomated_GSM_Sending.h"
#include "devices/ui/DeviceCommands.h"
#include "devices/ui/DeviceSettingsPanel.h"
#include "widgets/BackgroundJob.h"
#include "widgets/ListColumns.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

namespace {

constexpr int HiddenColumns[] = {2, 4, 6, 7, 8};
constexpr int PollIntervalMs = 100;

} // namespace

CPhone_List_Dlg::CPhone_List_Dlg(const DeviceDialogContext& context, QWidget* parent)
    : QDialog(parent), m_context(context),
      m_channel(context.ports, context.clock), m_deviceChannel{m_channel, context.clock,
                                                               context.closeAllChannels},
      m_lister(makeSerialPortLister(context.ports)), m_results(context.state.details()),
      m_scan({context.ports, context.clock, m_channel, *m_lister, m_results, context.prompter,
              [this] { m_deviceChannel.closeAll(); }, context.isInvalidNumber}),
      m_settings(m_table, context.state.details(), context.prompter, context.isInvalidNumber),
      m_submission{context.clock, m_references, nullptr, {}, &context.state.details()},
      m_list(new QTreeWidget), m_progress(new QProgressBar),
      m_searchAgain(new QPushButton(tr("Search Modem\nDevice Again"))),
      m_stop(new QPushButton(tr("Stop"))),
      m_confirm(new QPushButton(tr("Use Selected Device \nto Send SMS"))),
      m_continue(new QPushButton(tr("Continue without\nDevice Selection..."))),
      m_panel(new DeviceSettingsPanel(m_settings, m_deviceChannel, m_submission)),
      m_timer(new QTimer(this))
{
    setWindowTitle(tr("USB Modem Connection Wizard"));
    m_list->setObjectName(QStringLiteral("deviceList"));
    m_progress->setObjectName(QStringLiteral("scanProgress"));
    m_searchAgain->setObjectName(QStringLiteral("searchAgainButton"));
    m_stop->setObjectName(QStringLiteral("stopButton"));
    m_confirm->setObjectName(QStringLiteral("confirmButton"));
    m_continue->setObjectName(QStringLiteral("continueButton"));
    m_list->setHeaderLabels({tr("Com Port"), tr("Com Port Details"), tr("Com Port Status"),
                             tr("SMSC No."), tr("IMEI No."), tr("SMS Mode"), tr("Default SMSC No."),
                             tr("SUP SMS Mode"), tr("USE CUS SMSC")});
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setColumnWidth(0, 100);
    m_list->setColumnWidth(1, 220);
    m_list->setColumnWidth(3, 130);
    m_list->setColumnWidth(5, FitWidth(*m_list->header(), 5, 80,
                                       {DeviceText::pduModeText(), DeviceText::textModeText()}));
    for (const int column : HiddenColumns)
        m_list->setColumnHidden(column, true);
    auto* troubleshooting = new QPushButton(tr("Advanced Connection Troubleshooting"));
    troubleshooting->setObjectName(QStringLiteral("troubleshootingButton"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_list, 0, 0, 1, 3);
    grid->addWidget(m_panel, 0, 3, 3, 1);
    grid->addWidget(m_progress, 1, 0, 1, 2);
    grid->addWidget(m_stop, 1, 2);
    grid->addWidget(m_searchAgain, 2, 0);
    grid->addWidget(troubleshooting, 2, 1);
    grid->addWidget(m_confirm, 3, 0);
    grid->addWidget(m_continue, 3, 1);

    m_panel->onRowsChanged = [this] { showRows(); };
    connect(m_list, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const int row = m_list->indexOfTopLevelItem(item);
        if (row != m_settings.selectedRow && !m_scan.isRunning())
            m_panel->selectRow(row);
    });
    connect(m_list, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
        const int row = m_list->indexOfTopLevelItem(item);
        if (!m_showingRows && m_table.validRow(row))
            m_table.rows[std::size_t(row)].checked = item->checkState(0) == Qt::Checked;
    });
    connect(m_searchAgain, &QPushButton::clicked, this, [this] {
        if (m_panel->testRunning())
            return;
        m_settings.forgetSelection();
        m_deviceChannel.closeAll();
        startScan();
    });
    connect(m_stop, &QPushButton::clicked, this, [this] {
        if (askToStopScan(ModemScan::StopScanQuestion()))
            scanEnded();
    });
    connect(m_confirm, &QPushButton::clicked, this, &CPhone_List_Dlg::confirm);
    connect(m_continue, &QPushButton::clicked, this, &CPhone_List_Dlg::reject);
    connect(troubleshooting, &QPushButton::clicked, this, &CPhone_List_Dlg::troubleshoot);
    connect(m_timer, &QTimer::timeout, this, &CPhone_List_Dlg::poll);

    PrepareDeviceSelection(m_context.state, m_deviceChannel);
    QTimer::singleShot(0, this, &CPhone_List_Dlg::startScan);
}

CPhone_List_Dlg::~CPhone_List_Dlg() = default;

void CPhone_List_Dlg::startScan()
{
    if (!m_scan.StartModemScan())
        return;
    m_table = DeviceTable{};
    m_settings.forgetSelection();
    m_panel->clearForScan();
    showRows();
    setScanning(true);
    m_timer->start(PollIntervalMs);
}

void CPhone_List_Dlg::setScanning(bool scanning)
{
    m_searchAgain->setEnabled(!scanning);
    m_confirm->setEnabled(!scanning);
    m_list->setEnabled(!scanning);
    m_stop->setEnabled(scanning);
    m_progress->setEnabled(scanning);
    if (!scanning)
        m_progress->setValue(0);
    m_panel->setEnabled(!scanning);
}

void CPhone_List_Dlg::poll()
{
    const ScanProgress progress = m_scan.progress();
    if (progress.running) {
        m_progress->setRange(0, std::max(progress.range, 1));
        m_progress->setValue(progress.position);
        m_table = TableFromScan(m_results);
        showRows();
        return;
    }
    m_scan.finishIfDone();
    scanEnded();
}

bool CPhone_List_Dlg::askToStopScan(const QString& question)
{
    // The question's event loop must not let the timer end the scan under it: the scan would
    // be joined twice.
    m_timer->stop();
    if (!m_scan.askToStop(question)) {
        m_timer->start(PollIntervalMs);
        return false;
    }
    endScanAndWait();
    return true;
}

void CPhone_List_Dlg::endScanAndWait()
{
    m_scan.requestStop();
    // The port in hand finishes its probe first, up to its channel time-outs: the join runs in
    // the background while the window keeps painting under the wait pop-up.
    if (!m_scan.hasEnded())
        RunBackgroundJobAndWait(this, [this] { m_scan.StopModemScan(false); });
    else
        m_scan.StopModemScan(false); // joins a thread that has ended: no wait
}

void CPhone_List_Dlg::scanEnded()
{
    m_timer->stop();
    m_table = TableFromScan(m_results);
    m_settings.forgetSelection();
    setScanning(false);
    showRows();
    m_deviceChannel.closeAll();
    if (!m_table.rows.empty()) {
        m_list->setCurrentItem(m_list->topLevelItem(0));
        m_list->setFocus();
        m_panel->selectRow(0);
    }
    m_panel->refresh();
}

void CPhone_List_Dlg::showRows()
{
    m_showingRows = true;
    while (m_list->topLevelItemCount() > int(m_table.rows.size()))
        delete m_list->takeTopLevelItem(m_list->topLevelItemCount() - 1);
    for (std::size_t i = 0; i < m_table.rows.size(); ++i) {
        QTreeWidgetItem* item = m_list->topLevelItem(int(i));
        if (!item) {
            item = new QTreeWidgetItem;
            m_list->addTopLevelItem(item);
        }
        const QStringList columns = m_table.rows[i].columns();
        for (int c = 0; c < columns.size(); ++c)
            item->setText(c, columns[c]);
        item->setCheckState(0, m_table.rows[i].checked ? Qt::Checked : Qt::Unchecked);
    }
    // The status column says what stands in a device's way (its SIM, its network); it is shown
    // only while some device has something to say.
    const bool anyStatus =
        std::any_of(m_table.rows.cbegin(), m_table.rows.cend(),
                    [](const ScanDeviceRow& row) { return !row.comPortStatus.isEmpty(); });
    m_list->setColumnHidden(2, !anyStatus);
    m_showingRows = false;
}

void CPhone_List_Dlg::confirm()
{
    if (m_panel->testRunning())
        return;
    m_panel->collect();
    if (ConfirmDeviceSelection(m_table, m_settings, m_context.state, m_deviceChannel,
                               m_context.prompter))
        accept();
    showRows();
}

void CPhone_List_Dlg::reject()
{
    if (m_panel->testRunning())
        return;
    ContinueWithoutDevice(m_context.state);
    m_timer->stop();
    endScanAndWait();
    QDialog::reject();
}

void CPhone_List_Dlg::closeEvent(QCloseEvent* event)
{
    if (m_scan.isRunning() && !askToStopScan(ModemScan::StopScanQuestion())) {
        event->ignore();
        return;
    }
    event->ignore();
    reject();
}

void CPhone_List_Dlg::troubleshoot()
{
    if (m_scan.isRunning()) {
        if (!askToStopScan(ModemScan::TroubleshootingQuestion()))
            return;
        scanEnded();
    }
    m_panel->collect();
    const ConnectionTestInputs inputs =
        ConnectionTestInputsOf(m_table, m_settings.phoneNumber, m_context.isInvalidNumber);
    ConnectionTest test({m_context.state.details(), m_deviceChannel, m_references,
                         m_context.prompter, m_context.isInvalidNumber},
                        m_table, inputs.ports, inputs.phone);
    test.onApplied = [this](int row) {
        m_list->setCurrentItem(m_list->topLevelItem(row));
        m_settings.selectedRow = row;
        m_settings.ShowDeviceDetails(m_table.rows[std::size_t(row)].comPort);
        m_settings.customBox = m_table.rows[std::size_t(row)].useCustomSmsc == u"Y";
        m_settings.customNumber =
            m_settings.customBox ? m_table.rows[std::size_t(row)].smscNo : QString();
        showRows();
        m_panel->refresh();
    };
    CAutomated_GSM_Sending dialog(test, this);
    dialog.exec();
    showRows();
}

bool OpenConnectionWizard(QWidget* parent, const DeviceDialogContext& context)
{
    CPhone_List_Dlg dialog(context, parent);
    return dialog.exec() == QDialog::Accepted;
}
