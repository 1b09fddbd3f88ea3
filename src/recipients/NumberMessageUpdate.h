#pragma once

#include "recipients/NumberRule.h"

#include <QList>
#include <QString>

class Prompter;
class RecipientList;

// What the row editor ("Update") does. The number is checked like a new one, except that
// separators are not stripped and the edited row never counts as its own duplicate.
class NumberMessageUpdate
{
public:
    // The row an edit opens on: the first selected one, or -1 when nothing is selected or its
    // number is blank.
    static int RowToEdit(const RecipientList& list, const QList<int>& selected);

    NumberMessageUpdate(RecipientList& list, int row, Prompter& prompter);

    const QString& number() const { return m_number; }
    const QString& message() const { return m_message; }

    // "Update": true when the row was replaced and the dialog is to close; false after a
    // refusal, with the dialog kept open on the number.
    bool Update(const QString& number, const QString& message, const NumberCheckOptions& options);

private:
    QString refusal(const QString& number, const NumberCheckOptions& options) const;

    RecipientList& m_list;
    int m_row;
    Prompter& m_prompter;
    QString m_number;
    QString m_message;
};
