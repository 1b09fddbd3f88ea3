#pragma once

#include <QGroupBox>
#include <QLabel>

class DeviceState;
class QCheckBox;
class QComboBox;
class QPushButton;
class QStackedWidget;

// A label that reports clicks, for the device label that opens the device wizard.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The device area of the main window: the device choice list, or the device label in its place
// while the list is empty, the connection wizard and the quota management.
class DevicePanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit DevicePanel(DeviceState& devices, QWidget* parent = nullptr);

    // Shows the device choice list as the device state holds it.
    void refresh();

    static QString NoDeviceLabelText();

    ClickableLabel* deviceLabel() const { return m_label; }
    QComboBox* deviceList() const { return m_list; }
    QPushButton* wizardButton() const { return m_wizard; }
    // Opens the settings of the confirmed devices; enabled while there are some.
    QPushButton* settingsButton() const { return m_settings; }
    QPushButton* quotaButton() const { return m_quota; }
    QCheckBox* quotaBox() const { return m_quotaBox; }
    // The list is shown (instead of the label).
    bool showsList() const;

private:
    void onChosen(int index);

    DeviceState& m_devices;
    QStackedWidget* m_stack;
    ClickableLabel* m_label;
    QComboBox* m_list;
    QPushButton* m_wizard;
    QPushButton* m_settings;
    QPushButton* m_quota;
    QCheckBox* m_quotaBox;
    bool m_refreshing = false;
};
