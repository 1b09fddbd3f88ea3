#include "recipients/ui/CExcel_Info_Dlg.h"

#include "recipients/ExcelColumnChoice.h"
#include "recipients/ui/ColumnCheckList.h"
#include "widgets/BackgroundJob.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <optional>

CExcel_Info_Dlg::CExcel_Info_Dlg(ExcelColumnChoice& choice, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_choice(choice), m_prompter(prompter), m_sheets(new QListWidget(this)),
      m_columns(new ColumnCheckList(tr("Columns"), this))
{
    setWindowTitle(tr("Select Excel Sheet To Open"));
    m_sheets->setObjectName("sheets");
    m_sheets->addItems(choice.sheets());
    connect(m_sheets, &QListWidget::currentRowChanged, this, &CExcel_Info_Dlg::onSheetChosen);
    connect(m_columns, &ColumnCheckList::tickChanged, this,
            [this](int column, bool ticked) { m_choice.setTicked(column, ticked); });
    connect(m_columns, &ColumnCheckList::allTicked, this,
            [this](bool ticked) { m_choice.setSelectAll(ticked); });

    auto* sheetColumn = new QVBoxLayout;
    sheetColumn->addWidget(new QLabel(tr("Sheets"), this));
    sheetColumn->addWidget(m_sheets);
    auto* lists = new QHBoxLayout;
    lists->addLayout(sheetColumn);
    lists->addWidget(m_columns);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CExcel_Info_Dlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(buttons);
    resize(460, 320);
}

void CExcel_Info_Dlg::onSheetChosen(int index)
{
    if (index < 0)
        return;
    // A large sheet takes a while to read; the dialog waits without freezing.
    std::optional<ImportNotice> notice;
    ExcelColumnChoice* choice = &m_choice;
    RunBackgroundJobAndWait(
        this, [choice, index, &notice] { notice = choice->chooseSheet(index); },
        ImportText::readingSheetWait());
    m_columns->setColumns(m_choice.columns());
    if (notice)
        notice->showWith(m_prompter);
}

void CExcel_Info_Dlg::accept()
{
    if (const std::optional<ImportNotice> refusal = m_choice.accept()) {
        refusal->showWith(m_prompter);
        return;
    }
    QDialog::accept();
}
