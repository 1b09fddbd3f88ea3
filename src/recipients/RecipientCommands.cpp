#include "recipients/RecipientCommands.h"

#include "base/Prompter.h"
#include "recipients/RecipientList.h"
#include "recipients/RecipientPrompts.h"

using namespace RecipientPrompts;

QString TotalNumbersText(int count)
{
    return QCoreApplication::translate("RecipientList", "Total Numbers : %1").arg(count);
}

QString UpdateCounters(const RecipientList& list)
{
    return TotalNumbersText(list.count());
}

QString UpdateCharacterCount(const QString& text)
{
    return QCoreApplication::translate("RecipientList", "%1 Characters").arg(text.size());
}

bool RecipientCommands::Add(const QString& numberText, const QString& composer,
                            const NumberCheckOptions& options)
{
    RecipientNumberCheck check = m_list.CheckRecipientNumber(numberText, options);
    if (!check.accepted()) {
        Refuse(m_prompter, check.message);
        return false;
    }
    m_list.insertRecipient(0, {std::move(check.number), composer});
    return true;
}

bool RecipientCommands::CanClearSelected(const QList<int>& selected)
{
    return CheckListAndSelection(m_list, selected, m_prompter);
}

int RecipientCommands::ClearSelected(const QList<int>& selected, int selectionMark)
{
    if (!CanClearSelected(selected))
        return -1;
    m_list.removeRecipients(selected);
    return RowToSelectAfterClear(m_list, selectionMark);
}

int RecipientCommands::RowToSelectAfterClear(const RecipientList& list, int selectionMark)
{
    return selectionMark >= 0 && selectionMark < list.count() ? selectionMark : -1;
}

bool RecipientCommands::ClearAll()
{
    if (!CheckListNotEmpty(m_list, m_prompter))
        return false;
    if (!m_prompter.confirm(confirmCaption(),
                            tr("This option will clear the entire list contents. Are you sure you "
                               "want to continue clearing the entire list?")))
        return false;
    m_list.clear();
    return true;
}

bool RecipientCommands::Reset()
{
    if (!m_prompter.confirm(confirmCaption(), tr("Are you sure you want to continue to reset?")))
        return false;
    m_list.clear();
    return true;
}
