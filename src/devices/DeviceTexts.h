#pragma once

#include <QCoreApplication>
#include <QString>

// The messages the device dialogs show, in one place so the logic and its tests agree.
namespace DeviceText {

// The context lupdate gives tr() calls in this namespace: another one finds no translation.
inline QString tr(const char* text)
{
    return QCoreApplication::translate("DeviceText", text);
}

inline QString message()
{
    return tr("Message");
}
inline QString confirmCaption()
{
    return tr("Confirm");
}
inline QString information()
{
    return tr("Information");
}

inline QString noDeviceSelected()
{
    return tr("No device has been selected. Please select a device.");
}
inline QString selectValidDevice()
{
    return tr("Please select a valid device from list.");
}
inline QString notWorking()
{
    return tr("Either no USB Modem Device is connected on this port or selected device is not "
              "working properly.");
}
inline QString notWorkingWithError(const QString& error)
{
    return notWorking() + tr("\n\nOR\n\nDevice Connection Error : %1").arg(error);
}
inline QString continueWithout()
{
    return tr("\n\nAre you sure you want to continue without selecting device?");
}
inline QString invalidSmsc()
{
    return tr("The SMSC number does not seem to be valid. Please enter a valid SMSC number.");
}
inline QString invalidTestNumber()
{
    return tr("Phone number entered to receive test message does not seem to be valid. Please "
              "enter a valid phone number to receive test message.");
}
inline QString whereIsSmsc()
{
    return tr(
        "You can find SMSC Number in ‘SMS Service Center’ Details in the SMS Settings of your "
        "USB Modem Device.");
}
inline QString noDefaultSmsc()
{
    return tr("Default SMSC Number could not be located for this device.\nPlease enter and Save "
              "SMSC number manually in ‘Custom SMSC No.’ Field for this Device.\n\n") +
           whereIsSmsc();
}
inline QString smscHelp()
{
    return whereIsSmsc() +
           tr("\n\nCorrect SMS Service Center number starts with ‘+’ or ‘00’ before your country "
              "code (e.g. +65 or 0044). Contact your mobile service provider to know their SMSC "
              "number, if you cannot locate it in SMS Settings of you USB Modem Device.");
}
inline QString modeBlank()
{
    return tr("SMS Mode details should not be blanked.");
}
inline QString tooManyDevices()
{
    return tr("You should not select more than 32 valid modem device.");
}
inline QString textModeInformation()
{
    return tr("Information:\n\nYou have selected ‘Text Mode’ for sending Messages.\nSome Devices "
              "may not support non-English (Unicode) SMS using this mode.\n\nIf you face "
              "difficulties in sending Unicode SMS using ‘Text Mode’, select ‘PDU Mode’.");
}
inline QString customSmscSaved(const QString& port)
{
    return tr("Custom SMSC No. save for %1.").arg(port);
}
inline QString customSmscReset(const QString& port)
{
    return tr("Custom SMSC No. reset for %1.").arg(port);
}
inline QString operationCompleted()
{
    return QStringLiteral("The operation completed successfully.");
}
inline QString clipboardError()
{
    return tr("Error in opening clipboard.");
}

inline QString pduModeText()
{
    return QStringLiteral("PDU Mode");
}
inline QString textModeText()
{
    return QStringLiteral("Text Mode");
}

// The message for a channel error: the plain text when the error says nothing, its
// "Device Connection Error" form otherwise.
inline QString channelErrorMessage(const QString& error)
{
    if (error.isEmpty() || error == operationCompleted())
        return notWorking();
    return notWorkingWithError(error);
}

} // namespace DeviceText
