#pragma once

#include "modem/SendRequest.h"

#include <functional>

class ModemChannel;

enum class SubmitOutcome
{
    Sent,
    Stopped // the run stopped between the parts of a long message
};

// Submits one message through the channel of a device (on port `port`) in its message mode
// (1 PDU, 2 text). Returns how it ended; a failure throws CSMSException, whose code tells a
// system failure of the channel (the device is gone) from an error the modem replied. The
// workers go through this, so the engine can be tested without modems.
class MessageSubmitter
{
public:
    virtual ~MessageSubmitter() = default;
    virtual SubmitOutcome submit(ModemChannel& channel, int port, int messageMode,
                                 const SendRequest& request,
                                 const std::function<bool()>& stopRequested) = 0;
};
