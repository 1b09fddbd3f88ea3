#pragma once

#include <QCoreApplication>

class Prompter;
class RecipientList;

// The replace-or-append question asked before rows are brought in from a file, a workbook or
// the sent items while the list already holds rows.
class CLoad_File_Msg
{
    Q_DECLARE_TR_FUNCTIONS(CLoad_File_Msg)

public:
    enum class Choice
    {
        Replace, // the list was emptied; bring the rows in
        Append,  // bring the rows in below nothing: they go to the top, the old rows stay
        Cancel   // bring nothing in
    };

    // Asks only when the list is not empty (an empty list is appended to without a question);
    // "Yes" empties the list before returning Replace.
    static Choice Ask(RecipientList& list, Prompter& prompter);

    // The same question for an import that may still be cancelled or refused after it: the
    // list is left as it is, and the caller empties it with `StartReading` once the file has
    // been accepted, so a cancelled or failed import loses nothing.
    static Choice AskDeferred(const RecipientList& list, Prompter& prompter);
    static void StartReading(Choice choice, RecipientList& list);
};
