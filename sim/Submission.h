#pragma once

#include "sim/AirLog.h"
#include "sim/ModemState.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace sim {

struct SubmissionResult
{
    CommandOutcome outcome;
    std::optional<AirMessage> message; // set when the message went on the air
};

// Completes an AT+CMGS whose body (without its Ctrl-Z) has arrived: checks it as the modem and
// the network would, and answers "+CMGS: <mr>" or a "+CMS ERROR".
SubmissionResult completeSubmission(const PendingSubmission& pending, const QByteArray& body,
                                    ModemState& state, const QString& portName);

} // namespace sim
