#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class CSMSException;
class Clock;
class ConcatReferenceCounter;
class DeviceInfoLookup;
class ModemChannel;
class SendOptions;
struct PartCommand;
struct SendRequest;

// What every submission needs besides its channel and request. The application owns each of
// these; a context only refers to them.
struct SubmissionContext
{
    const Clock& clock;                   // the designed waits between commands and parts
    ConcatReferenceCounter& references;   // one reference per submission
    const SendOptions* options = nullptr; // the main window's; null: both options off
    // Asked between the parts of a long message; true ends the message there.
    std::function<bool()> stopRequested;
    // The port's stored device information, for restoring its default SMSC; null: none known.
    const DeviceInfoLookup* deviceInfo = nullptr;
    // Gets the modem's message reference of each part handed over, in order, -1 for a part the
    // modem gave none for (a failed or unconfirmed one); null: not kept. Status reports name
    // the part they report on by this reference.
    std::vector<int>* messageReferences = nullptr;
};

// How a submission that raised no error ended.
enum class [[nodiscard]] SubmissionOutcome{
    Sent,
    Stopped, // a stop came between the parts of a long message: the message is incomplete
};

// The message class and alphabet a submission starts from.
struct MessageFlags
{
    bool flash = false;
    bool unicode = false;
    bool deliveryReports = false;
    bool nationalLanguages = false;
};

// The main window's options at this moment, or both off for a plain-options request.
MessageFlags messageFlagsFor(const SendRequest& request, const SubmissionContext& context);

// Whether to send as fast as the modem answers. A pace, not a content option: test messages
// follow it too.
bool sendsFast(const SubmissionContext& context);

// The pause after each part of a long message.
std::uint32_t pauseAfterPartMs(const SubmissionContext& context);

// Submits one part as submitPart does and keeps its message reference in the context.
std::optional<CSMSException> submitNotedPart(ModemChannel& port, const SubmissionContext& context,
                                             const PartCommand& part);
