#pragma once

#include "devices/DeviceChannel.h"
#include "devices/DeviceSettings.h"
#include "devices/DeviceTable.h"
#include "modem/CSMSSerialPort.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/SubmissionContext.h"

#include <QDialog>

class DeviceSettingsPanel;
class QPlainTextEdit;
class QTreeWidget;
struct DeviceDialogContext;

// The review of the confirmed devices: their settings, test message and connection test,
// written back to the device state with OK.
class CSelected_Device_Details_GSM : public QDialog
{
    Q_OBJECT

public:
    CSelected_Device_Details_GSM(const DeviceDialogContext& context, QWidget* parent = nullptr);

    void accept() override;

private:
    void showRows();
    void troubleshoot();

    const DeviceDialogContext& m_context;
    CSMSSerialPort m_channel;
    DeviceChannel m_deviceChannel;
    DeviceTable m_table;
    DeviceSettings m_settings;
    ConcatReferenceCounter m_references;
    SubmissionContext m_submission;
    QPlainTextEdit* m_text;
    QTreeWidget* m_list;
    DeviceSettingsPanel* m_panel;
};
