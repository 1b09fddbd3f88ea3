#pragma once

#include <QList>
#include <functional>

class Prompter;
class QWidget;
class RecipientList;

// "Clear Selected" for a window: after the checks, the rows that stay are worked out as a
// background job (window disabled, wait pop-up) and the removal is put in place on the UI
// thread. `done` then gets the row to select again, or -1. Returns false when refused.
bool RunClearSelected(QWidget* window, RecipientList& list, Prompter& prompter,
                      const QList<int>& selected, int selectionMark,
                      std::function<void(int rowToSelect)> done);
