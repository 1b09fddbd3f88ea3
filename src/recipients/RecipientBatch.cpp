#include "recipients/RecipientBatch.h"

RecipientNumberCheck RecipientBatch::CheckRecipientNumber(const QString& text,
                                                          const NumberCheckOptions& options) const
{
    return ::CheckRecipientNumber(text, options, [this](const QString& number) {
        return m_list.containsNumber(number) || m_index.contains(number);
    });
}

bool RecipientBatch::add(const QString& text, const QString& message,
                         const NumberCheckOptions& options)
{
    RecipientNumberCheck check = CheckRecipientNumber(text, options);
    if (!check.accepted())
        return false;
    append({std::move(check.number), message});
    return true;
}

void RecipientBatch::append(RecipientRow row)
{
    m_index.add(row.Number);
    m_rows.push_back(std::move(row));
    m_size.store(qsizetype(m_rows.size()), std::memory_order_relaxed);
}

std::vector<RecipientRow> RecipientBatch::takeRows()
{
    m_index.clear();
    m_size.store(0, std::memory_order_relaxed);
    return std::exchange(m_rows, {});
}

void InsertBatchAtTop(RecipientList& list, RecipientBatch& batch)
{
    list.insertRecipients(0, batch.takeRows());
}
