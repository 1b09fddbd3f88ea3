#include "recipients/ui/CUpdate_Selected_Item_SMS.h"

#include "recipients/RecipientCommands.h"
#include "recipients/ui/MessageEdit.h"
#include "widgets/BackgroundJob.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

CUpdate_Selected_Item_SMS::CUpdate_Selected_Item_SMS(RecipientList& list, QList<int> selected,
                                                     Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_logic(list, std::move(selected), prompter),
      m_numbers(new QStringListModel(this)), m_numbersView(new QListView(this)),
      m_message(new MessageEdit(this)), m_characters(new QLabel(this))
{
    setWindowTitle(tr("Update Selected Messages"));
    m_numbersView->setModel(m_numbers);
    m_numbersView->setUniformItemSizes(true);
    m_numbersView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_message->setObjectName("message");
    m_characters->setText(UpdateCharacterCount(QString()));
    connect(m_message, &QPlainTextEdit::textChanged, this,
            [this] { m_characters->setText(UpdateCharacterCount(m_message->text())); });

    auto* group = new QGroupBox(tr("Selected Numbers List"), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_numbersView);
    auto* total = new QLabel(m_logic.totalText(), group);
    total->setObjectName("total");
    groupLayout->addWidget(total);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Update"), QDialogButtonBox::AcceptRole)->setObjectName("apply");
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CUpdate_Selected_Item_SMS::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_message);
    layout->addWidget(m_characters);
    layout->addWidget(buttons);
    resize(460, 480);
}

bool CUpdate_Selected_Item_SMS::Run(QWidget* parent, RecipientList& list,
                                    const QList<int>& selected, Prompter& prompter)
{
    if (!SelectedMessagesUpdate::CanOpen(list, selected, prompter))
        return false;
    CUpdate_Selected_Item_SMS dialog(list, selected, prompter, parent);
    dialog.fillSelectedNumbers(parent);
    return dialog.exec() == QDialog::Accepted;
}

void CUpdate_Selected_Item_SMS::fillSelectedNumbers(QWidget* window)
{
    QStringList numbers;
    RunBackgroundJobAndWait(window, [this, &numbers] { numbers = m_logic.selectedNumbers(); });
    m_numbers->setStringList(numbers);
}

void CUpdate_Selected_Item_SMS::accept()
{
    if (m_logic.Apply(m_message->text()))
        QDialog::accept();
}
