#include "recipients/LoadFileMsg.h"

#include "base/Prompter.h"
#include "recipients/RecipientList.h"

CLoad_File_Msg::Choice CLoad_File_Msg::Ask(RecipientList& list, Prompter& prompter)
{
    const Choice choice = AskDeferred(list, prompter);
    StartReading(choice, list);
    return choice;
}

void CLoad_File_Msg::StartReading(Choice choice, RecipientList& list)
{
    if (choice == Choice::Replace)
        list.clear();
}

CLoad_File_Msg::Choice CLoad_File_Msg::AskDeferred(const RecipientList& list, Prompter& prompter)
{
    if (list.isEmpty())
        return Choice::Append;
    const Prompter::Answer answer = prompter.askYesNoCancel(
        tr("Information"),
        tr("The phone numbers-messages list already contains some data.\n\nPress \u2018Yes\u2019 "
           "to continue with clearing the existing fields and replace with new data or press "
           "\u2018No\u2019 to append the new data in the existing list.\n\nDo you want to clear "
           "the existing data in the list?"),
        Prompter::Icon::Information);
    switch (answer) {
    case Prompter::Answer::Yes:
        return Choice::Replace;
    case Prompter::Answer::No:
        return Choice::Append;
    case Prompter::Answer::Cancel:
        break;
    }
    return Choice::Cancel;
}
