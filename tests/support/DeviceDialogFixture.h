#pragma once

#include "base/Clock.h"
#include "devices/DeviceChannel.h"
#include "devices/DeviceDetailsStore.h"
#include "devices/DeviceState.h"
#include "devices/DeviceTable.h"
#include "modem/CSMSSerialPort.h"
#include "modem/ConcatReferenceCounter.h"
#include "support/ScriptedPrompter.h"
#include "support/SimulatedModems.h"

#include <gtest/gtest.h>

// Simulated modems on COM4, COM5, ... and the rows a finished scan would have listed for them.
class DeviceDialogFixture : public ::testing::Test
{
protected:
    static constexpr int FirstPort = 4;

    // A listed device as the scan leaves it: its details entry, row and mode code.
    void addDevice(int port, const QString& mode = QStringLiteral("PDU Mode"),
                   const QString& smsc = QStringLiteral("+447785016005"),
                   const QString& supported = QStringLiteral("PDU Mode & Text Mode"))
    {
        const QString portText = QStringLiteral("COM%1").arg(port);
        const QString description = QStringLiteral("QSIM-900 Modem at ") + portText;
        state.details().append(portText,
                               deviceDetailsText(portText, description,
                                                 QStringLiteral("Model :QSIM-900\nSupported SMS "
                                                                "Mode :%1\nDefault SMSC No. :%2\n")
                                                     .arg(supported, smsc)));
        ScanDeviceRow row;
        row.comPort = portText;
        row.comPortDetails = description;
        row.smscNo = smsc;
        row.smsMode = mode;
        row.defaultSmscNo = smsc;
        row.supportedModes = QStringLiteral(";PDU Mode;Text Mode;");
        row.useCustomSmsc = QStringLiteral("N");
        table.rows.push_back(row);
        table.modes.append(ModeCodeOfText(mode));
        table.customSmsc.append(portText + QStringLiteral("||||N"));
    }

    SimulatedModems modems{FirstPort};
    Clock clock{25};
    CSMSSerialPort channel{modems.ports(), clock};
    int closeAllCalls = 0;
    DeviceChannel deviceChannel{channel, clock, [this] { ++closeAllCalls; }};
    ConcatReferenceCounter references;
    DeviceState state;
    DeviceTable table;
    ScriptedPrompter prompter;
};
