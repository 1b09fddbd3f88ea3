#pragma once

#include "sending/QueueRow.h"

// Tests on one queue row shared by the workers and the run. "Contains" and "equals" are
// distinct on purpose: each test below uses the one its rule names.
namespace RowPredicates {

// Still to be sent in this pass or being sent: the rows that keep a worker's loop going.
bool IsPending(const QueueRow& row);
// Waiting for a worker, in the first pass or a retry round.
bool IsWaiting(const QueueRow& row);
// Being sent or waiting to be.
bool IsBusy(const QueueRow& row);
// "Status" contains "Error".
bool IsFailed(const QueueRow& row);
// Failed with no confirmation from the modem, or the program stopped during its submission:
// the message may have been sent.
bool IsUnconfirmed(const QueueRow& row);
// The sent-item record has been written.
bool IsLogged(const QueueRow& row);
// The outcome the run logs: not empty and none of "Stopped", "Skipped." and "Excluded.".
bool HasLoggableStatus(const QueueRow& row);
// "Status" equals one of the two success texts.
bool IsSuccess(const QueueRow& row);

} // namespace RowPredicates
