#include "stores/TemplatesLogic.h"

#include "base/Prompter.h"
#include "stores/DataFolder.h"
#include "stores/MessageComposer.h"
#include "stores/TemplateStore.h"

TemplatesLogic::TemplatesLogic(TemplateStore& store, Prompter& prompter)
    : m_store(store), m_prompter(prompter)
{}

void TemplatesLogic::inform(const QString& text)
{
    m_prompter.inform(tr("Message"), text);
}

QString TemplatesLogic::totalItemsText() const
{
    return tr("Total Items : %1").arg(m_model.rowCount());
}

TemplatesLogic::Loaded TemplatesLogic::load() const
{
    Loaded loaded;
    FileError error;
    if (!m_store.LoadTemplates(loaded.oldestFirst, &error))
        loaded.failure = error;
    return loaded;
}

void TemplatesLogic::show(Loaded loaded)
{
    m_model.setOldestFirst(std::move(loaded.oldestFirst));
    m_loadFailed = loaded.failure.has_value();
    if (loaded.failure)
        inform(FileErrorText(*loaded.failure));
}

bool TemplatesLogic::checkNotEmpty()
{
    if (m_model.rowCount() > 0)
        return true;
    inform(tr("Template list is empty."));
    return false;
}

bool TemplatesLogic::checkEditorText(const QString& text, std::optional<int> editedRow)
{
    if (text.trimmed().isEmpty()) {
        inform(tr("Please type template message."));
        return false;
    }
    const bool unchanged = editedRow && m_model.text(*editedRow) == text;
    if (!unchanged && m_model.contains(text)) {
        inform(tr("Entered template already exists."));
        return false;
    }
    return true;
}

bool TemplatesLogic::addTemplate(const QString& text)
{
    if (!checkEditorText(text, std::nullopt))
        return false;
    m_model.insertAtTop({text});
    FileError error;
    if (!m_store.AppendTemplate(text, &error))
        inform(FileErrorText(error));
    return true;
}

std::optional<int> TemplatesLogic::rowToUpdate(const std::vector<int>& selectedRows)
{
    if (!checkNotEmpty())
        return std::nullopt;
    if (selectedRows.empty()) {
        inform(tr("Please select a template message from the template list to continue."));
        return std::nullopt;
    }
    if (selectedRows.size() > 1) {
        inform(tr("Please select only one record to update."));
        return std::nullopt;
    }
    return selectedRows.front();
}

bool TemplatesLogic::updateTemplate(int row, const QString& text)
{
    if (!checkEditorText(text, row))
        return false;
    m_model.setText(row, text);
    m_edited = true;
    return true;
}

bool TemplatesLogic::checkClearSelected(const std::vector<int>& selectedRows)
{
    if (!checkNotEmpty())
        return false;
    if (selectedRows.empty()) {
        inform(tr("Please select at least one record from the template list to continue."));
        return false;
    }
    return true;
}

void TemplatesLogic::removeRows(QStringList keptOldestFirst)
{
    m_model.setOldestFirst(std::move(keptOldestFirst));
    m_edited = true;
}

bool TemplatesLogic::clearAll()
{
    if (!checkNotEmpty())
        return false;
    if (!m_prompter.confirm(tr("Message"),
                            tr("This option will clear the entire list contents. Are you sure "
                               "you want to continue clearing the entire list?")))
        return false;
    m_model.clear();
    m_edited = true;
    save();
    return true;
}

void TemplatesLogic::useTemplate(const std::vector<int>& selectedRows, MessageComposer& composer)
{
    if (!checkNotEmpty())
        return;
    if (selectedRows.size() > 1) {
        inform(tr("Please select only one record to use template."));
        return;
    }
    if (selectedRows.empty()) {
        inform(tr("Please select a template message to continue."));
        return;
    }
    const QString current = composer.text();
    const int start = composer.selectionStart();
    const int end = composer.selectionEnd();
    QString result = current.left(start) + m_model.text(selectedRows.front()) + current.mid(end);
    if (result.size() > ComposerLimit) {
        if (!m_prompter.confirm(
                tr("Message"),
                tr("Maximum characters limit is 1600.\n\nPress \u2018Yes\u2019 to continue to "
                   "composer window and it will show first 1600 characters of your message "
                   "otherwise press \u2018No\u2019.")))
            return;
        result.truncate(ComposerLimit);
    }
    composer.replaceText(result);
    inform(tr("Selected template message has been moved to Message Composer window of "
              "Software."));
}

int TemplatesLogic::addImported(const QStringList& cells)
{
    QStringList added;
    QSet<QString> seen;
    for (const QString& cell : cells) {
        if (cell.isEmpty() || m_model.contains(cell) || seen.contains(cell))
            continue;
        seen.insert(cell);
        added.append(cell);
    }
    m_model.insertAtTop(added);
    FileError error;
    if (!added.isEmpty() && !m_store.AppendTemplates(added, &error))
        inform(FileErrorText(error));
    if (added.isEmpty())
        inform(tr("Either file is corrupted or selected file contains invalid characters.\n\n"
                  "OR\n\nTemplates are skipped because of duplicate template already exits in "
                  "the templates list."));
    return int(added.size());
}

void TemplatesLogic::save()
{
    // Additions are in the file already; a rewrite is only for what the user changed or took
    // out, and never over a file whose templates the list does not hold.
    if (!m_edited || m_loadFailed)
        return;
    m_store.SaveTemplates(m_model.oldestFirst());
}
