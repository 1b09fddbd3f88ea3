#pragma once

#include "stores/NumberKey.h"

#include <QHash>
#include <QString>

// How many rows hold each number, compared whole with letter case ignored, so the duplicate
// test is a look-up instead of a scan of the list.
class NumberIndex
{
public:
    void add(const QString& number) { ++m_counts[NumberKey(number)]; }
    void remove(const QString& number);
    int count(const QString& number) const { return m_counts.value(NumberKey(number)); }
    bool contains(const QString& number) const { return m_counts.contains(NumberKey(number)); }
    void clear() { m_counts.clear(); }

private:
    QHash<QString, int> m_counts;
};
