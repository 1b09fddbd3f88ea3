#include "sending/SilentModemRecovery.h"

#include "modem/CSMSException.h"
#include "modem/CSMSSerialPort.h"
#include "modem/ModemCommands.h"

bool SilentModemRecovery::recover(CSMSSerialPort& channel, int portNumber)
{
    ++m_consecutive;
    const QString count =
        m_consecutive == 1 ? tr("1 time-out") : tr("%1 time-outs in a row").arg(m_consecutive);
    const bool recovered = m_consecutive < GiveUpAfter && reopenAndReset(channel, portNumber);
    m_note = recovered ? tr(" (COM%1 did not answer: %2; the port was opened again and the "
                            "modem answers)")
                             .arg(portNumber)
                             .arg(count)
                       : tr(" (COM%1 did not answer: %2; it did not recover and takes no more "
                            "messages)")
                             .arg(portNumber)
                             .arg(count);
    return recovered;
}

bool SilentModemRecovery::reopenAndReset(CSMSSerialPort& channel, int portNumber)
{
    try {
        channel.Open(portNumber, channel.timeoutMs());
        // Whatever the modem still had to say belongs to the failed submission.
        channel.DiscardInput();
        return ResetModemStream(channel);
    } catch (const CSMSException&) {
        return false; // the port is gone or cannot be opened
    }
}
