#pragma once

#include <atomic>

// The main window's options that the sending run and its workers read at the moment they act.
// The main window owns one and changes it from the user-interface thread while workers read.
struct RunOptions
{
    std::atomic<bool> skipDuplicates{false};    // "Skip Duplicate Numbers"
    std::atomic<bool> useExclusionRules{false}; // "Use Exclusion Rules"
    std::atomic<bool> delayedDelivery{false};   // "Delayed Delivery Option"
    std::atomic<bool> retriesOn{false};         // "Retry attempts on Failed SMS"
    std::atomic<bool> saveSentItems{false};     // "Save Sent Items"
    std::atomic<bool> saveToTemplates{false};   // "Save sent message to Templates"
    std::atomic<bool> clearAfterSending{false}; // "Clear all fields after sending SMS"
    std::atomic<bool> quotaManagement{false};   // the box beside "Click here Quota Management"
    // A run no window shows (the outbox's batches): it settles as soon as it has finished,
    // without the pause that lets a user read "Finish.".
    std::atomic<bool> settleWhenFinished{false};
    // One run after another on the same modems: a channel still open on its port, and not
    // broken, is kept rather than opened again, so what a modem printed since the last run
    // (late status reports) is still there to read.
    std::atomic<bool> keepOpenChannels{false};
};
