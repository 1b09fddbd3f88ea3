#pragma once

#include "devices/ScanResults.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The rows a device dialog works on, with the custom-SMSC entries and mode codes that go with
// them. The device-selection dialog copies them from a finished scan; the review dialog builds
// them from the confirmed devices. Owned by the UI thread; workers get copies.
struct DeviceTable
{
    std::vector<ScanDeviceRow> rows;
    QStringList customSmsc; // port text + "||" + number + "||" + flag; a port's first entry counts
    QList<int> modes;       // mode code by row index

    // The first row whose port column equals the port text; -1 when none.
    int rowOfPort(const QString& portText) const;
    bool validRow(int row) const { return row >= 0 && row < int(rows.size()); }
    void setModeCode(int row, int code);

    std::optional<QString> FindCustomSmsc(const QString& portText) const;
    void RemoveCustomSmsc(const QString& portText);
    // Replaces the port's entry by one appended at the end.
    void saveCustomSmsc(const QString& portText, const QString& number, const QString& flag);
};

// 1 for "PDU Mode", 2 for "Text Mode", 0 for anything else.
int ModeCodeOfText(const QString& mode);
// A number a custom SMSC may be: not empty and no '+' after the first character.
bool IsAcceptableSmsc(const QString& number);
