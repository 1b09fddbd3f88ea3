#include "widgets/EntryFormat.h"

#include <QCoreApplication>

bool BaseFormat::IsCharAllowed(QChar c) const
{
    if (c == u'\b' || c == u'\t' || c == u'\n' || c == u'\r')
        return true;
    return m_allowed.contains(c);
}

bool BaseFormat::IsPasteAllowed(QStringView text) const
{
    for (const QChar c : text) {
        if (!m_allowed.contains(c))
            return false;
    }
    return true;
}

DecimalFormat::DecimalFormat()
    : BaseFormat(QStringLiteral("0123456789+"),
                 QCoreApplication::translate("DecimalFormat", "Invalid number."))
{}
