#pragma once

#include <QString>
#include <cstdint>

// One submission as the caller composed it.
struct SendRequest
{
    QString text;       // the message as composed
    QString customSmsc; // service centre to use; empty for the modem's own
    QString number;     // destination as entered, "+" allowed
    // Non-zero: the main window's message type and Unicode option are not consulted and both
    // count as off (test messages of the device dialogs).
    std::uint32_t plainOptions = 0;
};
