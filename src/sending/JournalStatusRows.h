#pragma once

#include "exports/ProcessStatusExport.h"
#include "stores/RunJournalContent.h"

#include <vector>

// The rows of a journal's run as the status export writes them: what each row ended with, or
// "Error : Outcome unknown (...)" for a row whose submission the program's stop cut into, or
// no status and "Wait to dispatch..." for a row that never went.
std::vector<ProcessStatusRow> JournalStatusRows(const RunJournalContent& journal);
