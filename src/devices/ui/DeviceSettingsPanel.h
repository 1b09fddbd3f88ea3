#pragma once

#include <QWidget>
#include <functional>

class DeviceSettings;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
struct DeviceChannel;
struct SubmissionContext;

// The details and settings of the selected device, shared by the device-selection dialog and
// the review dialog: details box and list, mode buttons, custom SMSC, copy and test message.
class DeviceSettingsPanel : public QWidget
{
    Q_OBJECT

public:
    DeviceSettingsPanel(DeviceSettings& settings, const DeviceChannel& channel,
                        const SubmissionContext& context, QWidget* parent = nullptr);

    // Shows the logic's fields in the widgets.
    void refresh();
    // Copies the edit fields into the logic before an operation.
    void collect();
    // A new scan: the test-message box and number are cleared too, the rest from the logic.
    void clearForScan();
    // Selects a row: the channel check runs off the UI thread, the window waits.
    void selectRow(int row);
    bool testRunning() const { return m_testRunning; }

    std::function<void()> onRowsChanged; // the owner redraws its list

private:
    void sendTest();
    void enterPin();
    void applyFocus();

    DeviceSettings& m_settings;
    const DeviceChannel& m_channel;
    const SubmissionContext& m_context;
    bool m_testRunning = false;
    bool m_refreshing = false;

    QPlainTextEdit* m_detailsBox;
    QTreeWidget* m_detailsList;
    QRadioButton* m_pduButton;
    QRadioButton* m_textButton;
    QLineEdit* m_defaultSmsc;
    QCheckBox* m_customBox;
    QLineEdit* m_customField;
    QPushButton* m_saveButton;
    QPushButton* m_helpButton;
    QCheckBox* m_testBox;
    QLineEdit* m_phoneField;
    QPushButton* m_sendButton;
    QLineEdit* m_pinField; // cleared after every press: the PIN is never kept
    QPushButton* m_pinButton;
};
