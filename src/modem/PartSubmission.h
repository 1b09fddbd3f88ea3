#pragma once

#include "modem/CSMSException.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
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
    bool fast = false;             // no wait beyond the modem's answer (set from the context)
};

// The designed wait after a message body (and after the prompt in text mode).
constexpr std::uint32_t SubmissionPauseMs = 2000;
// The pause between the parts of a long message; at most FastPauseAfterPartMs when sending
// as fast as the modem answers.
constexpr std::uint32_t PauseAfterPartMs = 2000;
constexpr std::uint32_t FastPauseAfterPartMs = 100;

// Sends one part and waits for its final result, read as it arrives. Nothing when the modem
// took it; otherwise the error the part failed with: the modem's error; no response when the
// prompt never came (the body is then not sent, since no modem takes a message it did not
// prompt for); unconfirmed when the body went out and the modem then said nothing conclusive
// or went away. A channel that broke before the body raises its system error at once. The
// modem's message reference of a "+CMGS: <mr>" answer goes to reference when given.
std::optional<CSMSException> submitPart(ModemChannel& port, const Clock& clock,
                                        const PartCommand& part,
                                        std::optional<int>* reference = nullptr);

// The message reference (0 to 255) of the "+CMGS: <mr>" line in a reply, if it has one.
std::optional<int> messageReferenceOf(const QString& reply);

// Sends part partNumber of a message through send. Once an earlier part went out, a channel
// that breaks leaves the whole message's outcome unknown, so its error becomes unconfirmed.
template <class Send> std::optional<CSMSException> sendMessagePart(int partNumber, Send&& send)
{
    if (partNumber == 1)
        return send();
    try {
        return send();
    } catch (const CSMSException& error) {
        throw UnconfirmedError(error.GetErrorMessage());
    }
}

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
