#include "recipients/LoadFileMsg.h"

#include "recipients/RecipientList.h"
#include "stores/Prompter.h"

CLoad_File_Msg::Choice CLoad_File_Msg::Ask(RecipientList& list, Prompter& prompter)
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
        list.clear();
        return Choice::Replace;
    case Prompter::Answer::No:
        return Choice::Append;
    case Prompter::Answer::Cancel:
        break;
    }
    return Choice::Cancel;
}
