#include "recipients/ui/CDynamic_Excel_Msg.h"

#include "recipients/ui/CExl_Msg_EG.h"
#include "recipients/ui/ColumnCheckList.h"
#include "recipients/ui/ImportWait.h"
#include "recipients/ui/MessageEdit.h"
#include "widgets/BackgroundJob.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString personalisedOptionNote()
{
    return CDynamic_Excel_Msg::tr(
        "This option allows you to create dynamic and personalized message for each contact by "
        "using data in various excel columns.\n\nNote:\n1. Maximum of 10 Column in a single sheet "
        "are supported at a time.\n2. Maximum of 50,000 records in a single sheet are "
        "supported.\n3. Each message may be of maximum 1600 characters.");
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

} // namespace

CDynamic_Excel_Msg::CDynamic_Excel_Msg(RecipientList& list, Prompter& prompter,
                                       CLoad_File_Msg::Choice choice,
                                       const NumberCheckOptions& options, QWidget* parent)
    : QDialog(parent), m_logic(list, prompter, choice), m_prompter(prompter), m_options(options),
      m_chooseFile(ChooseOpenFile), m_pages(new QStackedWidget(this))
{
    setWindowTitle(tr("Dynamic Message Import Wizard"));
    m_pages->addWidget(buildOptionPage());
    m_pages->addWidget(buildFilePage());
    m_pages->addWidget(buildMessagePage());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    resize(640, 480);
}

QWidget* CDynamic_Excel_Msg::buildOptionPage()
{
    auto* page = new QWidget(this);
    m_numbersOption =
        new QRadioButton(tr("Import Numbers and their respective messages from EXCEL File."), page);
    m_personalisedOption = new QRadioButton(
        tr("On the basis of EXCEL file contents, create personalized Dynamic messages."), page);
    m_numbersOption->setChecked(true);
    m_optionNote = new QLabel(page);
    m_optionNote->setWordWrap(true);
    connect(m_personalisedOption, &QRadioButton::toggled, this,
            [this](bool on) { m_optionNote->setText(on ? personalisedOptionNote() : QString()); });
    auto* continueButton = new QPushButton(tr("Continue"), page);
    connect(continueButton, &QPushButton::clicked, this, &CDynamic_Excel_Msg::onContinue);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_numbersOption);
    layout->addWidget(m_personalisedOption);
    layout->addWidget(m_optionNote);
    layout->addStretch();
    layout->addLayout(buttonRow({continueButton}));
    return page;
}

QWidget* CDynamic_Excel_Msg::buildFilePage()
{
    auto* page = new QWidget(this);
    m_fileNote = new QLabel(page);
    m_fileNote->setWordWrap(true);
    m_path = new QLineEdit(page);
    m_path->setReadOnly(true);
    auto* browse = new QPushButton(tr("Browse"), page);
    connect(browse, &QPushButton::clicked, this, &CDynamic_Excel_Msg::onBrowse);
    m_sheetLabel = new QLabel(page);
    m_sheetBox = new QComboBox(page);
    connect(m_sheetBox, &QComboBox::activated, this, &CDynamic_Excel_Msg::onSheetChosen);

    m_numberAndMessage = new QWidget(page);
    m_numberColumnBox = new QComboBox(m_numberAndMessage);
    m_messageColumnBox = new QComboBox(m_numberAndMessage);
    auto* columns = new QGridLayout(m_numberAndMessage);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(new QLabel(tr("Select the column containing phone numbers:")), 0, 0);
    columns->addWidget(m_numberColumnBox, 0, 1);
    columns->addWidget(new QLabel(tr("Select the column containing messages:")), 1, 0);
    columns->addWidget(m_messageColumnBox, 1, 1);
    m_numberColumns =
        new ColumnCheckList(tr("Please select Column(s) containing Mobile Numbers:"), page);

    auto* back = new QPushButton(tr("Back"), page);
    connect(back, &QPushButton::clicked, this, &CDynamic_Excel_Msg::onBack);
    m_fileFinish = new QPushButton(tr("Finish"), page);
    connect(m_fileFinish, &QPushButton::clicked, this, &CDynamic_Excel_Msg::onFileFinish);
    m_next = new QPushButton(tr("Next"), page);
    connect(m_next, &QPushButton::clicked, this, &CDynamic_Excel_Msg::onNext);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_path);
    pathRow->addWidget(browse);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_fileNote);
    layout->addLayout(pathRow);
    layout->addWidget(m_sheetLabel);
    layout->addWidget(m_sheetBox);
    layout->addWidget(m_numberAndMessage);
    layout->addWidget(m_numberColumns);
    layout->addStretch();
    layout->addLayout(buttonRow({back, m_fileFinish, m_next}));
    return page;
}

