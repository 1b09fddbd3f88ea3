#include "sending/ModemSubmitter.h"

#include "modem/MessageSenders.h"

ModemSubmitter::ModemSubmitter(const Clock& clock, ConcatReferenceCounter& references,
                               const SendOptions* options, const DeviceInfoLookup* deviceInfo)
    : m_clock(clock), m_references(references), m_options(options), m_deviceInfo(deviceInfo)
{}

SubmitOutcome ModemSubmitter::submit(ModemChannel& channel, int, int messageMode,
                                     const SendRequest& request,
                                     const std::function<bool()>& stopRequested)
{
    SubmissionContext context{m_clock, m_references, m_options, stopRequested, m_deviceInfo};
    context.messageReferences = request.messageReferences;
    const SubmissionOutcome outcome = messageMode == 1
                                          ? SendPduStreamMode(channel, request, context)
                                          : SendTextStreamMode(channel, request, context);
    return outcome == SubmissionOutcome::Stopped ? SubmitOutcome::Stopped : SubmitOutcome::Sent;
}
