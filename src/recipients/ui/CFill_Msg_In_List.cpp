#include "recipients/ui/CFill_Msg_In_List.h"

#include "widgets/WaitPopup.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

using Target = FillMessageInList::Target;

CFill_Msg_In_List::CFill_Msg_In_List(RecipientList& list, const QString& composer,
                                     QList<int> selected, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_logic(list, prompter), m_composer(composer),
      m_selected(std::move(selected))
{
    setWindowTitle(tr("Apply message to list items"));
    auto* layout = new QVBoxLayout(this);
    for (const Target target : {Target::All, Target::Selected, Target::Blank}) {
        auto* button = new QRadioButton(FillMessageInList::TargetText(target), this);
        m_choices.append(button);
        layout->addWidget(button);
    }
    m_choices.first()->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFill_Msg_In_List::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QRadioButton* CFill_Msg_In_List::choice(Target target) const
{
    return m_choices[int(target)];
}

bool CFill_Msg_In_List::Run(QWidget* parent, RecipientList& list, const QString& composer,
                            const QList<int>& selected, Prompter& prompter)
{
    if (!FillMessageInList::CanOpen(list, composer, prompter))
        return false;
    CFill_Msg_In_List dialog(list, composer, selected, prompter, parent);
    return dialog.exec() == QDialog::Accepted;
}

void CFill_Msg_In_List::accept()
{
    Target target = Target::All;
    for (const Target t : {Target::All, Target::Selected, Target::Blank}) {
        if (choice(t)->isChecked())
            target = t;
    }
    QList<int> rows;
    switch (m_logic.Confirm(target, m_selected, rows)) {
    case FillMessageInList::Outcome::Refused:
        return;
    case FillMessageInList::Outcome::Declined:
        reject();
        return;
    case FillMessageInList::Outcome::Applied:
        break;
    }
    {
        WaitPopup wait(parentWidget() ? parentWidget() : this);
        wait.show();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_logic.Fill(rows, m_composer);
    }
    QDialog::accept();
}
