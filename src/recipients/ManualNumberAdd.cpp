#include "recipients/ManualNumberAdd.h"

#include "recipients/RecipientBatch.h"
#include "recipients/RecipientPrompts.h"

QString ManualNumberAdd::TotalRowsText(const QString& text)
{
    return tr("Total Rows : %1").arg(text.count(u'\n') + 1);
}

bool ManualNumberAdd::Accept(const QString& text, const QString& composer,
                             const NumberCheckOptions& options)
{
    if (text.trimmed().isEmpty()) {
        RecipientPrompts::Refuse(m_prompter, tr("No item to insert in list."));
        return false;
    }
    RecipientBatch batch(m_list);
    for (const QString& line : text.split(u'\n')) {
        const QString fields = line.trimmed() + u'\t';
        for (const QString& field : fields.split(u'\t'))
            batch.add(field.trimmed(), composer, options);
    }
    InsertBatchAtTop(m_list, batch);
    return true;
}
