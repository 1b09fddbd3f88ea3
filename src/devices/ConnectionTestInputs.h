#pragma once

#include "modem/Interrogation.h"

#include <QString>

struct DeviceTable;

// What a device window hands the connection test: the ports of all its rows ("COM4;COM5;")
// and the test-message number, only when it is a valid number.
struct ConnectionTestInputs
{
    QString ports;
    QString phone;
};

ConnectionTestInputs ConnectionTestInputsOf(const DeviceTable& table, const QString& phone,
                                            const InvalidNumberTest& isInvalidNumber);
