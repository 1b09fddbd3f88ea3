#pragma once

#include "recipients/NumberRule.h"
#include "recipients/ui/ImportWait.h"
#include "recipients/ui/OpenFileChooser.h"

#include <QString>

class BusyFlag;
class Prompter;
class QWidget;
class RecipientList;

// What the main window owns and the imports read, at the moment the command is given.
struct ImportContext
{
    RecipientList& list;
    Prompter& prompter;
    // "Skip Duplicate Numbers", "Use Exclusion Rules" and the window's exclusion set, already
    // loaded when the rules are in use. The set is read by the reading thread, so it must not
    // change until the command returns.
    NumberCheckOptions options;
    // The composer text: the message of every number "Load Contacts From File" brings in.
    QString composer;
    // Gets "Total Numbers : %d" during the reading and at the end; may be empty.
    TotalNumbersCallback showTotal;
    // Marked busy until the command returns; may be null.
    BusyFlag* busyFlag = nullptr;
    // The open-file dialog; empty for the desktop's.
    OpenFileChooser chooseFile;
};

// "Load Contacts From File": the replace-or-append question, the file, for a workbook the sheet
// and columns, then the reading behind "Importing contacts from file, Please wait ...". Returns
// the number of rows imported.
int LoadContactsFromFile(QWidget* parent, const ImportContext& context);

// "Send unique or personalized SMS to every Contact using Excel": the replace-or-append question,
// then the "Dynamic Message Import Wizard". Returns the number of rows imported.
int SendPersonalizedFromExcel(QWidget* parent, const ImportContext& context);
