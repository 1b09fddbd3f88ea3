#pragma once

#include "app/ui/MainWindowHooks.h"

// The main window's commands whose windows belong to other subsystems: the connection wizard,
// the device review, the exclusion list wizard and the imports.
MainWindowHooks MakeMainWindowHooks();
