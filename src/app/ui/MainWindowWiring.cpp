#include "app/ui/MainWindowWiring.h"

#include "app/QuillonApp.h"
#include "app/ui/DevicePanel.h"
#include "app/ui/MainWindow.h"
#include "base/BusyFlag.h"
#include "devices/ui/DeviceCommands.h"
#include "exports/ui/ExportCommands.h"
#include "recipients/NumberRule.h"
#include "recipients/ui/CExcel_Info_Dlg.h"
#include "recipients/ui/ImportCommands.h"
#include "recipients/ui/ImportedExclusionNumbers.h"
#include "recipients/ui/MessageEdit.h"
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
    Prompter& prompter = window.prompter();
    const auto chooseColumns = [&prompter](QWidget* parent, ExcelColumnChoice& choice) {
        CExcel_Info_Dlg dialog(choice, prompter, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    OpenExclusionWizard(
        &window,
        {session.data(), prompter, session.exclusions(), window.logic().options().useExclusionRules,
         [&window](QWidget* parent, const QStringList& numbers) {
             window.exports().exportExclusionList(parent, numbers);
         },
         [chooseColumns](QWidget* wizard) -> std::unique_ptr<ExclusionNumberFile> {
             return std::make_unique<ImportedExclusionNumbers>(wizard, chooseColumns);
         }});
}

ImportContext importContext(CKORV_QuillonDlg& window, const OpenFileChooser& chooseFile)
{
    return {window.session().recipients(),
            window.prompter(),
            window.logic().numberCheckOptions(),
            window.composer()->toPlainText(),
            [&window](const QString& text) { window.showTotalNumbersText(text); },
            &window.app().busyFlag(),
            chooseFile};
}

} // namespace

MainWindowHooks MakeMainWindowHooks(TemplateImportSource* templateImport,
                                    OpenFileChooser chooseFile)
{
    MainWindowHooks hooks;
    hooks.loadContactsFromFile = [chooseFile](CKORV_QuillonDlg& window) {
        LoadContactsFromFile(&window, importContext(window, chooseFile));
    };
    hooks.dynamicExcelWizard = [chooseFile](CKORV_QuillonDlg& window) {
        SendPersonalizedFromExcel(&window, importContext(window, chooseFile));
    };
    hooks.templateImport = templateImport;
    hooks.modemConnectionWizard = openConnectionWizard;
    hooks.deviceReview = openDeviceReview;
    hooks.exclusionListWizard = openExclusionWizard;
    return hooks;
}
