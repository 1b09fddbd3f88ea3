#include "recipients/ui/ImportedExclusionNumbers.h"

#include "recipients/ExcelColumnChoice.h"
#include "recipients/ExcelImport.h"
#include "recipients/ImportFromFile.h"
#include "recipients/RecipientBatch.h"
#include "recipients/TextNumberImport.h"

ImportedExclusionNumbers::ImportedExclusionNumbers(QWidget* parent,
                                                   ExcelColumnChooser chooseColumns)
    : m_parent(parent), m_chooseColumns(std::move(chooseColumns))
{}

bool ImportedExclusionNumbers::prepare(const QString& path, Prompter& prompter)
{
    m_path = path;
    m_sheet = nullptr;
    m_reader.close();
    ImportNotice refusal;
    const std::optional<ImportFileKind> kind = CheckImportPath(path, &refusal);
    if (!kind) {
        refusal.showWith(prompter);
        return false;
    }
    m_isText = *kind == ImportFileKind::Text;
    if (m_isText) {
        if (const std::optional<ImportNotice> refused = CheckTextFile(path)) {
            refused->showWith(prompter);
            return false;
        }
        return true;
    }
    return prepareWorkbook(prompter);
}

bool ImportedExclusionNumbers::prepareWorkbook(Prompter& prompter)
{
    if (!m_reader.open(m_path).ok()) {
        ImportText::openFailed().showWith(prompter);
        return false;
    }
    ExcelColumnChoice choice(m_reader);
    if (m_chooseColumns) {
        if (!m_chooseColumns(m_parent, choice))
            return false;
    } else {
        if (const std::optional<ImportNotice> notice = choice.chooseSheet(0)) {
            notice->showWith(prompter);
            return false;
        }
        choice.setSelectAll(true);
    }
    ImportNotice failure;
    m_sheet = ReadImportSheet(m_reader, choice.sheet(), &failure);
    if (!m_sheet) {
        failure.showWith(prompter);
        return false;
    }
    m_ticked = choice.ticked();
    // An empty used range imports nothing, without a message, as the contact import does.
    return !m_sheet->isEmpty();
}

namespace {

QStringList numbersOf(RecipientBatch& batch)
{
    QStringList numbers;
    std::vector<RecipientRow> rows = batch.takeRows();
    numbers.reserve(qsizetype(rows.size()));
    for (RecipientRow& row : rows)
        numbers.append(std::move(row.Number));
    return numbers;
}

} // namespace

bool ImportedExclusionNumbers::read(QStringList& candidates)
{
    RecipientBatch batch(m_noRows);
    const NumberCheckOptions noOptions;
    bool complete = false;
    if (m_isText)
        complete = ReadTextNumbers(m_path, batch, QString(), noOptions);
    else if (m_sheet)
        complete = ImportTickedColumns(*m_sheet, m_ticked, batch, QString(), noOptions) ==
                   SheetReadEnd::Complete;
    candidates = numbersOf(batch);
    return complete;
}

void ImportedExclusionNumbers::reportFailure(Prompter& prompter)
{
    (m_isText ? ImportText::fileMissing() : ImportText::readingDiscarded()).showWith(prompter);
}