QWidget* CDynamic_Excel_Msg::buildMessagePage()
{
    auto* page = new QWidget(this);
    m_columnTable = new QTableWidget(0, 3, page);
    m_columnTable->setHorizontalHeaderLabels({tr("S.No."), tr("Coulmn"), tr("Represent as")});
    m_columnTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_columnTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_columnTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_columnTable->verticalHeader()->hide();
    m_columnTable->horizontalHeader()->setStretchLastSection(true);
    connect(m_columnTable, &QTableWidget::cellDoubleClicked, this,
            &CDynamic_Excel_Msg::InsertPlaceholder);
    auto* useColumn = new QPushButton(tr("Use Column"), page);
    connect(useColumn, &QPushButton::clicked, this, &CDynamic_Excel_Msg::InsertPlaceholder);
    m_template = new MessageEdit(page);
    auto* example = new QPushButton(tr("Show me an Example"), page);
    connect(example, &QPushButton::clicked, this, &CDynamic_Excel_Msg::onShowExample);
    auto* back = new QPushButton(tr("Back"), page);
    connect(back, &QPushButton::clicked, this, &CDynamic_Excel_Msg::onBack);
    auto* finish = new QPushButton(tr("Finish"), page);
    connect(finish, &QPushButton::clicked, this, &CDynamic_Excel_Msg::onMessageFinish);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_columnTable);
    layout->addLayout(buttonRow({useColumn}));
    layout->addWidget(new QLabel(tr("Please create dynamic message here :"), page));
    layout->addWidget(m_template);
    auto* buttons = buttonRow({back, finish});
    buttons->insertWidget(0, example);
    layout->addLayout(buttons);
    return page;
}

int CDynamic_Excel_Msg::page() const
{
    return m_pages->currentIndex();
}

bool CDynamic_Excel_Msg::personalised() const
{
    return m_personalisedOption->isChecked();
}

void CDynamic_Excel_Msg::onContinue()
{
    const bool dynamic = personalised();
    m_fileNote->setText(dynamic ? DynamicExcelWizard::personalisedNote()
                                : DynamicExcelWizard::numbersAndMessagesNote());
    m_sheetLabel->setText(
        dynamic ? tr("Select the sheet containing phone numbers and data to create dynamic "
                     "messages:")
                : tr("Please select the sheet containing phone numbers and messages:"));
    m_numberAndMessage->setVisible(!dynamic);
    m_fileFinish->setVisible(!dynamic);
    m_numberColumns->setVisible(dynamic);
    m_next->setVisible(dynamic);
    m_pages->setCurrentIndex(FilePage);
}

void CDynamic_Excel_Msg::onBack()
{
    m_pages->setCurrentIndex(std::max(0, page() - 1));
}

void CDynamic_Excel_Msg::onBrowse()
{
    const QString path = m_chooseFile(this, ImportText::excelFilter());
    if (path.isEmpty())
        return;
    if (!m_logic.browse(path) && m_logic.path() != path)
        return; // refused before anything changed
    m_path->setText(m_logic.path());
    m_sheetBox->clear();
    m_sheetBox->addItems(m_logic.sheets());
    // The only sheet is the user's choice already; among several, the user picks.
    const bool single = m_sheetBox->count() == 1;
    m_sheetBox->setCurrentIndex(single ? 0 : -1);
    if (single)
        onSheetChosen(0);
    else
        fillColumns();
}

