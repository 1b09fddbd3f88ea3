#pragma once

#include "app/ui/MainWindowHooks.h"
#include "recipients/ui/OpenFileChooser.h"

class TemplateImportSource;

// The main window's commands whose windows belong to other subsystems: the connection wizard,
// the device review, the exclusion list wizard and the imports.
// `templateImport` reads workbooks for the templates window's "Import Templates"; it must
// outlive the window. `chooseFile` replaces the desktop's open-file dialog of the imports
// (tests); empty for the desktop's.
MainWindowHooks MakeMainWindowHooks(TemplateImportSource* templateImport,
                                    OpenFileChooser chooseFile = {});
