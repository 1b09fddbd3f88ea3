#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// One submission as the caller composed it.
struct SendRequest
{
    QString text;       // the message as composed
    QString customSmsc; // service centre to use; empty for the modem's own
    QString number;     // destination as entered, "+" allowed
    // Non-zero: the main window's message type and Unicode option are not consulted and both
    // count as off (test messages of the device dialogs).
    std::uint32_t plainOptions = 0;
    // Gets the modem's message reference of each part handed over (-1 for a part it gave none
    // for); null: not kept.
    std::vector<int>* messageReferences = nullptr;
};
