#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class Prompter;

// Which rows an export of sending outcomes takes: every row, the ones sent, or the ones that
// failed.
enum class StatusChoice
{
    All,       // "ALL"
    Succeeded, // "SUC": the status is "Message sent successfully." or "Message sent to device."
    Failed     // "FAL": the status contains "Error"
};

// "ALL", "SUC" or "FAL".
QString StatusChoiceCode(StatusChoice choice);

bool MatchesStatusChoice(StatusChoice choice, const QString& status);

// The check of the status choice's OK: true when some status matches; otherwise says "There is
// no item for selected Export Option." and the choice stays open. `statusAt` gives the status
// of row 0 to count - 1.
bool CheckStatusChoice(Prompter& prompter, StatusChoice choice, qsizetype count,
                       const std::function<QString(qsizetype)>& statusAt);
