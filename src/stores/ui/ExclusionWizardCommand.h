#pragma once

#include "stores/ui/ImportedExclusionNumbers.h"

class DataFolder;
class ExclusionSet;
class ExportCommands;
class Prompter;
class QWidget;

// What the main window hands the "Exclusion List Wizard" command.
struct ExclusionWizardContext
{
    const DataFolder& folder;
    Prompter& prompter;
    // The main window's set, reloaded after every change of the lists in use or their numbers,
    // while "Use Exclusion Rules" is ticked.
    ExclusionSet& exclusionSet;
    bool useExclusionRules = false;
    ExportCommands& exports;
    // `CExcel_Info_Dlg` for a workbook chosen to load numbers from; unset reads the first
    // sheet, every column.
    ExcelColumnChooser chooseColumns = {};
};

// Opens the wizard modally over the parent and returns when it has closed.
void OpenExclusionWizard(QWidget* parent, const ExclusionWizardContext& context);
