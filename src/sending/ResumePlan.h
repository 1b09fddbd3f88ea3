#pragma once

#include "sending/QueueRow.h"
#include "stores/RunJournalContent.h"
#include "stores/SentItem.h"

#include <vector>

// How a run that stopped without reaching its end is taken up again from its journal.
struct ResumePlan
{
    // The queue as the resumed run starts it, in the journal's order: rows with a recorded
    // outcome keep it ("Done"), rows whose submission was under way when the program stopped
    // carry QueueText::OutcomeUnknown() unless they are to be sent again, the others wait.
    std::vector<QueueRow> rows;
    // Rows whose outcome was sent and whose sent-items record is missing (never written, or
    // marked written in the journal but lost from the log by a power cut): written once as
    // the resumed run starts.
    std::vector<int> toLog;
    // Rows whose sent-items record is in the log although the journal has no mark for it
    // (the program stopped between the two writes): marked, not written again.
    std::vector<int> alreadyLogged;
    // Rows that carry QueueText::OutcomeUnknown(): the resumed run records it as their outcome.
    std::vector<int> unknown;
    int doneRows = 0;
};

// `sentItemsSinceBegin` are the sent-items records written after the run began (those past
// the count its begin record holds).
ResumePlan PlanResume(const RunJournalContent& journal, bool resendUnknown,
                      const std::vector<SentItem>& sentItemsSinceBegin);
