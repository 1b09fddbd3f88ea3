#include "sending/PreviewInputs.h"

#include "devices/DeviceRecords.h"
#include "devices/DeviceState.h"
#include "sending/PauseSettings.h"
#include "sending/SendPreparation.h"

QList<PreviewModem> previewModemsOf(const DeviceState& devices, bool quotaManagement)
{
    QList<PreviewModem> modems;
    for (const DeviceChoice& device : PlanDeviceCheck(devices, quotaManagement).devices) {
        PreviewModem modem{device.label, devices.sendSettingsOf(device.port).messageMode};
        if (modem.messageMode != 2)
            modem.messageMode = 1;
        if (quotaManagement) {
            const std::optional<DeviceRecord> record = devices.recordOf(device.port);
            if (record && !record->isAuto())
                modem.quota = std::max(0, record->quotaCount());
        }
        modems.append(modem);
    }
    return modems;
}

PreviewPacing previewPacingOf(bool fast, bool delayedDelivery, const QString& pauseEvery,
                              const QString& pauseFor)
{
    PreviewPacing pacing;
    pacing.fast = fast;
    if (delayedDelivery) {
        pacing.pauseEvery = ParsePauseEvery(pauseEvery);
        pacing.pauseForMs = ParsePauseFor(pauseFor).milliseconds();
    }
    return pacing;
}
