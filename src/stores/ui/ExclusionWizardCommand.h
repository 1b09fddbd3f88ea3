#pragma once

#include "stores/ExclusionNumberFile.h"

#include <QStringList>
#include <functional>
#include <memory>

class DataFolder;
class ExclusionSet;
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
    // "Export Number": the numbers in display order.
    std::function<void(QWidget* parent, const QStringList& numbers)> exportNumbers = {};
    // The reader of the files numbers are loaded from (the contact import's readers).
    std::function<std::unique_ptr<ExclusionNumberFile>(QWidget* window)> numberFile = {};
};

// Opens the wizard modally over the parent and returns when it has closed.
void OpenExclusionWizard(QWidget* parent, const ExclusionWizardContext& context);
