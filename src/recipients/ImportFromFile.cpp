#include "recipients/ImportFromFile.h"

#include "recipients/ExcelColumnChoice.h"
#include "recipients/ExcelImport.h"
#include "recipients/LoadFileMsg.h"
#include "recipients/RecipientBatch.h"
#include "recipients/RecipientList.h"
#include "recipients/TextNumberImport.h"
#include "spreadsheet/SheetTable.h"
#include "spreadsheet/SpreadsheetReader.h"

#include <QFileInfo>

std::optional<ImportFileKind> CheckImportPath(const QString& path, ImportNotice* refusal)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        *refusal = ImportText::fileMissing();
        return std::nullopt;
    }
    const QString extension = info.suffix().toLower();
    if (extension == QLatin1String("txt"))
        return ImportFileKind::Text;
    if (extension == QLatin1String("xls") || extension == QLatin1String("xlsx"))
        return ImportFileKind::Excel;
    *refusal = ImportText::invalidFile();
    return std::nullopt;
}

namespace {

// Empties the list when asked to, reads into a batch off the UI thread, and puts the rows read
// at the top, also those read before a failure. True when the reading went to its end.
bool readIntoList(RecipientList& list, ImportWindow& window, CLoad_File_Msg::Choice choice,
                  const std::function<bool(RecipientBatch&)>& read)
{
    CLoad_File_Msg::StartReading(choice, list);
    RecipientBatch batch(list);
    bool complete = false;
    window.runReading([&] { complete = read(batch); }, batch);
    InsertBatchAtTop(list, batch);
    return complete;
}

} // namespace

int ImportFromFile(RecipientList& list, Prompter& prompter, ImportWindow& window,
                   const QString& composer, const NumberCheckOptions& options)
{
    const CLoad_File_Msg::Choice choice = CLoad_File_Msg::AskDeferred(list, prompter);
    if (choice == CLoad_File_Msg::Choice::Cancel)
        return 0;
    const QString path = window.chooseFile(ImportText::fileFilter());
    if (path.isEmpty())
        return 0;
    ImportNotice refusal;
    const std::optional<ImportFileKind> kind = CheckImportPath(path, &refusal);
    if (!kind) {
        refusal.showWith(prompter);
        return 0;
    }

    const int countBefore = choice == CLoad_File_Msg::Choice::Replace ? 0 : list.count();
    bool complete = false;
    if (*kind == ImportFileKind::Text) {
        if (const std::optional<ImportNotice> refused = CheckTextFile(path)) {
            refused->showWith(prompter);
            return 0;
        }
        complete = readIntoList(list, window, choice, [&](RecipientBatch& batch) {
            return ReadTextNumbers(path, batch, composer, options);
        });
        if (!complete)
            ImportText::fileMissing().showWith(prompter);
    } else {
        SpreadsheetReader reader;
        if (!reader.open(path).ok()) {
            ImportText::openFailed().showWith(prompter);
            return 0;
        }
        ExcelColumnChoice columns(reader);
        if (!window.chooseColumns(columns))
            return 0;
        ImportNotice failure;
        const SheetTable* sheet = ReadImportSheet(reader, columns.sheet(), &failure);
        if (!sheet) {
            failure.showWith(prompter);
            return 0;
        }
        if (sheet->isEmpty())
            return 0;
        complete = readIntoList(list, window, choice, [&](RecipientBatch& batch) {
            return ImportTickedColumns(*sheet, columns.ticked(), batch, composer, options) ==
                   SheetReadEnd::Complete;
        });
        if (!complete)
            ImportText::readingDiscarded().showWith(prompter);
    }
    const int imported = list.count() - countBefore;
    if (complete && imported == 0)
        ImportText::nothingImported().showWith(prompter);
    return imported;
}
