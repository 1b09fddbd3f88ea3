#include "recipients/SelectedMessagesUpdate.h"

#include "base/Prompter.h"
#include "recipients/RecipientList.h"
#include "recipients/RecipientPrompts.h"

#include <algorithm>

using namespace RecipientPrompts;

bool SelectedMessagesUpdate::CanOpen(const RecipientList& list, const QList<int>& selected,
                                     Prompter& prompter)
{
    return CheckListAndSelection(list, selected, prompter);
}

SelectedMessagesUpdate::SelectedMessagesUpdate(RecipientList& list, QList<int> selected,
                                               Prompter& prompter)
    : m_list(list), m_selected(std::move(selected)), m_prompter(prompter)
{
    std::sort(m_selected.begin(), m_selected.end());
    m_selected.erase(std::unique(m_selected.begin(), m_selected.end()), m_selected.end());
    m_selected.removeIf([this](int row) { return row < 0 || row >= m_list.count(); });
}

QStringList SelectedMessagesUpdate::selectedNumbers() const
{
    QStringList numbers;
    numbers.reserve(m_selected.size());
    for (const int row : m_selected)
        numbers.append(m_list.at(row).Number);
    return numbers;
}

QString SelectedMessagesUpdate::totalText() const
{
    return tr("Total Selected Numbers : %1").arg(m_selected.size());
}

bool SelectedMessagesUpdate::Apply(const QString& message)
{
    if (message.isEmpty()) {
        Refuse(m_prompter, enterSomeText());
        return false;
    }
    if (!m_prompter.confirm(confirmCaption(),
                            tr("This action will copy the above message to the selected numbers "
                               "in the list. The messages of rest of the numbers remain "
                               "unchanged.\n\nAre you sure you want to continue?")))
        return false;
    m_list.setMessages(m_selected, message);
    return true;
}
