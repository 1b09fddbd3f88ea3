#include "devices/ui/DeviceSettingsPanel.h"

#include "devices/DeviceChannelWork.h"
#include "devices/DeviceRecords.h"
#include "devices/DeviceSettings.h"
#include "devices/DeviceTexts.h"
#include "widgets/BackgroundJob.h"
#include "widgets/CSpecialEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

DeviceSettingsPanel::DeviceSettingsPanel(DeviceSettings& settings, const DeviceChannel& channel,
                                         const SubmissionContext& context, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_channel(channel), m_context(context),
      m_detailsBox(new QPlainTextEdit), m_detailsList(new QTreeWidget),
      m_pduButton(new QRadioButton(tr("PDU Mode"))),
      m_textButton(new QRadioButton(tr("Text Mode"))), m_defaultSmsc(new QLineEdit),
      m_customBox(new QCheckBox(tr("Custom SMSC :"))),
      m_customField(new CSpecialEdit(settings.prompter())),
      m_saveButton(new QPushButton(tr("Save"))), m_helpButton(new QPushButton(tr("?"))),
      m_testBox(new QCheckBox(tr("Send Test Message By Selected Device"))),
      m_phoneField(new CSpecialEdit(settings.prompter())),
      m_sendButton(new QPushButton(tr("Send"))), m_pinField(new QLineEdit),
      m_pinButton(new QPushButton(tr("Enter PIN")))
{
    m_pinField->setEchoMode(QLineEdit::Password);
    m_pinField->setMaxLength(8);
    m_pinField->setObjectName(QStringLiteral("simPinField"));
    m_detailsList->setObjectName(QStringLiteral("detailsList"));
    m_pduButton->setObjectName(QStringLiteral("pduModeButton"));
    m_textButton->setObjectName(QStringLiteral("textModeButton"));
    m_defaultSmsc->setObjectName(QStringLiteral("defaultSmscField"));
    m_customBox->setObjectName(QStringLiteral("customSmscBox"));
    m_customField->setObjectName(QStringLiteral("customSmscField"));
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_testBox->setObjectName(QStringLiteral("testMessageBox"));
    m_phoneField->setObjectName(QStringLiteral("phoneField"));
    m_sendButton->setObjectName(QStringLiteral("sendButton"));
    m_pinButton->setObjectName(QStringLiteral("simPinButton"));
    m_detailsBox->setReadOnly(true);
    m_detailsList->setColumnCount(2);
    m_detailsList->setHeaderLabels({tr("Name"), tr("Value")});
    m_detailsList->setColumnWidth(0, 150);
    m_detailsList->setColumnWidth(1, 250);
    m_detailsList->setRootIsDecorated(false);
    m_defaultSmsc->setReadOnly(true);
    auto* copyButton = new QPushButton(tr("copy details"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_detailsBox, 0, 0, 1, 4);
    grid->addWidget(m_detailsList, 1, 0, 1, 4);
    grid->addWidget(copyButton, 2, 3);
    grid->addWidget(m_pduButton, 3, 0);
    grid->addWidget(m_textButton, 3, 1);
    grid->addWidget(new QLabel(tr("Default SMSC :")), 4, 0);
    grid->addWidget(m_defaultSmsc, 4, 1, 1, 3);
    grid->addWidget(m_customBox, 5, 0);
    grid->addWidget(m_customField, 5, 1);
    grid->addWidget(m_saveButton, 5, 2);
    grid->addWidget(m_helpButton, 5, 3);
    grid->addWidget(m_testBox, 6, 0, 1, 4);
    grid->addWidget(new QLabel(tr("Phone No. :")), 7, 0);
    grid->addWidget(m_phoneField, 7, 1, 1, 2);
    grid->addWidget(m_sendButton, 7, 3);
    grid->addWidget(new QLabel(tr("SIM PIN :")), 8, 0);
    grid->addWidget(m_pinField, 8, 1, 1, 2);
    grid->addWidget(m_pinButton, 8, 3);

    const auto changed = [this] {
        refresh();
        if (onRowsChanged)
            onRowsChanged();
    };
    connect(m_pduButton, &QRadioButton::clicked, this, [this, changed] {
        m_settings.chooseMode(DeviceText::pduModeText());
        changed();
    });
    connect(m_textButton, &QRadioButton::clicked, this, [this, changed] {
        m_settings.chooseMode(DeviceText::textModeText());
        changed();
    });
    connect(m_customBox, &QCheckBox::toggled, this, [this, changed](bool ticked) {
        if (m_refreshing)
            return;
        collect();
        m_settings.setCustomBox(ticked);
        changed();
    });
    connect(m_customField, &QLineEdit::editingFinished, this, [this, changed] {
        if (m_refreshing || m_customField->text().isEmpty() || !m_customBox->isChecked())
            return;
        collect();
        m_settings.ApplyCustomSmsc(false);
        changed();
    });
    connect(m_saveButton, &QPushButton::clicked, this, [this, changed] {
        collect();
        m_settings.ApplyCustomSmsc(true);
        changed();
        applyFocus();
    });
    connect(m_helpButton, &QPushButton::clicked, this, [this] { m_settings.showSmscHelp(); });
    connect(copyButton, &QPushButton::clicked, this, [this] {
        if (const std::optional<QString> text = m_settings.copyDetailsText())
            QApplication::clipboard()->setText(*text);
    });
    connect(m_testBox, &QCheckBox::toggled, this, [this] { refresh(); });
    connect(m_sendButton, &QPushButton::clicked, this, [this] { sendTest(); });
    connect(m_pinButton, &QPushButton::clicked, this, [this] { enterPin(); });
    refresh();
}

void DeviceSettingsPanel::collect()
{
    m_settings.customBox = m_customBox->isChecked();
    m_settings.customNumber = m_customField->text();
    m_settings.phoneNumber = m_phoneField->text();
}

void DeviceSettingsPanel::refresh()
{
    m_refreshing = true;
    const DeviceDetailsView& view = m_settings.view;
    m_detailsBox->setPlainText(view.detailsText);
    m_detailsList->clear();
    for (const DetailLine& line : view.lines)
        m_detailsList->addTopLevelItem(new QTreeWidgetItem({line.name, line.value}));
    m_pduButton->setEnabled(view.modeButtonsEnabled);
    m_textButton->setEnabled(view.modeButtonsEnabled);
    // Auto-exclusive buttons refuse to be unchecked, and no device means no mode.
    m_pduButton->setAutoExclusive(false);
    m_textButton->setAutoExclusive(false);
    m_pduButton->setChecked(view.modeChoice == DeviceText::pduModeText());
    m_textButton->setChecked(view.modeChoice == DeviceText::textModeText());
    m_pduButton->setAutoExclusive(true);
    m_textButton->setAutoExclusive(true);
    m_defaultSmsc->setText(view.defaultSmsc);
    m_customBox->setEnabled(m_settings.smscControlsEnabled);
    m_customBox->setChecked(m_settings.customBox);
    m_customField->setText(m_settings.customNumber);
    m_customField->setEnabled(m_settings.smscControlsEnabled && m_settings.customBox);
    m_saveButton->setEnabled(m_settings.smscControlsEnabled);
    m_helpButton->setEnabled(m_settings.smscControlsEnabled);
    m_phoneField->setEnabled(m_testBox->isChecked());
    m_sendButton->setEnabled(m_testBox->isChecked());
    m_pinField->setEnabled(m_settings.pinWanted());
    m_pinButton->setEnabled(m_settings.pinWanted());
    m_refreshing = false;
}

void DeviceSettingsPanel::clearForScan()
{
    m_testBox->setChecked(false);
    m_phoneField->clear();
    refresh();
}

void DeviceSettingsPanel::applyFocus()
{
    if (m_settings.focus == SettingsFocus::CustomNumber)
        m_customField->setFocus();
    if (m_settings.focus == SettingsFocus::PhoneNumber)
        m_phoneField->setFocus();
    m_settings.focus = SettingsFocus::None;
}

void DeviceSettingsPanel::selectRow(int row)
{
    collect();
    std::optional<QString> error;
    if (m_settings.beginRowSelection(row)) {
        const int port = PortNumberOfText(m_settings.table().rows[std::size_t(row)].comPort);
        RunBackgroundJobAndWait(
            window(), [this, port, &error] { error = CheckDeviceReachable(m_channel, port); });
    }
    m_settings.finishRowSelection(error);
    refresh();
    if (onRowsChanged)
        onRowsChanged();
}

void DeviceSettingsPanel::sendTest()
{
    if (m_testRunning)
        return;
    collect();
    const std::optional<TestMessagePlan> plan = m_settings.prepareTestMessage();
    refresh();
    if (onRowsChanged)
        onRowsChanged();
    if (!plan) {
        applyFocus();
        return;
    }
    m_testRunning = true;
    QString result;
    RunBackgroundJobAndWait(
        window(), [this, &plan, &result] { result = RunTestMessage(m_channel, m_context, *plan); });
    m_testRunning = false;
    m_settings.showTestResult(result);
}

void DeviceSettingsPanel::enterPin()
{
    const QString pin = m_pinField->text();
    m_pinField->clear();
    if (!m_settings.requireSelection())
        return;
    const int port = PortNumberOfText(m_settings.selectedPortText());
    std::optional<PinStatus> status;
    RunBackgroundJobAndWait(window(),
                            [this, port, &status] { status = ReadSimPinStatus(m_channel, port); });
    if (!status) {
        m_settings.finishRowSelection(QString());
        return;
    }
    if (!m_settings.pinEntry().confirmEntry(port, pin, *status))
        return;
    std::optional<std::pair<PinEntry, PinStatus>> result;
    RunBackgroundJobAndWait(
        window(), [this, port, &pin, &result] { result = EnterSimPin(m_channel, port, pin); });
    if (!result) {
        m_settings.finishRowSelection(QString());
        return;
    }
    m_settings.pinEntry().showResult(port, result->first, result->second);
    m_settings.showSimState(result->second.sim);
    refresh();
    if (onRowsChanged)
        onRowsChanged();
}
