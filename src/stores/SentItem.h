#pragma once

#include <QDate>
#include <QString>

// One record of the sent-items log: where a message went, what it said, the day it was
// written and how it ended.
struct SentItem
{
    QString number;
    QString message;
    QString date; // "%d/%m/%Y", always ten characters when this program wrote it
    QString status;

    bool operator==(const SentItem&) const = default;
};

namespace SentItemRecord {

// The date field for a day: "06/12/2026".
QString DateText(const QDate& day);

// The line of a record without its line end: BEL number VT message BEL date VT status, every
// "\n" turned into the newline token so that one record is always one line.
QString ToLine(const SentItem& item);

// One line as the sent-items reader splits it (see the .cpp for the exact rule). False when the
// line has no number; such lines are dropped.
bool FromLine(QStringView line, SentItem& item);

} // namespace SentItemRecord
