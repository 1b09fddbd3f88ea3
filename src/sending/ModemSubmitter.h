#pragma once

#include "sending/MessageSubmitter.h"

class Clock;
class ConcatReferenceCounter;
class DeviceInfoLookup;
class SendOptions;

// The real submission: the PDU-mode or text-mode sender of the modem layer, with the main
// window's message type and Unicode option read as each message starts.
class ModemSubmitter : public MessageSubmitter
{
public:
    ModemSubmitter(const Clock& clock, ConcatReferenceCounter& references,
                   const SendOptions* options, const DeviceInfoLookup* deviceInfo);

    SubmitOutcome submit(ModemChannel& channel, int port, int messageMode,
                         const SendRequest& request,
                         const std::function<bool()>& stopRequested) override;

private:
    const Clock& m_clock;
    ConcatReferenceCounter& m_references;
    const SendOptions* m_options;
    const DeviceInfoLookup* m_deviceInfo;
};
