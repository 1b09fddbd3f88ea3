#include "recipients/ui/CManually_Multiple_Num_Add.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CManually_Multiple_Num_Add::CManually_Multiple_Num_Add(RecipientList& list,
                                                       const NumberCheckOptions& options,
                                                       const QString& composer, Prompter& prompter,
                                                       QWidget* parent)
    : QDialog(parent), m_logic(list, prompter), m_options(options), m_composer(composer),
      m_numbers(new QPlainTextEdit(this)), m_totalRows(new QLabel(this))
{
    setWindowTitle(tr("Add or Paste numbers Manually"));
    m_numbers->setObjectName("numbers");
    m_numbers->setTabChangesFocus(false);
    m_numbers->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_totalRows->setObjectName("totalRows");
    m_totalRows->setText(ManualNumberAdd::TotalRowsText(QString()));
    connect(m_numbers, &QPlainTextEdit::textChanged, this, [this] {
        m_totalRows->setText(ManualNumberAdd::TotalRowsText(m_numbers->toPlainText()));
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CManually_Multiple_Num_Add::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_numbers);
    layout->addWidget(m_totalRows);
    layout->addWidget(buttons);
    resize(420, 360);
}

void CManually_Multiple_Num_Add::accept()
{
    if (m_logic.Accept(m_numbers->toPlainText(), m_composer, m_options))
        QDialog::accept();
}
