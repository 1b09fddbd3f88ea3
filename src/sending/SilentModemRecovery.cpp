#include "sending/SilentModemRecovery.h"

#include "modem/CSMSException.h"
#include "modem/ModemChannel.h"
#include "modem/ModemCommands.h"

bool SilentModemRecovery::recover(ModemChannel& channel, int portNumber,
                                  const std::function<void()>& reopen)
{
    ++m_consecutive;
    const QString count =
        m_consecutive == 1 ? tr("1 time-out") : tr("%1 time-outs in a row").arg(m_consecutive);
    const bool recovered = m_consecutive < GiveUpAfter && reopenAndReset(channel, reopen);
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

bool SilentModemRecovery::reopenAndReset(ModemChannel& channel, const std::function<void()>& reopen)
{
    try {
        reopen();
        // Whatever the modem still had to say belongs to the failed submission.
        channel.DiscardInput();
        return ResetModemStream(channel);
    } catch (const CSMSException&) {
        return false; // the port is gone or cannot be opened
    }
}
