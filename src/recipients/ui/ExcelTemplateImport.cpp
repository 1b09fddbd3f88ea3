#include "recipients/ui/ExcelTemplateImport.h"

#include "recipients/ExcelColumnChoice.h"
#include "recipients/ImportFromFile.h"
#include "recipients/TemplateCells.h"
#include "recipients/ui/CExcel_Info_Dlg.h"
#include "widgets/MessageBoxPrompter.h"

#include <QCoreApplication>
#include <QPointer>
#include <memory>

ExcelTemplateImport::ExcelTemplateImport(Prompter* prompter, OpenFileChooser chooseFile)
    : m_prompter(prompter), m_chooseFile(std::move(chooseFile))
{}

bool ExcelTemplateImport::choose(QWidget* parent)
{
    m_sheet = nullptr;
    m_ticked.clear();
    MessageBoxPrompter boxes(parent);
    Prompter& prompter = m_prompter ? *m_prompter : boxes;

    const QString path = m_chooseFile(parent, ImportText::excelFilter());
    if (path.isEmpty())
        return false;
    ImportNotice refusal;
    const std::optional<ImportFileKind> kind = CheckImportPath(path, &refusal);
    if (kind != ImportFileKind::Excel) {
        (kind ? ImportText::invalidFile() : refusal).showWith(prompter);
        return false;
    }
    if (!m_reader.open(path).ok()) {
        ImportText::openFailed().showWith(prompter);
        return false;
    }
    ExcelColumnChoice choice(m_reader);
    CExcel_Info_Dlg dialog(choice, prompter, parent);
    if (dialog.exec() != QDialog::Accepted) {
        m_reader.close();
        return false;
    }
    ImportNotice failure;
    const SheetTable* sheet = ReadImportSheet(m_reader, choice.sheet(), &failure);
    if (!sheet) {
        failure.showWith(prompter);
        return false;
    }
    if (sheet->isEmpty())
        return false;
    m_sheet = sheet;
    m_ticked = choice.ticked();
    return true;
}

QStringList ExcelTemplateImport::readCells()
{
    if (!m_sheet)
        return {};
    SheetReadEnd end = SheetReadEnd::Complete;
    const QStringList cells = TemplateCells(*m_sheet, m_ticked, &end);
    m_sheet = nullptr;
    if (end == SheetReadEnd::Discarded) {
        // This runs off the UI thread: the box is shown there, after the reading.
        Prompter* prompter = m_prompter;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [prompter] {
                MessageBoxPrompter boxes(nullptr);
                ImportText::readingDiscarded().showWith(prompter ? *prompter : boxes);
            },
            Qt::QueuedConnection);
    }
    return cells;
}
