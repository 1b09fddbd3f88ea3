#include "recipients/FillMessageInList.h"

#include "base/Prompter.h"
#include "recipients/RecipientList.h"
#include "recipients/RecipientPrompts.h"

using namespace RecipientPrompts;

QString FillMessageInList::TargetText(Target target)
{
    switch (target) {
    case Target::All:
        return tr("Apply message to all list items ");
    case Target::Selected:
        return tr("Apply message only to selected list items");
    case Target::Blank:
        break;
    }
    return tr("Apply message only in blank list items");
}

bool FillMessageInList::CanOpen(const RecipientList& list, const QString& composer,
                                Prompter& prompter)
{
    if (!CheckListNotEmpty(list, prompter))
        return false;
    if (!composer.isEmpty())
        return true;
    Refuse(prompter, enterSomeText());
    return false;
}

QString FillMessageInList::question(Target target)
{
    switch (target) {
    case Target::All:
        return tr("This action will copy the message of composer box to all numbers in the "
                  "list.\n\nAre you sure you want to continue?");
    case Target::Selected:
        return tr("This action will copy the message of composer box to the selected numbers in "
                  "the list. The messages of rest of the numbers remain unchanged.\n\nAre you "
                  "sure you want to continue?");
    case Target::Blank:
        break;
    }
    return tr("This action will copy the message of composer box to the blank list items. The "
              "messages of rest of the numbers remain unchanged.\n\nAre you sure you want to "
              "continue?");
}

QList<int> FillMessageInList::rowsFor(Target target, const QList<int>& selected) const
{
    if (target == Target::Selected)
        return selected;
    QList<int> rows;
    for (int row = 0; row < m_list.count(); ++row) {
        if (target == Target::All || m_list.at(row).Message.isEmpty())
            rows.append(row);
    }
    return rows;
}

QString FillMessageInList::refusal(Target target, const QList<int>& rows) const
{
    if (!rows.isEmpty())
        return {};
    if (target == Target::Selected)
        return selectAtLeastOne();
    if (target == Target::Blank)
        return tr("There is no blank message in the phone numbers-messages list.");
    return listEmpty();
}

FillMessageInList::Outcome FillMessageInList::Confirm(Target target, const QList<int>& selected,
                                                      QList<int>& rows)
{
    rows = rowsFor(target, selected);
    const QString why = refusal(target, rows);
    if (!why.isEmpty()) {
        Refuse(m_prompter, why);
        return Outcome::Refused;
    }
    if (!m_prompter.confirm(confirmCaption(), question(target), Prompter::Icon::Warning))
        return Outcome::Declined;
    return Outcome::Applied;
}

void FillMessageInList::Fill(const QList<int>& rows, const QString& composer)
{
    m_list.setMessages(rows, composer);
}

FillMessageInList::Outcome FillMessageInList::Apply(Target target, const QString& composer,
                                                    const QList<int>& selected)
{
    QList<int> rows;
    const Outcome outcome = Confirm(target, selected, rows);
    if (outcome == Outcome::Applied)
        Fill(rows, composer);
    return outcome;
}
