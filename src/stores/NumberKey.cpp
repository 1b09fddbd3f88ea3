#include "stores/NumberKey.h"

namespace {

bool foldsToItself(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80 || (u >= u'A' && u <= u'Z'))
            return false;
    }
    return true;
}

} // namespace

QString NumberKey(const QString& number)
{
    return foldsToItself(number) ? number : number.toCaseFolded();
}
