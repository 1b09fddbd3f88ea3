#pragma once

#include <QString>
#include <cstdint>

// The pause between batches of messages: "Pause every" N "SMS" "for" T.
struct PauseLength
{
    int length = 0; // seconds for unit 'S', minutes for 'M' and 'H'
    char unit = 0;  // 'S', 'M' or 'H'; 0 when no pause is made
    bool isPause() const { return unit != 0 && length > 0; }
    std::int64_t milliseconds() const;
};

// The length of a "for" entry (" 5  Seconds", "10 Seconds", " 1  Minute", "12 Hours", ...). The
// number is the first two characters; the unit is the first letter after them, so one-digit
// entries written with a blank before the digit pause as long as they say.
PauseLength ParsePauseFor(const QString& text);

// The threshold N of "Pause every": the text's integer value, 0 when it is not a number.
int ParsePauseEvery(const QString& text);

// The duration as the pause label shows it: "1 Hour 0 Minute 5 Seconds.", "2 Minutes 10
// Seconds.", "9 Seconds.".
QString PauseDurationText(std::int64_t milliseconds);
// The same from whole seconds, hours, minutes and seconds already split.
QString PauseDurationText(unsigned hours, unsigned minutes, unsigned seconds);
