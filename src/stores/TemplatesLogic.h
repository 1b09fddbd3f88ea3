#pragma once

#include "base/FileError.h"
#include "stores/TemplateListModel.h"

#include <QCoreApplication>
#include <optional>
#include <vector>

class MessageComposer;
class Prompter;
class TemplateStore;

// The templates window without its widgets. Its list is the working copy: additions reach the
// file at once, updates and removals when the window closes (or on Clear All).
class TemplatesLogic
{
    Q_DECLARE_TR_FUNCTIONS(TemplatesLogic)

public:
    static constexpr int ComposerLimit = 1600;

    struct Loaded
    {
        QStringList oldestFirst;
        std::optional<FileError> failure;
    };

    TemplatesLogic(TemplateStore& store, Prompter& prompter);

    TemplateListModel& model() { return m_model; }
    const TemplateListModel& model() const { return m_model; }
    QString totalItemsText() const;

    // Loading: load() only reads the file (it may run off the UI thread); show() fills the list
    // and reports a file that could not be opened.
    Loaded load() const;
    void show(Loaded loaded);

    // The editor's "Add": true when the template was taken and the editor may close.
    bool addTemplate(const QString& text);

    // "Update": the row to edit, or nothing after saying why not. The editor's "Update" then
    // calls updateTemplate(), true when the editor may close.
    std::optional<int> rowToUpdate(const std::vector<int>& selectedRows);
    bool updateTemplate(int row, const QString& text);

    // "Clear Selected": false, after saying why, when there is nothing to remove. The window
    // builds oldestFirstWithout() in a background job and hands it to removeRows().
    bool checkClearSelected(const std::vector<int>& selectedRows);
    void removeRows(QStringList keptOldestFirst);

    // "Clear All": asks, then empties the list and the file at once.
    bool clearAll();

    // "Use Template": puts the selected template into the composer in place of its selection.
    void useTemplate(const std::vector<int>& selectedRows, MessageComposer& composer);

    // "Import Templates": every cell text that is neither empty nor already listed goes on top
    // (in cell order) and into the file. Returns how many were added.
    int addImported(const QStringList& cells);

    // "Close": the file is rewritten from the list when the user updated or removed templates
    // (and the file was read). Silent when it cannot be written.
    void save();

private:
    bool checkNotEmpty();
    bool checkEditorText(const QString& text, std::optional<int> editedRow);
    void inform(const QString& text);

    TemplateStore& m_store;
    Prompter& m_prompter;
    TemplateListModel m_model;
    bool m_edited = false;
    bool m_loadFailed = false;
};
