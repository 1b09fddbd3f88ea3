#include "stores/PhoneNumberText.h"

namespace {

constexpr qsizetype kMaxNumberLength = 20;

bool isNumberCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-';
}

} // namespace

QString StripNumberSeparators(const QString& text)
{
    QString stripped;
    stripped.reserve(text.size());
    for (const QChar c : text) {
        if (c != u'-' && c != u' ' && c != u'(' && c != u')')
            stripped.append(c);
    }
    return stripped;
}

bool IsInvalidNumber(const QString& text)
{
    const QString number = text.trimmed();
    if (number.isEmpty())
        return true;
    if (number.indexOf(u'+', 1) >= 0)
        return true;
    if (number.size() > kMaxNumberLength)
        return true;
    for (const QChar c : number) {
        if (!isNumberCharacter(c))
            return true;
    }
    return false;
}
