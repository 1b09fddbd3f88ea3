#include "app/ui/MainWindowWiring.h"

#include "app/AppState.h"
#include "app/QuillonApp.h"
#include "app/ui/DevicePanel.h"
#include "app/ui/MainWindow.h"
#include "devices/ui/DeviceCommands.h"
#include "recipients/NumberRule.h"
#include "sending/ModemChannelTable.h"
#include "stores/ui/ExclusionWizardCommand.h"

#include <QCheckBox>

namespace {

DeviceDialogContext deviceContext(CKORV_QuillonDlg& window)
{
    MainWindowSession& session = window.session();
    ModemChannelTable& channels = session.channels();
    return {session.devices(),
            session.clock(),
            session.ports(),
            window.prompter(),
            [&channels] { channels.closeSlots(ModemChannelTable::SlotCount); },
            [](const QString& number) { return IsInvalidNumber(number); }};
}

void openConnectionWizard(CKORV_QuillonDlg& window)
{
    // A new search starts from no quota: the records it was set for are gone.
    window.devicePanel()->quotaBox()->setChecked(false);
    OpenConnectionWizard(&window, deviceContext(window));
}

void openDeviceReview(CKORV_QuillonDlg& window)
{
    OpenDeviceReview(&window, deviceContext(window));
}

void openExclusionWizard(CKORV_QuillonDlg& window)
{
    MainWindowSession& session = window.session();
    OpenExclusionWizard(&window, {session.data(), window.prompter(), session.exclusions(),
                                  window.logic().options().useExclusionRules, window.exports()});
}

} // namespace

MainWindowHooks MakeMainWindowHooks()
{
    MainWindowHooks hooks;
    hooks.modemConnectionWizard = openConnectionWizard;
    hooks.deviceReview = openDeviceReview;
    hooks.exclusionListWizard = openExclusionWizard;
    return hooks;
}
