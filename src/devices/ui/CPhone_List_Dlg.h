#pragma once

#include "devices/DeviceChannel.h"
#include "devices/DeviceSettings.h"
#include "devices/DeviceTable.h"
#include "devices/ModemScan.h"
#include "devices/ScanResults.h"
#include "modem/CSMSSerialPort.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/SubmissionContext.h"

#include <QDialog>
#include <functional>
#include <memory>

class DeviceSettingsPanel;
class DeviceState;
class Prompter;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;
class SerialPortLister;
struct DeviceDialogContext;

// "USB Modem Connection Wizard": scans for modems, lets the user set them up and confirms the
// devices to send with. The scan runs on its own thread; a timer shows its progress and rows.
class CPhone_List_Dlg : public QDialog
{
    Q_OBJECT

public:
    CPhone_List_Dlg(const DeviceDialogContext& context, QWidget* parent = nullptr);
    ~CPhone_List_Dlg() override;

    void reject() override; // continue without a device (also Escape)

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void startScan();
    void poll();
    // Asks before stopping a running scan; true when no scan runs any more.
    bool askToStopScan(const QString& question);
    // Ends a running scan at its next check, waiting for it without blocking the window.
    void endScanAndWait();
    void scanEnded();
    void showRows();
    void setScanning(bool scanning);
    void troubleshoot();
    void confirm();

    const DeviceDialogContext& m_context;
    CSMSSerialPort m_channel;
    DeviceChannel m_deviceChannel;
    std::unique_ptr<SerialPortLister> m_lister;
    ScanResults m_results;
    ModemScan m_scan;
    DeviceTable m_table;
    DeviceSettings m_settings;
    ConcatReferenceCounter m_references;
    SubmissionContext m_submission;

    QTreeWidget* m_list;
    QProgressBar* m_progress;
    QPushButton* m_searchAgain;
    QPushButton* m_stop;
    QPushButton* m_confirm;
    QPushButton* m_continue;
    DeviceSettingsPanel* m_panel;
    QTimer* m_timer;
    bool m_showingRows = false;
};
