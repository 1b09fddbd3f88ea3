#pragma once

#include "app/ui/MainWindowHooks.h"

class TemplateImportSource;

// The main window's commands whose windows belong to other subsystems: the connection wizard,
// the device review, the exclusion list wizard and the imports.
// `templateImport` reads workbooks for the templates window's "Import Templates"; it must
// outlive the window.
MainWindowHooks MakeMainWindowHooks(TemplateImportSource* templateImport);
