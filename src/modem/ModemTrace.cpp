#include "modem/ModemTrace.h"

Q_LOGGING_CATEGORY(lcModem, "quillon.modem", QtWarningMsg)
