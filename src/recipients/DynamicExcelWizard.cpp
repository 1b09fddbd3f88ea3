#include "recipients/DynamicExcelWizard.h"

#include "recipients/DynamicMessages.h"
#include "recipients/ImportFromFile.h"
#include "recipients/RecipientBatch.h"
#include "recipients/RecipientList.h"
#include "spreadsheet/SheetTable.h"

#include <QFileInfo>
#include <algorithm>

DynamicExcelWizard::DynamicExcelWizard(RecipientList& list, Prompter& prompter,
                                       CLoad_File_Msg::Choice choice)
    : m_list(list), m_prompter(prompter), m_choice(choice)
{}

QString DynamicExcelWizard::numbersAndMessagesNote()
{
    return tr("Browse the location of Excel file to import contact numbers and their respective "
              "SMS texts. \n\nNote:\n1. Maximum of 50,000 records in a single sheet are supported "
              "at a time.\n2. Each message may be of maximum 1600 characters.");
}

QString DynamicExcelWizard::personalisedNote()
{
    return tr("Browse the location of Excel file which you want to use to create dynamic and "
              "personalized message for each contact by using data of its various "
              "columns.\n\nNote:\n1. Maximum of 10 Column in a single sheet are supported at a "
              "time.\n2. Maximum of 50,000 records in a single sheet are supported.\n3. Each "
              "message may be of maximum 1600 characters.");
}

bool DynamicExcelWizard::browse(const QString& path)
{
    ImportNotice refusal;
    const std::optional<ImportFileKind> kind = CheckImportPath(path, &refusal);
    if (kind != ImportFileKind::Excel) {
        (kind ? ImportText::invalidFile() : refusal).showWith(m_prompter);
        return false;
    }
    m_path = path;
    m_sheets.clear();
    m_sheet = -1;
    m_columns.clear();
    if (!m_reader.open(path).ok()) {
        ImportText::openFailed().showWith(m_prompter);
        return false;
    }
    m_sheets = m_reader.sheetNames();
    return true;
}

std::optional<ImportNotice> DynamicExcelWizard::loadSheet(int index)
{
    m_sheet = index;
    m_columns.clear();
    ImportNotice failure;
    const SheetTable* table = ReadImportSheet(m_reader, index, &failure);
    if (!table)
        return failure;
    if (!table->isEmpty())
        m_columns = ColumnNames(*table);
    return std::nullopt;
}

void DynamicExcelWizard::chooseSheet(int index)
{
    if (const std::optional<ImportNotice> failure = loadSheet(index))
        failure->showWith(m_prompter);
}

std::vector<DynamicExcelWizard::ColumnTableRow> DynamicExcelWizard::columnTable() const
{
    std::vector<ColumnTableRow> rows;
    for (int i = 0; i < m_columns.size(); ++i)
        rows.push_back({QString::number(i + 1), m_columns[i], Placeholder(i + 1)});
    return rows;
}

std::optional<ImportNotice> DynamicExcelWizard::checkFileAndSheet() const
{
    if (m_path.isEmpty() || !QFileInfo(m_path).isFile())
        return ImportText::message("Please select a valid file path.");
    if (m_sheets.isEmpty())
        return ImportText::message("Please select a valid excel file there is no sheet.");
    if (m_sheet < 0)
        return ImportText::message("Please select a Sheet.");
    return std::nullopt;
}

std::optional<ImportNotice> DynamicExcelWizard::checkNumbersAndMessages(int numberColumn,
                                                                        int messageColumn) const
{
    if (std::optional<ImportNotice> refusal = checkFileAndSheet())
        return refusal;
    const ImportNotice noColumn =
        ImportText::message("Please select a valid sheet there is no column.");
    if (m_columns.isEmpty())
        return noColumn;
    if (numberColumn < 0)
        return ImportText::message("Please select a column for Mobile number.");
    if (messageColumn < 0)
        return ImportText::message("Please select a column for Message.");
    return std::nullopt;
}

std::optional<ImportNotice>
DynamicExcelWizard::checkNumberColumns(const std::vector<bool>& ticked) const
{
    if (std::optional<ImportNotice> refusal = checkFileAndSheet())
        return refusal;
    if (m_columns.isEmpty())
        return ImportText::message("Please select a valid sheet there is no column.");
    if (ticked.empty())
        return ImportText::message("There is no column.\n\nOR\n\nNo column is selected.");
    if (std::none_of(ticked.begin(), ticked.end(), [](bool t) { return t; }))
        return ImportText::message("Please select a column for Mobile number.");
    return std::nullopt;
}

std::optional<ImportNotice> DynamicExcelWizard::checkTemplate(const QString& messageTemplate)
{
    if (messageTemplate.isEmpty())
        return ImportText::message("Please enter some text message.");
    return std::nullopt;
}

int DynamicExcelWizard::read(
    const std::function<bool(const SheetTable&, RecipientBatch&, ImportProgress&)>& work,
    const ProgressRunner& run)
{
    ImportNotice failure;
    const SheetTable* sheet = ReadImportSheet(m_reader, m_sheet, &failure);
    if (!sheet) {
        failure.showWith(m_prompter);
        return 0;
    }
    if (sheet->isEmpty()) {
        ImportText::sheetEmpty().showWith(m_prompter);
        return 0;
    }
    CLoad_File_Msg::StartReading(m_choice, m_list);
    m_choice = CLoad_File_Msg::Choice::Append; // a second reading must not empty the list again
    const int countBefore = m_list.count();
    RecipientBatch batch(m_list);
    ImportProgress progress;
    bool complete = false;
    m_reading = &batch;
    run([&] { complete = work(*sheet, batch, progress); }, progress);
    m_reading = nullptr;
    InsertBatchAtTop(m_list, batch);
    const int imported = m_list.count() - countBefore;
    if (!complete)
        ImportText::readingDiscarded().showWith(m_prompter);
    else if (imported == 0)
        ImportText::nothingImported().showWith(m_prompter);
    return imported;
}

int DynamicExcelWizard::rowsSoFar() const
{
    return m_list.count() + (m_reading ? int(m_reading->size()) : 0);
}

int DynamicExcelWizard::ImportNumbersAndMessages(int numberColumn, int messageColumn,
                                                 const NumberCheckOptions& options,
                                                 const ProgressRunner& run)
{
    return read(
        [&](const SheetTable& sheet, RecipientBatch& batch, ImportProgress& progress) {
            return ::ImportNumbersAndMessages(sheet, numberColumn + 1, messageColumn + 1, batch,
                                              options, &progress) == SheetReadEnd::Complete;
        },
        run);
}

int DynamicExcelWizard::BuildDynamicMessages(const std::vector<bool>& ticked,
                                             const QString& messageTemplate,
                                             const NumberCheckOptions& options,
                                             const ProgressRunner& run)
{
    std::vector<int> numberColumns;
    for (size_t i = 0; i < ticked.size(); ++i)
        if (ticked[i])
            numberColumns.push_back(int(i) + 1);
    return read(
        [&](const SheetTable& sheet, RecipientBatch& batch, ImportProgress& progress) {
            return ::BuildDynamicMessages(sheet, numberColumns, messageTemplate, batch, options,
                                          &progress) == SheetReadEnd::Complete;
        },
        run);
}
