#include "recipients/ui/ImportCommands.h"

#include "base/BusyFlag.h"
#include "base/StatusTexts.h"
#include "recipients/ImportFromFile.h"
#include "recipients/LoadFileMsg.h"
#include "recipients/RecipientBatch.h"
#include "recipients/RecipientCommands.h"
#include "recipients/RecipientList.h"
#include "recipients/ui/CDynamic_Excel_Msg.h"
#include "recipients/ui/CExcel_Info_Dlg.h"

namespace {

// Marks the main window busy for the length of a command.
class BusyScope
{
public:
    explicit BusyScope(BusyFlag* state) : m_state(state)
    {
        if (m_state)
            m_state->setBusy(true);
    }
    ~BusyScope()
    {
        if (m_state)
            m_state->setBusy(false);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyFlag* m_state;
};

class WidgetImportWindow final : public ImportWindow
{
public:
    WidgetImportWindow(QWidget* parent, const ImportContext& context)
        : m_parent(parent), m_context(context)
    {}

    QString chooseFile(const QString& filter) override
    {
        return m_context.chooseFile ? m_context.chooseFile(m_parent, filter)
                                    : ChooseOpenFile(m_parent, filter);
    }

    bool chooseColumns(ExcelColumnChoice& choice) override
    {
        CExcel_Info_Dlg dialog(choice, m_context.prompter, m_parent);
        return dialog.exec() == QDialog::Accepted;
    }

    void runReading(const std::function<void()>& work, const RecipientBatch& batch) override
    {
        const RecipientList& list = m_context.list;
        RunImportWithWait(
            m_parent, work, StatusTexts::importingContacts(),
            [&list, &batch] { return list.count() + int(batch.size()); }, m_context.showTotal);
    }

private:
    QWidget* m_parent;
    const ImportContext& m_context;
};

void showTotal(const ImportContext& context)
{
    if (context.showTotal)
        context.showTotal(UpdateCounters(context.list));
}

} // namespace

int LoadContactsFromFile(QWidget* parent, const ImportContext& context)
{
    const BusyScope busy(context.busyFlag);
    WidgetImportWindow window(parent, context);
    const int imported =
        ImportFromFile(context.list, context.prompter, window, context.composer, context.options);
    showTotal(context);
    return imported;
}

int SendPersonalizedFromExcel(QWidget* parent, const ImportContext& context)
{
    const BusyScope busy(context.busyFlag);
    const CLoad_File_Msg::Choice choice =
        CLoad_File_Msg::AskDeferred(context.list, context.prompter);
    if (choice == CLoad_File_Msg::Choice::Cancel)
        return 0;
    CDynamic_Excel_Msg wizard(context.list, context.prompter, choice, context.options, parent);
    if (context.chooseFile)
        wizard.setFileChooser(context.chooseFile);
    wizard.setTotalNumbers(context.showTotal);
    wizard.exec();
    showTotal(context);
    return wizard.imported();
}