void CDynamic_Excel_Msg::onSheetChosen(int index)
{
    if (index < 0)
        return;
    std::optional<ImportNotice> notice;
    DynamicExcelWizard* logic = &m_logic;
    RunBackgroundJobAndWait(
        this, [logic, index, &notice] { notice = logic->loadSheet(index); },
        ImportText::readingSheetWait());
    fillColumns();
    if (notice)
        notice->showWith(m_prompter);
}

void CDynamic_Excel_Msg::fillColumns()
{
    const QStringList columns = m_sheetBox->currentIndex() < 0 ? QStringList() : m_logic.columns();
    for (QComboBox* box : {m_numberColumnBox, m_messageColumnBox}) {
        box->clear();
        box->addItems(columns);
        box->setCurrentIndex(-1);
    }
    m_numberColumns->setColumns(columns);
    m_columnTable->setRowCount(0);
    const std::vector<DynamicExcelWizard::ColumnTableRow> rows = m_logic.columnTable();
    m_columnTable->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        m_columnTable->setItem(row, 0, new QTableWidgetItem(rows[size_t(row)].serial));
        m_columnTable->setItem(row, 1, new QTableWidgetItem(rows[size_t(row)].name));
        m_columnTable->setItem(row, 2, new QTableWidgetItem(rows[size_t(row)].placeholder));
    }
}

void CDynamic_Excel_Msg::runReading(const std::function<void()>& work,
                                    const ImportProgress& progress)
{
    RunImportWithProgress(
        this, work, progress, [this] { return m_logic.rowsSoFar(); }, m_showTotal);
}

void CDynamic_Excel_Msg::finishReading(int imported)
{
    m_imported += imported;
    if (imported > 0)
        accept();
}

void CDynamic_Excel_Msg::onFileFinish()
{
    const int numberColumn = m_numberColumnBox->currentIndex();
    const int messageColumn = m_messageColumnBox->currentIndex();
    if (const std::optional<ImportNotice> refusal =
            m_logic.checkNumbersAndMessages(numberColumn, messageColumn)) {
        refusal->showWith(m_prompter);
        return;
    }
    finishReading(m_logic.ImportNumbersAndMessages(
        numberColumn, messageColumn, m_options,
        [this](const auto& work, const auto& progress) { runReading(work, progress); }));
}

void CDynamic_Excel_Msg::onNext()
{
    if (const std::optional<ImportNotice> refusal =
            m_logic.checkNumberColumns(m_numberColumns->ticked())) {
        refusal->showWith(m_prompter);
        return;
    }
    m_pages->setCurrentIndex(MessagePage);
    m_template->setFocus();
}

void CDynamic_Excel_Msg::onMessageFinish()
{
    const QString messageTemplate = m_template->text();
    if (const std::optional<ImportNotice> refusal =
            DynamicExcelWizard::checkTemplate(messageTemplate)) {
        refusal->showWith(m_prompter);
        return;
    }
    finishReading(m_logic.BuildDynamicMessages(
        m_numberColumns->ticked(), messageTemplate, m_options,
        [this](const auto& work, const auto& progress) { runReading(work, progress); }));
}

void CDynamic_Excel_Msg::InsertPlaceholder()
{
    const QList<QTableWidgetItem*> selected = m_columnTable->selectedItems();
    if (selected.isEmpty()) {
        ImportText::message("Please select a record from the list to continue.")
            .showWith(m_prompter);
        return;
    }
    const QTableWidgetItem* placeholder = m_columnTable->item(selected.front()->row(), 2);
    QTextCursor cursor = m_template->textCursor();
    const qsizetype after =
        m_template->text().size() - cursor.selectedText().size() + placeholder->text().size();
    if (after <= m_template->limit())
        cursor.insertText(placeholder->text());
    m_template->setTextCursor(cursor);
    m_template->setFocus();
}

void CDynamic_Excel_Msg::onShowExample()
{
    CExl_Msg_EG example(this);
    example.exec();
}
