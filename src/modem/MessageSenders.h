#pragma once

#include "modem/SendRequest.h"
#include "modem/SubmissionContext.h"

class ModemChannel;

// Submits one message (a long one as several parts) in PDU mode. The service centre travels
// inside each PDU. Returns how it ended; a failure raises CSMSException: the first failing
// part's modem error, "no response" for a part the modem never prompted for, or the system
// error of a channel that broke.
SubmissionOutcome SendPduStreamMode(ModemChannel& port, const SendRequest& request,
                                    const SubmissionContext& context);

// The same in text mode: the service centre is set with AT+CSCA before the message and the
// port's default is restored after it, whatever the outcome.
SubmissionOutcome SendTextStreamMode(ModemChannel& port, const SendRequest& request,
                                     const SubmissionContext& context);
