#pragma once

#include "devices/DeviceTable.h"
#include "devices/SimPinEntry.h"
#include "modem/Interrogation.h"
#include "modem/SendRequest.h"

#include <QList>
#include <QString>
#include <optional>

class DeviceDetailsStore;
class Prompter;

struct DetailLine
{
    QString name; // up to and including the first ':'
    QString value;
};

// What the details area of a device dialog shows for the selected device.
struct DeviceDetailsView
{
    QString selectedDevice;
    QString detailsText; // "\r\n" line ends
    QList<DetailLine> lines;
    QString defaultSmsc;
    bool modeButtonsEnabled = false;
    QString modeChoice; // "PDU Mode", "Text Mode" or empty
};

enum class SettingsFocus
{
    None,
    CustomNumber,
    PhoneNumber
};

// A test message ready for its worker.
struct TestMessagePlan
{
    int port = 0;
    bool pduMode = true;
    SendRequest request;
};

// The settings of the selected device in a device dialog: mode, custom SMSC, details and the
// test message's checks. Its fields mirror the dialog's controls; the widgets copy them in
// before an operation and show them after it.
class DeviceSettings
{
public:
    DeviceSettings(DeviceTable& table, const DeviceDetailsStore& details, Prompter& prompter,
                   InvalidNumberTest isInvalidNumber);

    DeviceTable& table() { return m_table; }
    // Where the dialog's number boxes tell of a refused character.
    Prompter& prompter() const { return m_prompter; }
    const DeviceTable& table() const { return m_table; }

    // A new scan: no remembered row, controls cleared.
    void forgetSelection();
    // First part of selecting a row: remembers it and sets the SMSC controls from its
    // settings. True when its port is valid, so the channel check and the details follow.
    bool beginRowSelection(int row);
    // Last part: the details, then the message of a failed channel check.
    void finishRowSelection(const std::optional<QString>& channelError);

    void ShowDeviceDetails(const QString& portText);
    void chooseMode(const QString& mode);
    bool ApplyCustomSmsc(bool showMessage);
    // The check box; clearing it resets the custom setting silently.
    void setCustomBox(bool ticked);
    void showSmscHelp();
    // The clipboard text of the details list; none (after the message) when the list is empty.
    std::optional<QString> copyDetailsText();
    // The checks of the test message; the plan when they pass. Applies the custom SMSC first.
    std::optional<TestMessagePlan> prepareTestMessage();
    void showTestResult(const QString& text);

    // The port text of the selected row, or the selected-device field when there is none.
    QString selectedPortText() const;

    // The SIM PIN entry of the selected device.
    SimPinEntry& pinEntry() { return m_pinEntry; }
    // After a PIN was entered: the selected row's status column shows the SIM state it left.
    void showSimState(const SimCheck& check);
    // Whether the selected device's SIM asks for its PIN: the PIN controls are enabled then.
    bool pinWanted() const;
    // No device selected: the message, and false.
    bool requireSelection();

    int selectedRow = -1; // the remembered row
    DeviceDetailsView view;
    bool smscControlsEnabled = false;
    bool customBox = false;
    QString customNumber;
    QString phoneNumber;
    SettingsFocus focus = SettingsFocus::None;

private:
    void clearView();

    DeviceTable& m_table;
    const DeviceDetailsStore& m_details;
    Prompter& m_prompter;
    InvalidNumberTest m_isInvalidNumber;
    SimPinEntry m_pinEntry;
};
