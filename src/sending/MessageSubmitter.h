#pragma once

#include <QString>
#include <functional>

class CSMSSerialPort;

// One message as a worker hands it to submission.
struct OutgoingMessage
{
    QString text;
    QString customSmsc; // empty: the modem's own service centre
    QString number;
};

enum class SubmitOutcome
{
    Sent,
    Stopped // the run stopped between the parts of a long message
};

// Submits one message through the channel of a device (on port `port`) in its message mode
// (1 PDU, 2 text). Returns how it ended; a failure throws CSMSException, whose code tells a
// system failure of the channel (the device is gone) from an error the modem replied.
class MessageSubmitter
{
public:
    virtual ~MessageSubmitter() = default;
    virtual SubmitOutcome submit(CSMSSerialPort& channel, int port, int messageMode,
                                 const OutgoingMessage& message,
                                 const std::function<bool()>& stopRequested) = 0;
};
