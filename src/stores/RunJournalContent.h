#pragma once

#include "stores/RunJournalRecord.h"

#include <QStringList>
#include <optional>
#include <vector>

// What a run journal says once its records are read in order: the run, its rows and what
// became of each one.
struct JournalRowState
{
    QString number;
    QString text;
    QString flags;
    QString submittingPort;        // the last submission begun, empty when none
    std::optional<QString> status; // the last outcome after that submission
    QString outcomePort;
    bool logged = false; // the sent-items record is written

    // A submission began and no outcome followed: the message may or may not be on the air.
    bool outcomeUnknown() const { return !submittingPort.isEmpty() && !status; }
};

struct RunJournalContent
{
    std::optional<JournalBegin> begin;
    std::vector<JournalRowState> rows;
    bool finished = false;
    bool setAside = false;
    int ignoredLines = 0; // damaged, cut short or of a kind this version does not know

    // A run that began with all its rows written and neither finished nor set aside.
    bool isUnfinished() const;
    bool hasRun() const { return begin && int(rows.size()) == begin->rowCount; }
};

namespace RunJournalReplay {

// Folds the lines of a journal file in order. Records before the (last) begin record, row
// records that do not follow it in order and records of rows the run does not have are
// ignored; a later submission of a row forgets the outcome an earlier one left (a retry).
RunJournalContent Fold(const QStringList& lines);

} // namespace RunJournalReplay
