#pragma once

#include "recipients/NumberRule.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class Prompter;
class RecipientList;

// "Total Numbers : %d" for the list's counter label.
QString UpdateCounters(const RecipientList& list);
// The same text for a count, while an import still gathers rows beside the list.
QString TotalNumbersText(int count);
// "%d Characters" for a message editor: its length in UTF-16 code units.
QString UpdateCharacterCount(const QString& text);

// The operations the main window runs on the recipient list from its own controls.
class RecipientCommands
{
    Q_DECLARE_TR_FUNCTIONS(RecipientCommands)

public:
    RecipientCommands(RecipientList& list, Prompter& prompter) : m_list(list), m_prompter(prompter)
    {}

    // "Add": checks the typed number and puts it at the top with the composer text. True when
    // added (the number box is then emptied); on a refusal the box keeps its text.
    bool Add(const QString& numberText, const QString& composer, const NumberCheckOptions& options);

    // "Clear Selected", the part before the work: false (after telling why) when there is
    // nothing to clear.
    bool CanClearSelected(const QList<int>& selected);
    // Removes the rows and returns the row to select again: the one now at the selection mark,
    // or -1 when the list has no row there.
    int ClearSelected(const QList<int>& selected, int selectionMark);
    static int RowToSelectAfterClear(const RecipientList& list, int selectionMark);

    // "Clear All" after its question. True when the list was emptied.
    bool ClearAll();
    // The recipient-list part of "Reset": asks, and on Yes empties the list. The caller resets
    // its own boxes and options when this returns true.
    bool Reset();

private:
    RecipientList& m_list;
    Prompter& m_prompter;
};
