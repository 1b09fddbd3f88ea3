#pragma once

#include "modem/CSMSException.h"

#include <QByteArray>
#include <optional>

class Clock;
class ModemChannel;

// One SMS handed to the modem: the AT+CMGS line, then the body after the ">" prompt.
struct PartCommand
{
    QByteArray cmgs;               // "AT+CMGS=23\r" or "AT+CMGS=\"+4479...\"\r"
    QByteArray body;               // PDU hex or message text, without Ctrl-Z
    bool pauseAfterPrompt = false; // text mode gives the modem 2000 ms before the body
    int partNumber = 1;            // for the trace
};

// Sends one part and waits for its final result. Nothing when the modem took it, which
// includes a reply that carries no error at all; otherwise the error the part failed with:
// the modem's error, or no response when the prompt never came (the body is then not sent,
// since no modem takes a message it did not prompt for). A channel that broke meanwhile
// raises its system error at once.
std::optional<CSMSException> submitPart(ModemChannel& port, const Clock& clock,
                                        const PartCommand& part);

// Waits for the final "OK" of a submission. The modem echoes the body, so an "OK" inside the
// message text must not count: only an "OK" line does. The replies collected on the way are
// left in collected.
bool waitForFinalOk(ModemChannel& port, QString& collected);

// Raises the system error of a channel that broke during its last read.
void raiseIfBroken(const ModemChannel& port);

// The first failure among the parts of a long message; the later parts are still sent.
class FirstPartFailure
{
public:
    void note(std::optional<CSMSException> error)
    {
        if (!m_error && error)
            m_error = std::move(error);
    }
    void raise() const
    {
        if (m_error)
            throw *m_error;
    }

private:
    std::optional<CSMSException> m_error;
};
