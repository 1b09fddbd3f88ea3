#pragma once

#include "base/StatusTexts.h"

#include <QString>

// The main window's timers for long list operations, by their numbers.
enum class WaitTimer
{
    ListOperation = 9999, // "It may take a while, Please wait..." and the total
    Import = 123456,      // the import's wait text and the total
    ClearTexts = 1111     // empties the wait pop-up's text
};

// The wait pop-up's text while the timer runs.
inline QString WaitTimerText(WaitTimer timer)
{
    switch (timer) {
    case WaitTimer::ListOperation:
        return StatusTexts::mayTakeAWhile();
    case WaitTimer::Import:
        return StatusTexts::importingContacts();
    case WaitTimer::ClearTexts:
        break;
    }
    return {};
}
