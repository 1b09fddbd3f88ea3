#pragma once

#include <functional>

class CKORV_QuillonDlg;
class TemplateImportSource;

// Commands of the main window whose windows live elsewhere; main() fills them in. A hook that
// is not set does nothing. Each gets the main window, which offers the recipient list, the
// options, the device state and the prompter through its session and logic.
struct MainWindowHooks
{
    // "Load Contacts From File"
    std::function<void(CKORV_QuillonDlg&)> loadContactsFromFile;
    // "Send unique or personalized SMS to every Contact using Excel"
    std::function<void(CKORV_QuillonDlg&)> dynamicExcelWizard;
    // "USB Modem Connection Wizard" and the device label; the device area is refreshed after.
    std::function<void(CKORV_QuillonDlg&)> modemConnectionWizard;
    // The settings of the confirmed devices (mode, SMSC, test message, connection test).
    std::function<void(CKORV_QuillonDlg&)> deviceReview;
    // "Exclusion List Wizard"
    std::function<void(CKORV_QuillonDlg&)> exclusionListWizard;
    // The workbook reader for "Import Templates" of the templates window; none leaves that
    // command disabled.
    TemplateImportSource* templateImport = nullptr;
};
