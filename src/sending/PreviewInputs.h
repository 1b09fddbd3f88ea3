#pragma once

#include "sending/CampaignPreview.h"

class DeviceState;

// The chosen modems as a send would start them: their message modes, and their "Manual"
// quotas when quota management is on.
QList<PreviewModem> previewModemsOf(const DeviceState& devices, bool quotaManagement);

// The pace the workers would keep: "Pause every" and "for" count only with "Delayed Delivery
// Option" on.
PreviewPacing previewPacingOf(bool fast, bool delayedDelivery, const QString& pauseEvery,
                              const QString& pauseFor);
