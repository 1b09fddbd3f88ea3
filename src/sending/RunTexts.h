#pragma once

#include "base/StatusTexts.h"

#include <QCoreApplication>
#include <QString>

// The fixed texts of the sending window.
namespace RunTexts {

inline QString SendingCaption()
{
    return QCoreApplication::translate("SendingRun", "Sending Messages, Please wait...");
}
inline QString FinishedCaption()
{
    return QCoreApplication::translate("SendingRun", "Sending Process, Finished.");
}
inline QString Populating()
{
    return QCoreApplication::translate("SendingRun", "Populating Phone Numbers and Messages List.");
}
// The status line says what the caption says.
inline QString Sending()
{
    return SendingCaption();
}
inline QString Finish()
{
    return QCoreApplication::translate("SendingRun", "Finish.");
}
inline QString ModemWarning()
{
    return QCoreApplication::translate(
        "SendingRun", "Please do not operate your modem while message sending process is going "
                      "on. Operating the modem functions during the messaging process may "
                      "interrupt the execution and may result errors in process.");
}
inline QString SendingNote()
{
    return StatusTexts::mayTakeAWhile() + QStringLiteral("\n\n") + ModemWarning();
}
inline QString FinishedNote()
{
    return FinishedCaption() + QStringLiteral("\n\n") + ModemWarning();
}
inline QString StopButton()
{
    return QCoreApplication::translate("SendingRun", "Stop");
}
inline QString CloseButton()
{
    return QCoreApplication::translate("SendingRun", "Close");
}
inline QString PausingPrefix()
{
    return QCoreApplication::translate("SendingRun", "Pausing the process for ");
}

} // namespace RunTexts
