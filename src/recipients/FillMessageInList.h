#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class Prompter;
class RecipientList;

// What "Apply this message to list items" does: the composer text goes into all rows, the
// selected rows, or the rows whose message is empty (a blank is text, so it is kept).
class FillMessageInList
{
    Q_DECLARE_TR_FUNCTIONS(FillMessageInList)

public:
    enum class Target
    {
        All,
        Selected,
        Blank
    };

    static QString TargetText(Target target);

    // Whether the dialog may open: false (after telling why) for an empty list or composer.
    static bool CanOpen(const RecipientList& list, const QString& composer, Prompter& prompter);

    FillMessageInList(RecipientList& list, Prompter& prompter) : m_list(list), m_prompter(prompter)
    {}

    enum class Outcome
    {
        Refused,  // told why; the dialog stays for another choice
        Declined, // No to the question: the operation ends
        Applied
    };
    // The checks and the question; on Applied `rows` holds the rows to fill.
    Outcome Confirm(Target target, const QList<int>& selected, QList<int>& rows);
    void Fill(const QList<int>& rows, const QString& composer);
    // Both, for callers that need no wait pop-up between them.
    Outcome Apply(Target target, const QString& composer, const QList<int>& selected);

private:
    QList<int> rowsFor(Target target, const QList<int>& selected) const;
    QString refusal(Target target, const QList<int>& rows) const;
    static QString question(Target target);

    RecipientList& m_list;
    Prompter& m_prompter;
};
