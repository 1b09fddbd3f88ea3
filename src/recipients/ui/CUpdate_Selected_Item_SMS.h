#pragma once

#include "recipients/SelectedMessagesUpdate.h"

#include <QDialog>

class MessageEdit;
class QLabel;
class QListView;
class QStringListModel;

// "Update Selected Messages": shows the selected numbers and gives them all one message.
class CUpdate_Selected_Item_SMS : public QDialog
{
    Q_OBJECT

public:
    CUpdate_Selected_Item_SMS(RecipientList& list, QList<int> selected, Prompter& prompter,
                              QWidget* parent = nullptr);

    // Opens the dialog unless the list is empty or nothing is selected; the numbers are
    // gathered as a background job over `parent` first. True when the rows got the message.
    static bool Run(QWidget* parent, RecipientList& list, const QList<int>& selected,
                    Prompter& prompter);

    // Fills the numbers list as a background job over `window` (with the wait pop-up).
    void fillSelectedNumbers(QWidget* window);

    QListView* numbersView() const { return m_numbersView; }
    MessageEdit* messageBox() const { return m_message; }

public slots:
    void accept() override;

private:
    SelectedMessagesUpdate m_logic;
    QStringListModel* m_numbers;
    QListView* m_numbersView;
    MessageEdit* m_message;
    QLabel* m_characters;
};
