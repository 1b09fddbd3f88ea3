#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class ModemChannel;

// What a worker does when its modem stops answering (USB sticks wedge after hours of sending):
// it counts the time-outs in a row, opens the port once more and brings the modem back to a
// known state (AT, AT&F, AT+CMEE=1). When that fails too, or the modem keeps timing out, the
// port is given up and its worker leaves the remaining rows to the other modems.
class SilentModemRecovery
{
    Q_DECLARE_TR_FUNCTIONS(SilentModemRecovery)

public:
    // Time-outs in a row after which a port is given up even when it opens again.
    static constexpr int GiveUpAfter = 3;

    // Any answer from the modem ends a run of time-outs.
    void answered() { m_consecutive = 0; }

    // After a time-out on channel (port portNumber): reopen() opens the port again (raising
    // CSMSException when it cannot; the port's owner does that), then the modem is reset. True
    // when the port may go on sending. note() tells the row why its message failed.
    bool recover(ModemChannel& channel, int portNumber, const std::function<void()>& reopen);

    const QString& note() const { return m_note; }

private:
    static bool reopenAndReset(ModemChannel& channel, const std::function<void()>& reopen);

    int m_consecutive = 0;
    QString m_note;
};
