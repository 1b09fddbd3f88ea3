#include "recipients/RecipientPrompts.h"

#include "base/Prompter.h"
#include "recipients/RecipientList.h"

#include <QCoreApplication>

namespace RecipientPrompts {

QString messageCaption()
{
    return QCoreApplication::translate("RecipientList", "Message");
}

QString confirmCaption()
{
    return QCoreApplication::translate("RecipientList", "Confirm");
}

QString listEmpty()
{
    return QCoreApplication::translate("RecipientList", "Phone numbers-Messages list is empty.");
}

QString selectAtLeastOne()
{
    return QCoreApplication::translate(
        "RecipientList",
        "Please select at least one record from the phone numbers-messages list to "
        "continue.");
}

QString enterSomeText()
{
    return QCoreApplication::translate("RecipientList", "Please enter some text message.");
}

void Refuse(Prompter& prompter, const QString& text)
{
    prompter.inform(messageCaption(), text, Prompter::Icon::Information);
}

bool CheckListNotEmpty(const RecipientList& list, Prompter& prompter)
{
    if (!list.isEmpty())
        return true;
    Refuse(prompter, listEmpty());
    return false;
}

bool CheckListAndSelection(const RecipientList& list, const QList<int>& selected,
                           Prompter& prompter)
{
    if (!CheckListNotEmpty(list, prompter))
        return false;
    if (!selected.isEmpty())
        return true;
    Refuse(prompter, selectAtLeastOne());
    return false;
}

} // namespace RecipientPrompts
