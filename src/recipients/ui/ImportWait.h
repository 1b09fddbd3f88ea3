#pragma once

#include <QString>
#include <functional>

class ImportProgress;
class QWidget;

// Given the "Total Numbers : %d" text whenever the main window's counter is to be refreshed.
using TotalNumbersCallback = std::function<void(const QString& text)>;

// Runs an import's reading off the UI thread and returns when it is over. Meanwhile `window` is
// disabled, the wait pop-up shows `waitText`, and every 500 ms the text is shown again and the
// counter is given `rowsSoFar()`.
void RunImportWithWait(QWidget* window, const std::function<void()>& work, const QString& waitText,
                       const std::function<int()>& rowsSoFar,
                       const TotalNumbersCallback& showTotal);

// The same for the wizard's readings, with a progress window over `window` that follows
// `progress` ("Total Records", "Currently Reading", the current number and message).
void RunImportWithProgress(QWidget* window, const std::function<void()>& work,
                           const ImportProgress& progress, const std::function<int()>& rowsSoFar,
                           const TotalNumbersCallback& showTotal);
