#include "recipients/NumberMessageUpdate.h"

#include "recipients/RecipientList.h"
#include "recipients/RecipientPrompts.h"
#include "stores/NumberKey.h"

int NumberMessageUpdate::RowToEdit(const RecipientList& list, const QList<int>& selected)
{
    if (selected.isEmpty())
        return -1;
    const int first = *std::min_element(selected.begin(), selected.end());
    if (first < 0 || first >= list.count() || list.at(first).Number.trimmed().isEmpty())
        return -1;
    return first;
}

NumberMessageUpdate::NumberMessageUpdate(RecipientList& list, int row, Prompter& prompter)
    : m_list(list), m_row(row), m_prompter(prompter), m_number(list.at(row).Number),
      m_message(list.at(row).Message)
{}

QString NumberMessageUpdate::refusal(const QString& number, const NumberCheckOptions& options) const
{
    if (IsInvalidNumber(number))
        return NumberRuleText::invalidNumber();
    if (options.skipDuplicateNumbers) {
        const bool self = NumberKey(number) == NumberKey(m_number);
        if (m_list.numberCount(number) - (self ? 1 : 0) > 0)
            return NumberRuleText::alreadyExists();
    }
    if (options.isExcluded(number))
        return NumberRuleText::excluded();
    return {};
}

bool NumberMessageUpdate::Update(const QString& number, const QString& message,
                                 const NumberCheckOptions& options)
{
    QString accepted = number;
    if (number != m_number) {
        accepted = number.trimmed();
        const QString why = refusal(accepted, options);
        if (!why.isEmpty()) {
            RecipientPrompts::Refuse(m_prompter, why);
            return false;
        }
    }
    m_list.setRecipient(m_row, {accepted, message});
    m_number = accepted;
    m_message = message;
    return true;
}
