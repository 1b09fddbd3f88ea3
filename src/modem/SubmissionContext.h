#pragma once

#include <cstdint>
#include <functional>

class Clock;
class ConcatReferenceCounter;
class DeviceInfoLookup;
class SendOptions;
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
};

// The main window's options at this moment, or both off for a plain-options request.
MessageFlags messageFlagsFor(const SendRequest& request, const SubmissionContext& context);

// Whether to send as fast as the modem answers. A pace, not a content option: test messages
// follow it too.
bool sendsFast(const SubmissionContext& context);

// The pause after each part of a long message.
std::uint32_t pauseAfterPartMs(const SubmissionContext& context);
