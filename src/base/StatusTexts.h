#pragma once

#include <QCoreApplication>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>

// Status and wait texts that several parts of the program show or write, each written once.
namespace StatusTexts {

// The row status of a message the modem took. Queue rows, Sent Items and exports hold it in
// English whatever the language, because filters and the stores read it back; the device
// dialogs show the same words translated, with the context the translations file has for them.
inline constexpr char SentSuccessfullyText[] =
    QT_TRANSLATE_NOOP("DeviceText", "Message sent successfully.");
// The row status of a message handed to a phone that sends it itself.
inline constexpr char SentToDeviceText[] = "Message sent to device.";

inline QString sentStatus()
{
    // One copy, shared by every row that holds it.
    static const QString text = QString::fromLatin1(SentSuccessfullyText);
    return text;
}
// Whether a row status says the message went out.
inline bool isSentStatus(QStringView status)
{
    return status == QLatin1StringView(SentSuccessfullyText) ||
           status == QLatin1StringView(SentToDeviceText);
}

inline QString messageSent()
{
    return QCoreApplication::translate("DeviceText", SentSuccessfullyText);
}

// The wait pop-up's own text, shown as well by the list operations, the device dialogs and the
// sending window while they work.
inline QString mayTakeAWhile()
{
    return QCoreApplication::translate("WaitPopup", "It may take a while, Please wait...");
}
// The wait text while numbers are imported from a file.
inline QString importingContacts()
{
    return QCoreApplication::translate("WaitTimer",
                                       "Importing contacts from file, Please wait ...");
}

} // namespace StatusTexts
