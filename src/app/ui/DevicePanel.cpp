#include "app/ui/DevicePanel.h"

#include "app/ui/AppIcons.h"
#include "devices/DeviceState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

DevicePanel::DevicePanel(DeviceState& devices, QWidget* parent)
    : QGroupBox(tr("USB Modem Devices"), parent), m_devices(devices),
      m_stack(new QStackedWidget(this)), m_label(new ClickableLabel(NoDeviceLabelText(), this)),
      m_list(new QComboBox(this)),
      m_wizard(new QPushButton(ThemedIcon("network-wireless", QStyle::SP_DriveNetIcon),
                               tr("USB Modem Connection Wizard"), this)),
      m_settings(
          new QPushButton(ThemedIcon("preferences-system", QStyle::SP_FileDialogDetailedView),
                          tr("Device Settings"), this)),
      m_quota(new QPushButton(tr("Click here Quota Management"), this)),
      m_quotaBox(new QCheckBox(this))
{
    m_label->setObjectName(QStringLiteral("deviceLabel"));
    m_list->setObjectName(QStringLiteral("deviceList"));
    m_wizard->setObjectName(QStringLiteral("wizardButton"));
    m_settings->setObjectName(QStringLiteral("deviceSettingsButton"));
    m_quota->setObjectName(QStringLiteral("quotaButton"));
    m_quotaBox->setObjectName(QStringLiteral("quotaBox"));
    // Drawn as a link, since clicking it opens the wizard.
    m_label->setCursor(Qt::PointingHandCursor);
    QFont linkFont = m_label->font();
    linkFont.setUnderline(true);
    m_label->setFont(linkFont);
    QPalette linkPalette = m_label->palette();
    linkPalette.setColor(QPalette::WindowText, linkPalette.color(QPalette::Link));
    m_label->setPalette(linkPalette);
    m_label->setToolTip(tr("Find the modems connected to this computer and choose the ones to "
                           "send with."));
    m_label->setWordWrap(true);
    m_list->setToolTip(tr("The modem that sends, or \"All Device\" to share the list among "
                          "every selected modem."));
    m_list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_list->setMinimumContentsLength(24);
    m_stack->addWidget(m_label);
    m_stack->addWidget(m_list);

    m_quota->setFlat(true);
    m_quota->setCursor(Qt::PointingHandCursor);
    m_quota->setToolTip(tr("Set how many messages each modem sends."));
    m_quotaBox->setToolTip(tr("Send by the quotas assigned to the modems."));
    m_settings->setToolTip(tr("Message mode, service centre, test message and connection test "
                              "of the selected modems."));
    for (QPushButton* button : {m_wizard, m_settings, m_quota})
        button->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_stack);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_wizard, 1);
    buttons->addWidget(m_settings);
    layout->addLayout(buttons);
    auto* quotaRow = new QHBoxLayout;
    quotaRow->addWidget(m_quotaBox);
    quotaRow->addWidget(m_quota);
    quotaRow->addStretch();
    layout->addLayout(quotaRow);

    connect(m_list, &QComboBox::currentIndexChanged, this, &DevicePanel::onChosen);
    refresh();
}

QString DevicePanel::NoDeviceLabelText()
{
    return tr("No USB Modem Device is selected.");
}

bool DevicePanel::showsList() const
{
    return m_stack->currentWidget() == m_list;
}

void DevicePanel::refresh()
{
    m_refreshing = true;
    m_list->clear();
    for (const DeviceChoice& choice : m_devices.choiceList())
        m_list->addItem(choice.label, choice.port);
    m_list->setCurrentIndex(m_devices.choiceSelection());
    m_stack->setCurrentWidget(m_list->count() == 0 ? static_cast<QWidget*>(m_label) : m_list);
    m_settings->setEnabled(m_list->count() > 0);
    m_refreshing = false;
}

void DevicePanel::onChosen(int index)
{
    if (!m_refreshing)
        m_devices.setChoiceList(m_devices.choiceList(), index);
}
