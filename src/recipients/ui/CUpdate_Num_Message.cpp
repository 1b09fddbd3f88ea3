#include "recipients/ui/CUpdate_Num_Message.h"

#include "recipients/RecipientCommands.h"
#include "recipients/ui/MessageEdit.h"
#include "widgets/CSpecialEdit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CUpdate_Num_Message::CUpdate_Num_Message(RecipientList& list, int row,
                                         const NumberCheckOptions& options, Prompter& prompter,
                                         QWidget* parent)
    : QDialog(parent), m_logic(list, row, prompter), m_options(options),
      m_number(new CSpecialEdit(prompter, this)), m_message(new MessageEdit(this)),
      m_characters(new QLabel(this))
{
    setWindowTitle(tr("Update"));
    m_number->setObjectName("number");
    m_message->setObjectName("message");
    m_characters->setObjectName("characters");
    m_number->setText(m_logic.number());
    m_message->setPlainText(m_logic.message());
    m_characters->setText(UpdateCharacterCount(m_logic.message()));
    connect(m_message, &QPlainTextEdit::textChanged, this,
            [this] { m_characters->setText(UpdateCharacterCount(m_message->text())); });

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Update"), QDialogButtonBox::AcceptRole)->setObjectName("update");
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CUpdate_Num_Message::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("Number :"), m_number);
    form->addRow(tr("Message :"), m_message);
    form->addRow(QString(), m_characters);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(460, 300);
}

bool CUpdate_Num_Message::Run(QWidget* parent, RecipientList& list, const QList<int>& selected,
                              const NumberCheckOptions& options, Prompter& prompter)
{
    const int row = NumberMessageUpdate::RowToEdit(list, selected);
    if (row < 0)
        return false;
    CUpdate_Num_Message dialog(list, row, options, prompter, parent);
    return dialog.exec() == QDialog::Accepted;
}

void CUpdate_Num_Message::accept()
{
    if (m_logic.Update(m_number->text(), m_message->text(), m_options)) {
        QDialog::accept();
        return;
    }
    m_number->setFocus();
}
