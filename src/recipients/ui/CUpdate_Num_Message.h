#pragma once

#include "recipients/NumberMessageUpdate.h"

#include <QDialog>

class CSpecialEdit;
class MessageEdit;
class QLabel;

// "Update": edits the number and message of one row.
class CUpdate_Num_Message : public QDialog
{
    Q_OBJECT

public:
    CUpdate_Num_Message(RecipientList& list, int row, const NumberCheckOptions& options,
                        Prompter& prompter, QWidget* parent = nullptr);

    // Opens the editor on the first selected row, unless there is none or its number is blank.
    // True when the row was replaced.
    static bool Run(QWidget* parent, RecipientList& list, const QList<int>& selected,
                    const NumberCheckOptions& options, Prompter& prompter);

    CSpecialEdit* numberBox() const { return m_number; }
    MessageEdit* messageBox() const { return m_message; }

public slots:
    void accept() override;

private:
    NumberMessageUpdate m_logic;
    NumberCheckOptions m_options;
    CSpecialEdit* m_number;
    MessageEdit* m_message;
    QLabel* m_characters;
};
