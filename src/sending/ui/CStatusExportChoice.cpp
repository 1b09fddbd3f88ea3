#include "sending/ui/CStatusExportChoice.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CStatusExportChoice::CStatusExportChoice(QWidget* parent)
    : QDialog(parent), m_group(new QButtonGroup(this))
{
    setWindowTitle(tr("Export"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Select any option to Export Sent items:"), this));
    const QStringList texts = StatusChoiceTexts();
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(texts[i], this);
        m_group->addButton(button, i);
        layout->addWidget(button);
    }
    m_group->button(0)->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

StatusChoice CStatusExportChoice::choice() const
{
    return StatusChoice(std::max(0, m_group->checkedId()));
}

void CStatusExportChoice::setChoice(StatusChoice choice)
{
    m_group->button(int(choice))->setChecked(true);
}
