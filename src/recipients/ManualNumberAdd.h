#pragma once

#include "recipients/NumberRule.h"

#include <QCoreApplication>
#include <QString>

class Prompter;
class RecipientList;

// What "Add or Paste numbers Manually" does with its multi-line box: every line is cut at its
// tabs, every field that passes the number check becomes a row with the composer text, and the
// new rows stand at the top of the list in pasted order. Refused fields are skipped silently.
class ManualNumberAdd
{
    Q_DECLARE_TR_FUNCTIONS(ManualNumberAdd)

public:
    ManualNumberAdd(RecipientList& list, Prompter& prompter) : m_list(list), m_prompter(prompter) {}

    // "Total Rows : %d" with the box's line count (1 when empty).
    static QString TotalRowsText(const QString& text);

    // OK. True when the dialog is to close; an empty box is refused and the dialog stays.
    bool Accept(const QString& text, const QString& composer, const NumberCheckOptions& options);

private:
    RecipientList& m_list;
    Prompter& m_prompter;
};
