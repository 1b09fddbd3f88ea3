#pragma once

#include <QList>
#include <QString>

class Prompter;
class RecipientList;

// Texts and refusals shared by the operations on the recipient list.
namespace RecipientPrompts {

QString messageCaption();
QString confirmCaption();
QString listEmpty();
QString selectAtLeastOne();
QString enterSomeText();

// Tells the user and returns false when the list is empty.
bool CheckListNotEmpty(const RecipientList& list, Prompter& prompter);
// ... or when, besides, no row is selected.
bool CheckListAndSelection(const RecipientList& list, const QList<int>& selected,
                           Prompter& prompter);
// Refusals always use the caption "Message" and the information icon.
void Refuse(Prompter& prompter, const QString& text);

} // namespace RecipientPrompts
