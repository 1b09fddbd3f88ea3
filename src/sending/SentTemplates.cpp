#include "sending/SentTemplates.h"

#include "stores/TemplateStore.h"

#include <algorithm>

SentTemplates::SentTemplates(TemplateStore& store) : m_store(store) {}

bool SentTemplates::reload(FileError* error)
{
    QStringList oldestFirst;
    const bool opened = m_store.LoadTemplates(oldestFirst, error);
    QSet<QString> keys;
    for (const QString& text : oldestFirst)
        keys.insert(text.toCaseFolded());
    std::lock_guard lock(m_mutex);
    m_oldestFirst = std::move(oldestFirst);
    m_keys = std::move(keys);
    return opened;
}

bool SentTemplates::keep(const QString& text, FileError* error)
{
    const QString key = text.toCaseFolded();
    std::lock_guard lock(m_mutex);
    if (m_keys.contains(key))
        return false;
    if (!m_store.AppendTemplate(text, error))
        return false;
    m_keys.insert(key);
    m_oldestFirst.append(text);
    return true;
}

bool SentTemplates::contains(const QString& text) const
{
    std::lock_guard lock(m_mutex);
    return m_keys.contains(text.toCaseFolded());
}

QStringList SentTemplates::newestFirst() const
{
    std::lock_guard lock(m_mutex);
    QStringList list = m_oldestFirst;
    std::reverse(list.begin(), list.end());
    return list;
}
