#pragma once

#include "outbox/OutboxRow.h"

#include <vector>

struct QueueRow;

// One sending run's share of the claimed rows: one message kind, and no two rows with the
// same number and text (a submission names its row by them).
struct OutboxRun
{
    bool flash = false;
    bool unicode = false;
    std::vector<OutboxRow> rows;
};

// Splits claimed rows into runs, keeping their order within each. A text the GSM alphabet
// cannot carry goes as Unicode whatever its row says, rather than with question marks.
std::vector<OutboxRun> SplitIntoRuns(const std::vector<OutboxRow>& rows);

// The outbox outcome of a finished run's row. A row whose submission began and that has no
// final status is unknown: parts of it may be on the air.
OutboxOutcome OutcomeOfRow(const QueueRow& row, bool submissionBegan, const QString& references);
