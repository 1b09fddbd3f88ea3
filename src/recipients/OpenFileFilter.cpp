#include "recipients/OpenFileFilter.h"

QStringList NameFiltersFromPairs(const QString& filter)
{
    const QStringList parts = filter.split(u'|', Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString label = parts[i].section(u'(', 0, 0).trimmed();
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters.append(label + QStringLiteral(" (") + patterns.trimmed() + u')');
    }
    return filters;
}
