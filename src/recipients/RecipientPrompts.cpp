#include "recipients/RecipientPrompts.h"

#include "recipients/RecipientList.h"
#include "stores/Prompter.h"

#include <QCoreApplication>

namespace RecipientPrompts {

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("RecipientList", text);
}
} // namespace

QString messageCaption()
{
    return tr("Message");
}

QString confirmCaption()
{
    return tr("Confirm");
}

QString listEmpty()
{
    return tr("Phone numbers-Messages list is empty.");
}

QString selectAtLeastOne()
{
    return tr("Please select at least one record from the phone numbers-messages list to "
              "continue.");
}

QString enterSomeText()
{
    return tr("Please enter some text message.");
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
