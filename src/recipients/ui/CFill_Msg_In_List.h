#pragma once

#include "recipients/FillMessageInList.h"

#include <QDialog>
#include <QList>

class QRadioButton;

// "Apply message to list items": copies the composer text into all, the selected or the blank
// rows of the list.
class CFill_Msg_In_List : public QDialog
{
    Q_OBJECT

public:
    CFill_Msg_In_List(RecipientList& list, const QString& composer, QList<int> selected,
                      Prompter& prompter, QWidget* parent = nullptr);

    // Opens the dialog unless the list or the composer is empty. True when rows were filled.
    static bool Run(QWidget* parent, RecipientList& list, const QString& composer,
                    const QList<int>& selected, Prompter& prompter);

    QRadioButton* choice(FillMessageInList::Target target) const;

public slots:
    void accept() override;

private:
    FillMessageInList m_logic;
    QString m_composer;
    QList<int> m_selected;
    QList<QRadioButton*> m_choices;
};
