#include "exports/ui/ExportOption.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CExport_Option::CExport_Option(ExportOptionLogic& logic, QWidget* parent)
    : QDialog(parent), m_logic(logic), m_start(dateEdit(logic.defaultStart())),
      m_end(dateEdit(logic.defaultEnd()))
{
    setWindowTitle(tr("Export"));

    auto* dates = new QFormLayout;
    dates->addRow(tr("Start Date :"), m_start);
    dates->addRow(tr("End Date :"), m_end);

    auto* formatBox = new QGroupBox(this);
    auto* formatColumn = new QVBoxLayout(formatBox);
    const QPair<ExportFormat, QString> formats[] = {
        {ExportFormat::Txt, tr("Export into Text File (*.txt)")},
        {ExportFormat::Html, tr("Export into Html File (*.html)")},
        {ExportFormat::Xls, tr("Export into Excel (97-2003) File (*.xls)")},
        {ExportFormat::Xlsx, tr("Export into Excel File (*.xlsx)")},
    };
    for (const auto& [format, text] : formats) {
        auto* button = new QRadioButton(text, formatBox);
        button->setChecked(format == ExportOptionLogic::defaultFormat());
        formatColumn->addWidget(button);
        m_formats.append({format, button});
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CExport_Option::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dates);
    layout->addWidget(formatBox);
    layout->addWidget(buttons);
}

QDateEdit* CExport_Option::dateEdit(const QDate& date)
{
    auto* edit = new QDateEdit(date, this);
    edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    edit->setCalendarPopup(true);
    return edit;
}

QRadioButton* CExport_Option::formatButton(ExportFormat format) const
{
    for (const auto& [each, button] : m_formats) {
        if (each == format)
            return button;
    }
    return nullptr;
}

ExportFormat CExport_Option::format() const
{
    for (const auto& [format, button] : m_formats) {
        if (button->isChecked())
            return format;
    }
    return ExportOptionLogic::defaultFormat();
}

SentItemsExportOptions CExport_Option::options() const
{
    return m_logic.options(m_start->date(), m_end->date(), format());
}

void CExport_Option::accept()
{
    switch (m_logic.check(m_start->date(), m_end->date())) {
    case ExportOptionLogic::Verdict::Accepted:
        QDialog::accept();
        return;
    case ExportOptionLogic::Verdict::EndBeforeStart:
        m_end->setFocus();
        return;
    case ExportOptionLogic::Verdict::NoRecord:
        return;
    }
}
