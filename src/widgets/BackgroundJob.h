#pragma once

#include <QString>
#include <functional>

class QWidget;

// Runs long work off the UI thread while the window it blocks is disabled and a wait pop-up
// shows a text ("It may take a while, Please wait..." unless told otherwise). `done` runs on
// the UI thread afterwards, and the window is enabled again. The work must not touch widgets.
void RunBackgroundJob(QWidget* window, std::function<void()> work, std::function<void()> done,
                      const QString& waitText = QString());

// The same, but the calling code waits (with the UI still painting and the window disabled)
// until the work is over. For dialogs whose logic is written as straight-line code.
void RunBackgroundJobAndWait(QWidget* window, std::function<void()> work,
                             const QString& waitText = QString());
