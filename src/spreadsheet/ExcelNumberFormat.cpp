#include "spreadsheet/ExcelNumberFormat.h"

#include <QString>

namespace ExcelNumberFormat {

bool isBuiltInDate(int id)
{
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
           (id >= 50 && id <= 58);
}

namespace {

// [h], [mm], [ss] and the like: elapsed time. Anything else in brackets is a colour, a
// condition or a locale.
bool isElapsedTime(QStringView inner)
{
    if (inner.isEmpty())
        return false;
    const QChar first = inner[0].toLower();
    if (first != u'h' && first != u'm' && first != u's')
        return false;
    for (QChar c : inner)
        if (c.toLower() != first)
            return false;
    return true;
}

} // namespace

bool isDateCode(QStringView code)
{
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        switch (c.unicode()) {
        case u'"': {
            const qsizetype end = code.indexOf(u'"', i + 1);
            if (end < 0)
                return false;
            i = end;
            break;
        }
        case u'\\':
        case u'_':
        case u'*':
            ++i; // the next character is literal, padding or fill
            break;
        case u'[': {
            const qsizetype end = code.indexOf(u']', i + 1);
            if (end < 0)
                return false;
            if (isElapsedTime(code.mid(i + 1, end - i - 1)))
                return true;
            i = end;
            break;
        }
        case u';':
            return false;
        default:
            switch (c.toLower().unicode()) {
            case u'd':
            case u'm':
            case u'y':
            case u'h':
            case u's':
                return true;
            default:
                break;
            }
        }
    }
    return false;
}

} // namespace ExcelNumberFormat
