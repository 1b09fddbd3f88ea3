#include "devices/ui/CSelected_Device_Details_GSM.h"

#include "devices/ConnectionTest.h"
#include "devices/ConnectionTestInputs.h"
#include "devices/DeviceReview.h"
#include "devices/DeviceState.h"
#include "devices/ui/CAutomated_GSM_Sending.h"
#include "devices/ui/DeviceCommands.h"
#include "devices/ui/DeviceSettingsPanel.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

CSelected_Device_Details_GSM::CSelected_Device_Details_GSM(const DeviceDialogContext& context,
                                                           QWidget* parent)
    : QDialog(parent), m_context(context),
      m_channel(context.ports, context.clock), m_deviceChannel{m_channel, context.clock,
                                                               context.closeAllChannels},
      m_table(ReviewTableFromState(context.state)),
      m_settings(m_table, context.state.details(), context.prompter, context.isInvalidNumber),
      m_submission{context.clock, m_references, nullptr, {}, &context.state.details()},
      m_text(new QPlainTextEdit), m_list(new QTreeWidget),
      m_panel(new DeviceSettingsPanel(m_settings, m_deviceChannel, m_submission))
{
    m_list->setObjectName(QStringLiteral("deviceList"));
    m_text->setReadOnly(true);
    m_text->setPlainText(context.state.ConnectedDeviceText());
    m_list->setHeaderLabels({tr("Com Port"), tr("Com Port Details"), tr("SMSC No."), tr("SMS Mode"),
                             tr("SUP SMS Mode"), tr("Default SMSC No."), tr("USE CUS SMSC")});
    m_list->setRootIsDecorated(false);
    const int widths[] = {100, 220, 130, 80};
    for (int c = 0; c < 4; ++c)
        m_list->setColumnWidth(c, widths[c]);
    for (int c = 4; c < 7; ++c)
        m_list->setColumnHidden(c, true);
    auto* troubleshooting = new QPushButton(tr("Advanced Connection Troubleshooting"));
    troubleshooting->setObjectName(QStringLiteral("troubleshootingButton"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_text, 0, 0);
    grid->addWidget(m_list, 1, 0);
    grid->addWidget(m_panel, 0, 1, 2, 1);
    grid->addWidget(troubleshooting, 2, 0);
    grid->addWidget(buttons, 2, 1);

    m_panel->onRowsChanged = [this] { showRows(); };
    connect(m_list, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const int row = m_list->indexOfTopLevelItem(item);
        if (row != m_settings.selectedRow)
            m_panel->selectRow(row);
    });
    connect(troubleshooting, &QPushButton::clicked, this,
            &CSelected_Device_Details_GSM::troubleshoot);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSelected_Device_Details_GSM::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSelected_Device_Details_GSM::reject);
    showRows();
}

void CSelected_Device_Details_GSM::showRows()
{
    m_list->clear();
    for (const ScanDeviceRow& row : m_table.rows)
        m_list->addTopLevelItem(
            new QTreeWidgetItem({row.comPort, row.comPortDetails, row.smscNo, row.smsMode,
                                 row.supportedModes, row.defaultSmscNo, row.useCustomSmsc}));
    if (m_table.validRow(m_settings.selectedRow))
        m_list->setCurrentItem(m_list->topLevelItem(m_settings.selectedRow));
}

void CSelected_Device_Details_GSM::troubleshoot()
{
    m_panel->collect();
    const ConnectionTestInputs inputs =
        ConnectionTestInputsOf(m_table, m_settings.phoneNumber, m_context.isInvalidNumber);
    ConnectionTest test({m_context.state.details(), m_deviceChannel, m_references,
                         m_context.prompter, m_context.isInvalidNumber},
                        m_table, inputs.ports, inputs.phone);
    CAutomated_GSM_Sending dialog(test, this);
    dialog.exec();
    showRows();
}

void CSelected_Device_Details_GSM::accept()
{
    if (m_panel->testRunning())
        return;
    if (CommitReview(m_table, m_context.state, m_context.prompter))
        QDialog::accept();
}

bool OpenDeviceReview(QWidget* parent, const DeviceDialogContext& context)
{
    CSelected_Device_Details_GSM dialog(context, parent);
    return dialog.exec() == QDialog::Accepted;
}
