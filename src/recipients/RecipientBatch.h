#pragma once

#include "recipients/NumberIndex.h"
#include "recipients/RecipientList.h"

#include <atomic>
#include <vector>

// Rows gathered for the top of the list by a paste or an import: the first accepted row will
// stand at position 0, the next at 1, and so on. Numbers are checked against the list and
// against the rows gathered so far, so duplicates inside one paste are caught too. The rows go
// into the list in one block (`RecipientList::insertBatchAtTop`), which keeps a large import
// linear; until then the list is only read, so gathering may run in a background job.
class RecipientBatch
{
public:
    explicit RecipientBatch(const RecipientList& list) : m_list(list) {}

    RecipientNumberCheck CheckRecipientNumber(const QString& text,
                                              const NumberCheckOptions& options) const;
    // Checks the number and, when it is accepted, gathers it with this message.
    bool add(const QString& text, const QString& message, const NumberCheckOptions& options);
    // Gathers a row without any check.
    void append(RecipientRow row);

    // Rows gathered so far; may be read from another thread for a progress counter.
    qsizetype size() const { return m_size.load(std::memory_order_relaxed); }
    std::vector<RecipientRow> takeRows();

private:
    const RecipientList& m_list;
    std::vector<RecipientRow> m_rows;
    NumberIndex m_index;
    std::atomic<qsizetype> m_size{0};
};

// Puts the gathered rows at the top of the list, in the order they were gathered.
void InsertBatchAtTop(RecipientList& list, RecipientBatch& batch);
