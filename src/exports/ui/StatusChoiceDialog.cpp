#include "exports/ui/StatusChoiceDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

StatusChoiceDialog::StatusChoiceDialog(Check check, QWidget* parent)
    : QDialog(parent), m_check(std::move(check)), m_all(new QRadioButton(tr("All Items"), this)),
      m_succeeded(new QRadioButton(tr("Only Successfully sent items"), this)),
      m_failed(new QRadioButton(tr("Only Failed items"), this))
{
    setWindowTitle(tr("Export"));
    m_all->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &StatusChoiceDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Select any option to Export Sent items:"), this));
    layout->addWidget(m_all);
    layout->addWidget(m_succeeded);
    layout->addWidget(m_failed);
    layout->addWidget(buttons);
}

StatusChoice StatusChoiceDialog::choice() const
{
    if (m_succeeded->isChecked())
        return StatusChoice::Succeeded;
    if (m_failed->isChecked())
        return StatusChoice::Failed;
    return StatusChoice::All;
}

void StatusChoiceDialog::setChoice(StatusChoice choice)
{
    button(choice)->setChecked(true);
}

QRadioButton* StatusChoiceDialog::button(StatusChoice choice) const
{
    switch (choice) {
    case StatusChoice::Succeeded:
        return m_succeeded;
    case StatusChoice::Failed:
        return m_failed;
    case StatusChoice::All:
        break;
    }
    return m_all;
}

void StatusChoiceDialog::accept()
{
    if (m_check && !m_check(choice()))
        return;
    QDialog::accept();
}
