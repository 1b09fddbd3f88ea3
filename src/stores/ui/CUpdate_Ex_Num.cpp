#include "stores/ui/CUpdate_Ex_Num.h"

#include "stores/ExclusionWizard.h"
#include "widgets/CSpecialEdit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

CUpdate_Ex_Num::CUpdate_Ex_Num(const QString& number, std::function<bool(const QString&)> accept,
                               Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_accept(std::move(accept)), m_number(new CSpecialEdit(prompter, this))
{
    setWindowTitle(tr("Update Exclusion Number"));
    m_number->setObjectName("number");
    m_number->setMaxLength(ExclusionWizard::NumberLimit);
    m_number->setText(number);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Update"), QDialogButtonBox::AcceptRole)->setObjectName("update");
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CUpdate_Ex_Num::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("Exclusion Number :"), m_number);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void CUpdate_Ex_Num::accept()
{
    if (m_accept(m_number->text())) {
        QDialog::accept();
        return;
    }
    m_number->setFocus();
}
