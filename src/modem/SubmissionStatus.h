#pragma once

#include "modem/SubmissionContext.h"

#include <QString>

class CSMSException;

// The row status a submission ends with, as the send workers write it.
inline constexpr const char* StoppedStatusText = "Stopped";

QString submissionStatusText(SubmissionOutcome outcome);

// "Error : " + the error text; an error without a "+CMS ERROR" or "+CME ERROR" code becomes
// "Error : +CMS ERROR: 500", the program's code for a failure that carries none. An error
// whose text is empty or says the operation completed successfully counts as sent.
QString submissionStatusText(const CSMSException& error);
