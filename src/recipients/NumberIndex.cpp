#include "recipients/NumberIndex.h"

void NumberIndex::remove(const QString& number)
{
    const auto it = m_counts.find(NumberKey(number));
    if (it == m_counts.end())
        return;
    if (--it.value() == 0)
        m_counts.erase(it);
}
