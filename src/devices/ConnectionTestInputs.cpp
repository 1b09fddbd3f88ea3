#include "devices/ConnectionTestInputs.h"

#include "devices/DeviceTable.h"

ConnectionTestInputs ConnectionTestInputsOf(const DeviceTable& table, const QString& phone,
                                            const InvalidNumberTest& isInvalidNumber)
{
    ConnectionTestInputs inputs;
    for (const ScanDeviceRow& row : table.rows)
        inputs.ports += row.comPort + u';';
    if (!isInvalidNumber || !isInvalidNumber(phone))
        inputs.phone = phone;
    return inputs;
}
