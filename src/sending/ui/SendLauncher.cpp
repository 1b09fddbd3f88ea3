#include "sending/ui/SendLauncher.h"

#include "sending/ui/CSMS_Sending.h"
#include "widgets/BackgroundJob.h"

#include <QWidget>
#include <memory>

bool SendLauncher::send(QWidget* mainWindow, const SendInputs& inputs)
{
    const std::optional<DeviceCheckPlan> plan = m_preparation.send(inputs);
    if (!plan)
        return false;
    auto outcome = std::make_shared<DeviceCheckOutcome>();
    RunBackgroundJob(
        mainWindow,
        [this, plan = *plan, outcome] {
            *outcome = SendPreparation::checkDevices(plan, m_probe, {});
        },
        [this, mainWindow, outcome] { deviceCheckDone(mainWindow, *outcome); });
    return true;
}

void SendLauncher::deviceCheckDone(QWidget* mainWindow, const DeviceCheckOutcome& outcome)
{
    if (!m_preparation.completeDeviceCheck(outcome))
        return;
    CSMS_Sending window(m_makeContext(), m_exports, mainWindow);
    window.exec();
    if (mainWindow) {
        mainWindow->raise();
        mainWindow->activateWindow();
    }
}
