#include "stores/SentItem.h"

#include "stores/RecordFile.h"

namespace {

constexpr QChar kBel = u'\x07';
constexpr QChar kVt = u'\x0B';
// BEL, the ten-character date and VT stand between the message and the status.
constexpr qsizetype kDateBlock = 12;

QString withoutSeparators(QString text)
{
    text.remove(kBel);
    text.remove(kVt);
    return text;
}

} // namespace

namespace SentItemRecord {

QString DateText(const QDate& day)
{
    return day.toString(u"dd/MM/yyyy");
}

QString ToLine(const SentItem& item)
{
    return RecordFile::ToRecordText(kBel + item.number + kVt + item.message + kBel + item.date +
                                    kVt + item.status);
}

// The split is positional, not by fields: the number ends at the first VT, the status starts
// twelve characters after the last BEL. Trimming after the number drops blanks at the start of
// the message; a date that is not ten characters long shifts the status. Both are how records
// have always been read back, and every writer here writes ten-character dates.
bool FromLine(QStringView line, SentItem& item)
{
    const QString text = RecordFile::FromRecordText(line.toString()).trimmed();
    const qsizetype vt = text.indexOf(kVt);
    if (vt <= 0)
        return false;
    QString number = text.left(vt);
    if (number.startsWith(kBel))
        number.remove(0, 1);
    const QString rest = text.mid(vt).trimmed();

    QString message;
    QString date;
    QString status;
    const qsizetype bel = rest.lastIndexOf(kBel);
    if (bel < 0) {
        date = rest;
    } else {
        message = rest.left(bel);
        date = rest.mid(bel, kDateBlock);
        status = rest.mid(bel + kDateBlock);
    }
    item.number = withoutSeparators(number);
    if (item.number.isEmpty())
        return false;
    item.message = withoutSeparators(message);
    item.date = withoutSeparators(date);
    item.status = status;
    return true;
}

} // namespace SentItemRecord
