#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class Prompter;
class RecipientList;

// What "Update Selected Messages" does: one message for every selected row, after a question.
class SelectedMessagesUpdate
{
    Q_DECLARE_TR_FUNCTIONS(SelectedMessagesUpdate)

public:
    // Whether the dialog may open: false (after telling why) for an empty list or no selection.
    static bool CanOpen(const RecipientList& list, const QList<int>& selected, Prompter& prompter);

    SelectedMessagesUpdate(RecipientList& list, QList<int> selected, Prompter& prompter);

    // The selected numbers in list order; only reads the list, so it may fill the dialog from
    // a background job.
    QStringList selectedNumbers() const;
    QString totalText() const;

    // The apply button: true when the rows got the message (the dialog then closes).
    bool Apply(const QString& message);

private:
    RecipientList& m_list;
    QList<int> m_selected;
    Prompter& m_prompter;
};
