#pragma once

#include <QString>

// Runs a desktop opener program (xdg-open) for a file and tells whether it succeeded: it
// started and ended with exit status 0, or it is still running after `patienceMs` (it waits for
// the application it started; it is then left to run). Events are processed while it waits, so
// a window keeps painting.
bool RunFileOpener(const QString& program, const QString& path, int patienceMs = 10000);
