#pragma once

#include <QLoggingCategory>

// Diagnostic lines of the modem conversation: what was sent for which part, what came back.
// They carry no behaviour; enable with QT_LOGGING_RULES="quillon.modem.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcModem)
